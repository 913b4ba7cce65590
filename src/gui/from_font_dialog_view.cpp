#include "gui/from_font_dialog_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/editor.h"
#include "editor/file_dialogs.h"
#include "editor/host.h"
#include "gui/qt_text.h"

namespace pixmora {

namespace {

const QString kOk = QStringLiteral("\u041E\u041A");  // Cyrillic "ОК"
const QString kCancel = QStringLiteral("Отмена");
const QString kSourceTitle = QStringLiteral("Шрифт");
const QString kFileCaption = QStringLiteral("Файл");
const QString kBrowseCaption = QStringLiteral("Обзор…");
const QString kInstalledCaption = QStringLiteral("Установленный");
const QString kCellTitle = QStringLiteral("Знакоместо");
const QString kFormatCaption = QStringLiteral("Формат");
const QString kScanCaption = QStringLiteral("Развертка");
const QString kNegativeCaption = QStringLiteral("негативный шрифт");
const QString kDrawingTitle = QStringLiteral("Рисование");
const QString kSizeCaption = QStringLiteral("Размер, пикс.");
const QString kAutoCaption = QStringLiteral("авто");
const QString kScaleCaption = QStringLiteral("Ширина, %");
const QString kBoldCaption = QStringLiteral("полужирный");
const QString kBaselineCaption = QStringLiteral("Базовая линия");
const QString kOffsetCaption = QStringLiteral("Сдвиг, точек");
const QString kCentreCaption = QStringLiteral("по центру");
const QString kSmoothCaption = QStringLiteral("сглаживание, порог");
const QString kCharsTitle = QStringLiteral("Знаки");
const QString kAllCaption = QStringLiteral("все");
const QString kUndrawnCaption = QStringLiteral("только не нарисованные");
const QString kCurrentCaption = QStringLiteral("только текущий");

const QColor kLitDot(0, 0, 0);
const QColor kMissingGround(255, 220, 220);
const QColor kCellGround(255, 255, 255);
const QColor kCellBorder(200, 200, 200);

QSpinBox* Spin(QWidget* parent, int low, int high) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    return spin;
}

}  // namespace

FontPreviewWidget::FontPreviewWidget(const FromFontDialogState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    setMinimumSize(384, 336);
}

void FontPreviewWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(state_.formatIndex)];
    constexpr int kColumns = 16, kRows = kCharCount / kColumns;
    const int dot = std::max(1, std::min((width() / kColumns - 1) / format.width,
                                         (height() / kRows - 1) / format.height));
    const int cellWidth = format.width * dot + 1, cellHeight = format.height * dot + 1;
    std::vector<bool> missing(kCharCount, false);
    if (state_.preview) {
        for (const int code : state_.preview->missing) {
            missing[static_cast<std::size_t>(code - kFirstCode)] = true;
        }
    }
    for (int k = 0; k < kCharCount; ++k) {
        const QRect cell((k % kColumns) * cellWidth, (k / kColumns) * cellHeight, cellWidth,
                         cellHeight);
        painter.fillRect(cell, missing[static_cast<std::size_t>(k)] ? kMissingGround : kCellGround);
        painter.setPen(kCellBorder);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        if (!state_.preview) {
            continue;
        }
        const DotPicture& dots = state_.preview->cells[static_cast<std::size_t>(k)];
        for (int y = 0; y < dots.height; ++y) {
            for (int x = 0; x < dots.width; ++x) {
                if (dots.at(x, y)) {
                    painter.fillRect(cell.x() + 1 + x * dot, cell.y() + 1 + y * dot, dot, dot,
                                     kLitDot);
                }
            }
        }
    }
}

