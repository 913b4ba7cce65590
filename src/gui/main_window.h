// The main window: renders the editor state and forwards user events to the core.
#pragma once

#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <array>

#include "commands/menu_commands.h"
#include "editor/editor.h"
#include "gui/qt_host.h"

class QAbstractButton;
class QAction;
class QMenu;
class QScrollArea;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace pixmora {

class ByteInspectorDock;
class CharTableWidget;
class DotGridWidget;
class TextPreviewDock;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);

    Editor& editor() { return editor_; }
    QtHost& host() { return host_; }

    // Shows the editor state: visibility, captions, texts, check boxes, lists, pictures, colours.
    void Render();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The menu bar from the core's menus; the window's own menu items go in here too.
    void BuildMenus();
    void BuildStatusBar();
    void SetTabOrder();
    void RunMenu(MenuCommand command);
    // The keys that move the current character and release a tool; true when the key was one.
    bool TableKeyPressed(const QKeyEvent* event);
    void ShowAbout();
    void PointerOverBackground();
    // The window width at which the tool buttons fit beside the glyph buttons.
    int BesideWidth() const;
    QWidget* BuildTablePane();
    QWidget* BuildEditPane();
    QGroupBox* BuildInputGroup();
    QGroupBox* BuildOutputGroup();
    // The options of the C header, BDF and GFX kinds, in the rows of the output area.
    void BuildFirmwareOptions(QGroupBox* group, QGridLayout* layout);
    QAbstractButton* TextButton(Ctl control, const QString& caption);
    QToolButton* PictureButton(Ctl control, const QString& hint, const QString& picture);
    void Place(Ctl control, QWidget* widget);
    void Run(Ctl button);
    const QIcon& Picture(const QString& name);
    // The text preview and byte inspector panes, with their toggles in the "Вид" menu.
    void AddInspectionDocks();

    Editor editor_;
    QtHost host_;

    std::array<QWidget*, kCtlCount> controls_{};
    std::array<QToolButton*, kToolCount> toolButtons_{};
    std::vector<QGroupBox*> buttonGroups_;
    std::vector<std::pair<QAction*, MenuCommand>> menuActions_;
    QMenu* viewMenu_ = nullptr;  // "Вид": the panes of the window add their items here
    QScrollArea* gridScroll_ = nullptr;
    QWidget* background_ = nullptr;
    QWidget* tablePane_ = nullptr;
    QGridLayout* buttonRows_ = nullptr;
    QLabel* charStatus_ = nullptr;
    CharTableWidget* table_ = nullptr;
    DotGridWidget* grid_ = nullptr;
    TextPreviewDock* preview_ = nullptr;
    ByteInspectorDock* inspector_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* radius_ = nullptr;
    QLineEdit* firstCode_ = nullptr;
    QLineEdit* lastCode_ = nullptr;
    QLineEdit* hexStart_ = nullptr;
    QComboBox* outputFormat_ = nullptr;
    QComboBox* notation_ = nullptr;
    QCheckBox* negative_ = nullptr;
    QCheckBox* incomplete_ = nullptr;
    QLineEdit* arrayName_ = nullptr;
    QCheckBox* art_ = nullptr;
    QComboBox* placement_ = nullptr;
    QLineEdit* baselineRow_ = nullptr;
    QCheckBox* codePageCodes_ = nullptr;
    QCheckBox* gfxStructs_ = nullptr;
    QHash<QString, QIcon> pictures_;
};

}  // namespace pixmora
