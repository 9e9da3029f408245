// TFrame1: the pages as a whole, loading, storing, the preview and what the
// pages share. Each page is built and handled in a file of its own.
#include "settings/editorsetframe.h"

#include "components/editorex.h"
#include "platform/prompt.h"
#include "platform/regini.h"
#include "settings/appearancerules.h"
#include "settings/colorpanel.h"
#include "settings/formparts.h"
#include "settings/settingsmessages.h"
#include "settings/storedvalues.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

constexpr int kHintMilliseconds = 5000;
constexpr int kPreviewHeight = 104;
constexpr int kInnerMargin = 4;
constexpr int kInnerSpacing = 3;

}  // namespace

TFrame1::TFrame1(QWidget* parent) : QWidget(parent) {
    setObjectName("EdSetFrm");
    PageControl = named(new QTabWidget, "PageControl1");
    PageControl->addTab(buildViewPage(), "表示");
    PageControl->addTab(buildColourPage(), "色");
    PageControl->addTab(buildControlPage(), "制御文字");
    PageControl->addTab(buildReservePage(), "予約文字");
    PageControl->addTab(buildWrapPage(), "整形");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(PageControl);
    buildBottom();
    compactLayouts();
    for (QWidget* child : findChildren<QWidget*>())
        if (!child->toolTip().isEmpty()) child->setToolTipDuration(kHintMilliseconds);
}

TFrame1::~TFrame1() = default;

// The pages hold many controls; Qt's roomy defaults would make the window
// far larger than the classic one.
void TFrame1::compactLayouts() {
    for (QLayout* inner : findChildren<QLayout*>()) {
        if (inner == layout()) continue;
        inner->setContentsMargins(kInnerMargin, kInnerMargin, kInnerMargin, kInnerMargin);
        inner->setSpacing(std::min(inner->spacing(), kInnerSpacing));
    }
}

void TFrame1::buildBottom() {
    EditorEx1 = named(new TEditorEx, "EditorEx1");
    EditorEx1->Scintilla()->setAccessibleName("プレビュー");
    EditorEx1->setFixedHeight(kPreviewHeight);
    EditorEx1->Lines().SetText(appearance::PreviewText());
    EditorEx1->SetModified(false);
    SaveButton = named(new QPushButton("保存"), "SaveButton");
    CancelButton = named(new QPushButton("キャンセル"), "CancelButton");
    onSignal(SaveButton, &QPushButton::clicked, this, [this] { SaveButtonClick(); });
    onSignal(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(SaveButton);
    row->addWidget(CancelButton);
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->addWidget(EditorEx1);
    column->addLayout(row);
}

QCheckBox* TFrame1::boundBox(const char* name, const QString& caption, const QString& hint,
                             bool& (*property)(TEditorExProp&)) {
    auto* box = named(new QCheckBox(caption), name);
    if (!hint.isEmpty()) box->setToolTip(hint);
    boxes_.append({box, property});
    onSignal(box, &QCheckBox::clicked, this, [this, box, property] {
        property(prop_) = box->isChecked();
        showPreview();
    });
    return box;
}

// --- Loading and storing ---------------------------------------------------------

void TFrame1::SetStorage(const QString& key, const QString& section, const QString& name) {
    key_ = key;
    section_ = section;
    name_ = name;
}

void TFrame1::Load() {
    prop_ = TEditorExProp();
    prop_.ReadReg(key_, section_, name_);
    {
        QScopedValueRollback filling(filling_, true);
        for (const BoxBinding& binding : boxes_) binding.box->setChecked(binding.property(prop_));
        OpenMailorUrlCheckBox->setChecked(ReadStored(TRegIniFile(key_), stored::OpenMailOrMail));
        fillViewPage();
        fillColourPage();
        fillControlPage();
        fillWrapPage();
    }
    showPreview();
    EdtColorListBox->setCurrentRow(0);
    showColourEntry(0);
    fillBrackets(-1);
}

void TFrame1::SaveButtonClick() {
    prop_.WriteReg(key_, section_, name_);
    TRegIniFile reg(key_);
    WriteStored(reg, stored::OpenMailOrMail, OpenMailorUrlCheckBox->isChecked());
    emit closeRequested(true);
}

void TFrame1::CancelButtonClick() { emit closeRequested(false); }

// --- Shared by the pages -----------------------------------------------------------

void TFrame1::showPreview() { EditorEx1->ApplyProp(prop_); }

appearance::CheckedNumber TFrame1::checkedNumber(const QLineEdit* edit, appearance::NumberRange range) {
    const appearance::CheckedNumber checked = appearance::CheckNumber(edit->text(), range.min, range.max);
    if (checked.verdict == appearance::NumberVerdict::NotANumber)
        ShowSettingsMessage(SettingsMessage::NotAnInteger, this, edit->text());
    return checked;
}

std::optional<QColor> TFrame1::askColour(const TColorPanel* panel) {
    return prompts().chooseColour(panel->Color(), this);
}

void TFrame1::pickColourInto(TColorPanel* panel, QColor& field) {
    const auto colour = askColour(panel);
    if (!colour) return;
    field = *colour;
    panel->SetColor(*colour);
    showPreview();
}

void TFrame1::bindText(QLineEdit* edit, QString& (*property)(TEditorExProp&)) {
    onSignal(edit, &QLineEdit::textChanged, this, [this, edit, property] {
        if (filling_) return;
        property(prop_) = edit->text();
        showPreview();
    });
}

TFontStyles TFrame1::stylesOf(const QCheckBox* bold, const QCheckBox* italic, const QCheckBox* underline) {
    return {bold->isChecked(), italic->isChecked(), underline->isChecked()};
}
