#include "gui/model_dialog_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pixmora {

ModelDialogView::ModelDialogView(Editor& ed, Host& host, std::function<void()> fontShown,
                                 QWidget* parent)
    : QDialog(parent),
      ed_(ed),
      host_(host),
      fontShown_(std::move(fontShown)),
      label1_(new QLabel(this)),
      text1_(new QLineEdit(this)),
      check1_(new QCheckBox(QString::fromUtf8(kBackupCaption), this)) {
    setWindowTitle(QString::fromUtf8(kModelDialogTitle));
    setModal(false);

    auto* ok = new QPushButton(QStringLiteral("ОК"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    auto* rowLine = new QHBoxLayout;
    rowLine->addWidget(new QLabel(QString::fromUtf8(kRowPrompt), this));
    rowLine->addWidget(text1_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addLayout(rowLine);
    layout->addWidget(check1_);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &ModelDialogView::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

void ModelDialogView::Start() {
    state_ = StartModelDialog(ed_);
    Render();
    show();
    raise();
    activateWindow();
}

void ModelDialogView::Confirm() {
    state_.rowText = text1_->text().toStdString();
    state_.keepBackup = check1_->isChecked();
    CorrectModelFile(ed_, host_, state_, fontShown_);
    label1_->setText(QString::fromStdString(state_.label));
    if (!state_.open) {
        hide();
    }
}

void ModelDialogView::Render() {
    label1_->setText(QString::fromStdString(state_.label));
    text1_->setText(QString::fromStdString(state_.rowText));
    check1_->setChecked(state_.keepBackup);
}

}  // namespace pixmora
