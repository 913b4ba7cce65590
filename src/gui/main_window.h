// The main window: renders the editor state and forwards user events to the core.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <array>

#include "editor/editor.h"
#include "gui/qt_host.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace pixmora {

class CharTableWidget;
class DotGridWidget;

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
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
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
    const QPixmap& Picture(const QString& name);

    Editor editor_;
    QtHost host_;

    std::array<QWidget*, kCtlCount> controls_{};
    std::array<QToolButton*, kToolCount> toolButtons_{};
    std::vector<QGroupBox*> buttonGroups_;
    CharTableWidget* table_ = nullptr;
    DotGridWidget* grid_ = nullptr;
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
    QHash<QString, QPixmap> pictures_;
};

}  // namespace pixmora
