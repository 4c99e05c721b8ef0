// The five pages of the options dialog and its buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogs/options_dialog.h"

namespace wendax {
namespace {

template <class TControl>
TControl* New(const char* name, const char* caption, const char* hint) {
    auto* control = new TControl(QString::fromLatin1(caption));
    control->setObjectName(QString::fromLatin1(name));
    if (*hint != '\0') SetHint(*control, hint);
    return control;
}

QGroupBox* NewGroup(const char* name, const char* title) {
    auto* group = New<QGroupBox>(name, title, "");
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    layout->setContentsMargins(8, 4, 8, 4);
    return group;
}

// A whole number from 0 to 999 with at most `digits` digits, stepped by 1 by its spin
// buttons; other characters are refused.
QSpinBox* NewNumber(const char* name, int digits, const char* hint) {
    auto* number = new QSpinBox;
    number->setObjectName(QString::fromLatin1(name));
    number->setRange(0, digits >= 3 ? 999 : 99);
    number->setSingleStep(1);
    number->setMinimumWidth(64);
    SetHint(*number, hint);
    return number;
}

QLabel* NewLabel(const char* name, const char* caption, QWidget* buddy) {
    auto* label = New<QLabel>(name, caption, "");
    label->setBuddy(buddy);
    return label;
}

void AddRow(QGroupBox& group, QWidget* label, QWidget* field) {
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(field);
    row->addStretch();
    static_cast<QVBoxLayout*>(group.layout())->addLayout(row);
}

QWidget* NewPage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

}  // namespace

QWidget* TFM_Options::BuildProgramPage() {
    QWidget* page = NewPage("TS_Program");
    auto* grid = new QGridLayout(page);
    QGroupBox* options = NewGroup("GB_Options", " &Options ");
    FDispHints = New<QCheckBox>("CK_DispHints", "Display Pop-up hints", "Enable pop-up hints");
    FDispSpeedbar = New<QCheckBox>("CK_DispSpeedbar", "Display Speedbar", "Show the speedbar");
    FDispStatusLine =
        New<QCheckBox>("CK_DispStatusLine", "Display Status line", "Show the status line");
    for (QCheckBox* box : {FDispHints, FDispSpeedbar, FDispStatusLine})
        options->layout()->addWidget(box);
    static_cast<QVBoxLayout*>(options->layout())->addStretch();
    QGroupBox* panels = NewGroup("GB_StatusLine", " &Status line ");
    FDispPanels = {
        New<QCheckBox>("CK_DispPosition", "Position", "Show position panel"),
        New<QCheckBox>("CK_DispModified", "Modified", "Show modified indicator panel"),
        New<QCheckBox>("CK_DispMode", "Overwrite/Insert mode", "Show cursor style panel"),
        New<QCheckBox>("CK_DispLineCount", "Line count", "Show line count panel"),
        New<QCheckBox>("CK_DispCharCount", "Character count", "Show character count panel")};
    for (QCheckBox* box : FDispPanels)
        panels->layout()->addWidget(box);
    grid->addWidget(options, 0, 0);
    grid->addWidget(panels, 0, 1);
    FDefaultDir = new QLineEdit;
    FDefaultDir->setObjectName(QStringLiteral("ED_DefaultDir"));
    SetHint(*FDefaultDir, "Initial start-up directory");
    auto* browse = New<QPushButton>("BT_Browse", "Browse", "Browse for default directory");
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TFM_Options::Browse);
    auto* directory = new QHBoxLayout;
    directory->addWidget(NewLabel("LL_DefaultDir", "&Default directory", FDefaultDir));
    directory->addWidget(FDefaultDir, 1);
    directory->addWidget(browse);
    grid->addLayout(directory, 1, 0, 1, 2);
    connect(FDispStatusLine, &QCheckBox::clicked, this, &TFM_Options::UpdateEnabling);
    return page;
}

