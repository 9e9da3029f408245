#include "settings/codedlg.h"

#include "components/editorex.h"
#include "platform/cp932.h"
#include "platform/prompt.h"
#include "platform/regini.h"
#include "settings/codetemplates.h"
#include "settings/formparts.h"
#include "settings/pickertext.h"
#include "settings/settingsrecord.h"

#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

constexpr int kClientWidth = 367;
constexpr int kClientHeight = 154;
constexpr int kListFontPixels = 14;
constexpr int kCaretGap = 10;

}  // namespace

TCDlg::TCDlg(QWidget* owner, const TSettings& settings, const QStringList& snippetList)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint), settings_(settings), snippetList_(snippetList) {
    setObjectName("CDlg");
    setFixedSize(kClientWidth, kClientHeight);
    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    ListBox = new QListWidget(Shape1);
    ListBox->setObjectName("ListBox");
    ListBox->setFrameShape(QFrame::NoFrame);
    ListBox->setFont(formFont(kListFontPixels));
    auto* inside = new QVBoxLayout(Shape1);
    inside->setContentsMargins(1, 1, 1, 1);
    inside->addWidget(ListBox);
    auto* outside = new QVBoxLayout(this);
    outside->setContentsMargins(0, 0, 0, 0);
    outside->addWidget(Shape1);
    ListBox->installEventFilter(this);
    ListBox->viewport()->installEventFilter(this);
}

void TCDlg::SetTemplateEditor(TEditorEx* editor) { editor_ = editor; }

TEditorEx* TCDlg::TemplateEditor() const { return editor_; }

void TCDlg::Popup(Mode mode) {
    if (!editor_) return;
    // A showing still open ends as a dismissal before the next begins.
    if (isVisible()) close();
    mode_ = mode;
    closing_ = false;
    ListBox->setAccessibleName(mode == TemplateMode ? "コードテンプレート" : "入力補完");
    FormShow();
    move(placeBesideCaret());
    show();
    // Only a list that is laid out can bring its chosen row to the top.
    if (QListWidgetItem* chosen = ListBox->currentItem())
        ListBox->scrollToItem(chosen, QAbstractItemView::PositionAtTop);
    ListBox->setFocus();
}

// --- Filling -------------------------------------------------------------------------

void TCDlg::FormShow() {
    // Only this showing's own step to the left is ever undone.
    CaretMovedBack = false;
    ListBox->clear();
    if (mode_ == TemplateMode)
        showTemplates();
    else
        showCompletions();
}

void TCDlg::showTemplates() {
    QStringList names;
    LoadTemplates(TRegIniFile(settings_.RegKey), names, bodies_);
    ListBox->addItems(names);
    if (ListBox->count() > 0) ListBox->setCurrentRow(0);
}

void TCDlg::showCompletions() {
    const QStringList items = CompletionItems(snippetList_);
    ListBox->addItems(items);
    TEditorEx& editor = *editor_;
    int match = FirstItemStartingWith(items, cp932::decode(editor.WordFromCaret()));
    if (match < 0 && editor.GetSelStart() > 0) {
        // A word that ends at the caret lies one position to the left.
        caretRow_ = editor.Row();
        caretCol_ = editor.Col();
        editor.SetSelStart(editor.GetSelStart() - 1);
        const QString word = cp932::decode(editor.WordFromCaret());
        CaretMovedBack = true;
        if (word.isEmpty())
            dismiss();  // no word there either: the caret goes back, completion inserts at it
        else
            match = FirstItemStartingWith(items, word);
    }
    ListBox->setCurrentRow(match);
}

QPoint TCDlg::placeBesideCaret() const {
    const QPoint caret = editor_->mapToGlobal(editor_->CaretPos());
    const int lineHeight =
        int(editor_->Scintilla()->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, editor_->Row()));
    QPoint at(caret.x() + kCaretGap, caret.y() + lineHeight);
    const QScreen* screen = editor_->screen();
    if (!screen) return at;
    const QRect room = screen->availableGeometry();
    if (at.y() + height() > room.bottom()) at.setY(caret.y() - height());
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
    at.setY(std::max(at.y(), room.top()));
    return at;
}

// --- Keys and mouse ------------------------------------------------------------------

bool TCDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            runGuarded([&] { ListBoxKeyDown(key); });
            return true;
        }
    }
    if (watched == ListBox->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        runGuarded([this] { ListBoxDblClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TCDlg::ListBoxKeyDown(int key) {
    if (key == Qt::Key_Escape)
        close();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        accept();
}

void TCDlg::ListBoxDblClick() { accept(); }

void TCDlg::FormDeactivate() { close(); }

// --- Accepting and dismissing -----------------------------------------------------------

void TCDlg::accept() {
    // The list makes its first row current when it gets the focus; only a
    // selected row counts.
    const QListWidgetItem* item = ListBox->currentItem();
    if (!item || !item->isSelected() || !editor_) return;
    closing_ = true;
    if (mode_ == TemplateMode)
        insertTemplate(ListBox->row(item));
    else
        completeWord(item->text());
    close();
}

void TCDlg::completeWord(const QString& item) {
    editor_->SelectWordFromCaret();
    editor_->SetSelText(cp932::encode(SnippetOfItem(item)));
}

void TCDlg::insertTemplate(int index) {
    if (index >= bodies_.size()) return;
    TEditorEx& editor = *editor_;
    // The text replaces the selection and starts where it started.
    if (editor.GetSelLength() > 0) editor.SetSelText({});
    const int row = editor.Row();
    const int col = editor.Col();
    const QByteArray line = editor.Lines().Strings(editor.RowToLines(row));
    editor.SetSelText(TemplateInsertion(line, col, cp932::encode(bodies_[index])));
    editor.SetRow(row);
    editor.SetCol(col);
}

void TCDlg::dismiss() {
    if (!CaretMovedBack) return;
    CaretMovedBack = false;
    if (!editor_) return;
    editor_->SetRow(caretRow_);
    editor_->SetCol(caretCol_);
}

void TCDlg::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!closing_) dismiss();
    closing_ = false;
    bodies_.clear();
}