FromFontDialogView::FromFontDialogView(QWidget* parent, Editor& ed, Host& host)
    : QDialog(parent), ed_(ed), host_(host), state_(OpenFromFontDialog(ed)) {
    setWindowTitle(ToQt(kFromFontTitle));
    setModal(true);

    auto* source = new QGroupBox(kSourceTitle, this);
    auto* sourceLayout = new QGridLayout(source);
    fromFile_ = new QRadioButton(kFileCaption, source);
    path_ = new QLineEdit(source);
    path_->setReadOnly(true);
    auto* browse = new QPushButton(kBrowseCaption, source);
    fromInstalled_ = new QRadioButton(kInstalledCaption, source);
    family_ = new QComboBox(source);
    style_ = new QComboBox(source);
    QStringList families;
    for (const InstalledFont& font : state_.installed) {
        const QString family = QString::fromStdString(font.family);
        if (families.isEmpty() || families.back() != family) {
            families.push_back(family);
        }
    }
    family_->addItems(families);
    family_->setCurrentIndex(-1);
    sourceLayout->addWidget(fromFile_, 0, 0);
    sourceLayout->addWidget(path_, 0, 1, 1, 2);
    sourceLayout->addWidget(browse, 0, 3);
    sourceLayout->addWidget(fromInstalled_, 1, 0);
    sourceLayout->addWidget(family_, 1, 1, 1, 2);
    sourceLayout->addWidget(style_, 1, 3);

    auto* cell = new QGroupBox(kCellTitle, this);
    auto* cellLayout = new QFormLayout(cell);
    format_ = new QComboBox(cell);
    for (const CellFormat& format : kCellFormats) {
        format_->addItem(ToQt(format.name));
    }
    scan_ = new QComboBox(cell);
    negative_ = new QCheckBox(kNegativeCaption, cell);
    cellLayout->addRow(kFormatCaption, format_);
    cellLayout->addRow(kScanCaption, scan_);
    cellLayout->addRow(negative_);

    auto* drawing = new QGroupBox(kDrawingTitle, this);
    auto* drawingLayout = new QGridLayout(drawing);
    autoSize_ = new QCheckBox(kAutoCaption, drawing);
    size_ = Spin(drawing, 1, 512);
    scaleX_ = Spin(drawing, kMinScaleX, kMaxScaleX);
    bold_ = new QCheckBox(kBoldCaption, drawing);
    autoBaseline_ = new QCheckBox(kAutoCaption, drawing);
    baseline_ = Spin(drawing, -kGridRows, 2 * kGridRows);
    offset_ = Spin(drawing, -kGridColumns, kGridColumns);
    centre_ = new QCheckBox(kCentreCaption, drawing);
    smooth_ = new QCheckBox(kSmoothCaption, drawing);
    threshold_ = Spin(drawing, 1, 255);
    int row = 0;
    drawingLayout->addWidget(new QLabel(kSizeCaption, drawing), row, 0);
    drawingLayout->addWidget(size_, row, 1);
    drawingLayout->addWidget(autoSize_, row++, 2);
    drawingLayout->addWidget(new QLabel(kScaleCaption, drawing), row, 0);
    drawingLayout->addWidget(scaleX_, row, 1);
    drawingLayout->addWidget(bold_, row++, 2);
    drawingLayout->addWidget(new QLabel(kBaselineCaption, drawing), row, 0);
    drawingLayout->addWidget(baseline_, row, 1);
    drawingLayout->addWidget(autoBaseline_, row++, 2);
    drawingLayout->addWidget(new QLabel(kOffsetCaption, drawing), row, 0);
    drawingLayout->addWidget(offset_, row, 1);
    drawingLayout->addWidget(centre_, row++, 2);
    drawingLayout->addWidget(smooth_, row, 0, 1, 2);
    drawingLayout->addWidget(threshold_, row++, 2);

    auto* chars = new QGroupBox(kCharsTitle, this);
    auto* charsLayout = new QVBoxLayout(chars);
    allChars_ = new QRadioButton(kAllCaption, chars);
    undrawnChars_ = new QRadioButton(kUndrawnCaption, chars);
    currentChar_ = new QRadioButton(kCurrentCaption, chars);
    charsLayout->addWidget(allChars_);
    charsLayout->addWidget(undrawnChars_);
    charsLayout->addWidget(currentChar_);

    preview_ = new FontPreviewWidget(state_, this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    ok_ = new QPushButton(kOk, this);
    auto* cancel = new QPushButton(kCancel, this);

    auto* options = new QVBoxLayout;
    options->addWidget(source);
    options->addWidget(cell);
    options->addWidget(drawing);
    options->addWidget(chars);
    options->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(preview_, 1);
    right->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(right, 1);

    ShowState();

    const auto onToggle = [this](QAbstractButton* button, auto apply) {
        connect(button, &QAbstractButton::toggled, this, [this, apply](bool on) {
            if (!showing_) {
                apply(on);
                Changed();
            }
        });
    };
    const auto onSpin = [this](QSpinBox* spin, auto apply) {
        connect(spin, &QSpinBox::valueChanged, this, [this, apply](int value) {
            if (!showing_) {
                apply(value);
                Changed();
            }
        });
    };
    connect(browse, &QPushButton::clicked, this, [this] {
        const std::optional<std::string> path = host_.OpenFile(
            {kFontFileDialogTitle, kFontFileFilter, FileDialogStartDir(ed_, host_), ""});
        if (path) {
            chooseFile(*path);
        }
    });
    onToggle(fromFile_, [this](bool on) {
        state_.source = on ? FontSourceKind::File : FontSourceKind::Installed;
    });
    connect(family_, &QComboBox::currentIndexChanged, this, [this] {
        if (!showing_) {
            FillStyles();
        }
    });
    connect(style_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_ || index < 0) {
            return;
        }
        state_.source = FontSourceKind::Installed;
        state_.installedIndex = style_->itemData(index).toInt();
        Changed();
    });
    connect(format_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0) {
            ChooseFromFontFormat(state_, index);
            Changed();
        }
    });
    connect(scan_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0) {
            state_.scan = scan_->itemData(index).toInt();
            Changed();
        }
    });
    onToggle(negative_, [this](bool on) { state_.negative = on; });
    onToggle(autoSize_, [this](bool on) { state_.autoSize = on; });
    onSpin(size_, [this](int value) {
        state_.size = value;
        state_.autoSize = false;
    });
    onSpin(scaleX_, [this](int value) { state_.scaleX = value; });
    onToggle(bold_, [this](bool on) { state_.bold = on; });
    onToggle(autoBaseline_, [this](bool on) { state_.autoBaseline = on; });
    onSpin(baseline_, [this](int value) {
        state_.baseline = value;
        state_.autoBaseline = false;
    });
    onSpin(offset_, [this](int value) { state_.offset = value; });
    onToggle(centre_, [this](bool on) { state_.centre = on; });
    onToggle(smooth_, [this](bool on) { state_.smooth = on; });
    onSpin(threshold_, [this](int value) { state_.threshold = value; });
    const auto onChars = [this](QRadioButton* button, FillChars fill) {
        connect(button, &QRadioButton::toggled, this, [this, fill](bool on) {
            if (!showing_ && on) {
                ChooseFillChars(state_, ed_, fill);
                Changed();
            }
        });
    };
    onChars(allChars_, FillChars::All);
    onChars(undrawnChars_, FillChars::Undrawn);
    onChars(currentChar_, FillChars::Current);
    connect(ok_, &QPushButton::clicked, this, [this] {
        refreshNow();
        choice_ = AcceptFromFontDialog(state_);
        if (choice_) {
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &FromFontDialogView::reject);
}

void FromFontDialogView::chooseFile(const std::string& path) {
    state_.source = FontSourceKind::File;
    state_.path = path;
    Changed();
}

void FromFontDialogView::refreshNow() {
    refreshQueued_ = false;
    RefreshPreview(state_);
    ShowState();
}

void FromFontDialogView::Changed() {
    ShowState();
    if (!refreshQueued_) {
        refreshQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            if (refreshQueued_) {
                refreshNow();
            }
        });
    }
}

