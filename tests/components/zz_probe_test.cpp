#include "components/editorex.h"
#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
TEST(Probe, CaretDeep) {
    TEditorEx e;
    e.resize(800, 600);
    e.show();
    QByteArray text;
    for (int i = 0; i < 400000; ++i) text += "  line of text number " + QByteArray::number(i) + "\r\n";
    e.Lines().SetText(text);
    for (int row : {10, 100000, 399000}) {
        e.SetRow(row);
        QApplication::processEvents();
        QElapsedTimer t; t.start();
        for (int k = 0; k < 20; ++k) { e.SetRow(row + (k % 2)); QApplication::processEvents(); }
        printf("row %d: %.2f ms per move\n", row, t.nsecsElapsed() / 20e6);
    }
}
#include <Qsci/qsciscintilla.h>
TEST(Probe, PlainDeep) {
    QsciScintilla e;
    e.resize(800, 600);
    e.show();
    QByteArray text;
    for (int i = 0; i < 400000; ++i) text += "  line of text number " + QByteArray::number(i) + "\r\n";
    e.SendScintilla(QsciScintilla::SCI_APPENDTEXT, (unsigned long)text.size(), text.constData());
    for (int row : {10, 100000, 399000}) {
        e.setCursorPosition(row, 0);
        QApplication::processEvents();
        QElapsedTimer t; t.start();
        for (int k = 0; k < 20; ++k) { e.setCursorPosition(row + (k % 2), 0); QApplication::processEvents(); }
        printf("plain row %d: %.2f ms per move\n", row, t.nsecsElapsed() / 20e6);
    }
}
#include <QAccessible>
#include <QAccessibleWidget>
static QAccessibleInterface* plainFactory(const QString& cls, QObject* o) {
    if (o && o->inherits("QsciScintillaBase") && o->isWidgetType()) return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::EditableText);
    (void)cls;
    return nullptr;
}
TEST(Probe, PlainDeepOwnFactory) {
    QAccessible::installFactory(plainFactory);
    QsciScintilla e;
    e.resize(800, 600);
    e.show();
    QByteArray text;
    for (int i = 0; i < 400000; ++i) text += "  line of text number " + QByteArray::number(i) + "\r\n";
    e.SendScintilla(QsciScintilla::SCI_APPENDTEXT, (unsigned long)text.size(), text.constData());
    for (int row : {10, 100000, 399000}) {
        e.setCursorPosition(row, 0);
        QApplication::processEvents();
        QElapsedTimer t; t.start();
        for (int k = 0; k < 20; ++k) { e.setCursorPosition(row + (k % 2), 0); QApplication::processEvents(); }
        printf("factory row %d: %.2f ms per move (active %d)\n", row, t.nsecsElapsed() / 20e6, QAccessible::isActive());
    }
}
