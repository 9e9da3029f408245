#include "search/findreplace.h"

#include "components/editorex.h"
#include "platform/cp932.h"
#include "platform/prompt.h"
#include "search/finddlg.h"
#include "search/findescapes.h"
#include "search/searchmessages.h"
#include "search/searchprogress.h"
#include "search/searchwindow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

const QString kSearching = QStringLiteral("検索しています…");
const QString kReplacing = QStringLiteral("置換しています…");

}  // namespace

TFindReplace::TFindReplace(SearchWindow& window, QObject* parent)
    : QObject(parent), ProgressDelayMs(TSearchProgress::kDefaultDelayMs), window_(window) {}

// --- The commands ----------------------------------------------------------------

void TFindReplace::FindExecute() {
    State.Confirmed = false;
    QPointer<TEditorEx> editor = window_.CurrentEditor();
    if (!editor) return;
    {
        TFDlg dialog(window_.DialogOwner(), TFDlg::Mode::Find, *editor, window_.Settings(), State, ReplaceAllRequested);
        dialog.exec();
    }
    if (!editor) return;
    editor->setFocus();
    if (!State.Confirmed) return;

    applyEscapes(false);
    editor->SetFindString(State.FindText);
    editor->SetExSearchOptions(BuildSearchOptions(State));
    // F3 would only run into the same error again: it opens the dialog instead.
    State.Confirmed = !reportBadPattern(*editor);
    if (!State.Confirmed) return;
    if (State.FromCaret == 0) editor->SetSelStart(0);
    const std::optional<bool> found = guarded(*editor, kSearching, [&] { return RunSearch(*editor, State); });
    if (found == false) notice(SearchMessage::SearchedToEnd);
}

void TFindReplace::ReplaceExecute() {
    State.Confirmed = false;
    ReplaceAllRequested = false;
    QPointer<TEditorEx> editor = window_.CurrentEditor();
    if (!editor) return;
    {
        TFDlg dialog(window_.DialogOwner(), TFDlg::Mode::Replace, *editor, window_.Settings(), State, ReplaceAllRequested);
        dialog.exec();
    }
    if (!editor || !State.Confirmed) return;

    editor->SetExSearchOptions(BuildSearchOptions(State));
    applyEscapes(true);
    editor->SetFindString(State.FindText);
    if (reportBadPattern(*editor)) {
        State.Confirmed = false;
        return;
    }
    if (ReplaceAllRequested)
        replaceAll(*editor);
    else
        replaceLoop(*editor);
}

void TFindReplace::FindNextExecute() {
    TEditorEx* editor = window_.CurrentEditor();
    if (!State.Confirmed || !editor) {
        FindExecute();
        return;
    }
    // Always forwards, whatever the dialog's direction was.
    const bool multiLine = State.MultiLine;
    const std::optional<bool> found = guarded(*editor, kSearching, [&] { return SearchForward(*editor, multiLine); });
    if (found == false) notice(SearchMessage::SearchedToEnd);
}

void TFindReplace::FindBackExecute() {
    TEditorEx* editor = window_.CurrentEditor();
    if (!State.Confirmed || !editor) {
        FindExecute();
        return;
    }
    const std::optional<bool> found = guarded(*editor, kSearching, [&] { return editor->FindPrev(); });
    if (found == false) notice(SearchMessage::SearchedToEnd);
}

// --- Replacing ---------------------------------------------------------------------

void TFindReplace::applyEscapes(bool withReplacement) {
    if (!State.Regexp) return;  // MultiLine keeps what the last expression set
    if (withReplacement) State.ReplaceText = ExpandReplaceEscapes(State.ReplaceText);
    State.MultiLine = HasLineBreakEscape(State.FindText);
    State.FindText = ExpandFindEscapes(State.FindText);
}

// The notice comes also when nothing matched, and the document counts as
// changed either way; a cancelled replace-all leaves both as they were.
void TFindReplace::replaceAll(TEditorEx& editor) {
    const QByteArray replacement = State.ReplaceText;
    const std::optional<bool> done =
        guarded(editor, kReplacing, [&] { return editor.ReplaceAll(replacement, false) >= 0; });
    if (!done) {
        if (editor.SearchFailure() == TSearchFailure::Stopped) notice(SearchMessage::ReplaceStopped);
        return;
    }
    notice(SearchMessage::ReplacedAll);
    editor.SetModified(true);
    window_.UpdateModifiedMark();
}

