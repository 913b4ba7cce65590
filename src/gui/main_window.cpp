#include "gui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "commands/char_selection.h"
#include "commands/commands.h"
#include "commands/find_font.h"
#include "commands/from_font.h"
#include "editor/exit_check.h"
#include "editor/font_settings.h"
#include "editor/startup.h"
#include "editor/window_status.h"
#include "gui/byte_pane_dock.h"
#include "gui/char_table_widget.h"
#include "gui/control_names.h"
#include "gui/dot_grid_widget.h"
#include "gui/pictures.h"
#include "gui/qt_text.h"
#include "gui/text_preview_dock.h"
#include "tools/dot_editing.h"

namespace pixmora {

namespace {

constexpr int kPictureSize = 28;
// The room the window's margins and the spacing between its two panes take.
constexpr int kPaneMargins = 10 + 14 + 10 + 12;

QString ControlName(Ctl control) {
    return QString::fromLatin1(ObjectNameOf(control));
}

QLabel* Title(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void RetainSizeWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
    const QString wanted = ToQt(text);
    if (edit->text() != wanted) {
        edit->setText(wanted);
    }
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), host_(this) {
    host_.stateChanged = [this] { Render(); };
    StartUp(editor_);

    // A window smaller than its controls scrolls them instead of cutting them off.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->installEventFilter(this);
    auto* central = new QWidget(scroll);
    central->setMouseTracking(true);
    // Moves over the window's background arrive here: the scroll area keeps them from the window.
    central->installEventFilter(this);
    background_ = central;
    setMouseTracking(true);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(10, 8, 10, 8);
    columns->setSpacing(14);
    tablePane_ = BuildTablePane();
    columns->addWidget(tablePane_, 0, Qt::AlignTop);
    columns->addWidget(BuildEditPane(), 1);
    scroll->setWidget(central);
    scroll->viewport()->setMouseTracking(true);
    setCentralWidget(scroll);
    // Pointer moves over a group's inside belong to the window's background too.
    for (QGroupBox* group : findChildren<QGroupBox*>()) {
        group->setMouseTracking(true);
    }
    BuildMenus();
    AddInspectionDocks();
    BuildStatusBar();
    SetTabOrder();
    table_->setFocus();
    // The window opens at the size its controls ask for, as far as the screen allows.
    QSize wanted(std::max(central->sizeHint().width(), BesideWidth()),
                 central->sizeHint().height() + menuBar()->sizeHint().height() +
                     statusBar()->sizeHint().height());
    if (const QScreen* shownOn = screen()) {
        wanted = wanted.boundedTo(shownOn->availableGeometry().size());
    }
    resize(wanted);

    Render();
}

void MainWindow::AddInspectionDocks() {
    preview_ = new TextPreviewDock(editor_, host_, this);
    inspector_ = new ByteInspectorDock(editor_, *grid_, this);
    addDockWidget(Qt::BottomDockWidgetArea, preview_);
    addDockWidget(Qt::RightDockWidgetArea, inspector_);
    // Both start hidden, so the window opens as it always has; shown from "Вид", they dock beside
    // the scrolled controls, and the user may float them.
    preview_->hide();
    inspector_->hide();
    connect(grid_, &DotGridWidget::dotHovered, inspector_, &ByteInspectorDock::PointAt);
    connect(grid_, &DotGridWidget::backgroundHovered, inspector_,
            [this] { inspector_->PointAt(-1); });
    connect(inspector_, &ByteInspectorDock::fontEdited, this, &MainWindow::Render);
    QMenu* view = viewMenu_;
    view->addSeparator();
    QAction* showPreview = preview_->toggleViewAction();
    showPreview->setText(QStringLiteral("Просмотр текста"));
    QAction* showInspector = inspector_->toggleViewAction();
    showInspector->setText(QStringLiteral("Инспектор байтов"));
    view->addAction(showPreview);
    view->addAction(showInspector);
}

QWidget* MainWindow::BuildTablePane() {
    auto* pane = new QWidget(this);
    pane->setMouseTracking(true);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* header = new QHBoxLayout;
    auto* product = new QLabel(QStringLiteral("Pixmora"), pane);
    product->setObjectName(QStringLiteral("Label28"));
    QFont productFont = product->font();
    productFont.setBold(true);
    productFont.setPointSize(productFont.pointSize() + 4);
    product->setFont(productFont);
    auto* version = new QLabel(QStringLiteral("v." PIXMORA_VERSION), pane);
    version->setObjectName(QStringLiteral("Label29"));
    header->addWidget(product);
    header->addWidget(version, 0, Qt::AlignBottom);
    header->addStretch();
    layout->addLayout(header);

    auto* tableTitle = Title(QStringLiteral("   Выбор символа"), pane);
    tableTitle->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(tableTitle);
    table_ = new CharTableWidget(editor_, pane);
    table_->setObjectName(QStringLiteral("CharTable"));
    table_->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(table_);
    connect(table_, &CharTableWidget::cellClicked, this, [this](int index) {
        SelectChar(editor_, index);
        Render();
    });
    connect(table_, &CharTableWidget::cellDoubleClicked, this, [this](int index) {
        ArmCopy(editor_, index);
        Render();
    });

    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildInputGroup(), 0, Qt::AlignTop);
    groups->addWidget(BuildOutputGroup(), 1, Qt::AlignTop);
    layout->addLayout(groups);
    layout->addStretch();
    return pane;
}

QGroupBox* MainWindow::BuildInputGroup() {
    auto* group = new QGroupBox(QStringLiteral("Входной файл"), this);
    group->setObjectName(QStringLiteral("Label27"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(TextButton(Ctl::New, QStringLiteral("Создать")));
    layout->addWidget(TextButton(Ctl::Import, QStringLiteral("Импортировать")));
    QAbstractButton* findFont = TextButton(Ctl::FindFont, QString::fromUtf8(kFindFontCaption));
    findFont->setToolTip(QString::fromUtf8(kFindFontTip));
    layout->addWidget(findFont);
    QAbstractButton* fromFont = TextButton(Ctl::FromFont, QString::fromUtf8(kFromFontCaption));
    fromFont->setToolTip(QString::fromUtf8(kFromFontTip));
    layout->addWidget(fromFont);
    layout->addWidget(TextButton(Ctl::ChangeScan, QStringLiteral(" Изменить развертку")));
    layout->addWidget(TextButton(Ctl::Enlarge, QStringLiteral("Увеличить шрифт")));
    layout->addWidget(TextButton(Ctl::CreateModel, QStringLiteral(" Создать модель")));
    layout->addWidget(TextButton(Ctl::DeleteFont, QStringLiteral("Удалить шрифт")));
    return group;
}

namespace {

// A list of the core's texts.
template <std::size_t N>
QComboBox* ListCombo(QWidget* parent, const char* const (&texts)[N]) {
    auto* combo = new QComboBox(parent);
    for (const char* text : texts) {
        combo->addItem(QString::fromUtf8(text));
    }
    return combo;
}

}  // namespace

void MainWindow::BuildFirmwareOptions(QGroupBox* group, QGridLayout* layout) {
    const auto field = [&](Ctl labelControl, const char* caption, Ctl fieldControl,
                           std::string& text, int row) {
        auto* label = new QLabel(QString::fromUtf8(caption), group);
        Place(labelControl, label);
        auto* edit = new QLineEdit(group);
        Place(fieldControl, edit);
        connect(edit, &QLineEdit::textEdited, this,
                [&text](const QString& typed) { text = typed.toStdString(); });
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row, 1);
        return edit;
    };
    const auto check = [&](Ctl control, const char* caption, bool& flag) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), group);
        Place(control, box);
        connect(box, &QCheckBox::clicked, this, [&flag](bool checked) { flag = checked; });
        // The three take turns in one row, as the kinds they belong to do.
        layout->addWidget(box, 6, 0, 1, 2);
        return box;
    };
    // The array name takes the number format's row, which these kinds do not show.
    arrayName_ =
        field(Ctl::ArrayNameLabel, "Имя массива", Ctl::ArrayName, editor_.win.arrayName, 1);
    baselineRow_ =
        field(Ctl::BaselineLabel, "Базовая строка", Ctl::BaselineRow, editor_.win.baselineRow, 5);
    baselineRow_->setToolTip(QStringLiteral("Пусто: по нижнему краю заглавных букв"));
    auto* placementLabel = new QLabel(QStringLiteral("Размещение"), group);
    Place(Ctl::PlacementLabel, placementLabel);
    placement_ = ListCombo(group, kPlacements);
    Place(Ctl::Placement, placement_);
    connect(placement_, &QComboBox::textActivated, this,
            [this](const QString& text) { editor_.win.placement = text.toStdString(); });
    layout->addWidget(placementLabel, 5, 0);
    layout->addWidget(placement_, 5, 1);
    art_ = check(Ctl::Art, "Рисунок символов", editor_.win.art);
    codePageCodes_ = check(Ctl::CodePageCodes, "Коды Windows-1251", editor_.win.codePageCodes);
    gfxStructs_ = check(Ctl::GfxStructs, "Объявить GFXglyph и GFXfont", editor_.win.gfxStructs);
}

