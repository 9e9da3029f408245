#include "app/outputwindowadapter.h"

#include "app/mainunit.h"
#include "components/editorex.h"
#include "platform/fileerror.h"

void TOutputWindowAdapter::ShowPlace(const QString& file, int line, int col) {
    TMF& mf = window_;
    // A name the compiler printed for a file that is gone is said, not
    // passed over.
    requireExistingFile(file);
    if (mf.DocTabs.IndexOfName(file) >= 0) {
        mf.ActivateDocument(file);
        mf.SetMainTitle(file);
    } else {
        // The working folder of the compile stays as it is.
        mf.OpenDocument(file, false);
    }
    if (!mf.CurEditor) return;
    mf.CurEditor->SetRow(qMax(0, line - 1));
    mf.CurEditor->SetCol(qMax(0, col - 1));
    mf.CenterCaretRow();
    mf.CurEditor->setFocus();
}
