// What the main window does with the events of its editor views: the keys
// the editor watches, wheel scrolling, the caret position in the status bar,
// centring the caret row, and the line-break toggle of the palette.
#include "app/editcommands.h"
#include "app/mainunit.h"
#include "app/statusbar.h"
#include "components/editorex.h"
#include "platform/prompt.h"
#include "platform/regini.h"
#include "settings/settingsdialogs.h"
#include "settings/settingstable.h"

#include <QAbstractButton>

namespace {

constexpr int kCaretPanel = 2;

QString caretPositionText(int row, int col, bool zeroBase) {
    return QString::number(zeroBase ? row : row + 1) + "行" + QString::number(col) + "桁";
}

}  // namespace

// --- Connecting the views ----------------------------------------------------------

void TMF::connectEditorEvents(TEditorEx* editor) {
    connectViewEvents(editor);
    // The status bar follows the main views only.
    connect(editor, &TEditorEx::caretMoved, this,
            [this, editor] { runGuarded([this, editor] { EditorCaretMoved(*editor); }); });
}

void TMF::connectViewEvents(TEditorEx* editor) {
    connect(editor, &TEditorEx::changed, this, [this] { runGuarded([this] { UpdateModifiedMark(); }); });
    connect(editor, &TEditorEx::keyDown, this,
            [this, editor](int key, Qt::KeyboardModifiers shift, bool* swallow) {
                runGuarded([&] { EditorKeyDown(*editor, key, shift, *swallow); });
            });
    connect(editor, &TEditorEx::wheelDown, this, [this, editor] {
        runGuarded([this, editor] { EditorWheel(*editor, WheelScroller::Direction::Down); });
    });
    connect(editor, &TEditorEx::wheelUp, this, [this, editor] {
        runGuarded([this, editor] { EditorWheel(*editor, WheelScroller::Direction::Up); });
    });
    EditCommands->Watch(editor);
}

// --- Keys ----------------------------------------------------------------------------

void TMF::EditorKeyDown(TEditorEx& editor, int key, Qt::KeyboardModifiers shift, bool& swallow) {
    if (!(shift & Qt::ControlModifier)) return;
    switch (key) {
    case Qt::Key_E:  // the code template picker, snippet completion
    case Qt::Key_J:  // the code template picker, templates
        // The editor sees these keys too.
        SettingsDialogs->ShowPicker(editor, key == Qt::Key_E);
        break;
    case Qt::Key_M:  // the macro pop-up; the key is its alone
        swallow = true;
        break;
    default:
        break;
    }
}

// --- Wheel ---------------------------------------------------------------------------

// The toolkit delivers the wheel to the view under the mouse, which also
// scrolls itself: that view, when it belongs to the current document, gets
// the extra rows too.
void TMF::EditorWheel(TEditorEx& editor, WheelScroller::Direction direction) {
    TEditorEx* target = CurDocTab && &editor == CurDocTab->LowerEditor ? &editor : CurEditor;
    if (!target) return;
    Wheel.Step(direction, [target](int rows) { target->ScrollRows(rows); });
}

// --- Caret -----------------------------------------------------------------------------

void TMF::EditorCaretMoved(const TEditorEx& editor) {
    StB->SetPanelText(kCaretPanel, caretPositionText(editor.Row(), editor.Col(), editor.Prop().Leftbar.ZeroBase));
}

void TMF::CenterCaretRow() {
    if (!CurEditor) return;
    const int row = CurEditor->Row();
    const int col = CurEditor->Col();
    // Visiting the row as far below the middle as the caret is below the
    // top scrolls the caret row towards the middle.
    CurEditor->SetRow(2 * row - CurEditor->TopRow());
    CurEditor->SetRow(row);
    // The visit may have passed a shorter row and cut the column.
    CurEditor->SetCol(col);
}

// --- Line-break toggle -------------------------------------------------------------------

void TMF::InNewLineExecute() {
    Settings.InsertNewLine = !Settings.InsertNewLine;
    SetNewLineButtons();
    TRegIniFile reg(Settings.RegKey);
    WriteStartupSetting(reg, Settings, &TSettings::InsertNewLine);
}

void TMF::SetNewLineButtons() {
    for (QAbstractButton* button : NewLineButtons) {
        if (button->isCheckable())
            button->setChecked(Settings.InsertNewLine);
        else
            button->setDown(Settings.InsertNewLine);
    }
}
