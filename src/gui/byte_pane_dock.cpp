#include "gui/byte_pane_dock.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/editor.h"
#include "gui/dot_grid_widget.h"
#include "gui/qt_text.h"
#include "io/export_settings.h"
#include "model/formats.h"

namespace pixmora {

namespace {

const QColor kPointerByte(255, 200, 120);  // the grid's orange, lighter for text behind it
const QColor kChosenByte(200, 220, 255);

}  // namespace

ByteInspectorDock::ByteInspectorDock(Editor& ed, DotGridWidget& grid, QWidget* parent)
    : QDockWidget(QStringLiteral("Инспектор байтов"), parent), ed_(ed), grid_(grid) {
    setObjectName(QStringLiteral("ByteInspector"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    place_ = new QLabel(body);
    place_->setObjectName(QStringLiteral("InspectorPlace"));
    place_->setMinimumWidth(260);
    layout->addWidget(place_);
    bytes_ = new QTableWidget(body);
    bytes_->setObjectName(QStringLiteral("InspectorBytes"));
    bytes_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    bytes_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    bytes_->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(bytes_, 1);
    size_ = new QLabel(body);
    size_->setObjectName(QStringLiteral("InspectorSize"));
    layout->addWidget(size_);
    setWidget(body);

    connect(bytes_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        inspector_.chosenByte = row * InspectorLineBytes(ed_) + column;
        Refresh();
    });
    connect(bytes_, &QTableWidget::cellChanged, this, &ByteInspectorDock::ByteEdited);
    grid_.installEventFilter(this);
    connect(this, &QDockWidget::visibilityChanged, this, [this] { Refresh(); });
}

void ByteInspectorDock::PointAt(int dot) {
    if (inspector_.pointerDot != dot) {
        inspector_.pointerDot = dot;
        Refresh();
    }
}

bool ByteInspectorDock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &grid_ && event->type() == QEvent::Leave) {
        PointAt(-1);
    }
    return QDockWidget::eventFilter(watched, event);
}

void ByteInspectorDock::ByteEdited(int row, int column) {
    if (filling_) {
        return;
    }
    const int byte = row * InspectorLineBytes(ed_) + column;
    EnterCharByte(ed_, byte, bytes_->item(row, column)->text().toStdString());
    // Shows the byte as the notation writes it, or the old value again for a refused text.
    emit fontEdited();
    Refresh();
}

// Rows of bytes as the scan packs them, headed by the dot rows each line covers.
void ByteInspectorDock::FillBytes() {
    const int perLine = InspectorLineBytes(ed_);
    const int lines = perLine > 0 ? ed_.params.BytesPerChar / perLine : 0;
    if (bytes_->rowCount() != lines || bytes_->columnCount() != perLine) {
        bytes_->setRowCount(lines);
        bytes_->setColumnCount(perLine);
        const bool vertical = IsVerticalScan(ed_.params.FontByteScan);
        QStringList rowNames;
        for (int line = 0; line < lines; ++line) {
            rowNames << (vertical ? QStringLiteral("строки %1–%2").arg(line * 8).arg(line * 8 + 7)
                                  : QStringLiteral("строка %1").arg(line));
        }
        bytes_->setVerticalHeaderLabels(rowNames);
        // Columns are counted from 0 like the bytes.
        QStringList columnNames;
        for (int column = 0; column < perLine; ++column) {
            columnNames << QString::number(column);
        }
        bytes_->setHorizontalHeaderLabels(columnNames);
    }
    const InspectorMarks marks = MarksOf(ed_, inspector_);
    const std::span<const std::uint8_t> glyph =
        CharGlyph(ed_.font.FontImage, ed_.font.CurrentChar, ed_.params.BytesPerChar);
    for (int byte = 0; byte < lines * perLine; ++byte) {
        QTableWidgetItem* item = bytes_->item(byte / perLine, byte % perLine);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(ToQt(kByteWord) + QString::number(byte));
            bytes_->setItem(byte / perLine, byte % perLine, item);
        }
        const QString text = ToQt(InspectorByteText(ed_, glyph[static_cast<std::size_t>(byte)]));
        if (item->text() != text) {
            item->setText(text);
        }
        const bool pointed = byte == marks.byte && marks.bitDot >= 0;
        const QBrush background = pointed                         ? QBrush(kPointerByte)
                                  : byte == inspector_.chosenByte ? QBrush(kChosenByte)
                                                                  : QBrush();
        if (item->background() != background) {
            item->setBackground(background);
        }
    }
    if (marks.byte >= 0) {
        bytes_->scrollToItem(bytes_->item(marks.byte / perLine, marks.byte % perLine));
    }
}

void ByteInspectorDock::Refresh() {
    const InspectorMarks marks = MarksOf(ed_, inspector_);
    grid_.SetMarks(isVisible() ? marks.byteDots : std::vector<int>{},
                   isVisible() ? marks.bitDot : -1);
    if (!isVisible()) {
        return;
    }
    filling_ = true;
    FillBytes();
    filling_ = false;
    place_->setText(ToQt(DotPlaceText(ed_, inspector_.pointerDot)));
    const bool open = ed_.params.CellWidth > 0;
    size_->setText(open ? ToQt(MemoExportSizeText(sizeMemo_, ed_, ExportSettingsOf(ed_.win)))
                        : QString());
}

}  // namespace pixmora
