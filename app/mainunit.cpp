#include "app/mainunit.h"

#include "app/dirlistbox.h"
#include "app/editcommands.h"
#include "app/handover.h"
#include "app/layout.h"
#include "app/macrowindowadapter.h"
#include "app/monitorhost.h"
#include "app/outputwindowadapter.h"
#include "app/palettehost.h"
#include "app/searchhost.h"
#include "app/statusbar.h"
#include "components/editorex.h"
#include "macro/host/macrohost.h"
#include "output/compileoutput.h"
#include "palette/functionpalette.h"
#include "platform/appfolder.h"
#include "platform/fileerror.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/regini.h"
#include "platform/singleinstance.h"
#include "search/actionviewer.h"
#include "search/findreplace.h"
#include "settings/codetemplates.h"
#include "settings/currentfolder.h"
#include "settings/menubar.h"
#include "settings/settingsdialogs.h"
#include "settings/settingstable.h"
#include "settings/storedvalues.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace {

// A title is shown literally; Qt would otherwise take "[*]" as the
// placeholder of its modified mark.
QString literalTitle(QString text) { return text.replace("[*]", "[*][*]"); }

}  // namespace

TMF::TMF(const QStringList& commandLine, QWidget* parent)
    : QMainWindow(parent), commandLine_(commandLine) {
    MonitorHost = std::make_unique<TMonitorHost>(*this);
    SearchHost = std::make_unique<TSearchHost>(*this);
    FindReplace = std::make_unique<TFindReplace>(*SearchHost);
    buildForm();
    EditCommands = new TEditCommands(*this);
    SettingsDialogs = std::make_unique<TSettingsDialogs>(*this, Settings, Wheel.LineCount, SnippetList);
    MacroHost = std::make_unique<TMacroHost>(std::make_unique<TMacroWindowAdapter>(*this), Menus.Macro1,
                                             ActionList1.MacroEditItem, ActionList1.MacroStopItem);
    CompileOutput = std::make_unique<TCompileOutput>(*this, Settings, std::make_unique<TOutputWindowAdapter>(*this),
                                                     ActionList1.StopCompile);
    bindHandlers();
    runSingleInstanceCheck();
}

TMF::~TMF() {
    MonitorHost->Stop();
    freeDocuments();
}

void TMF::runSingleInstanceCheck() {
    secondInstance_ = false;
    // Tests run side by side, each with a lock folder of its own.
    const QString lockFolder = qEnvironmentVariable("QUODEX_LOCK_DIR");
    instanceLock_ = std::make_unique<SingleInstanceLock>(kInstanceLockName, lockFolder);
    if (!instanceLock_->otherInstanceRunning()) return;
    setVisible(false);
    secondInstance_ = true;
    // The hand-over is a second instance's only effect; it reports only a
    // hand-over it could not write.
    // The running instance has a working folder of its own: a relative name
    // would lead it to another file or none, so the name goes over in full.
    const QString argument = commandLine_.value(1);
    try {
        WriteHandoverFile(AppFolder(), argument.isEmpty() ? argument : QFileInfo(argument).absoluteFilePath());
    } catch (const std::exception& error) {
        // The running instance will never hear of the file: say why here.
        prompts().showError(exceptionText(error));
    }
}

// --- Handlers ------------------------------------------------------------------

void TMF::bindAction(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { runGuarded(handler); });
    boundActions_.append(action);
}

