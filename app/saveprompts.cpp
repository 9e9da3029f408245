// The commands that walk the modified documents and ask about each: Save
// All, the exit prompt and closing a tab. They remember the current editor
// and put it back however they end, a failed save included.
#include "app/mainunit.h"
#include "app/tabcaption.h"
#include "components/editorex.h"
#include "platform/prompt.h"

#include <QScopedValueRollback>
#include <QTabWidget>

namespace {

constexpr const char* kChangedQuestion = "は変更されています。保存しますか？";

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

int TMF::askUntilSavedAs(const QWidget* sheet, const QString& question) {
    const QString text = withoutModifiedMark(PageCaption(sheet)) + question;
    for (;;) {
        const int answer = prompts().ask("確認", text, mb::YesNoCancel, mb::IconQuestion, this);
        if (answer != IdYes) return answer;
        if (SaveDocumentAs(false)) return IdYes;
    }
}

void TMF::SaveAllExecute() {
    const Restore<TEditorEx*> current(CurEditor, CurEditor);
    const Restore<bool> refresh(AutoRefreshTree, true);
    AutoRefreshTree = false;
    for (std::size_t i = 0; i < DocTabs.size(); ++i) {
        TDocTab& doc = *DocTabs[i];
        CurEditor = doc.Editor;
        if (!CurEditor->Modified()) continue;
        const QString name = Settings.DocNames[int(i)];
        if (!name.isEmpty()) {
            SaveDocumentTo(name, true);
            StripModifiedMark(doc.Sheet);
        } else if (askUntilSavedAs(doc.Sheet, "を保存しますか？") == IdCancel) {
            return;
        }
    }
}

bool TMF::QuerySaveAll() {
    const Restore<TEditorEx*> current(CurEditor, CurEditor);
    for (std::size_t i = 0; i < DocTabs.size(); ++i) {
        TDocTab& doc = *DocTabs[i];
        CurEditor = doc.Editor;
        if (!CurEditor->Modified()) continue;
        const QString name = Settings.DocNames[int(i)];
        if (name.isEmpty()) {
            if (askUntilSavedAs(doc.Sheet, kChangedQuestion) == IdCancel) return false;
            continue;
        }
        const QString text = withoutModifiedMark(PageCaption(doc.Sheet)) + kChangedQuestion;
        const int answer = prompts().ask("確認", text, mb::YesNoCancel, mb::IconQuestion, this);
        if (answer == IdCancel) return false;
        if (answer == IdYes) {
            SaveDocumentTo(name, true);
            StripModifiedMark(doc.Sheet);
        }
    }
    return true;
}

void TMF::CloseThisPageClick() {
    QWidget* page = ActivePage();
    const int index = DocIndexOfPage(page);
    if (CurEditor && CurEditor->Modified() &&
        askUntilSavedAs(page, kChangedQuestion) == IdCancel)
        return;

    if (index != -1) {
        std::unique_ptr<TDocTab> doc = std::move(DocTabs[index]);
        DocTabs.erase(DocTabs.begin() + index);
        Settings.DocNames.removeAt(index);
        if (CurEditor == doc->Editor) CurEditor = nullptr;
        if (CurDocTab == doc.get()) CurDocTab = nullptr;
        const QScopedValueRollback quiet(settingPage_, true);
        delete doc->Sheet;  // with its editors and splitter
    }
    if (!DocTabs.empty())
        EditorTabSheetChange();
    else
        NewTextExecute();
}