void TFindReplace::replaceLoop(TEditorEx& editor) {
    QPointer<TEditorEx> guard = &editor;
    if (State.FromCaret == 0) editor.SetSelStart(0);
    std::optional<bool> found = guarded(editor, kSearching, [&] { return RunSearch(editor, State); });
    while (found == true) {
        const int answer = ShowSearchMessage(SearchMessage::ReplaceQuestion, window_.DialogOwner());
        if (!guard || answer == IdCancel) return;
        if (answer == IdYes) replaceHit(editor);
        found = guarded(editor, kSearching, [&] { return RunSearch(editor, State); });
        if (found == false) notice(SearchMessage::ReplacedToEnd);
    }
}

// A backward loop goes on before the replacement, or it would find in it.
void TFindReplace::replaceHit(TEditorEx& editor) {
    const qsizetype start = editor.GetSelStart();
    editor.SetSelText(editor.SelectionReplacement(State.ReplaceText));
    if (State.Backward != 0) editor.SetSelStart(start);
}

// --- Quick find ----------------------------------------------------------------------

void TFindReplace::AttachQuickFind(QComboBox* box) {
    quickFind_ = box;
    box->setInsertPolicy(QComboBox::NoInsert);  // the handler puts texts on top itself
    box->setDuplicatesEnabled(true);
    box->setCompleter(nullptr);
    // Keys reach the box, which passes them to its edit line directly; the
    // edit line is watched too for keys sent to it alone.
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
}

bool TFindReplace::eventFilter(QObject* watched, QEvent* event) {
    const bool inBox = quickFind_ && (watched == quickFind_ || watched == quickFind_->lineEdit());
    if (!inBox || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    bool swallowed = false;
    if (enter) runGuarded([&] { swallowed = MFFindComboBoxKeyPress(13); });
    return swallowed || QObject::eventFilter(watched, event);
}

// The options last given to the editor stay in force, and MultiLine and
// Backward keep their values for F3 and Shift+F3.
bool TFindReplace::MFFindComboBoxKeyPress(int key) {
    if (key != 13 || !quickFind_) return false;
    TEditorEx* editor = window_.CurrentEditor();
    if (!editor) return true;
    const QString text = quickFind_->currentText();
    editor->SetFindString(cp932::encode(text));
    quickFind_->insertItem(0, text);
    quickFind_->setEditText(text);
    editor->setFocus();
    State.Confirmed = true;
    if (reportBadPattern(*editor)) return true;
    guarded(*editor, kSearching, [&] { return editor->Find(); });
    return true;
}

// --- Running a search ------------------------------------------------------------------

std::optional<bool> TFindReplace::guarded(TEditorEx& editor, const QString& label,
                                          const std::function<bool()>& search) {
    bool found = false;
    {
        const TSearchProgress progress(editor, window_.DialogOwner(), label, ProgressDelayMs);
        found = search();
    }
    switch (editor.SearchFailure()) {
        case TSearchFailure::None: return found;
        case TSearchFailure::Stopped: return std::nullopt;
        case TSearchFailure::BadPattern: reportBadPattern(editor); return std::nullopt;
        case TSearchFailure::TooComplex:
            ShowSearchMessage(SearchMessage::TooComplex, window_.DialogOwner(), cp932::decode(editor.FindString()));
            return std::nullopt;
    }
    return std::nullopt;
}

bool TFindReplace::reportBadPattern(TEditorEx& editor) {
    const QString reason = editor.SearchPatternError();
    if (reason.isEmpty()) return false;
    ShowSearchMessage(SearchMessage::BadPattern, window_.DialogOwner(), cp932::decode(editor.FindString()),
                      PatternErrorReason(reason));
    return true;
}

void TFindReplace::notice(SearchMessage message) { ShowSearchMessage(message, window_.DialogOwner()); }
