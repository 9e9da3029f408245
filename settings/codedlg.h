#pragma once
// TCDlg: the borderless picker that opens beside the caret. Mode 1 lists the
// code templates from the settings and inserts the chosen body; mode 0
// lists the palette's snippets and completes the word at the caret.
//
// Enter or a double-click on an item accepts it; Esc, a click elsewhere or
// the window losing the focus dismisses the picker. To find a word that
// ends at the caret, mode 0 may look one position to the left; dismissing
// the picker puts the caret back where it was.
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFrame;
class QListWidget;
class TEditorEx;
struct TSettings;

class TCDlg : public QWidget {
    Q_OBJECT

public:
    enum Mode { SnippetMode = 0, TemplateMode = 1 };

    // `snippetList` and `settings` (for its settings key) are the main
    // window's and outlive the picker.
    TCDlg(QWidget* owner, const TSettings& settings, const QStringList& snippetList);

    QFrame* Shape1 = nullptr;
    QListWidget* ListBox = nullptr;
    bool CaretMovedBack = false;

    // The editor the picker reads the word from and inserts into.
    void SetTemplateEditor(TEditorEx* editor);
    TEditorEx* TemplateEditor() const;
    Mode CurrentMode() const { return mode_; }

    // Fills the list for `mode`, places the picker beside the caret and shows
    // it without waiting. Nothing happens without an editor.
    void Popup(Mode mode);

    // The handlers, as the list's events call them.
    void FormShow();
    void ListBoxKeyDown(int key);
    void ListBoxDblClick();
    void FormDeactivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showTemplates();
    void showCompletions();
    void accept();
    void dismiss();
    void insertTemplate(int index);
    void completeWord(const QString& item);
    // Top-left corner beside the caret, kept on the caret's screen.
    QPoint placeBesideCaret() const;

    const TSettings& settings_;
    const QStringList& snippetList_;
    QPointer<TEditorEx> editor_;
    Mode mode_ = TemplateMode;
    QStringList bodies_;
    // Where the caret was when mode 0 moved it; restored on dismissal.
    int caretRow_ = 0;
    int caretCol_ = 0;
    bool closing_ = false;
};