QGroupBox* MainWindow::BuildOutputGroup() {
    // The group's title is the "Выходной файл" label and its frame the lines of the output area.
    auto* group = new QGroupBox(QStringLiteral("Выходной файл"), this);
    Place(Ctl::OutputFrame, group);
    auto* layout = new QGridLayout(group);

    auto* formatLabel = new QLabel(QStringLiteral("Формат строки"), group);
    Place(Ctl::KindLabel, formatLabel);
    outputFormat_ = ListCombo(group, kOutputFormats);
    Place(Ctl::OutputKind, outputFormat_);
    connect(outputFormat_, &QComboBox::textActivated, this, [this](const QString& text) {
        ChooseOutputFormat(editor_, text.toStdString());
        Render();
    });

    auto* notationLabel = new QLabel(QStringLiteral("Формат числа"), group);
    Place(Ctl::NotationLabel, notationLabel);
    notation_ = ListCombo(group, kNumberNotations);
    Place(Ctl::Notation, notation_);
    connect(notation_, &QComboBox::textActivated, this, [this](const QString& text) {
        editor_.win.notation = text.toStdString();
        Render();
    });

    auto* offsetLabel = new QLabel(QStringLiteral("Смещение:"), group);
    Place(Ctl::AddressLabel, offsetLabel);
    hexStart_ = new QLineEdit(group);
    Place(Ctl::StartAddress, hexStart_);
    connect(hexStart_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.win.startAddress = text.toStdString(); });

    negative_ = new QCheckBox(QStringLiteral("Негативный шрифт"), group);
    Place(Ctl::Negative, negative_);
    connect(negative_, &QCheckBox::clicked, this, [this](bool checked) {
        SetNegativeFont(editor_, checked);
        Render();
    });
    incomplete_ = new QCheckBox(QStringLiteral("Неполный ЗГ"), group);
    Place(Ctl::IncompleteSet, incomplete_);
    connect(incomplete_, &QCheckBox::clicked, this, [this](bool checked) {
        SetIncompleteSet(editor_, checked);
        Render();
    });

    auto* range = new QHBoxLayout;
    auto* rangeLabel = new QLabel(QStringLiteral("Символы:"), group);
    Place(Ctl::RangeLabel, rangeLabel);
    auto* fromLabel = new QLabel(QStringLiteral("с"), group);
    Place(Ctl::FromLabel, fromLabel);
    firstCode_ = new QLineEdit(group);
    Place(Ctl::FirstCode, firstCode_);
    auto* toLabel = new QLabel(QStringLiteral("по"), group);
    Place(Ctl::ToLabel, toLabel);
    lastCode_ = new QLineEdit(group);
    Place(Ctl::LastCode, lastCode_);
    for (QLineEdit* code : {firstCode_, lastCode_}) {
        code->setMaxLength(3);
        code->setFixedWidth(40);
        code->setToolTip(QStringLiteral("Двойной щелчок: код выбранного символа"));
        code->installEventFilter(this);
    }
    connect(firstCode_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.win.firstCode = text.toStdString(); });
    connect(lastCode_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.win.lastCode = text.toStdString(); });
    range->addWidget(rangeLabel);
    range->addWidget(fromLabel);
    range->addWidget(firstCode_);
    range->addWidget(toLabel);
    range->addWidget(lastCode_);
    range->addStretch();

    layout->addWidget(formatLabel, 0, 0);
    layout->addWidget(outputFormat_, 0, 1);
    layout->addWidget(notationLabel, 1, 0);
    layout->addWidget(notation_, 1, 1);
    // The number format and the HEX start address take turns in one row.
    layout->addWidget(offsetLabel, 1, 0);
    layout->addWidget(hexStart_, 1, 1);
    layout->addWidget(negative_, 2, 0, 1, 2);
    layout->addWidget(incomplete_, 3, 0, 1, 2);
    layout->addLayout(range, 4, 0, 1, 2);
    BuildFirmwareOptions(group, layout);
    layout->addWidget(TextButton(Ctl::Save, QStringLiteral("Сохранить")), 7, 0, 1, 2);
    // Hidden fields keep their room, so the area stays put when "Intel HEX" swaps the number
    // format for the start address or the range comes and goes.
    for (QWidget* keep : {static_cast<QWidget*>(rangeLabel), static_cast<QWidget*>(fromLabel),
                          static_cast<QWidget*>(firstCode_), static_cast<QWidget*>(toLabel),
                          static_cast<QWidget*>(lastCode_), static_cast<QWidget*>(notationLabel),
                          static_cast<QWidget*>(notation_), static_cast<QWidget*>(offsetLabel),
                          static_cast<QWidget*>(hexStart_)}) {
        RetainSizeWhenHidden(keep);
    }
    // The window keeps its size when a font is opened.
    RetainSizeWhenHidden(group);
    return group;
}