void TMF::bindHandlers() {
    TActionList& a = ActionList1;
    on(a.Close1, &TMF::Close1Click);
    on(a.show_stand, &TMF::show_standClick);
    on(a.show_deb, &TMF::show_debClick);
    on(a.show_kansu, &TMF::show_kansuClick);
    on(a.show_find, &TMF::show_findClick);
    on(a.show_help, &TMF::show_helpClick);
    on(a.show_output, &TMF::show_outputClick);
    on(a.ActionVewM, &TMF::ActionVewMClick);
    on(a.FolderExpM, &TMF::FolderExpMClick);
    on(a.ShowLeftBarM, &TMF::ShowLeftBarMClick);
    on(a.NewText, &TMF::NewTextExecute);
    on(a.OpenText, &TMF::OpenTextExecute);
    on(a.ReText, &TMF::ReTextExecute);
    on(a.OverSaveText, &TMF::OverSaveTextExecute);
    on(a.NewSaveText, &TMF::NewSaveTextExecute);
    on(a.SaveAll, &TMF::SaveAllExecute);
    on(a.CloseThisPage, &TMF::CloseThisPageClick);
    on(a.MakeKioro, *CompileOutput, &TCompileOutput::MakeKioroExecute);
    on(a.StopCompile, *CompileOutput, &TCompileOutput::StopCompileExecute);
    on(a.NextError, *CompileOutput, &TCompileOutput::NextErrorExecute);
    on(a.PrevError, *CompileOutput, &TCompileOutput::PrevErrorExecute);
    on(a.KioroExecute, CompileRun, &TCompileRun::KioroExecuteExecute);
    on(a.ShowLumHelp, CompileRun, &TCompileRun::ShowLumHelpExecute);
    on(a.HelpContents1, CompileRun, &TCompileRun::HelpContents1Execute);
    TEditCommands& edit = *EditCommands;
    on(a.Undo, edit, &TEditCommands::UndoExecute);
    on(a.Redo, edit, &TEditCommands::RedoExecute);
    on(a.EditCopy1, edit, &TEditCommands::EditCopy1Execute);
    on(a.EditCut1, edit, &TEditCommands::EditCut1Execute);
    on(a.EditPaste1, edit, &TEditCommands::EditPaste1Execute);
    on(a.SelectAll, edit, &TEditCommands::SelectAllExecute);
    on(a.SelMode, edit, &TEditCommands::SelModeExecute);
    on(a.SelIndent, edit, &TEditCommands::SelIndentExecute);
    on(a.SelUnIndent, edit, &TEditCommands::SelUnIndentExecute);
    on(a.SelTabIndent, edit, &TEditCommands::SelTabIndentExecute);
    on(a.SelTabUnIndent, edit, &TEditCommands::SelTabUnIndentExecute);
    on(a.DivideEditor, &TMF::DivideEditorExecute);
    on(a.InNewLine, &TMF::InNewLineExecute);
    on(a.SystemButton, *SettingsDialogs, &TSettingsDialogs::SystemButtonClick);
    on(a.N12, *SettingsDialogs, &TSettingsDialogs::SystemButtonClick);
    on(a.About1, *SettingsDialogs, &TSettingsDialogs::About1Click);
    on(a.ShowEditorConfig, &TMF::ShowEditorConfigExecute);
    on(a.ToolButton1, *MacroHost, &TMacroHost::ToolButton1Click);
    on(a.MacroEditItem, *MacroHost, &TMacroHost::ShowMacroEditForm);
    on(a.MacroStopItem, *MacroHost, &TMacroHost::StopMacroClick);
    on(a.Find, *FindReplace, &TFindReplace::FindExecute);
    on(a.Replace, *FindReplace, &TFindReplace::ReplaceExecute);
    on(a.FindNext, *FindReplace, &TFindReplace::FindNextExecute);
    on(a.FindBack, *FindReplace, &TFindReplace::FindBackExecute);
    on(a.ActionVew, *ActionViewPanel, &TActionViewer::ActionVewExecute);
    bindBookmarkItems();
    a.ActionVewM->setChecked(true);
    a.FolderExpM->setChecked(true);
    a.ShowLeftBarM->setChecked(true);

    connect(EditorTabSheet, &QTabWidget::currentChanged, this, [this] { onPageChanged(); });
    connect(Menus.File1, &QMenu::aboutToShow, this, [this] { runGuarded([this] { FileClick(); }); });
    connect(Menus.View1, &QMenu::aboutToShow, this, [this] { runGuarded([this] { View1Click(); }); });
    connect(DirList, &TDirectoryListBox::changed, this, [this] { runGuarded([this] { DirListChange(); }); });
    disableUnboundActions();
}

void TMF::disableUnboundActions() {
    for (QAction* action : ActionList1.all()) {
        if (boundActions_.contains(action)) continue;
        if (action->property(kMirrorProperty).isValid()) continue;  // follows its action
        action->setEnabled(false);
    }
}

// --- Showing -----------------------------------------------------------------

void TMF::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { FormShow(); });
}

void TMF::FormShow() {
    Settings.AppFolder = AppFolder();
    // The application help is an HTML page in the program folder.
    Settings.WinHelpFile = Settings.AppFolder + "Quodex.html";
    Settings.RegKey = stored::kRegKey;
    TemplateFile = Settings.AppFolder + "KioroTemplate.qtf";
    Settings.CurrentFolder = Settings.AppFolder;
    SettingsDialogs->CreatePicker();
    LoadFileHistory();
    LoadSettings();
    // Read before the first document, which takes them as it is made.
    EditProp.ReadReg(Settings.RegKey, stored::kEditorSection, stored::kEditorValue);
    PalettePanel->BuildPalette({Settings.AppFolder, Settings.PaletteFile, Menus.PM, ActionList1.InNewLine},
                               std::make_unique<TMainWindowPaletteHost>(*this));
    SnippetList = PalettePanel->Snippets();
    NewLineButtons += PalettePanel->NewLineButtons();
    SetNewLineButtons();

    createUntitledDocument();
    CurEditor->setFocus();

    // Tool tips already stay up for 10 seconds, the hint pause wanted here.
    recordNormalBounds();
    LastWidth = width();

    const QString argument = commandLine_.value(1);
    if (!argument.isEmpty()) {
        const QString file = QFileInfo(argument).absoluteFilePath();
        // A file that cannot be read, a missing one or a folder included, is
        // reported; the start goes on.
        runGuarded([&] {
            requireExistingFile(file);
            OpenDocument(file, true);
        });
        Settings.CurrentFolder = paths::withTrailingSeparator(paths::folderPart(file));
    }
    MoveFolderExplorer(Settings.CurrentFolder);
    MacroHost->BuildMacroMenu();
    for (int n = 0; n < 10; ++n) {
        ActionList1.BookMarkMoveMenuButton[n]->setShortcut(QKeySequence(QString("Ctrl+%1").arg(n)));
        ActionList1.BookMarkSetMenuButton[n]->setShortcut(QKeySequence(QString("Shift+Ctrl+%1").arg(n)));
    }
    MonitorHost->Start(Settings.CurrentFolder, Settings.AppFolder);
    ActionList1.ActionVew->trigger();
    // Told once the window stands, not in the middle of starting.
    QTimer::singleShot(0, this, [this] { runGuarded([this] { PalettePanel->ReportUnreadableFiles(this); }); });
}

