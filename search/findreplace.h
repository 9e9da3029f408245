#pragma once
// Find and replace on the main window: the commands Find (Ctrl+F), Replace
// (Ctrl+R), FindNext (F3) and FindBack (Shift+F3), and the quick-find box.
// The window holds one of these and binds its actions to the commands; the
// macro commands ShowFindDialog and ShowReplaceDialog call them too, so they
// need no window event.
//
// Every search runs under a TSearchProgress: one that takes long shows a
// progress window with キャンセル. A regular expression that does not
// compile, or that the engine gives up on, is reported in an error box and
// nothing is searched or changed; a cancelled replace-all changes nothing.
#include "search/searchstate.h"

#include <QObject>

#include <functional>
#include <optional>

class QComboBox;
class TEditorEx;
class SearchWindow;
enum class SearchMessage;

class TFindReplace : public QObject {
    Q_OBJECT

public:
    explicit TFindReplace(SearchWindow& window, QObject* parent = nullptr);

    SearchState State;
    // Set by the dialog's 全て.
    bool ReplaceAllRequested = false;
    // How long a search runs before its progress window shows.
    int ProgressDelayMs;

    void FindExecute();
    void ReplaceExecute();
    void FindNextExecute();
    void FindBackExecute();

    // Makes `box` the quick-find box: Enter in it searches for its text.
    void AttachQuickFind(QComboBox* box);
    // The quick-find box's key handler: only Enter (13) acts, and it is
    // swallowed (true).
    bool MFFindComboBoxKeyPress(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs `search` on `editor` under a progress watch. True when a hit was
    // found, false when there is none; nothing when the search failed (a
    // message was shown) or was cancelled.
    std::optional<bool> guarded(TEditorEx& editor, const QString& label, const std::function<bool()>& search);
    // Shows why the editor's find string cannot be searched with; false
    // when it can.
    bool reportBadPattern(TEditorEx& editor);
    void applyEscapes(bool withReplacement);
    void replaceAll(TEditorEx& editor);
    void replaceLoop(TEditorEx& editor);
    void replaceHit(TEditorEx& editor);
    void notice(SearchMessage message);

    SearchWindow& window_;
    QComboBox* quickFind_ = nullptr;
};
