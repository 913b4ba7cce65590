// The text preview pane: a line typed by the user drawn with the open font in a display's look.
#pragma once

#include <QDockWidget>

#include "model/text_line.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pixmora {

struct Editor;
class Host;
class LinePicture;

class TextPreviewDock : public QDockWidget {
    Q_OBJECT

  public:
    TextPreviewDock(Editor& ed, Host& host, QWidget* parent);

    // Draws the line again from the font as it is now.
    void Refresh();

    TextPreviewSettings& settings() { return settings_; }

  private:
    void PickColour(Colour& colour);

    Editor& ed_;
    Host& host_;
    TextPreviewSettings settings_;
    QLineEdit* text_ = nullptr;
    QComboBox* scale_ = nullptr;
    QComboBox* look_ = nullptr;
    QPushButton* ink_ = nullptr;
    QPushButton* paper_ = nullptr;
    QPushButton* save_ = nullptr;
    LinePicture* picture_ = nullptr;
};

}  // namespace pixmora
