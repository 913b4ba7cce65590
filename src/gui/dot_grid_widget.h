// The dot grid: one widget painting the 48 x 56 dots of the editing grid in the colours the core
// gives them, and turning mouse events on a dot into the dot's events.
#pragma once

#include <QWidget>
#include <vector>

namespace pixmora {

struct Editor;

class DotGridWidget : public QWidget {
    Q_OBJECT

  public:
    explicit DotGridWidget(const Editor& ed, QWidget* parent = nullptr);

    // Where a dot is drawn, and the dot under a point (-1 outside the visible dots).
    QRect DotRect(int dot) const;
    int DotAt(QPoint point) const;

    // Pixels a side of one dot as the grid shows it now.
    int ShownDotSize() const;
    // Frames the dots of one byte, and more boldly the dot of one bit (the byte inspector's marks).
    void SetMarks(std::vector<int> byteDots, int bitDot);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void dotClicked(int dot);
    void dotRightPressed(int dot);
    void dotHovered(int dot, unsigned modifiers);
    // The pointer is over the widget but on no visible dot.
    void backgroundHovered();
    // The left button, pressed on a dot, is held while the pointer moves over another dot.
    void dotDragged(int dot);
    // The left button went up after a press on a dot.
    void dragEnded();
    // Ctrl and the wheel: a larger or smaller grid.
    void zoomWheel(bool larger);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // Columns and rows of the visible cell area (at least one each).
    QSize CellArea() const;
    int DotSize() const;
    void Press(QMouseEvent* event);

    const Editor& ed_;
    int lastPressed_ = -1;
    bool dragging_ = false;
    std::vector<int> byteDots_;
    int bitDot_ = -1;
};

}  // namespace pixmora
