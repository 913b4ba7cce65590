#include "gui/scan_dialog_view.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/editor.h"
#include "gui/pictures.h"

namespace pixmora {

namespace {

const QString kOk = QStringLiteral("\u041E\u041A");  // Cyrillic "ОК"

}  // namespace

ScanDialogView::ScanDialogView(QWidget* parent, Editor& ed, Host& host)
    : QDialog(parent), ed_(ed), host_(host) {
    setWindowTitle(QString::fromUtf8(kScanDialogTitle));
    setModal(true);

    auto* group = new QButtonGroup(this);
    auto* optionsColumn = new QVBoxLayout;
    for (int scan = 0; scan < kScanCount; ++scan) {
        auto* option = new QRadioButton(QString::fromUtf8(ScanOptionCaption(scan)), this);
        group->addButton(option, scan);
        optionsColumn->addWidget(option);
        options_[static_cast<std::size_t>(scan)] = option;
    }
    optionsColumn->addStretch();
    picture_ = new QLabel(this);
    picture_->setMinimumSize(160, 120);
    picture_->setAlignment(Qt::AlignCenter);
    ok_ = new QPushButton(kOk, this);
    ok_->setDefault(true);

    auto* body = new QHBoxLayout;
    body->addLayout(optionsColumn);
    body->addWidget(picture_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    state_ = OpenScanDialog(ed_, host_);
    Render();
    connect(group, &QButtonGroup::idClicked, this, [this](int scan) {
        SelectScanOption(state_, host_, scan);
        Render();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        closing_ = true;
        accept();
    });
}

void ScanDialogView::Render() {
    for (int scan = 0; scan < kScanCount; ++scan) {
        QRadioButton* option = options_[static_cast<std::size_t>(scan)];
        option->setVisible(state_.optionVisible[static_cast<std::size_t>(scan)]);
        option->setChecked(scan == state_.selected);
    }
    // A missing picture leaves the area empty; the dialog stays usable.
    picture_->setPixmap(LoadPictureFile(QString::fromStdString(state_.picturePath)));
}

void ScanDialogView::closeEvent(QCloseEvent* event) {
    if (closing_) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

void ScanDialogView::reject() {
    // Escape and the window frame do not close the dialog; only "ОК" does.
}

std::optional<int> RunScanDialogView(QWidget* parent, Editor& ed, Host& host) {
    ScanDialogView dialog(parent, ed, host);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selected();
}

}  // namespace pixmora
