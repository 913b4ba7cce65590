#include "gui/char_table_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStringDecoder>

#include "editor/editor.h"
#include "editor/table_glyph.h"
#include "gui/qt_colours.h"

namespace pixmora {

namespace {

constexpr int kColumns = 16;
constexpr int kRows = kCharCount / kColumns;  // 14
constexpr int kCellWidth = 28;
constexpr int kCellHeight = 26;
constexpr int kRowHeaderWidth = 36;
constexpr int kColumnHeaderHeight = 20;

// The letter of a Windows-1251 code, for display only.
QString Letter(int code) {
    if (code == 0) {
        return {};
    }
    QStringDecoder decoder("windows-1251");
    const char byte = static_cast<char>(code);
    return decoder.decode(QByteArrayView(&byte, 1));
}

// The character's dots in the text colour, as large as the cell allows with a small border.
void DrawGlyph(QPainter& painter, const QRect& cell, const TableGlyph& glyph, const QColor& ink) {
    QImage image(glyph.width, glyph.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < glyph.height; ++row) {
        for (int column = 0; column < glyph.width; ++column) {
            if (glyph.dots[static_cast<std::size_t>(row * glyph.width + column)]) {
                image.setPixelColor(column, row, ink);
            }
        }
    }
    const QRect room = cell.adjusted(3, 3, -3, -3);
    const QSize size = image.size().scaled(room.size(), Qt::KeepAspectRatio);
    const QRect target(room.center() - QPoint(size.width() / 2, size.height() / 2), size);
    // Larger than the cell the dots are averaged, smaller they stay sharp squares.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, size.width() < glyph.width);
    painter.drawImage(target, image);
}

}  // namespace

CharTableWidget::CharTableWidget(const Editor& ed, QWidget* parent) : QWidget(parent), ed_(ed) {
    setCursor(Qt::ArrowCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CharTableWidget::sizeHint() const {
    return {kRowHeaderWidth + kColumns * kCellWidth + 1,
            kColumnHeaderHeight + kRows * kCellHeight + 1};
}

QSize CharTableWidget::minimumSizeHint() const {
    return sizeHint();
}

QRect CharTableWidget::CellRect(int index) const {
    const int code = index + kFirstCode;
    const int row = code / kColumns - 2;
    const int column = code % kColumns;
    return {kRowHeaderWidth + column * kCellWidth, kColumnHeaderHeight + row * kCellHeight,
            kCellWidth, kCellHeight};
}

int CharTableWidget::CellAt(QPoint point) const {
    const int x = point.x() - kRowHeaderWidth;
    const int y = point.y() - kColumnHeaderHeight;
    if (x < 0 || y < 0 || x >= kColumns * kCellWidth || y >= kRows * kCellHeight) {
        return -1;
    }
    return (y / kCellHeight) * kColumns + x / kCellWidth;
}

void CharTableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();

    painter.setPen(colours.color(QPalette::WindowText));
    for (int column = 0; column < kColumns; ++column) {
        const QRect header(kRowHeaderWidth + column * kCellWidth, 0, kCellWidth,
                           kColumnHeaderHeight);
        painter.drawText(header, Qt::AlignCenter, QString::number(column, 16).toUpper());
    }
    for (int row = 0; row < kRows; ++row) {
        const QRect header(0, kColumnHeaderHeight + row * kCellHeight, kRowHeaderWidth - 4,
                           kCellHeight);
        painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(row + 2, 16).toUpper() + QStringLiteral("0h"));
    }

    // The system colour of an empty cell's text: the colour of a window border.
    const QColor emptyText = colours.color(QPalette::Dark);
    for (int index = 0; index < kCharCount; ++index) {
        const CharCell& cell = ed_.table.cells[index];
        const QRect rect = CellRect(index);
        painter.fillRect(rect, ToQColor(cell.background));
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawRect(rect);
        QFont font = painter.font();
        font.setPointSize(cell.fontSize);
        font.setBold(cell.bold);
        painter.setFont(font);
        const QColor ink =
            cell.textColour == kEmptyCellText ? emptyText : ToQColor(cell.textColour);
        const TableGlyph glyph = TableGlyphOf(ed_, index);
        if (!glyph.dots.empty()) {
            DrawGlyph(painter, rect, glyph, ink);
            continue;
        }
        painter.setPen(ink);
        painter.drawText(rect, Qt::AlignCenter, Letter(cell.textCode));
    }
}

void CharTableWidget::mousePressEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) {
        emit cellClicked(index);
    }
}

void CharTableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) {
        emit cellDoubleClicked(index);
    }
}

}  // namespace pixmora
