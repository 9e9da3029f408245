// TFrame1, pages 制御文字 (number prefix, quotes, comment marker and the
// coloured bracket pairs) and 予約文字 (the reserved words).
#include "platform/prompt.h"
#include "platform/textfile.h"
#include "settings/appearancerules.h"
#include "settings/colorpanel.h"
#include "settings/editorsetframe.h"
#include "settings/formparts.h"
#include "settings/settingsmessages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

constexpr int kBracketEditWidth = 48;

struct TextBinding {
    QLineEdit* TFrame1::*edit;
    const char* name;
    const char* caption;
    QString& (*property)(TEditorExProp&);
};

// clang-format off
const TextBinding kControlTexts[] = {
    {&TFrame1::HexEdit, "HexEdit", "16進数", [](TEditorExProp& p) -> QString& { return p.View.HexPrefix; }},
    {&TFrame1::QuotEdit, "QuotEdit", "文字列", [](TEditorExProp& p) -> QString& { return p.View.Quotation; }},
    {&TFrame1::CommentEdit, "CommentEdit", "コメント", [](TEditorExProp& p) -> QString& { return p.View.Commenter; }},
};
// clang-format on

QStringList editorLines(const QPlainTextEdit* editor) { return editor->toPlainText().split(u'\n'); }

}  // namespace

QWidget* TFrame1::buildControlPage() {
    auto* page = named(new QWidget, "ControlSheet");
    auto* texts = named(new QGroupBox("制御文字"), "ControlGroupBox");
    auto* grid = new QGridLayout(texts);
    int row = 0;
    for (const TextBinding& binding : kControlTexts) {
        QLineEdit* edit = named(new QLineEdit, binding.name);
        this->*binding.edit = edit;
        auto* label = new QLabel(binding.caption);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1);
        bindText(edit, binding.property);
    }
    grid->setRowStretch(row, 1);
    auto* column = new QHBoxLayout(page);
    column->addWidget(texts);
    column->addWidget(buildBracketGroup(), 1);
    return page;
}

QWidget* TFrame1::buildBracketGroup() {
    auto* group = named(new QGroupBox("括弧"), "BracketGroupBox");
    BracketsListBox = named(new QListWidget, "BracketsListBox");
    BracketsListBox->setAccessibleName("括弧");
    auto* panels = new QGridLayout;
    BracketColorPanel = AddColorPanelRow(panels, 0, "BracketColorPanel", "文字色");
    BracketBGColorPanel = AddColorPanelRow(panels, 1, "BracketBGColorPanel", "文字背景色");
    BracketColorPanel->SetColor(editorcolors::clTeal);
    BracketBGColorPanel->SetColor(editorcolors::clWhite);
    BrBoldCheckBox = named(new QCheckBox("太字"), "BrBoldCheckBox");
    BrItalicCheckBox = named(new QCheckBox("イタリック"), "BrItalicCheckBox");
    BrUnderLineCheckBox = named(new QCheckBox("下線"), "BrUnderLineCheckBox");
    LeftBracketEdit = named(new QLineEdit, "LeftBracketEdit");
    RightBracketEdit = named(new QLineEdit, "RightBracketEdit");
    LeftBracketEdit->setAccessibleName("左の括弧");
    RightBracketEdit->setAccessibleName("右の括弧");
    for (QLineEdit* edit : {LeftBracketEdit, RightBracketEdit}) edit->setFixedWidth(kBracketEditWidth);
    AddBracketButton = named(new QPushButton("追加"), "AddBracketButton");
    DeleteBracketButton = named(new QPushButton("削除"), "DeleteBracketButton");
    SetSameBracketsStyleButton = named(new QPushButton("現在の設定を標準にする"), "SetSameBracketsStyleButton");

    auto* pair = new QHBoxLayout;
    pair->addWidget(LeftBracketEdit);
    pair->addWidget(RightBracketEdit);
    pair->addWidget(AddBracketButton);
    pair->addWidget(DeleteBracketButton);
    auto* controls = new QVBoxLayout;
    controls->addLayout(panels);
    for (QCheckBox* box : {BrBoldCheckBox, BrItalicCheckBox, BrUnderLineCheckBox}) controls->addWidget(box);
    controls->addWidget(SetSameBracketsStyleButton);
    controls->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(BracketsListBox, 1);
    top->addLayout(controls);
    auto* column = new QVBoxLayout(group);
    column->addLayout(top);
    column->addLayout(pair);

    onSignal(BracketsListBox, &QListWidget::currentRowChanged, this, [this] { BracketsListBoxClick(); });
    onSignal(BracketColorPanel, &QPushButton::clicked, this, [this] { BracketColorPanelClick(); });
    onSignal(BracketBGColorPanel, &QPushButton::clicked, this, [this] { BracketBGColorPanelClick(); });
    for (QCheckBox* box : {BrBoldCheckBox, BrItalicCheckBox, BrUnderLineCheckBox})
        onSignal(box, &QCheckBox::clicked, this, [this] { BrStyleCheckBoxClick(); });
    onSignal(AddBracketButton, &QPushButton::clicked, this, [this] { AddBracketButtonClick(); });
    onSignal(DeleteBracketButton, &QPushButton::clicked, this, [this] { DeleteBracketButtonClick(); });
    onSignal(SetSameBracketsStyleButton, &QPushButton::clicked, this, [this] { SetSameBracketsStyleButtonClick(); });
    return group;
}

void TFrame1::fillControlPage() {
    for (const TextBinding& binding : kControlTexts) (this->*binding.edit)->setText(binding.property(prop_));
    ReserveEditor->setPlainText(prop_.ReserveWordList.join(u'\n'));
}

