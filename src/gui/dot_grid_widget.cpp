#include "gui/dot_grid_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "editor/editor.h"
#include "gui/qt_colours.h"
#include "tools/dot_editing.h"

namespace pixmora {

namespace {

constexpr int kByteLine = 8;    // a darker line every 8 dots marks the byte boundaries
constexpr int kFitHintDot = 8;  // the dot size the grid asks for before it is fitted
// Orange stands apart from every colour a dot shows (white, yellow, blue, red, cyan, magenta).
const QColor kMarkColour(255, 140, 0);

unsigned ModifiersOf(Qt::KeyboardModifiers keys) {
    unsigned modifiers = kNoModifier;
    if (keys & Qt::ShiftModifier) {
        modifiers |= kShift;
    }
    if (keys & Qt::ControlModifier) {
        modifiers |= kCtrl;
    }
    if (keys & Qt::AltModifier) {
        modifiers |= kAlt;
    }
    return modifiers;
}

}  // namespace

DotGridWidget::DotGridWidget(const Editor& ed, QWidget* parent) : QWidget(parent), ed_(ed) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::ArrowCursor);
}

// Fitted to the window the grid takes what room there is; zoomed it needs its whole picture, and
// the scroll area around it scrolls.
QSize DotGridWidget::sizeHint() const {
    if (ed_.view.zoom.fit) {
        // Room for the largest cell at a readable size, the same for every format.
        return {kGridColumns * kFitHintDot + 1, kGridRows * kFitHintDot + 1};
    }
    const QSize area = CellArea();
    return {area.width() * ShownDotSize() + 1, area.height() * ShownDotSize() + 1};
}

QSize DotGridWidget::minimumSizeHint() const {
    const QSize area = CellArea();
    const int size = ed_.view.zoom.fit ? kMinDotSize : ShownDotSize();
    return {area.width() * size + 1, area.height() * size + 1};
}

int DotGridWidget::ShownDotSize() const {
    return DotSize();
}

QSize DotGridWidget::CellArea() const {
    return {std::max(1, ed_.params.CellWidth), std::max(1, ed_.params.CellHeight)};
}

int DotGridWidget::DotSize() const {
    const QSize area = CellArea();
    return GridDotSize(ed_.view.zoom, area.width(), area.height(), width(), height());
}

QRect DotGridWidget::DotRect(int dot) const {
    const int size = DotSize();
    return {DotColumn(dot) * size + 1, DotRow(dot) * size + 1, size - 1, size - 1};
}

int DotGridWidget::DotAt(QPoint point) const {
    const int size = DotSize();
    if (point.x() < 0 || point.y() < 0) {
        return -1;
    }
    const int column = point.x() / size;
    const int row = point.y() / size;
    if (column >= kGridColumns || row >= kGridRows) {
        return -1;
    }
    const int dot = DotIndex(row, column);
    return ed_.font.DotVisible[dot] ? dot : -1;
}

void DotGridWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int size = DotSize();
    int columns = 0;
    int rows = 0;
    for (int dot = 0; dot < kGridDots; ++dot) {
        if (ed_.font.DotVisible[dot]) {
            columns = std::max(columns, DotColumn(dot) + 1);
            rows = std::max(rows, DotRow(dot) + 1);
        }
    }
    if (columns == 0) {
        return;
    }
    const QRect cell(0, 0, columns * size + 1, rows * size + 1);
    painter.fillRect(cell, palette().color(QPalette::Mid));
    for (int dot = 0; dot < kGridDots; ++dot) {
        if (ed_.font.DotVisible[dot]) {
            painter.fillRect(DotRect(dot), ToQColor(ed_.font.DotColour[dot]));
        }
    }
    painter.setPen(palette().color(QPalette::Shadow));
    for (int column = kByteLine; column < columns; column += kByteLine) {
        painter.drawLine(column * size, 0, column * size, rows * size);
    }
    for (int row = kByteLine; row < rows; row += kByteLine) {
        painter.drawLine(0, row * size, columns * size, row * size);
    }
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    for (const int dot : byteDots_) {
        painter.setPen(QPen(kMarkColour, 2));
        painter.drawRect(DotRect(dot).adjusted(1, 1, -1, -1));
    }
    if (bitDot_ >= 0) {
        painter.setPen(QPen(kMarkColour, 4));
        painter.drawRect(DotRect(bitDot_).adjusted(2, 2, -2, -2));
    }
}

void DotGridWidget::SetMarks(std::vector<int> byteDots, int bitDot) {
    if (byteDots != byteDots_ || bitDot != bitDot_) {
        byteDots_ = std::move(byteDots);
        bitDot_ = bitDot;
        update();
    }
}

void DotGridWidget::Press(QMouseEvent* event) {
    const int dot = DotAt(event->position().toPoint());
    if (dot < 0) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        lastPressed_ = dot;
        dragging_ = true;
        emit dotClicked(dot);
    } else if (event->button() == Qt::RightButton) {
        emit dotRightPressed(dot);
    }
}

void DotGridWidget::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

// A double-click on one dot is one click, as it is on a separate control; quick clicks on two
// different dots are two clicks.
void DotGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const int dot = DotAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && dot == lastPressed_) {
        return;
    }
    Press(event);
}

void DotGridWidget::mouseMoveEvent(QMouseEvent* event) {
    const int dot = DotAt(event->position().toPoint());
    if (dot < 0) {
        emit backgroundHovered();
    } else if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        emit dotDragged(dot);
    } else {
        emit dotHovered(dot, ModifiersOf(event->modifiers()));
    }
}

void DotGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        emit dragEnded();
    }
}

void DotGridWidget::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore();
        return;
    }
    emit zoomWheel(event->angleDelta().y() > 0);
}

}  // namespace pixmora