QWidget* MainWindow::BuildEditPane() {
    auto* pane = new QWidget(this);
    pane->setMouseTracking(true);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* titles = new QHBoxLayout;
    auto* editTitle = Title(QStringLiteral("Редактирование знакоместа"), pane);
    editTitle->setObjectName(QStringLiteral("Label3"));
    caption_ = new QLabel(pane);
    Place(Ctl::FontCaption, caption_);
    titles->addWidget(editTitle);
    titles->addSpacing(16);
    titles->addWidget(caption_);
    titles->addStretch();
    layout->addLayout(titles);

    auto* glyphGroup = new QGroupBox(QStringLiteral("Знакоместо"), pane);
    auto* glyphRow = new QHBoxLayout(glyphGroup);
    glyphRow->addWidget(PictureButton(Ctl::ClearChar, QStringLiteral("очистить знакоместо"),
                                      QStringLiteral("clear.bmp")));
    glyphRow->addSpacing(8);
    glyphRow->addWidget(
        PictureButton(Ctl::ShiftUp, QStringLiteral("сдвинуть вверх"), QStringLiteral("up.bmp")));
    glyphRow->addWidget(
        PictureButton(Ctl::ShiftDown, QStringLiteral("сдвинуть вниз"), QStringLiteral("down.bmp")));
    glyphRow->addWidget(PictureButton(Ctl::ShiftLeft, QStringLiteral("сдвинуть влево"),
                                      QStringLiteral("left.bmp")));
    glyphRow->addWidget(PictureButton(Ctl::ShiftRight, QStringLiteral("сдвинуть вправо"),
                                      QStringLiteral("right.bmp")));
    glyphRow->addWidget(PictureButton(Ctl::Mirror, QStringLiteral("отразить по горизонтали"),
                                      QStringLiteral("mirror.bmp")));
    // Undo and redo come and go with the history, so they sit at the end of the row.
    glyphRow->addSpacing(8);
    glyphRow->addWidget(
        PictureButton(Ctl::Undo, QStringLiteral("откат"), QStringLiteral("undo.bmp")));
    glyphRow->addWidget(
        PictureButton(Ctl::Redo, QStringLiteral("вернуть"), QStringLiteral("redo.bmp")));

    auto* toolGroup = new QGroupBox(QStringLiteral("Инструменты"), pane);
    auto* toolRow = new QHBoxLayout(toolGroup);
    for (int tool = 1; tool <= kToolCount; ++tool) {
        const ToolInfo& info = ToolTable(tool);
        QToolButton* button = PictureButton(info.button, QString::fromUtf8(info.hint),
                                            QString::fromUtf8(info.releasedPicture));
        toolButtons_[static_cast<std::size_t>(tool - 1)] = button;
        toolRow->addWidget(button);
        if (tool == kToolCompressVertical) {
            toolRow->addSpacing(8);
        }
    }
    buttonGroups_ = {glyphGroup, toolGroup};
    RetainSizeWhenHidden(glyphGroup);
    RetainSizeWhenHidden(toolGroup);

    buttonRows_ = new QGridLayout;
    buttonRows_->addWidget(glyphGroup, 0, 0);
    buttonRows_->addWidget(toolGroup, 0, 1);
    buttonRows_->setColumnStretch(2, 1);
    layout->addLayout(buttonRows_);

    gridScroll_ = new QScrollArea(pane);
    gridScroll_->setWidgetResizable(true);
    gridScroll_->setFrameShape(QFrame::NoFrame);
    gridScroll_->setFocusPolicy(Qt::NoFocus);
    gridScroll_->viewport()->setMouseTracking(true);
    gridScroll_->installEventFilter(this);
    grid_ = new DotGridWidget(editor_, gridScroll_);
    grid_->setObjectName(QStringLiteral("DotGrid"));
    grid_->setFocusPolicy(Qt::StrongFocus);
    gridScroll_->setWidget(grid_);
    layout->addWidget(gridScroll_, 1);
    connect(grid_, &DotGridWidget::zoomWheel, this,
            [this](bool larger) { RunMenu(larger ? MenuCommand::ZoomIn : MenuCommand::ZoomOut); });
    connect(grid_, &DotGridWidget::dotDragged, this, [this](int dot) {
        DotDrag(editor_, dot);
        Render();
    });
    connect(grid_, &DotGridWidget::dragEnded, this, [this] {
        DotDragEnd(editor_);
        Render();
    });
    connect(grid_, &DotGridWidget::dotClicked, this, [this](int dot) {
        DotClick(editor_, host_, dot);
        Render();
    });
    connect(grid_, &DotGridWidget::dotRightPressed, this, [this](int dot) {
        DotRightButton(editor_, dot);
        Render();
    });
    connect(grid_, &DotGridWidget::dotHovered, this, [this](int dot, unsigned modifiers) {
        DotMouseMove(editor_, dot, modifiers);
        Render();
    });
    connect(grid_, &DotGridWidget::backgroundHovered, this, [this] {
        BackgroundMouseMove(editor_);
        Render();
    });

    return pane;
}