// --- Bracket pairs ---------------------------------------------------------------------

void TFrame1::fillBrackets(int select) {
    {
        QScopedValueRollback filling(filling_, true);
        BracketsListBox->clear();
        BracketsListBox->addItems(appearance::BracketCaptions(prop_.View.Brackets));
    }
    if (select >= 0 && select < BracketsListBox->count()) BracketsListBox->setCurrentRow(select);
}

int TFrame1::selectedBracket() const {
    const int row = BracketsListBox->currentRow();
    return row >= 0 && row < prop_.View.Brackets.Items.size() && BracketsListBox->item(row)->isSelected() ? row : -1;
}

void TFrame1::showBracket(int index) {
    const TEditorBracketItem& item = prop_.View.Brackets.Items[index];
    LeftBracketEdit->setText(item.LeftBracket);
    RightBracketEdit->setText(item.RightBracket);
    BracketColorPanel->SetColor(item.ItemColor);
    BracketBGColorPanel->SetColor(item.ItemBkColor);
    BrBoldCheckBox->setChecked(item.ItemStyle.Bold);
    BrItalicCheckBox->setChecked(item.ItemStyle.Italic);
    BrUnderLineCheckBox->setChecked(item.ItemStyle.Underline);
}

void TFrame1::BracketsListBoxClick() {
    if (filling_) return;
    if (const int index = selectedBracket(); index >= 0) showBracket(index);
}

void TFrame1::BracketColorPanelClick() {
    if (const int index = selectedBracket(); index >= 0)
        pickColourInto(BracketColorPanel, prop_.View.Brackets.Items[index].ItemColor);
}

void TFrame1::BracketBGColorPanelClick() {
    if (const int index = selectedBracket(); index >= 0)
        pickColourInto(BracketBGColorPanel, prop_.View.Brackets.Items[index].ItemBkColor);
}

void TFrame1::BrStyleCheckBoxClick() {
    const int index = selectedBracket();
    if (index < 0) return;
    prop_.View.Brackets.Items[index].ItemStyle = stylesOf(BrBoldCheckBox, BrItalicCheckBox, BrUnderLineCheckBox);
    showPreview();
}

void TFrame1::AddBracketButtonClick() {
    if (LeftBracketEdit->text().isEmpty() || RightBracketEdit->text().isEmpty()) {
        ShowSettingsMessage(SettingsMessage::BothBracketsNeeded, this);
        return;
    }
    std::optional<appearance::BracketLook> selectedLook;
    if (selectedBracket() >= 0) selectedLook = appearance::BracketLook{BracketColorPanel->Color(), BracketBGColorPanel->Color()};
    const int added = appearance::AddBracket(prop_.View.Brackets, LeftBracketEdit->text(), RightBracketEdit->text(),
                                             selectedLook, stylesOf(BrBoldCheckBox, BrItalicCheckBox, BrUnderLineCheckBox));
    showPreview();
    fillBrackets(added);
}

void TFrame1::DeleteBracketButtonClick() {
    const int index = selectedBracket();
    if (index < 0) return;
    prop_.View.Brackets.Items.removeAt(index);
    showPreview();
    fillBrackets(0);
}

void TFrame1::SetSameBracketsStyleButtonClick() {
    prop_.View.Brackets.SetStandard(BracketColorPanel->Color(), BracketBGColorPanel->Color(),
                                    stylesOf(BrBoldCheckBox, BrItalicCheckBox, BrUnderLineCheckBox));
    showPreview();
}

// --- Reserved words ----------------------------------------------------------------------

QWidget* TFrame1::buildReservePage() {
    auto* page = named(new QWidget, "ReserveSheet");
    ReserveEditor = named(new QPlainTextEdit, "ReserveEditor");
    ReserveEditor->setAccessibleName("予約語");
    ReserveEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    ReserveLoadButton = named(new QPushButton("読み込み"), "ReserveLoadButton");
    ReserveSaveButton = named(new QPushButton("保存"), "ReserveSaveButton");
    ReserveApplyButton = named(new QPushButton("適用"), "ReserveApplyButton");
    auto* note = named(new QLabel("押さないと保存されません"), "ReserveNoteLabel");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ReserveLoadButton);
    buttons->addWidget(ReserveSaveButton);
    buttons->addStretch();
    buttons->addWidget(ReserveApplyButton);
    buttons->addWidget(note);
    auto* row = new QHBoxLayout(page);
    row->addWidget(ReserveEditor, 1);
    row->addLayout(buttons);
    onSignal(ReserveLoadButton, &QPushButton::clicked, this, [this] { ReserveLoadButtonClick(); });
    onSignal(ReserveSaveButton, &QPushButton::clicked, this, [this] { ReserveSaveButtonClick(); });
    onSignal(ReserveApplyButton, &QPushButton::clicked, this, [this] { ReserveApplyButtonClick(); });
    return page;
}

void TFrame1::ReserveLoadButtonClick() {
    FileDialogRequest request;
    request.owner = this;
    const QStringList files = prompts().chooseOpenFiles(request);
    if (files.isEmpty()) return;
    ReserveEditor->setPlainText(textfile::readLines(files.first()).join(u'\n'));
}

void TFrame1::ReserveSaveButtonClick() {
    FileDialogRequest request;
    request.owner = this;
    const QString file = prompts().chooseSaveFile(request);
    if (file.isEmpty()) return;
    textfile::saveLines(file, editorLines(ReserveEditor));
}

void TFrame1::ReserveApplyButtonClick() {
    prop_.ReserveWordList = editorLines(ReserveEditor);
    showPreview();
}
