#include "gui/array_dialog_view.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "import/source_import.h"

namespace pixmora {

namespace {

const QString kOk = QStringLiteral("\u041E\u041A");  // Cyrillic "ОК"
const QString kCancel = QStringLiteral("Отмена");

}  // namespace

ArrayDialogView::ArrayDialogView(QWidget* parent, const std::vector<ArrayListing>& arrays,
                                 std::size_t preselected)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kArrayDialogTitle));
    setModal(true);

    auto* prompt = new QLabel(QString::fromUtf8(kArrayDialogPrompt), this);
    list_ = new QListWidget(this);
    for (const ArrayListing& array : arrays) {
        list_->addItem(QString::fromStdString(ArrayListingText(array)));
    }
    list_->setCurrentRow(static_cast<int>(preselected));
    // Wide enough for the longest line, high enough for up to ten arrays without scrolling.
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
    const int rows = std::min(static_cast<int>(arrays.size()), 10);
    list_->setFixedHeight(rows * list_->sizeHintForRow(0) + 2 * list_->frameWidth() + 4);
    ok_ = new QPushButton(kOk, this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(kCancel, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<std::size_t> ArrayDialogView::chosen() const {
    if (result() != QDialog::Accepted || list_->currentRow() < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(list_->currentRow());
}

std::optional<std::size_t> RunArrayDialogView(QWidget* parent,
                                              const std::vector<ArrayListing>& arrays,
                                              std::size_t preselected) {
    // The import runs under the busy pointer; the choice is the user's turn.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    ArrayDialogView dialog(parent, arrays, preselected);
    dialog.exec();
    QApplication::restoreOverrideCursor();
    return dialog.chosen();
}

}  // namespace pixmora