void FromFontDialogView::FillStyles() {
    showing_ = true;
    style_->clear();
    const std::string family = family_->currentText().toStdString();
    for (std::size_t i = 0; i < state_.installed.size(); ++i) {
        if (state_.installed[i].family == family) {
            style_->addItem(QString::fromStdString(state_.installed[i].style), static_cast<int>(i));
        }
    }
    style_->setCurrentIndex(-1);
    showing_ = false;
    if (style_->count() > 0) {
        style_->setCurrentIndex(0);
    }
}

void FromFontDialogView::ShowState() {
    showing_ = true;
    fromFile_->setChecked(state_.source == FontSourceKind::File);
    fromInstalled_->setChecked(state_.source == FontSourceKind::Installed);
    path_->setText(QString::fromStdString(state_.path));
    format_->setCurrentIndex(state_.formatIndex);
    format_->setEnabled(FormatChoosable(state_));
    scan_->clear();
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(state_.formatIndex)];
    for (int scan = 0; scan < kScanCount; ++scan) {
        if (ScanOffered(format.width, scan)) {
            scan_->addItem(ToQt(ScanOptionCaption(scan)), scan);
        }
    }
    scan_->setCurrentIndex(scan_->findData(state_.scan));
    scan_->setEnabled(FormatChoosable(state_));
    negative_->setChecked(state_.negative);
    negative_->setEnabled(FormatChoosable(state_));
    autoSize_->setChecked(state_.autoSize);
    // With the automatic values on, their spin boxes show what the preview was drawn with.
    const bool drawn = state_.preview.has_value();
    size_->setValue(state_.autoSize && drawn ? state_.preview->size : state_.size);
    autoBaseline_->setChecked(state_.autoBaseline);
    baseline_->setValue(state_.autoBaseline && drawn ? state_.preview->baseline : state_.baseline);
    scaleX_->setValue(state_.scaleX);
    bold_->setChecked(state_.bold);
    offset_->setValue(state_.offset);
    centre_->setChecked(state_.centre);
    smooth_->setChecked(state_.smooth);
    threshold_->setValue(state_.threshold);
    threshold_->setEnabled(state_.smooth);
    allChars_->setChecked(state_.chars == FillChars::All);
    undrawnChars_->setChecked(state_.chars == FillChars::Undrawn);
    currentChar_->setChecked(state_.chars == FillChars::Current);
    undrawnChars_->setEnabled(state_.fontOpen);
    currentChar_->setEnabled(state_.fontOpen);
    status_->setText(QString::fromStdString(state_.status));
    ok_->setEnabled(drawn);
    preview_->update();
    showing_ = false;
}

std::optional<FromFontChoice> RunFromFontDialogView(QWidget* parent, Editor& ed, Host& host) {
    FromFontDialogView dialog(parent, ed, host);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

}  // namespace pixmora