QWidget* TFM_Options::BuildEditorPage() {
    QWidget* page = NewPage("TS_Editor");
    auto* grid = new QGridLayout(page);
    QGroupBox* wrap = NewGroup("GB_Wrap", " &Word wrap ");
    FEnableWW = New<QCheckBox>("CK_EnableWW", "Enable wordwrap", "Toggle word wrapping");
    FWrapToColumn =
        New<QRadioButton>("RB_WrapToColumn", "Wrap to column", "Wrap at specific column");
    FWrapToWindow = New<QRadioButton>("RB_WrapToWindow", "Wrap to window", "Wrap at window limit");
    for (QWidget* control :
         std::initializer_list<QWidget*>{FEnableWW, FWrapToColumn, FWrapToWindow})
        wrap->layout()->addWidget(control);
    FWrapAtColumn = NewNumber("ED_WrapAtColumn", 3, "Column # to wrap at");
    FColumnLabel = NewLabel("LL_Column", "Column", FWrapAtColumn);
    AddRow(*wrap, FColumnLabel, FWrapAtColumn);
    QGroupBox* tabs = NewGroup("GB_Tab", " &Tabs ");
    FSpaceTabs = New<QRadioButton>("RB_SpaceTabs", "'Space' tabs", "Use space character");
    FRealTabs = New<QRadioButton>("RB_RealTabs", "Real tabs", "Use tab character");
    FSmartTabs = New<QRadioButton>("RB_SmartTabs", "Smart tabs", "Indent to previous line start");
    for (QRadioButton* button : {FSpaceTabs, FRealTabs, FSmartTabs})
        tabs->layout()->addWidget(button);
    FTabSize = NewNumber("ED_TabSize", 2, "Set tab size");
    AddRow(*tabs, NewLabel("LL_Tabsize", "Tab size", FTabSize), FTabSize);
    QGroupBox* misc = NewGroup("GB_Misc", " &Miscellaneous ");
    FAutoIndent = New<QCheckBox>("CK_AutoIndent", "Auto-Indent", "Line up with previous text");
    FMakeBackups =
        New<QCheckBox>("CK_MakeBackups", "Create backups", "Make *.bak files when saving");
    FMaxOnlyChild = New<QCheckBox>("CK_MaxOnlyChild", "Always maximize single edit windows",
                                   "Maximize editor if only one file is open");
    FStripBlanks = New<QCheckBox>("CK_StripBlanks", "Strip trailing blanks",
                                  "Remove spaces at end of lines when loading files");
    FOpenEmpty = New<QCheckBox>("CK_OpenEmpty", "Open empty editor on start-up",
                                "Open an empty editor on start-up");
    FNewTextUtf8 = New<QCheckBox>("CK_NewTextUtf8", "New texts in UTF-8",
                                  "Give new texts the UTF-8 character set, else 8-bit");
    for (QCheckBox* box :
         {FAutoIndent, FMakeBackups, FMaxOnlyChild, FStripBlanks, FOpenEmpty, FNewTextUtf8})
        misc->layout()->addWidget(box);
    static_cast<QVBoxLayout*>(misc->layout())->addStretch();
    grid->addWidget(wrap, 0, 0);
    grid->addWidget(tabs, 1, 0);
    grid->addWidget(misc, 0, 1, 2, 1);
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{FEnableWW, FWrapToColumn, FWrapToWindow})
        connect(button, &QAbstractButton::clicked, this, &TFM_Options::UpdateEnabling);
    return page;
}

