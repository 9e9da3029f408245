// The document tabs: creating, finding, opening, reloading and saving
// documents, and the modified mark on their captions.
//
// A file is always read whole before any tab, caption or name changes, and a
// document is marked clean only after its save succeeded: a failure stops the
// command with every document as it was.
#include "app/dirlistbox.h"
#include "app/editcommands.h"
#include "app/mainunit.h"
#include "app/messages.h"
#include "app/tabcaption.h"
#include "components/editorex.h"
#include "platform/paths.h"
#include "platform/prompt.h"

#include <QFileInfo>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

const QString TMF::kSourceFilter =
    "Lumiraソース(*.lum;*.Lumira)|*.lum;*.Lumira|Serithソース(*.srx;*.Serith)|*.srx;*.Serith|"
    "テキストファイル(*.txt)|*.txt|対応している全てのファイル|*.lum;*.Lumira;*.srx;*.Serith;*.txt|"
    "全て(*.*)|*.*";

namespace {

constexpr const char* kTagProperty = "Tag";

QString folderOf(const QString& file) { return paths::withTrailingSeparator(paths::folderPart(file)); }

}  // namespace

// --- Pages -----------------------------------------------------------------------

QWidget* TMF::ActivePage() const { return EditorTabSheet->currentWidget(); }

QString TMF::PageCaption(const QWidget* sheet) const {
    const int index = EditorTabSheet->indexOf(const_cast<QWidget*>(sheet));
    if (index < 0) return {};
    return EditorTabSheet->tabText(index).replace("&&", "&");
}

void TMF::SetPageCaption(QWidget* sheet, const QString& caption) {
    const int index = EditorTabSheet->indexOf(sheet);
    if (index < 0) return;
    // The mark is set again at every change of the text: a caption that stays
    // as it is costs the tab bar no new layout.
    const QString text = QString(caption).replace("&", "&&");
    if (EditorTabSheet->tabText(index) == text) return;
    EditorTabSheet->setTabText(index, text);
    // A screen reader names the editor after its document.
    const int doc = DocTabs.IndexOfSheet(sheet);
    if (doc >= 0) DocTabs[doc].Editor->Scintilla()->setAccessibleName(caption);
}

void TMF::setActivePage(QWidget* sheet) {
    const QScopedValueRollback quiet(settingPage_, true);
    EditorTabSheet->setCurrentWidget(sheet);
}

void TMF::onPageChanged() {
    if (settingPage_ || !ActivePage()) return;
    runGuarded([this] { EditorTabSheetChange(); });
}

// --- Bookkeeping -------------------------------------------------------------------

TDocTab* TMF::CreateDocTab() {
    auto record = std::make_unique<TDocTab>();
    auto* sheet = new QWidget;
    sheet->setProperty(kTagProperty, PageTagCounter);
    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    {
        const QScopedValueRollback quiet(settingPage_, true);
        EditorTabSheet->addTab(sheet, QString());
    }

    auto* editor = new TEditorEx(sheet);
    editor->setProperty(kTagProperty, PageTagCounter);
    editor->SetPopupMenu(Menus.PM);
    column->addWidget(editor);
    connectEditorEvents(editor);

    editor->Lines().Clear();
    editor->SetModified(false);
    EditProp.AssignTo(*editor);
    editor->SetOpenLinks(Settings.OpenMailOrMail);
    setActivePage(sheet);
    ++PageTagCounter;

    record->Editor = editor;
    record->Sheet = sheet;
    CurDocTab = &DocTabs.Add(std::move(record));
    refreshDocumentState();
    return CurDocTab;
}

int TMF::ActiveDocIndex() const { return qMax(0, DocTabs.IndexOfSheet(ActivePage())); }

TDocTab* TMF::docOfEditor(const TEditorEx* editor) const {
    const int index = DocTabs.IndexOfEditor(editor);
    return index >= 0 ? &DocTabs[index] : nullptr;
}

void TMF::ActivateDocument(const QString& name) {
    const int i = DocTabs.IndexOfName(name);
    if (i < 0) return;
    setActivePage(DocTabs[i].Sheet);
    EditorTabSheetChange();
}

