// The controls of the main window and their places: the form as designed.
#include "app/dirlistbox.h"
#include "app/drivecombobox.h"
#include "app/hinttips.h"
#include "app/icons.h"
#include "app/mainunit.h"
#include "app/searchhost.h"
#include "app/statusbar.h"
#include "palette/functionpalette.h"
#include "search/actionviewer.h"
#include "search/findreplace.h"
#include "settings/menubar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 630;
constexpr int kClientHeight = 451;
constexpr int kFontPixels = 13;
constexpr int kLeftPanelWidth = 148;
constexpr int kActionViewHeight = 200;
constexpr int kSplitterSize = 6;
constexpr int kMenuButtonHeight = 21;
constexpr int kQuickFindWidth = 150;

QVBoxLayout* tightColumn(QWidget* owner) {
    auto* column = new QVBoxLayout(owner);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    return column;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

void TMF::buildForm() {
    setObjectName("MF");
    setWindowTitle("Quodex");
    QFont formFont("ＭＳ Ｐゴシック");
    formFont.setPixelSize(kFontPixels);
    setFont(formFont);
    resize(kClientWidth, kClientHeight);

    ActionList1 = createActions(this);
    // Shortcuts reach their actions wherever the focus is in the window.
    addActions(ActionList1.all());
    Menus = buildMenus(this, ActionList1);

    buildBars();
    buildMainPanel();
    buildStatusBar();
    buildFileSources();
    for (QToolButton* button : findChildren<QToolButton*>()) keepHintlessButtonsQuiet(button);
}

QToolBar* TMF::addBar(const char* name, const QString& title) {
    auto* bar = named(new QToolBar(title, this), name);
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(true);
    bar->setFloatable(true);
    // The bar area is one band along the top; the stored layout knows no other.
    bar->setAllowedAreas(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void TMF::buildBars() {
    MenuBar1 = named(new TMenuBar(this), "MenuBar1");
    MenuBar1->setWindowTitle("メニュー");
    MenuBar1->setMovable(false);
    MenuBar1->setFloatable(false);
    MenuBar1->SetButtonHeight(kMenuButtonHeight);
    MenuBar1->SetMenu(Menus.MN);
    addToolBar(Qt::TopToolBarArea, MenuBar1);
    addToolBarBreak(Qt::TopToolBarArea);

    Panel1 = addBar("Panel1", "簡易検索");
    MFFindComboBox = named(new QComboBox, "MFFindComboBox");
    MFFindComboBox->setEditable(true);
    MFFindComboBox->setFixedWidth(kQuickFindWidth);
    MFFindComboBox->setAccessibleName(Panel1->windowTitle());
    MFFindComboBox->lineEdit()->setAccessibleName(Panel1->windowTitle());
    FindReplace->AttachQuickFind(MFFindComboBox);
    Panel1->addWidget(MFFindComboBox);

    FileBar = addBar("FileBar", "ファイル");
    FileBar->addActions({ActionList1.NewText, ActionList1.OpenText, ActionList1.OverSaveText,
                         ActionList1.SaveAll});

    HelpBar = addBar("HelpBar", "ヘルプ");
    HelpBar->addAction(ActionList1.ShowLumHelp);
    addToolBarBreak(Qt::TopToolBarArea);

    FunctionPalet = addBar("FunctionPalet", "関数パレット");
    PalettePanel = new TFunctionPalette;
    FunctionPalet->addWidget(PalettePanel);

    ComBar = addBar("ComBar", "デバッグ");
    ComBar->addActions(
        {ActionList1.SystemButton, ActionList1.MakeKioro, ActionList1.KioroExecuteButton});
    ComBar->widgetForAction(ActionList1.SystemButton)->setObjectName("SystemButton");
    ComBar->widgetForAction(ActionList1.MakeKioro)->setObjectName("KioroMakeButton");
    ComBar->widgetForAction(ActionList1.KioroExecuteButton)->setObjectName("KioroExecuteButton");

    FindBar = addBar("FindBar", "検索");
    // Docked with the others, but the mouse does not drag it on its own.
    FindBar->setMovable(false);
    FindBar->addActions({ActionList1.Find, ActionList1.ToolButton1});
    FindBar->widgetForAction(ActionList1.Find)->setObjectName("FindButton");
    FindBar->widgetForAction(ActionList1.ToolButton1)->setObjectName("ToolButton1");
}

void TMF::buildMainPanel() {
    MainPanel = named(new QSplitter(Qt::Horizontal, this), "MainPanel");
    MainPanel->setHandleWidth(kSplitterSize);
    MainPanel->setChildrenCollapsible(false);

    LeftPanel = named(new QSplitter(Qt::Vertical), "LeftPanel");
    LeftPanel->setHandleWidth(kSplitterSize);
    LeftPanel->setChildrenCollapsible(false);
    LeftPanel->setMinimumWidth(1);

    ActionViewPanel = new TActionViewer(ActionList1.ActionVew, *SearchHost);
    ActionViewPanel->SetImages(iconFor(Glyph::SourceFile), iconFor(Glyph::ActionEntry));
    ActionViewPanel->Tree->setAccessibleName("アクションビューア");

    FolderPanel = named(new QWidget, "FolderPanel");
    DriveComboBox1 = named(new TDriveComboBox, "DriveComboBox1");
    DirList = named(new TDirectoryListBox, "DirList");
    DriveComboBox1->SetDirList(DirList);
    DriveComboBox1->setAccessibleName("ドライブ");
    DirList->setAccessibleName("フォルダエクスプローラ");
    QVBoxLayout* folderColumn = tightColumn(FolderPanel);
    folderColumn->addWidget(DriveComboBox1);
    folderColumn->addWidget(DirList);

    LeftPanel->addWidget(ActionViewPanel);
    LeftPanel->addWidget(FolderPanel);
    LeftPanel->setStretchFactor(0, 0);
    LeftPanel->setStretchFactor(1, 1);
    LeftPanel->setSizes({kActionViewHeight, kClientHeight});
    Splitter2 = named(LeftPanel->handle(1), "Splitter2");

    EditorPanel = named(new QWidget, "EditorPanel");
    EditorPanel->setMinimumWidth(1);
    EditorTabSheet = named(new QTabWidget, "EditorTabSheet");
    EditorTabSheet->tabBar()->setAttribute(Qt::WA_Hover);
    EditorTabSheet->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(EditorTabSheet, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { Menus.PM->popup(EditorTabSheet->mapToGlobal(at)); });
    tightColumn(EditorPanel)->addWidget(EditorTabSheet);

    MainPanel->addWidget(LeftPanel);
    MainPanel->addWidget(EditorPanel);
    MainPanel->setStretchFactor(0, 0);
    MainPanel->setStretchFactor(1, 1);
    MainPanel->setSizes({kLeftPanelWidth, kClientWidth});
    Splitter = named(MainPanel->handle(1), "Splitter");
    setCentralWidget(MainPanel);
}

void TMF::buildStatusBar() {
    StB = named(new TStatusBar(this), "StB");
    StB->AddPanel(410);
    StB->AddPanel(50);
    // The caret position: room for a seven-digit row and a five-digit column.
    StB->AddPanel(qMax(85, StB->FittingWidth("0000000行00000桁")), Qt::AlignRight);
    StB->AddPanel(80, Qt::AlignRight);
    setStatusBar(StB);
    connect(StB, &TStatusBar::resized, this, [this] { StBResize(); });
}
