#include "gui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

#include "commands/char_selection.h"
#include "commands/commands.h"
#include "commands/from_font.h"
#include "editor/exit_check.h"
#include "editor/font_settings.h"
#include "editor/startup.h"
#include "gui/char_table_widget.h"
#include "gui/control_names.h"
#include "gui/dot_grid_widget.h"
#include "gui/pictures.h"
#include "gui/qt_text.h"
#include "tools/dot_editing.h"

namespace pixmora {

namespace {

constexpr int kPictureSize = 28;

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
    setWindowTitle(QStringLiteral("Редактор знакогенератора"));
    StartUp(editor_);

    auto* central = new QWidget(this);
    central->setMouseTracking(true);
    setMouseTracking(true);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(10, 8, 10, 8);
    columns->setSpacing(14);
    columns->addWidget(BuildTablePane(), 0, Qt::AlignTop);
    columns->addWidget(BuildEditPane(), 1);
    setCentralWidget(central);
    // Pointer moves over a group's inside belong to the window's background too.
    for (QGroupBox* group : findChildren<QGroupBox*>()) {
        group->setMouseTracking(true);
    }

    Render();
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
    for (QWidget* keep : {static_cast<QWidget*>(rangeLabel), static_cast<QWidget*>(fromLabel),
                          static_cast<QWidget*>(firstCode_), static_cast<QWidget*>(toLabel),
                          static_cast<QWidget*>(lastCode_)}) {
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

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(glyphGroup);
    buttonRow->addWidget(toolGroup);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);

    grid_ = new DotGridWidget(editor_, pane);
    grid_->setObjectName(QStringLiteral("DotGrid"));
    layout->addWidget(grid_, 1);
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

    auto* status = new QHBoxLayout;
    position_ = new QLabel(pane);
    Place(Ctl::Coordinates, position_);
    radius_ = new QLabel(pane);
    Place(Ctl::Radius, radius_);
    position_->setMinimumWidth(120);
    status->addWidget(position_);
    status->addWidget(radius_);
    status->addStretch();
    RetainSizeWhenHidden(position_);
    RetainSizeWhenHidden(radius_);
    layout->addLayout(status);
    return pane;
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

const QPixmap& MainWindow::Picture(const QString& name) {
    const QString key = name.toLower();
    auto found = pictures_.find(key);
    if (found == pictures_.end()) {
        found = pictures_.insert(key, LoadPicture(ToQt(host_.ProgramDir()), name));
    }
    return *found;
}

void MainWindow::Run(Ctl button) {
    RunCommand(editor_, host_, button);
    Render();
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
    grid_->update();
    host_.FollowModelButton(editor_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ConfirmExit(editor_, host_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (IsVisible(editor_.win, Ctl::Coordinates) || IsVisible(editor_.win, Ctl::Radius)) {
        BackgroundMouseMove(editor_);
        Render();
    }
    QMainWindow::mouseMoveEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == firstCode_ || watched == lastCode_)) {
        TakeCurrentCode(editor_, watched == firstCode_ ? Ctl::FirstCode : Ctl::LastCode);
        Render();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace pixmora