void TMF::EditorTabSheetChange() {
    QWidget* page = ActivePage();
    CurCaption = withoutModifiedMark(PageCaption(page));
    const int index = DocTabs.IndexOfSheet(page);
    if (index >= 0) {
        CurDocTab = &DocTabs[index];
        CurEditor = CurDocTab->Editor;
    }
    refreshDocumentState();
    SetMainTitle(DocTabs.Name(ActiveDocIndex()));
    ReTextUpdate();
}

void TMF::refreshDocumentState() {
    UpdateBookmarkChecks();
    UpdateDivideCheck();
    EditCommands->EditPaste1Update();
    EditCommands->ScheduleUpdate();
}

// --- New and open ------------------------------------------------------------------

void TMF::createUntitledDocument() {
    CurEditor = CreateDocTab()->Editor;
    const QString caption = untitledCaption(DocTabs.NextUntitledNumber());
    SetPageCaption(CurDocTab->Sheet, caption);
    CurCaption = caption;
    SetMainTitle(CurCaption);
    ReTextUpdate();
}

void TMF::NewTextExecute() {
    const int untitled = DocTabs.FirstUntitled();
    if (untitled >= 0 && !DocTabs[untitled].Editor->Modified()) {
        ActivateDocument(QString());
        return;
    }
    createUntitledDocument();
}

void TMF::OpenTextExecute() {
    FileDialogRequest request;
    request.owner = this;
    request.filter = kSourceFilter;
    request.filterIndex = 4;
    request.initialFolder = DirList->Directory();
    request.defaultExtension = "lum";
    request.multiSelect = true;
    for (const QString& file : prompts().chooseOpenFiles(request)) OpenDocument(file, true);
}

void TMF::OpenDocument(const QString& name, bool updateFolder) {
    if (name.isEmpty() || !QFileInfo(name).isFile()) return;

    // A file already open is brought to front, never loaded a second time,
    // also when an untitled tab could take it.
    if (DocTabs.IndexOfName(name) >= 0) {
        ShowAppMessage(AppMessage::AlreadyOpen, this, name);
        ActivateDocument(name);
        SetMainTitle(name);
        return;
    }

    // The file is loaded before the document takes its name, so a file that
    // cannot be read leaves every tab and name as it was.
    const int untitled = DocTabs.FirstUntitled();
    if (untitled >= 0 && !DocTabs[untitled].Editor->Modified()) {
        TDocTab& doc = DocTabs[untitled];
        doc.Editor->Lines().LoadFromFile(name);
        setActivePage(doc.Sheet);
        EditorTabSheetChange();
        SetPageCaption(doc.Sheet, paths::fileNamePart(name));
        doc.Name = name;
    } else {
        QWidget* previousPage = ActivePage();
        TDocTab* previousDoc = CurDocTab;
        TDocTab* doc = CreateDocTab();
        try {
            doc->Editor->Lines().LoadFromFile(name);
        } catch (...) {
            discardLastDocTab(previousPage, previousDoc);
            throw;
        }
        CurEditor = doc->Editor;
        SetPageCaption(doc->Sheet, paths::fileNamePart(name));
        doc->Name = name;
    }

    CurCaption = PageCaption(ActivePage());
    CurEditor->setFocus();
    CurEditor->SetRow(0);
    CurEditor->SetModified(false);
    AddToHistory(name);
    if (updateFolder) {
        Settings.CurrentFolder = folderOf(name);
        MoveFolderExplorer(Settings.CurrentFolder);
    }
    SetMainTitle(name);
    ReTextUpdate();
}

void TMF::discardLastDocTab(QWidget* previousPage, TDocTab* previousDoc) {
    std::unique_ptr<TDocTab> doc = DocTabs.Take(DocTabs.Count() - 1);
    {
        const QScopedValueRollback quiet(settingPage_, true);
        delete doc->Sheet;  // with its editor
        if (previousPage) EditorTabSheet->setCurrentWidget(previousPage);
    }
    CurDocTab = previousDoc;
    refreshDocumentState();
}

// --- Reload ------------------------------------------------------------------------

void TMF::ReTextUpdate() {
    ActionList1.ReText->setEnabled(!DocTabs.Name(ActiveDocIndex()).isEmpty());
}

