#include "gui/enlarge_dialog_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/editor.h"

namespace pixmora {

namespace {

const QString kOk = QStringLiteral("\u041E\u041A");  // Cyrillic "ОК"
const QString kCancel = QStringLiteral("Отмена");

}  // namespace

EnlargeDialogView::EnlargeDialogView(QWidget* parent, Editor& ed, Host& host)
    : QDialog(parent), ed_(ed), host_(host), state_(OpenEnlargeDialog(ed)) {
    setWindowTitle(QString::fromUtf8(kEnlargeDialogTitle));
    setModal(true);

    auto* prompt = new QLabel(QString::fromUtf8(kEnlargePrompt), this);
    list_ = new QComboBox(this);
    for (const std::string& text : state_.offered) {
        list_->addItem(QString::fromStdString(text));
    }
    list_->setCurrentIndex(-1);  // nothing chosen until the user picks
    ok_ = new QPushButton(kOk, this);
    cancel_ = new QPushButton(kCancel, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(list_, &QComboBox::activated, this, [this](int index) {
        ChooseEnlargeFormat(state_, ed_, list_->itemText(index).toStdString());
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        chosen_ = AcceptEnlargeDialog(state_, ed_, host_);
        if (chosen_) {
            accept();
        }
    });
    connect(cancel_, &QPushButton::clicked, this, &EnlargeDialogView::reject);
}

std::optional<CellFormat> RunEnlargeDialogView(QWidget* parent, Editor& ed, Host& host) {
    EnlargeDialogView dialog(parent, ed, host);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

}  // namespace pixmora
