#pragma once
// TMF, the editor's main window: the bars, the left panel with the action
// viewer and the folder explorer, the document tabs and the status bar. It
// owns every document and the settings record.
//
// The window's own handlers are spread over a few source files, one concern
// each; every other subsystem is a class of its own that the window holds
// (app/README.md says which command lives where):
//   mainunit.cpp    start, show, title, resizing, stored settings, close
//   mainform.cpp    the controls and how they are laid out
//   viewtoggles.cpp the View menu's toggles of bars and panels
//   documents.cpp   the document tabs: new, open, reload, save
//   saveprompts.cpp Save All, the exit prompt and closing a tab
//   filehistory.cpp the file history and files dropped on the window
//   bookmarks.cpp   the bookmark items of the context menu
//   splitview.cpp   the second view of a split tab
//   editorkeys.cpp  editor keys, wheel, caret position, line-break toggle
#include "app/actionlist.h"
#include "app/compilerun.h"
#include "app/documentlist.h"
#include "app/mainmenu.h"
#include "app/wheelscroller.h"
#include "components/editorexprop.h"
#include "settings/settingsrecord.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QComboBox;
class QSplitter;
class QSplitterHandle;
class QTabWidget;
class QToolBar;
class SingleInstanceLock;
class TDirectoryListBox;
class TEditorEx;
class TDriveComboBox;
class TDropDst;
class TEditCommands;
class TFindReplace;
class TSearchHost;
class TActionViewer;
class TCompileOutput;
class TFunctionPalette;
class TMacroHost;
class TMenuBar;
class TMonitorHost;
class TOpenFileHistories;
class TRegIniFile;
class TSettingsDialogs;
class TStatusBar;
enum class AppMessage;

// The name of the lock that marks the running instance.
inline constexpr const char* kInstanceLockName = "Quodex_by_Moravel";