void TMF::SetMainTitle(const QString& text) { setWindowTitle(literalTitle("Quodex - " + text)); }

int TMF::ContBarHeight() const { return MainPanel->geometry().top(); }

// --- Resizing ------------------------------------------------------------------

void TMF::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!shown_) return;  // the widths are taken when the window first shows
    ContBarResize();
    FormConstrainedResize();
}

void TMF::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (shown_) FormConstrainedResize();
}

void TMF::ContBarResize() {
    if (width() > LastWidth)
        PalettePanel->setFixedWidth(PalettePanel->minimumWidth() + width() - LastWidth);
    LastWidth = width();
}

void TMF::FormConstrainedResize() {
    if (!isMaximized() && !isMinimized()) recordNormalBounds();
}

void TMF::recordNormalBounds() {
    Settings.Left = x();
    Settings.Top = y();
    Settings.Width = width();
    Settings.Height = height();
}

void TMF::StBResize() {
    StB->SetPanelWidth(0, StB->width() - StB->PanelWidth(1) - StB->PanelWidth(2) - StB->PanelWidth(3));
}

// --- Folder explorer ---------------------------------------------------------

void TMF::DirListChange() {
    Settings.CurrentFolder = currentFolderOf(DirList->Directory());
    ActionList1.ActionVew->trigger();
    MonitorHost->RetargetMonitor(Settings.CurrentFolder);
}

void TMF::MoveFolderExplorer(const QString& folder) {
    if (currentFolderOf(DirList->Directory()) != folder) DirList->SetDirectory(folder);
}

// --- Stored settings ---------------------------------------------------------

void TMF::LoadSettings() {
    TRegIniFile reg(Settings.RegKey);
    ReadStartupSettings(reg, Settings, Wheel.LineCount);
    if (Settings.SaveWindowState) {
        LoadWindowLayout(*this, reg);
        LoadViewInfo(reg);
    }
    // A template file that cannot be read is reported; the start goes on.
    runGuarded([&] { SeedTemplates(reg, TemplateFile); });
}

void TMF::SaveOnClose() {
    EditProp.WriteReg(Settings.RegKey, stored::kEditorSection, stored::kEditorValue);
    if (!Settings.SaveWindowState) return;
    TRegIniFile reg(Settings.RegKey);
    reg.SetWriteThrough(false);
    SaveWindowLayout(*this, reg);
    SaveViewInfo(reg);
    reg.UpdateFile();
}

void TMF::ShowEditorConfigExecute() {
    SettingsDialogs->ShowEditorConfig(EditProp);
    // The second view of a split tab too, so that one document never shows
    // two looks.
    for (TDocTab& doc : DocTabs.All())
        for (TEditorEx* view : {doc.Editor, doc.LowerEditor})
            if (view) {
                EditProp.AssignTo(*view);
                view->SetOpenLinks(Settings.OpenMailOrMail);
            }
}

// --- Closing -------------------------------------------------------------------

void TMF::Close1Click() { close(); }

bool TMF::FormClose() {
    if (!QuerySaveAll()) return false;
    SaveOnClose();
    hide();
    MacroHost->WindowClosing();
    CompileOutput->WindowClosing();
    MonitorHost->Stop();
    freeDocuments();
    SettingsDialogs->FreePicker();
    return true;
}

void TMF::freeDocuments() {
    CurEditor = nullptr;
    CurDocTab = nullptr;
    const QScopedValueRollback quiet(settingPage_, true);
    for (const auto& doc : DocTabs.TakeAll()) delete doc->Sheet;  // with its editors
}

void TMF::closeEvent(QCloseEvent* event) {
    bool closing = false;
    runGuarded([&] { closing = FormClose(); });
    if (closing)
        event->accept();
    else
        event->ignore();
}