void MainWindow::BuildMenus() {
    for (const Menu& menu : MenuBar()) {
        QMenu* shown = menuBar()->addMenu(QString::fromUtf8(menu.title));
        for (const MenuItem& item : menu.items) {
            if (item.separatorBefore) {
                shown->addSeparator();
            }
            QAction* action = shown->addAction(QString::fromUtf8(item.text));
            QList<QKeySequence> keys;
            for (const char* key : item.keys) {
                if (key != nullptr) {
                    keys << QKeySequence(QString::fromLatin1(key));
                }
            }
            action->setShortcuts(keys);
            action->setCheckable(MenuCommandChecked(editor_, item.command).has_value());
            const MenuCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { RunMenu(command); });
            menuActions_.emplace_back(action, command);
        }
        if (menu.items.front().command == MenuCommand::ZoomIn) {
            viewMenu_ = shown;
        }
    }
}

void MainWindow::BuildStatusBar() {
    charStatus_ = new QLabel(this);
    charStatus_->setObjectName(QStringLiteral("CharStatus"));
    charStatus_->setMinimumWidth(180);
    position_ = new QLabel(this);
    Place(Ctl::Coordinates, position_);
    position_->setMinimumWidth(100);
    radius_ = new QLabel(this);
    Place(Ctl::Radius, radius_);
    statusBar()->addWidget(charStatus_);
    statusBar()->addWidget(position_);
    statusBar()->addWidget(radius_);
}

