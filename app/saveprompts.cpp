// The commands that walk the modified documents and ask about each: Save
// All, the exit prompt and closing a tab. They remember the current editor
// and put it back however they end, a failed save included.
#include "app/mainunit.h"
#include "app/messages.h"
#include "app/tabcaption.h"
#include "components/editorex.h"
#include "platform/prompt.h"

#include <QScopedValueRollback>
#include <QTabWidget>

namespace {

// Restores a value when the scope ends, also by an exception.
template <typename T>
class Restore {
public:
    Restore(T& target, T value) : target_(target), value_(value) {}
    ~Restore() { target_ = value_; }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

private:
    T& target_;
    T value_;
};

}  // namespace

int TMF::askUntilSavedAs(const QWidget* sheet, AppMessage question) {
    const QString caption = withoutModifiedMark(PageCaption(sheet));
    for (;;) {
        const int answer = ShowAppMessage(question, this, caption);
        if (answer != IdYes) return answer;
        if (SaveDocumentAs(false)) return IdYes;
    }
}

void TMF::SaveAllExecute() {
    const Restore<TEditorEx*> current(CurEditor, CurEditor);
    const Restore<bool> refresh(AutoRefreshTree, true);
    AutoRefreshTree = false;
    for (TDocTab& doc : DocTabs.All()) {
        CurEditor = doc.Editor;
        if (!CurEditor->Modified()) continue;
        if (!doc.Name.isEmpty()) {
            SaveDocumentTo(doc.Name, true);
            StripModifiedMark(doc.Sheet);
        } else if (askUntilSavedAs(doc.Sheet, AppMessage::SaveQuestion) == IdCancel) {
            return;
        }
    }
}

bool TMF::QuerySaveAll() {
    const Restore<TEditorEx*> current(CurEditor, CurEditor);
    for (TDocTab& doc : DocTabs.All()) {
        CurEditor = doc.Editor;
        if (!CurEditor->Modified()) continue;
        if (doc.Name.isEmpty()) {
            if (askUntilSavedAs(doc.Sheet, AppMessage::ChangedQuestion) == IdCancel) return false;
            continue;
        }
        const int answer = ShowAppMessage(AppMessage::ChangedQuestion, this, withoutModifiedMark(PageCaption(doc.Sheet)));
        if (answer == IdCancel) return false;
        if (answer == IdYes) {
            SaveDocumentTo(doc.Name, true);
            StripModifiedMark(doc.Sheet);
        }
    }
    return true;
}

void TMF::CloseThisPageClick() {
    QWidget* page = ActivePage();
    const int index = DocTabs.IndexOfSheet(page);
    if (CurEditor && CurEditor->Modified() &&
        askUntilSavedAs(page, AppMessage::ChangedQuestion) == IdCancel)
        return;

    if (std::unique_ptr<TDocTab> doc = DocTabs.Take(index)) {
        if (CurEditor == doc->Editor) CurEditor = nullptr;
        if (CurDocTab == doc.get()) CurDocTab = nullptr;
        const QScopedValueRollback quiet(settingPage_, true);
        delete doc->Sheet;  // with its editors and splitter
    }
    if (!DocTabs.Empty())
        EditorTabSheetChange();
    else
        NewTextExecute();
}
