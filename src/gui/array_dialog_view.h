// The window of the array choice: the prompt, the list of a source file's arrays (name, elements,
// bytes), "ОК" and "Отмена". A double click on an array chooses it as "ОК" does.
#pragma once

#include <QDialog>

#include <cstddef>
#include <optional>
#include <vector>

#include "editor/host.h"

class QListWidget;
class QPushButton;

namespace pixmora {

class ArrayDialogView : public QDialog {
    Q_OBJECT

  public:
    ArrayDialogView(QWidget* parent, const std::vector<ArrayListing>& arrays,
                    std::size_t preselected);

    QListWidget* arrayList() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    // The array chosen when the dialog was accepted.
    std::optional<std::size_t> chosen() const;

  private:
    QListWidget* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Runs the dialog modally, with the normal pointer while it is open.
std::optional<std::size_t> RunArrayDialogView(QWidget* parent,
                                              const std::vector<ArrayListing>& arrays,
                                              std::size_t preselected);

}  // namespace pixmora
