// The split view: a second view on the current document's text below a
// splitter on its tab sheet. Both views edit one text; commands still act on
// the upper (main) view.
#include "app/mainunit.h"
#include "components/editorex.h"
#include "platform/prompt.h"

#include <QAction>
#include <QLayout>
#include <QSplitter>
#include <Qsci/qsciscintilla.h>

void TMF::DivideEditorExecute() {
    if (!CurDocTab) return;
    if (CurDocTab->LowerEditor)
        joinViews(*CurDocTab);
    else
        splitView(*CurDocTab);
    UpdateDivideCheck();
}

void TMF::splitView(TDocTab& doc) {
    QWidget* sheet = doc.Sheet;
    TEditorEx* upper = doc.Editor;
    const bool focused = upper->hasFocus();

    auto* splitter = new QSplitter(Qt::Vertical, sheet);
    splitter->setObjectName("LowerSplitter");
    splitter->setChildrenCollapsible(false);
    delete sheet->layout()->replaceWidget(upper, splitter);
    splitter->addWidget(upper);

    auto* lower = new TEditorEx;
    lower->setObjectName("LowerEditor");
    lower->SetPopupMenu(Menus.PM);
    connectViewEvents(lower);  // no caret moves: the status bar follows the main view
    EditProp.AssignTo(*lower);
    lower->SetOpenLinks(Settings.OpenMailOrMail);
    lower->ShareText(upper);
    lower->Scintilla()->setAccessibleName(upper->Scintilla()->accessibleName());
    splitter->addWidget(lower);

    // Lay the views out now: the lower view's scroll position depends on
    // how many rows the upper one shows.
    splitter->show();
    upper->show();
    lower->show();
    sheet->layout()->activate();
    const int height = splitter->height();
    splitter->setSizes({height - height / 2, height / 2});

    // The lower view continues below the rows the upper view shows.
    lower->SetTopRow(upper->TopRow());
    lower->SetTopRow(upper->TopRow() + upper->VisibleRows());
    if (focused) upper->setFocus();

    doc.LowerEditor = lower;
    doc.LowerSplitter = splitter;
}

void TMF::joinViews(TDocTab& doc) {
    const bool focused = doc.LowerEditor->hasFocus() || doc.Editor->hasFocus();
    delete doc.Sheet->layout()->replaceWidget(doc.LowerSplitter, doc.Editor);
    doc.Editor->show();
    delete doc.LowerSplitter;  // with the lower view
    doc.LowerSplitter = nullptr;
    doc.LowerEditor = nullptr;
    if (focused) doc.Editor->setFocus();
}

void TMF::UpdateDivideCheck() {
    ActionList1.DivideEditor->setChecked(CurDocTab && CurDocTab->LowerEditor);
}
