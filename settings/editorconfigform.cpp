#include "settings/editorconfigform.h"

#include "components/fontnamelistbox.h"
#include "settings/editorsetframe.h"
#include "settings/formparts.h"

#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kFontPixels = 12;
const QSize kClientSize(554, 467);

}  // namespace

TEditorConfigForm::TEditorConfigForm(QWidget* owner) : QDialog(owner) {
    setObjectName("EditorConfigForm");
    setWindowTitle("EditorConfigFM");
    setFont(formFont(kFontPixels));
    EdSetFrm = new TFrame1(this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(EdSetFrm);
    connect(EdSetFrm, &TFrame1::closeRequested, this, [this](bool saved) { saved ? accept() : reject(); });
    // A fixed border: the classic size, or what the fonts here need if more.
    setFixedSize(kClientSize.expandedTo(sizeHint()));
}

void TEditorConfigForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    EdSetFrm->FontList->setFocus();
}