// Tab starts at the table, goes to the grid, then through the buttons as they are laid out.
void MainWindow::SetTabOrder() {
    QList<QWidget*> order{table_, grid_};
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget != table_ && widget != grid_ && (widget->focusPolicy() & Qt::TabFocus) &&
            widget->window() == this && qobject_cast<QScrollArea*>(widget) == nullptr) {
            order << widget;
        }
    }
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void MainWindow::Place(Ctl control, QWidget* widget) {
    widget->setObjectName(ControlName(control));
    controls_[static_cast<std::size_t>(control)] = widget;
}

QAbstractButton* MainWindow::TextButton(Ctl control, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    Place(control, button);
    connect(button, &QPushButton::clicked, this, [this, control] { Run(control); });
    return button;
}

QToolButton* MainWindow::PictureButton(Ctl control, const QString& hint, const QString& picture) {
    auto* button = new QToolButton(this);
    Place(control, button);
    button->setToolTip(hint);
    button->setIcon(Picture(picture));
    button->setIconSize(QSize(kPictureSize, kPictureSize));
    RetainSizeWhenHidden(button);
    connect(button, &QToolButton::clicked, this, [this, control] { Run(control); });
    return button;
}

const QIcon& MainWindow::Picture(const QString& name) {
    const QString key = name.toLower();
    auto found = pictures_.find(key);
    if (found == pictures_.end()) {
        found = pictures_.insert(key, LoadButtonIcon(ToQt(host_.ProgramDir()), name));
    }
    return *found;
}