void TMF::ReTextExecute() {
    const QString name = DocTabs.Name(ActiveDocIndex());
    if (name.isEmpty() || !CurEditor) return;
    if (ShowAppMessage(AppMessage::ReloadQuestion, this) != IdYes) return;
    CurEditor->Lines().LoadFromFile(name);
    CurEditor->SetModified(false);
    SetPageCaption(ActivePage(), paths::fileNamePart(name));
    CurCaption = PageCaption(ActivePage());
}

// --- Save ----------------------------------------------------------------------------

void TMF::OverSaveTextExecute() {
    const QString name = DocTabs.Name(DocTabs.IndexOfSheet(ActivePage()));
    if (name.isEmpty()) {
        NewSaveTextExecute();
        return;
    }
    CurEditor->Lines().SaveToFile(name);
    CurEditor->SetModified(false);
    SetPageCaption(ActivePage(), paths::fileNamePart(name));
    Settings.CurrentFolder = folderOf(name);
    MoveFolderExplorer(Settings.CurrentFolder);
}

void TMF::NewSaveTextExecute() { SaveDocumentAs(true); }

bool TMF::SaveDocumentAs(bool updateFolder) {
    TDocTab* doc = docOfEditor(CurEditor);
    if (!doc) return false;

    const QString name = askSaveName(*doc);
    bool saved = false;
    if (!name.isEmpty()) {
        CurEditor->Lines().SaveToFile(name);
        CurEditor->SetModified(false);
        SetPageCaption(doc->Sheet, paths::fileNamePart(name));
        if (doc->Sheet == ActivePage()) {
            CurCaption = PageCaption(doc->Sheet);
            SetMainTitle(name);
        }
        doc->Name = name;
        Settings.CurrentFolder = folderOf(name);
        saved = true;
    }
    if (updateFolder) MoveFolderExplorer(Settings.CurrentFolder);
    ReTextUpdate();
    return saved;
}

// The dialog starts at the document's own file. A name that another tab holds
// is refused (two documents would share one file), and an existing file is
// only replaced when the user says so; either way the dialog comes back.
QString TMF::askSaveName(const TDocTab& doc) {
    FileDialogRequest request;
    request.owner = this;
    request.filter = kSourceFilter;
    request.filterIndex = 1;
    request.defaultExtension = "lum";
    request.initialFolder = doc.Name.isEmpty() ? DirList->Directory() : paths::folderPart(doc.Name);
    request.fileName = paths::fileNamePart(doc.Name);
    for (;;) {
        const QString name = prompts().chooseSaveFile(request);
        if (name.isEmpty()) return {};
        const int holder = DocTabs.IndexOfName(name);
        if (holder >= 0 && &DocTabs[holder] != &doc)
            ShowAppMessage(AppMessage::OpenInAnotherTab, this, name);
        else if (!QFileInfo::exists(name) || ShowAppMessage(AppMessage::ReplaceQuestion, this, name) == IdYes)
            return name;
        request.initialFolder = paths::folderPart(name);
        request.fileName = paths::fileNamePart(name);
    }
}

void TMF::SaveDocumentTo(const QString& name, bool updateFolder) {
    if (name.isEmpty()) {
        SaveDocumentAs(updateFolder);
        return;
    }
    TDocTab* doc = docOfEditor(CurEditor);
    if (!doc) return;
    CurEditor->Lines().SaveToFile(name);
    CurEditor->SetModified(false);
    SetPageCaption(doc->Sheet, paths::fileNamePart(name));
    if (updateFolder) Settings.CurrentFolder = folderOf(name);
}

// --- Modified mark -------------------------------------------------------------------

// Undo back to the saved text takes the mark away again. Documents being
// made or loaded pass through here before they are current: only the
// current document's own editor counts.
void TMF::UpdateModifiedMark() {
    if (!CurEditor || !CurDocTab || CurDocTab->Editor != CurEditor || CurDocTab->Sheet != ActivePage()) return;
    SetPageCaption(ActivePage(), CurEditor->Modified() ? withModifiedMark(CurCaption) : CurCaption);
}

void TMF::StripModifiedMark(QWidget* sheet) {
    SetPageCaption(sheet, withoutModifiedMark(PageCaption(sheet)));
}
