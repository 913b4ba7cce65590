// The window of the fonts found in a firmware image: one row a candidate, best first, with a
// picture of its digits and capitals and the texts the core gives; "Открыть" and "Отмена". A double
// click on a row opens it as "Открыть" does.
#pragma once

#include <QDialog>

#include <cstddef>
#include <optional>

#include "editor/found_font_list.h"

class QPushButton;
class QTableWidget;

namespace pixmora {

class FoundFontDialogView : public QDialog {
    Q_OBJECT

  public:
    FoundFontDialogView(QWidget* parent, const FoundFontList& list);

    QTableWidget* table() const { return table_; }
    QPushButton* openButton() const { return open_; }
    // The row chosen when the dialog was accepted.
    std::optional<std::size_t> chosen() const;

  private:
    QTableWidget* table_ = nullptr;
    QPushButton* open_ = nullptr;
};

// Runs the dialog modally, with the normal pointer while it is open.
std::optional<std::size_t> RunFoundFontDialogView(QWidget* parent, const FoundFontList& list);

}  // namespace pixmora
