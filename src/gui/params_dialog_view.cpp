#include "gui/params_dialog_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/editor.h"
#include "editor/host.h"
#include "gui/pictures.h"
#include "gui/qt_text.h"

namespace pixmora {

namespace {}  // namespace

ParamsDialogView::ParamsDialogView(Editor& ed, Host& host, QWidget* parent)
    : QDialog(parent), ed_(ed), host_(host), state_(OpenParamsDialog(ed)) {
    setWindowTitle(ToQt(kParamsDialogTitle));
    setModal(true);

    auto* formatPrompt = new QLabel(ToQt(kFormatPrompt), this);
    formatPrompt->setObjectName(QStringLiteral("Label3"));
    formats_ = new QComboBox(this);
    formats_->setObjectName(QStringLiteral("Combo1"));
    for (const CellFormat& format : kCellFormats) {
        formats_->addItem(ToQt(format.name));
    }
    formats_->setPlaceholderText(ToQt(kNoFormatText));
    formats_->setCurrentIndex(-1);

    scanPrompt_ = new QLabel(ToQt(kScanPrompt), this);
    scanPrompt_->setObjectName(QStringLiteral("Label19"));
    optionGroup_ = new QButtonGroup(this);
    auto* optionColumn = new QVBoxLayout;
    for (int scan = 0; scan < kScanCount; ++scan) {
        options_[scan] = new QRadioButton(ToQt(ScanOptionCaption(scan)), this);
        options_[scan]->setObjectName(QStringLiteral("Option1_%1").arg(scan));
        optionGroup_->addButton(options_[scan], scan);
        optionColumn->addWidget(options_[scan]);
    }
    optionColumn->addStretch();

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setFixedSize(164, 124);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameShape(QFrame::StyledPanel);

    negative_ = new QCheckBox(ToQt(kNegativeCaption), this);
    negative_->setObjectName(QStringLiteral("Check1"));
    ok_ = new QPushButton(QStringLiteral("ОК"), this);
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("Command2"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(formatPrompt, 0, 0);
    grid->addWidget(formats_, 0, 1);
    grid->addWidget(scanPrompt_, 1, 0, 1, 2);
    auto* scanRow = new QHBoxLayout;
    scanRow->addLayout(optionColumn);
    scanRow->addWidget(picture_);
    grid->addLayout(scanRow, 2, 0, 1, 2);
    grid->addWidget(negative_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    // The dialog keeps its size while the scan controls come and go.
    for (QWidget* widget : {static_cast<QWidget*>(scanPrompt_), static_cast<QWidget*>(picture_),
                            static_cast<QWidget*>(negative_), static_cast<QWidget*>(ok_)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    for (QRadioButton* option : options_) {
        QSizePolicy policy = option->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        option->setSizePolicy(policy);
    }

    connect(formats_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            ChooseDialogFormat(ed_, host_, state_, index);
        }
        AfterEvent();
    });
    connect(optionGroup_, &QButtonGroup::idClicked, this, [this](int scan) {
        ClickScanOption(host_, state_, scan);
        AfterEvent();
    });
    connect(negative_, &QCheckBox::clicked, this, [this](bool checked) {
        ClickNegativeCheck(ed_, state_, checked);
        AfterEvent();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        choice_ = ConfirmParamsDialog(host_, state_);
        AfterEvent();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        CancelParamsDialog(state_);
        AfterEvent();
    });
    Render();
}

void ParamsDialogView::closeEvent(QCloseEvent* event) {
    if (state_.open) {
        event->ignore();
    } else {
        QDialog::closeEvent(event);
    }
}

void ParamsDialogView::AfterEvent() {
    Render();
    if (!state_.open) {
        done(QDialog::Accepted);
    }
}

void ParamsDialogView::Render() {
    const QSignalBlocker blockCombo(formats_);
    const QSignalBlocker blockCheck(negative_);
    const QSignalBlocker blockOptions(optionGroup_);
    formats_->setCurrentIndex(state_.pendingFormat.value_or(-1));
    scanPrompt_->setVisible(state_.scanPromptVisible);
    for (int scan = 0; scan < kScanCount; ++scan) {
        options_[scan]->setVisible(state_.optionVisible[static_cast<std::size_t>(scan)]);
    }
    options_[state_.selectedOption]->setChecked(true);
    picture_->setVisible(state_.pictureVisible);
    picture_->setPixmap(state_.picture.empty()
                            ? QPixmap()
                            : LoadPictureFile(QString::fromStdString(state_.picture)));
    negative_->setVisible(state_.negativeVisible);
    negative_->setChecked(state_.negative);
    ok_->setVisible(state_.okVisible);
}

}  // namespace pixmora
