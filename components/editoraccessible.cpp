#include "components/editoraccessible.h"

#include <Qsci/qsciscintillabase.h>

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

using B = QsciScintillaBase;

class EditorAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit EditorAccessible(B* view) : QAccessibleWidget(view, QAccessible::EditableText) {
        QObject::connect(view, &B::SCN_UPDATEUI, view, [view](int updated) {
            if ((updated & B::SC_UPDATE_SELECTION) == 0 || !QAccessible::isActive()) return;
            const auto* self = static_cast<EditorAccessible*>(QAccessible::queryAccessibleInterface(view));
            QAccessibleTextCursorEvent event(view, self->cursorPosition());
            QAccessible::updateAccessibility(&event);
        });
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !send(B::SCI_GETREADONLY);
        s.readOnly = !s.editable;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return text(0, characterCount());
        return QAccessibleWidget::text(t);
    }

    // Selections.
    int selectionCount() const override { return send(B::SCI_GETSELECTIONEMPTY) ? 0 : int(send(B::SCI_GETSELECTIONS)); }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index < 0 || index >= selectionCount()) return;
        *start = offsetOf(send(B::SCI_GETSELECTIONNSTART, index));
        *end = offsetOf(send(B::SCI_GETSELECTIONNEND, index));
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { send(B::SCI_SETEMPTYSELECTION, send(B::SCI_GETCURRENTPOS)); }
    void setSelection(int, int start, int end) override { send(B::SCI_SETSEL, positionOf(start), positionOf(end)); }

    // The caret.
    int cursorPosition() const override { return offsetOf(send(B::SCI_GETCURRENTPOS)); }
    void setCursorPosition(int offset) override { send(B::SCI_GOTOPOS, positionOf(offset)); }

    // The text.
    int characterCount() const override { return offsetOf(send(B::SCI_GETLENGTH)); }
    QString text(int start, int end) const override {
        const long from = positionOf(start);
        const long to = end < 0 ? send(B::SCI_GETLENGTH) : positionOf(end);
        if (to <= from) return {};
        QByteArray bytes(to - from + 1, '\0');
        view()->SendScintilla(B::SCI_GETTEXTRANGE, from, to, bytes.data());
        bytes.truncate(to - from);
        return QString::fromUtf8(bytes);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    // Geometry.
    QRect characterRect(int offset) const override {
        const long pos = positionOf(offset);
        const int x = int(send(B::SCI_POINTXFROMPOSITION, 0, pos));
        const int y = int(send(B::SCI_POINTYFROMPOSITION, 0, pos));
        const int width = int(send(B::SCI_POINTXFROMPOSITION, 0, send(B::SCI_POSITIONAFTER, pos))) - x;
        const int height = int(send(B::SCI_TEXTHEIGHT, send(B::SCI_LINEFROMPOSITION, pos)));
        const QPoint topLeft = view()->viewport()->mapToGlobal(QPoint(x, y));
        return {topLeft, QSize(qMax(width, 1), height)};
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = view()->viewport()->mapFromGlobal(point);
        const long pos = send(B::SCI_POSITIONFROMPOINTCLOSE, local.x(), local.y());
        return pos < 0 ? -1 : offsetOf(pos);
    }
    void scrollToSubstring(int start, int end) override {
        send(B::SCI_SCROLLRANGE, positionOf(end), positionOf(start));
    }

private:
    B* view() const { return static_cast<B*>(widget()); }
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
        return view()->SendScintilla(message, wParam, lParam);
    }

    // Byte positions of the UTF-8 document against UTF-16 offsets, found
    // through the line index so that neither walks the text from its start.
    // The index belongs to the document, and a file loaded later brings a
    // document of its own.
    void needIndex() const {
        if ((send(B::SCI_GETLINECHARACTERINDEX) & B::SC_LINECHARACTERINDEX_UTF16) == 0)
            send(B::SCI_ALLOCATELINECHARACTERINDEX, B::SC_LINECHARACTERINDEX_UTF16);
    }
    int offsetOf(long position) const {
        needIndex();
        const long line = send(B::SCI_LINEFROMPOSITION, position);
        const long lineStart = send(B::SCI_POSITIONFROMLINE, line);
        return int(send(B::SCI_INDEXPOSITIONFROMLINE, line, B::SC_LINECHARACTERINDEX_UTF16) +
                   send(B::SCI_COUNTCODEUNITS, lineStart, position));
    }
    // Offsets outside the text (a reader's -1 for "to the end" among them)
    // stand for its nearer end: Scintilla asserts on lines it does not have.
    long positionOf(int offset) const {
        if (offset <= 0) return 0;
        const long length = send(B::SCI_GETLENGTH);
        if (offset >= offsetOf(length)) return length;  // offsetOf made the index
        const long line = send(B::SCI_LINEFROMINDEXPOSITION, offset, B::SC_LINECHARACTERINDEX_UTF16);
        const long lineOffset = send(B::SCI_INDEXPOSITIONFROMLINE, line, B::SC_LINECHARACTERINDEX_UTF16);
        return send(B::SCI_POSITIONRELATIVECODEUNITS, send(B::SCI_POSITIONFROMLINE, line), offset - lineOffset);
    }
};

QAccessibleInterface* editorFactory(const QString&, QObject* object) {
    auto* view = qobject_cast<B*>(object);
    return view ? new EditorAccessible(view) : nullptr;
}

}  // namespace

void InstallEditorAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(editorFactory);
        return true;
    }();
    (void)installed;
}
