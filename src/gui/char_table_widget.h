// The character table: one widget painting the 224 cells (14 rows of 16, codes 20h..FFh) with the
// looks the core gives them, under hexadecimal row and column headers.
#pragma once

#include <QWidget>

namespace pixmora {

struct Editor;

class CharTableWidget : public QWidget {
    Q_OBJECT

  public:
    explicit CharTableWidget(const Editor& ed, QWidget* parent = nullptr);

    // Where a cell is drawn, and the cell under a point (-1 for none).
    QRect CellRect(int index) const;
    int CellAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void cellClicked(int index);
    void cellDoubleClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const Editor& ed_;
};

}  // namespace pixmora
