#include "gui/found_font_dialog_view.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/found_font_rows.h"
#include "gui/qt_text.h"

namespace pixmora {

namespace {

// Small fonts are drawn larger so their dots stay visible; no picture grows past this size.
constexpr int kPictureHeight = 60;
constexpr int kPictureWidth = 640;
constexpr int kMaxDotSize = 2;
// The list is as wide as its columns, up to this.
constexpr int kMaxListWidth = 1300;

QPixmap PictureOf(const PixelImage& picture) {
    if (picture.width <= 0 || picture.height <= 0) {
        return {};
    }
    const QImage image(picture.pixels.data(), picture.width, picture.height, picture.width,
                       QImage::Format_Grayscale8);
    const int dotSize = std::clamp(
        std::min(kPictureHeight / picture.height, kPictureWidth / picture.width), 1, kMaxDotSize);
    return QPixmap::fromImage(image.scaled(picture.width * dotSize, picture.height * dotSize));
}

}  // namespace

FoundFontDialogView::FoundFontDialogView(QWidget* parent, const FoundFontList& list)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kFoundListTitle));
    setModal(true);

    table_ = new QTableWidget(static_cast<int>(list.rows.size()),
                              static_cast<int>(list.titles.size()) + 1, this);
    QStringList titles{QString::fromUtf8(kFoundPictureTitle)};
    for (const std::string& title : list.titles) {
        titles << ToQt(title);
    }
    table_->setHorizontalHeaderLabels(titles);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QSize iconSize(0, 0);
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        const FoundFontRow& row = list.rows[r];
        auto* picture = new QTableWidgetItem;
        const QPixmap pixmap = PictureOf(row.picture);
        picture->setData(Qt::DecorationRole, pixmap);
        iconSize = iconSize.expandedTo(pixmap.size());
        table_->setItem(static_cast<int>(r), 0, picture);
        for (std::size_t c = 0; c < row.texts.size(); ++c) {
            table_->setItem(static_cast<int>(r), static_cast<int>(c) + 1,
                            new QTableWidgetItem(ToQt(row.texts[c])));
        }
    }
    table_->setIconSize(iconSize);
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    if (!list.rows.empty()) {
        table_->selectRow(0);
    }
    table_->setMinimumWidth(std::min(
        table_->horizontalHeader()->length() + table_->verticalHeader()->sizeHint().width() +
            table_->verticalScrollBar()->sizeHint().width() + 2 * table_->frameWidth(),
        kMaxListWidth));

    open_ = new QPushButton(QString::fromUtf8(kFoundOpenButton), this);
    open_->setDefault(true);
    open_->setEnabled(!list.rows.empty());
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);

    connect(open_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
}

std::optional<std::size_t> FoundFontDialogView::chosen() const {
    if (result() != QDialog::Accepted || table_->currentRow() < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(table_->currentRow());
}

std::optional<std::size_t> RunFoundFontDialogView(QWidget* parent, const FoundFontList& list) {
    FoundFontDialogView dialog(parent, list);
    dialog.exec();
    return dialog.chosen();
}

}  // namespace pixmora
