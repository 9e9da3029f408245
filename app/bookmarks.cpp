// Bookmarks 0..9 of the context menu: setting or clearing one on the caret
// row, moving to one, and the check marks of both sub-menus. The marks live
// in the editor; each document keeps which ones it has set, for the checks.
#include "app/mainunit.h"
#include "components/editorex.h"
#include "platform/prompt.h"

#include <QAction>

namespace {

// The bookmark an item stands for: the last character of its name.
int bookmarkOf(const QAction* item) {
    const QString name = item->objectName();
    return name.isEmpty() ? -1 : name.back().digitValue();
}

}  // namespace

void TMF::bindBookmarkItems() {
    const auto bind = [this](QAction* item, void (TMF::*handler)(QAction*)) {
        connect(item, &QAction::triggered, this, [this, item, handler] { runGuarded([&] { (this->*handler)(item); }); });
        boundActions_.append(item);
    };
    for (QAction* item : ActionList1.BookMarkSetMenuButton) bind(item, &TMF::BookMarkSetMenuButtonClick);
    for (QAction* item : ActionList1.BookMarkMoveMenuButton) bind(item, &TMF::BookMarkMoveMenuButtonClick);
}

void TMF::BookMarkSetMenuButtonClick(QAction* item) {
    const int n = bookmarkOf(item);
    if (n < 0 || n > 9 || !CurEditor || !CurDocTab) return;
    const int row = CurEditor->Row();
    if (CurEditor->GetListRowMarks(row).test(n)) {
        CurEditor->ClearRowBookmark(row, n);
        CurDocTab->BookMarks[n] = false;
    } else {
        CurEditor->SetRowBookmark(row, n);
        CurDocTab->BookMarks[n] = true;
    }
    UpdateBookmarkChecks();
}

void TMF::BookMarkMoveMenuButtonClick(QAction* item) {
    const int n = bookmarkOf(item);
    // A bookmark that is not set moves nothing and says nothing.
    if (n >= 0 && n <= 9 && CurEditor) CurEditor->GotoRowBookmark(n);
    // The item turned its own check over when it was chosen.
    UpdateBookmarkChecks();
}

void TMF::UpdateBookmarkChecks() {
    for (int n = 0; n < 10; ++n) {
        const bool set = CurDocTab && CurDocTab->BookMarks[n];
        ActionList1.BookMarkSetMenuButton[n]->setChecked(set);
        ActionList1.BookMarkMoveMenuButton[n]->setChecked(set);
    }
}