void MainWindow::Run(Ctl button) {
    RunCommand(editor_, host_, button);
    Render();
}

void MainWindow::RunMenu(MenuCommand command) {
    switch (command) {
        case MenuCommand::Exit:
            close();
            return;
        case MenuCommand::About:
            ShowAbout();
            return;
        default:
            RunMenuCommand(editor_, host_, command, grid_->ShownDotSize());
            Render();
    }
}

void MainWindow::ShowAbout() {
    QMessageBox::about(this, QStringLiteral("О программе"),
                       ToQt(AboutText(PIXMORA_VERSION, PIXMORA_LICENSE, qVersion())));
}

void MainWindow::Render() {
    const MainWindowState& win = editor_.win;
    for (std::size_t control = 0; control < kCtlCount; ++control) {
        if (controls_[control] != nullptr) {
            controls_[control]->setVisible(win.visible[control]);
        }
    }
    // A button group shows only while one of its buttons does.
    for (QGroupBox* group : buttonGroups_) {
        bool any = false;
        for (std::size_t control = 0; control < kCtlCount; ++control) {
            any = any || (controls_[control] != nullptr &&
                          controls_[control]->parentWidget() == group && win.visible[control]);
        }
        group->setVisible(any);
    }
    for (const auto& [action, command] : menuActions_) {
        action->setEnabled(MenuCommandEnabled(editor_, command));
        if (const auto checked = MenuCommandChecked(editor_, command)) {
            action->setChecked(*checked);
        }
    }
    const WindowTitle title = TitleOf(editor_);
    setWindowTitle(title.name.empty() ? ToQt(std::string(kWindowCaption))
                                      : ToQt(title.name) + QStringLiteral("[*] — ") +
                                            ToQt(std::string(kWindowCaption)));
    setWindowModified(title.modified);
    charStatus_->setText(ToQt(CurrentCharStatus(editor_)));
    caption_->setText(ToQt(win.fontCaption));
    position_->setText(ToQt(win.coordinates));
    radius_->setText(ToQt(win.radius));
    SetTextIfChanged(firstCode_, win.firstCode);
    SetTextIfChanged(lastCode_, win.lastCode);
    SetTextIfChanged(hexStart_, win.startAddress);
    SetTextIfChanged(arrayName_, win.arrayName);
    SetTextIfChanged(baselineRow_, win.baselineRow);
    {
        const QSignalBlocker blockFormat(outputFormat_);
        const QSignalBlocker blockNotation(notation_);
        const QSignalBlocker blockNegative(negative_);
        const QSignalBlocker blockIncomplete(incomplete_);
        outputFormat_->setCurrentText(ToQt(win.outputKind));
        notation_->setCurrentText(ToQt(win.notation));
        negative_->setChecked(win.negative);
        incomplete_->setChecked(win.incompleteSet);
        const QSignalBlocker blockPlacement(placement_);
        placement_->setCurrentText(ToQt(win.placement));
        art_->setChecked(win.art);
        codePageCodes_->setChecked(win.codePageCodes);
        gfxStructs_->setChecked(win.gfxStructs);
    }
    for (int tool = 1; tool <= kToolCount; ++tool) {
        const auto& picture = editor_.tools.ButtonPicture[static_cast<std::size_t>(tool - 1)];
        toolButtons_[static_cast<std::size_t>(tool - 1)]->setIcon(Picture(ToQt(picture)));
    }
    table_->update();
    grid_->updateGeometry();
    grid_->update();
    preview_->Refresh();
    inspector_->Refresh();
    host_.FollowModelButton(editor_);
}

