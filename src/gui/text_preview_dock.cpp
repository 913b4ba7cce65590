#include "gui/text_preview_dock.h"

#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/editor.h"
#include "gui/qt_colours.h"
#include "gui/qt_text.h"
#include "io/text_line_png.h"

namespace pixmora {

// Shows the core's picture of the line as it is, without a copy into a pixmap.
class LinePicture : public QWidget {
  public:
    explicit LinePicture(QWidget* parent) : QWidget(parent) {}

    void Show(PixelImage line) {
        line_ = std::move(line);
        setFixedSize(line_.width, line_.height);
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (line_.pixels.empty()) {
            return;
        }
        const QImage view(line_.pixels.data(), line_.width, line_.height, line_.width * 4,
                          QImage::Format_RGB32);
        QPainter painter(this);
        painter.drawImage(event->rect(), view, event->rect());
    }

  private:
    PixelImage line_;
};

namespace {

Colour FromQColor(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
           static_cast<Colour>(colour.blue()) << 16;
}

}  // namespace

TextPreviewDock::TextPreviewDock(Editor& ed, Host& host, QWidget* parent)
    : QDockWidget(QStringLiteral("Просмотр текста"), parent), ed_(ed), host_(host) {
    setObjectName(QStringLiteral("TextPreview"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    text_ = new QLineEdit(ToQt(settings_.text), body);
    text_->setObjectName(QStringLiteral("PreviewText"));
    layout->addWidget(text_);

    auto* controls = new QHBoxLayout;
    scale_ = new QComboBox(body);
    scale_->setObjectName(QStringLiteral("PreviewScale"));
    for (int scale = 1; scale <= kMaxPreviewScale; ++scale) {
        scale_->addItem(QStringLiteral("%1x").arg(scale));
    }
    scale_->setCurrentIndex(settings_.scale - 1);
    look_ = new QComboBox(body);
    look_->setObjectName(QStringLiteral("PreviewLook"));
    for (const NamedLook& look : kDisplayLooks) {
        look_->addItem(ToQt(look.name));
    }
    look_->addItem(ToQt(kCustomLookName));
    ink_ = new QPushButton(QStringLiteral("Точки…"), body);
    paper_ = new QPushButton(QStringLiteral("Фон…"), body);
    save_ = new QPushButton(QStringLiteral("Сохранить PNG…"), body);
    save_->setObjectName(QStringLiteral("PreviewSave"));
    controls->addWidget(scale_);
    controls->addWidget(look_);
    controls->addWidget(ink_);
    controls->addWidget(paper_);
    controls->addStretch();
    controls->addWidget(save_);
    layout->addLayout(controls);

    picture_ = new LinePicture(body);
    picture_->setObjectName(QStringLiteral("PreviewPicture"));
    auto* scroll = new QScrollArea(body);
    scroll->setWidget(picture_);
    layout->addWidget(scroll, 1);
    setWidget(body);

    connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) {
        settings_.text = text.toStdString();
        Refresh();
    });
    connect(scale_, &QComboBox::currentIndexChanged, this, [this](int index) {
        settings_.scale = index + 1;
        Refresh();
    });
    connect(look_, &QComboBox::currentIndexChanged, this, [this](int index) {
        settings_.look = index;
        Refresh();
    });
    connect(ink_, &QPushButton::clicked, this, [this] { PickColour(settings_.custom.ink); });
    connect(paper_, &QPushButton::clicked, this, [this] { PickColour(settings_.custom.paper); });
    connect(save_, &QPushButton::clicked, this, [this] { SaveTextLinePng(ed_, host_, settings_); });
    // A hidden pane draws nothing; it catches up when shown.
    connect(this, &QDockWidget::visibilityChanged, this, [this] { Refresh(); });
    Refresh();
}

void TextPreviewDock::PickColour(Colour& colour) {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour), this);
    if (chosen.isValid()) {
        colour = FromQColor(chosen);
        Refresh();
    }
}

void TextPreviewDock::Refresh() {
    const bool custom = settings_.look == static_cast<int>(kDisplayLooks.size());
    ink_->setVisible(custom);
    paper_->setVisible(custom);
    const bool open = ed_.params.CellWidth > 0;
    save_->setEnabled(open);
    if (!open || !isVisible()) {
        picture_->Show({});
        return;
    }
    picture_->Show(RenderTextLine(ed_.params, ed_.font, settings_.text, settings_.scale,
                                  ChosenLook(settings_)));
}

}  // namespace pixmora