class TMF : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window and runs the single-instance check: a second
    // instance hands its first argument over and is never shown.
    // `commandLine` is the program's, the program itself first.
    explicit TMF(const QStringList& commandLine, QWidget* parent = nullptr);
    ~TMF() override;

    bool IsSecondInstance() const { return secondInstance_; }

    // --- Controls (object names as the fields are named) -------------------
    TMenuBar* MenuBar1 = nullptr;
    QToolBar* Panel1 = nullptr;  // 簡易検索
    QComboBox* MFFindComboBox = nullptr;
    QToolBar* FileBar = nullptr;
    QToolBar* HelpBar = nullptr;
    QToolBar* FunctionPalet = nullptr;
    TFunctionPalette* PalettePanel = nullptr;  // the palette's area inside its bar
    QToolBar* ComBar = nullptr;
    QToolBar* FindBar = nullptr;
    QSplitter* MainPanel = nullptr;
    QSplitter* LeftPanel = nullptr;
    TActionViewer* ActionViewPanel = nullptr;
    QSplitterHandle* Splitter2 = nullptr;
    QWidget* FolderPanel = nullptr;
    TDriveComboBox* DriveComboBox1 = nullptr;
    TDirectoryListBox* DirList = nullptr;
    QSplitterHandle* Splitter = nullptr;
    QWidget* EditorPanel = nullptr;
    QTabWidget* EditorTabSheet = nullptr;
    TStatusBar* StB = nullptr;

    TActionList ActionList1;
    TMainMenus Menus;
    TEditCommands* EditCommands = nullptr;  // the Edit menu's commands
    TOpenFileHistories* OFH = nullptr;
    TDropDst* DropDst1 = nullptr;

    // --- State ---------------------------------------------------------------
    TSettings Settings;
    TCompileRun CompileRun{Settings};
    QString TemplateFile;
    int LastWidth = 0;
    bool AutoRefreshTree = true;
    TEditorExProp EditProp;  // applied to every editor
    // Every button definition line of every palette package, in load order:
    // filled by the palette, read by the template picker's completion.
    QStringList SnippetList;

    // --- Documents ---------------------------------------------------------
    TDocumentList DocTabs;
    // Entry i: the full path of document i, empty while it is untitled.
    QStringList DocNames() const { return DocTabs.Names(); }
    TEditorEx* CurEditor = nullptr;
    TDocTab* CurDocTab = nullptr;
    int PageTagCounter = 0;
    QString CurCaption;  // the current tab's caption without the mark

    // The filter of the open and save dialogs.
    static const QString kSourceFilter;

    TDocTab* CreateDocTab();
    int ActiveDocIndex() const;
    void ActivateDocument(const QString& name);
    void EditorTabSheetChange();
    void NewTextExecute();
    void OpenTextExecute();
    void OpenDocument(const QString& name, bool updateFolder);
    void ReTextExecute();
    void ReTextUpdate();
    void OverSaveTextExecute();
    void NewSaveTextExecute();
    bool SaveDocumentAs(bool updateFolder);
    void SaveDocumentTo(const QString& name, bool updateFolder);
    void SaveAllExecute();
    bool QuerySaveAll();
    void CloseThisPageClick();
    void UpdateModifiedMark();
    void StripModifiedMark(QWidget* sheet);
    // The file history OFH, stored in the section "Files".
    void LoadFileHistory();
    void AddToHistory(const QString& name);
    void FileClick();  // the File menu opens
    void OFHOpenFile(const QString& file);
    void DropDst1FileDrop(const QStringList& files);

    // Tab captions as the user reads them ("&" is not an access key here).
    QString PageCaption(const QWidget* sheet) const;
    void SetPageCaption(QWidget* sheet, const QString& caption);
    QWidget* ActivePage() const;

    // --- Window ------------------------------------------------------------
    void FormShow();
    void SetMainTitle(const QString& text);
    // Height of the bar area above the main panel.
    int ContBarHeight() const;

    void ContBarResize();
    void FormConstrainedResize();
    void StBResize();

    void Close1Click();
    // The close request: false keeps the window open.
    bool FormClose();

    // --- View toggles --------------------------------------------------------
    void show_standClick();
    void show_debClick();
    void show_kansuClick();
    void show_findClick();
    void show_helpClick();
    void show_outputClick();
    void View1Click();  // the View menu opens
    void ActionVewMClick();
    void FolderExpMClick();
    void ShowLeftBarMClick();

    // --- Folder explorer ---------------------------------------------------
    void DirListChange();
    // Moves the folder explorer to `folder` unless it shows it already.
    void MoveFolderExplorer(const QString& folder);

    // === Stored settings and layout, hand-over, folder monitor ===============
    // The start-up values into Settings and Wheel, then the layout and the
    // viewer panels when SaveWindowState is set.
    void LoadSettings();
    // The editor properties, then the layout and the viewer panels when
    // SaveWindowState is set.
    void SaveOnClose();
    // エディタ設定: the appearance window, then the stored set to every
    // document's views.
    void ShowEditorConfigExecute();
    // The viewer panels, stored with the layout.
    void SaveViewInfo(TRegIniFile& reg);
    void LoadViewInfo(const TRegIniFile& reg);

    // The folder change monitor with the requests it sends to this window.
    std::unique_ptr<TMonitorHost> MonitorHost;
    // The settings dialog, the version window and the code template picker.
    std::unique_ptr<TSettingsDialogs> SettingsDialogs;
    // The macros: the interpreter, the macro menu and the macro edit window.
    std::unique_ptr<TMacroHost> MacroHost;
    // The compile (F9) with its output in the bar "出力" and the jumps to
    // the errors it names.
    std::unique_ptr<TCompileOutput> CompileOutput;

    // Find and replace, with the quick-find box; the window as they and the
    // action viewer see it.
    std::unique_ptr<TSearchHost> SearchHost;
    std::unique_ptr<TFindReplace> FindReplace;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildForm();
    void buildBars();
    void buildMainPanel();
    void buildStatusBar();
    void buildFileSources();
    QToolBar* addBar(const char* name, const QString& title);
    void bindHandlers();
    // Runs `handler` whenever `action` triggers, with any exception shown in
    // the error box. Actions left without a handler are disabled.
    void on(QAction* action, void (TMF::*handler)()) { on(action, *this, handler); }
    // The same for a handler of one of the window's subsystems.
    template <typename Subsystem>
    void on(QAction* action, Subsystem& subsystem, void (Subsystem::*handler)()) {
        bindAction(action, [&subsystem, handler] { (subsystem.*handler)(); });
    }
    void bindAction(QAction* action, std::function<void()> handler);
    void disableUnboundActions();
    void runSingleInstanceCheck();
    void toggleBar(QToolBar* bar, QAction* check);
    void recordNormalBounds();
    void showFolderPanel();
    void hideFolderPanel();
    // Makes `sheet` the active page without running the change handler,
    // as setting the page in code does not count as the user's change.
    void setActivePage(QWidget* sheet);
    void onPageChanged();
    TDocTab* docOfEditor(const TEditorEx* editor) const;
    // The name `doc` is to be saved under; empty when the user gave up.
    QString askSaveName(const TDocTab& doc);
    // Asks `question` about the tab until the document is saved under a
    // name or the user gives up; IdYes when saved, else IdNo or IdCancel.
    int askUntilSavedAs(const QWidget* sheet, AppMessage question);
    // A new untitled document "新規 (n)", made current.
    void createUntitledDocument();
    // Takes back the CreateDocTab of a document whose file could not be read.
    void discardLastDocTab(QWidget* previousPage, TDocTab* previousDoc);
    void freeDocuments();

    QStringList commandLine_;
    bool secondInstance_ = false;
    bool shown_ = false;
    bool settingPage_ = false;
    std::unique_ptr<SingleInstanceLock> instanceLock_;
    QList<QAction*> boundActions_;

    // === Compile and run, editing commands, bookmarks, split view =============
public:
    // --- Bookmarks 0..9 ----------------------------------------------------------
    void BookMarkSetMenuButtonClick(QAction* item);
    void BookMarkMoveMenuButtonClick(QAction* item);
    void UpdateBookmarkChecks();

    // --- Split view ----------------------------------------------------------------
    void DivideEditorExecute();
    void UpdateDivideCheck();

    // --- Editor events ---------------------------------------------------------------
    // Sets `swallow` to keep the key from the editor.
    void EditorKeyDown(TEditorEx& editor, int key, Qt::KeyboardModifiers shift, bool& swallow);
    void EditorWheel(TEditorEx& editor, WheelScroller::Direction direction);
    // Shows the caret position of a main view in status panel 2.
    void EditorCaretMoved(const TEditorEx& editor);
    void CenterCaretRow();
    void InNewLineExecute();
    void SetNewLineButtons();

    WheelScroller Wheel;
    // The palette's line-break buttons, shown pressed while InsertNewLine.
    QList<QAbstractButton*> NewLineButtons;

private:
    void bindBookmarkItems();
    // A main view's events: those of every view, and its caret moves.
    void connectEditorEvents(TEditorEx* editor);
    // The modified mark, key down, wheel and the refresh of the enabled states.
    void connectViewEvents(TEditorEx* editor);
    // Checks, enabled states and caret position after a document is created
    // or becomes current.
    void refreshDocumentState();
    void splitView(TDocTab& doc);
    void joinViews(TDocTab& doc);
};
