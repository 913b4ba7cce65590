// The byte inspector pane: the current character's bytes as the scan packs them, the place of the
// dot under the pointer, and the size of what "Сохранить" would write.
#pragma once

#include <QDockWidget>

#include "commands/byte_pane.h"
#include "io/export_size.h"

class QLabel;
class QTableWidget;

namespace pixmora {

struct Editor;
class DotGridWidget;

class ByteInspectorDock : public QDockWidget {
    Q_OBJECT

  public:
    ByteInspectorDock(Editor& ed, DotGridWidget& grid, QWidget* parent);

    // Shows the bytes, the marks and the size for the editor as it is now.
    void Refresh();
    // The pointer is over this grid dot (-1: over none).
    void PointAt(int dot);

    const ByteInspector& inspector() const { return inspector_; }
    QTableWidget* bytes() const { return bytes_; }

  signals:
    // A byte typed in the pane changed the font.
    void fontEdited();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillBytes();
    void ByteEdited(int row, int column);

    Editor& ed_;
    DotGridWidget& grid_;
    ByteInspector inspector_;
    ExportSizeMemo sizeMemo_;
    QLabel* place_ = nullptr;
    QTableWidget* bytes_ = nullptr;
    QLabel* size_ = nullptr;
    bool filling_ = false;
};

}  // namespace pixmora