int MainWindow::BesideWidth() const {
    return tablePane_->sizeHint().width() + buttonGroups_.front()->sizeHint().width() +
           buttonGroups_.back()->sizeHint().width() + kPaneMargins;
}

// A narrow window puts the tool buttons under the glyph buttons instead of beside them.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    QGroupBox* tools = buttonGroups_.back();
    const bool stacked = event->size().width() < BesideWidth();
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    buttonRows_->getItemPosition(buttonRows_->indexOf(tools), &row, &column, &rowSpan, &columnSpan);
    if (stacked != (row == 1)) {
        buttonRows_->removeWidget(tools);
        buttonRows_->addWidget(tools, stacked ? 1 : 0, stacked ? 0 : 1);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ConfirmExit(editor_, host_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::PointerOverBackground() {
    if (IsVisible(editor_.win, Ctl::Coordinates) || IsVisible(editor_.win, Ctl::Radius)) {
        BackgroundMouseMove(editor_);
        Render();
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    PointerOverBackground();
    QMainWindow::mouseMoveEvent(event);
}

bool MainWindow::TableKeyPressed(const QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        return false;
    }
    static constexpr std::pair<int, TableKey> kKeys[] = {
        {Qt::Key_Left, TableKey::Left},     {Qt::Key_Right, TableKey::Right},
        {Qt::Key_Up, TableKey::Up},         {Qt::Key_Down, TableKey::Down},
        {Qt::Key_Home, TableKey::Home},     {Qt::Key_End, TableKey::End},
        {Qt::Key_PageUp, TableKey::PageUp}, {Qt::Key_PageDown, TableKey::PageDown},
    };
    if (event->key() == Qt::Key_Escape) {
        EscapeKey(editor_);
        Render();
        return true;
    }
    for (const auto& [key, move] : kKeys) {
        if (event->key() == key) {
            MoveCurrentChar(editor_, move);
            Render();
            return true;
        }
    }
    return false;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!TableKeyPressed(event)) {
        QMainWindow::keyPressEvent(event);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == background_ && event->type() == QEvent::MouseMove) {
        PointerOverBackground();
    }
    // The scroll areas would take the arrows for scrolling: the table has them first.
    if (event->type() == QEvent::KeyPress && qobject_cast<QScrollArea*>(watched) != nullptr &&
        TableKeyPressed(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == firstCode_ || watched == lastCode_)) {
        TakeCurrentCode(editor_, watched == firstCode_ ? Ctl::FirstCode : Ctl::LastCode);
        Render();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace pixmora