QWidget* TFM_Options::BuildDesktopPage() {
    QWidget* page = NewPage("TS_Desktop");
    auto* layout = new QVBoxLayout(page);
    QGroupBox* screen = NewGroup("GB_Screen", " &Screen startup position ");
    FDesk = {New<QRadioButton>("RB_DeskWin", "Windows default", "Let Windows determine position"),
             New<QRadioButton>("RB_DeskRestore", "Restore from previous session",
                               "Restore last session position"),
             New<QRadioButton>("RB_DeskFixed", "Use fixed settings",
                               "Always start at the same position")};
    for (QRadioButton* button : FDesk) {
        screen->layout()->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &TFM_Options::UpdateEnabling);
    }
    FCurrentAsFixed = New<QCheckBox>("CK_CurrentAsFixed", "Use current position as fixed",
                                     "Set current position as startup");
    screen->layout()->addWidget(FCurrentAsFixed);
    layout->addWidget(screen);
    layout->addStretch();
    return page;
}

// Rows 1 to 4 in the left column, 5 to 8 in the right, each column headed Name and Filter.
QWidget* TFM_Options::BuildFiltersPage() {
    QWidget* page = NewPage("TS_Filters");
    auto* layout = new QVBoxLayout(page);
    auto* group = New<QGroupBox>("GB_Filters", " &Filter definitions ", "");
    auto* grid = new QGridLayout(group);
    const int half = kFilterRows / 2;
    for (int column = 0; column < 2; ++column) {
        grid->addWidget(new QLabel(QStringLiteral("Name")), 0, column * 3 + 1);
        grid->addWidget(new QLabel(QStringLiteral("Filter")), 0, column * 3 + 2);
    }
    for (int i = 0; i < kFilterRows; ++i) {
        const QString number = QString::number(i + 1);
        auto* name = new QLineEdit;
        name->setObjectName(QStringLiteral("ED_Name") + number);
        SetHint(*name, "Label to show for filter");
        auto* mask = new QLineEdit;
        mask->setObjectName(QStringLiteral("ED_Filter") + number);
        SetHint(*mask, "Mask to use for filter");
        auto* label = new QLabel(QStringLiteral("&") + number);
        label->setBuddy(name);
        const int row = i % half + 1;
        const int column = i / half * 3;
        grid->addWidget(label, row, column);
        grid->addWidget(name, row, column + 1);
        grid->addWidget(mask, row, column + 2);
        FFilterNames[i] = name;
        FFilterMasks[i] = mask;
    }
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* TFM_Options::BuildColorsPage() {
    QWidget* page = NewPage("TS_Colors");
    auto* layout = new QVBoxLayout(page);
    auto* group = New<QGroupBox>("GB_SelectColors", " Select colors ", "");
    auto* grid = new QGridLayout(group);
    const auto addList = [&](int row, const char* name, const char* caption, const char* hint,
                             TColor& working) {
        auto* list = new QComboBox;
        list->setObjectName(QString::fromLatin1(name));
        SetHint(*list, hint);
        connect(list, &QComboBox::activated, this,
                [this, list, &working](int index) { ChooseColor(*list, working, index); });
        list->setMinimumWidth(200);
        grid->addWidget(NewLabel("", caption, list), row, 0);
        grid->addWidget(list, row, 1);
        return list;
    };
    FProgColor =
        addList(0, "CB_ProgColor", "&Program", "Select program background color", FProgramColor);
    FEditColor =
        addList(1, "CB_EditColor", "&Editor", "Select editor background color", FEditorColor);
    FFontColor = addList(2, "CB_FontColor", "&Font", "Select editor font color", FFontColorValue);
    FSample = New<QLabel>("PL_Sample", "  I met a traveler from an antique land", "");
    FSample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FSample->setAutoFillBackground(true);
    FSample->setMinimumHeight(36);
    grid->addWidget(new QLabel(QStringLiteral("Sample")), 3, 0);
    grid->addWidget(FSample, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

void TFM_Options::BuildButtons(QVBoxLayout& layout) {
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BT_Ok"));
    ok->setDefault(true);
    SetHint(*ok, "Save current settings");
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BT_Cancel"));
    SetHint(*cancel, "Cancel any changes");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout.addWidget(buttons);
}

}  // namespace wendax
