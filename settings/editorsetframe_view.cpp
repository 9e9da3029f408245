// TFrame1, page 表示: font, spacing, scroll bars, ruler, line numbers and
// the behaviour switches.
#include "components/fontnamelistbox.h"
#include "settings/appearancerules.h"
#include "settings/editorsetframe.h"
#include "settings/formparts.h"
#include "settings/radiogroup.h"
#include "settings/updown.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kNumberEditWidth = 40;
constexpr int kFontListHeight = 110;
constexpr int kFontSizeMax = 140;
constexpr int kSpacingMax = 100;

// A label, a number edit and its up-down on one row.
QHBoxLayout* numberRow(const QString& caption, QLineEdit* edit, TUpDown* upDown) {
    auto* label = new QLabel(caption);
    label->setBuddy(edit);
    edit->setFixedWidth(kNumberEditWidth);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(label);
    row->addSpacing(6);
    row->addWidget(edit);
    row->addWidget(upDown);
    row->addStretch();
    return row;
}

}  // namespace

QWidget* TFrame1::buildViewPage() {
    auto* page = named(new QWidget, "ViewSheet");
    FontList = named(new TFontNameListBox, "FontList");
    FontList->setAccessibleName("フォント");
    FontList->setFixedHeight(kFontListHeight);
    auto* fontLabel = new QLabel("フォント");
    fontLabel->setBuddy(FontList);
    FontSizeEdt = named(new QLineEdit, "FontSizeEdt");
    FontSizeUpDown = named(new TUpDown(FontSizeEdt), "FontSizeUpDown");
    FontSizeUpDown->Min = 0;
    FontSizeUpDown->Max = kFontSizeMax;
    FontMarginEdit = named(new QLineEdit, "FontMarginEdit");
    FontMarginUpDown = named(new TUpDown(FontMarginEdit), "FontMarginUpDown");
    FontMarginUpDown->Min = 0;
    FontMarginUpDown->Max = kSpacingMax;
    ScrollRadioGroup = named(new TRadioGroup("スクロールバー", {"表示しない", "縦のみ表示", "横のみ表示", "両方表示"}, 2),
                             "ScrollRadioGroup");

    auto* fontColumn = new QVBoxLayout;
    fontColumn->addWidget(fontLabel);
    fontColumn->addWidget(FontList);
    fontColumn->addLayout(numberRow("サイズ", FontSizeEdt, FontSizeUpDown));
    fontColumn->addLayout(numberRow("文字間隔", FontMarginEdit, FontMarginUpDown));

    RulerCheckBox = named(new QCheckBox("ルーラーを表示する"), "RulerCheckBox");
    RulerGroupBox = named(new QGroupBox("ルーラー"), "RulerGroupBox");
    RulerRadioGroup = named(new TRadioGroup(QString(), {"10ベース", "8ベース"}, 2), "RulerRadioGroup");
    RulerRadioGroup->setFlat(true);
    (new QVBoxLayout(RulerGroupBox))->addWidget(RulerRadioGroup);

    LeftBarCheckBox = named(new QCheckBox("左に行番号を表示する"), "LeftBarCheckBox");
    LeftBarGroupBox = named(new QGroupBox("行番号"), "LeftBarGroupBox");
    LeftBarZeroBaseCheckBox = boundBox("LeftBarZeroBaseCheckBox", "0ベース", {},
                                       [](TEditorExProp& p) -> bool& { return p.Leftbar.ZeroBase; });
    LeftBarLoadZeroCheckBox = boundBox("LeftBarLoadZeroCheckBox", "左に0を詰める", {},
                                       [](TEditorExProp& p) -> bool& { return p.Leftbar.ZeroLead; });
    LeftBarModeCheckBox = named(new QCheckBox("折り返しを一行と数える"), "LeftBarModeCheckBox");
    auto* barColumn = new QVBoxLayout(LeftBarGroupBox);
    for (QCheckBox* box : {LeftBarZeroBaseCheckBox, LeftBarLoadZeroCheckBox, LeftBarModeCheckBox})
        barColumn->addWidget(box);

    auto* barsColumn = new QVBoxLayout;
    barsColumn->addWidget(RulerCheckBox);
    barsColumn->addWidget(RulerGroupBox);
    barsColumn->addWidget(LeftBarCheckBox);
    barsColumn->addWidget(LeftBarGroupBox);
    barsColumn->addStretch();

    auto* grid = new QGridLayout(page);
    grid->addLayout(fontColumn, 0, 0);
    grid->addWidget(ScrollRadioGroup, 1, 0);
    grid->addLayout(barsColumn, 0, 1, 2, 1);
    grid->addWidget(buildOptionGroup(), 2, 0, 1, 2);

    // Selection, not the current row: the list makes its first row current
    // when it takes the focus, and that is no choice of the user's.
    onSignal(FontList, &TFontNameListBox::itemSelectionChanged, this, [this] { FontListClick(); });
    onSignal(FontSizeEdt, &QLineEdit::textChanged, this, [this] { FontSizeEdtChange(); });
    onSignal(FontMarginEdit, &QLineEdit::textChanged, this, [this] { FontMarginEditChange(); });
    onSignal(ScrollRadioGroup, &TRadioGroup::itemClicked, this, [this] { ScrollRadioGroupClick(); });
    onSignal(RulerCheckBox, &QCheckBox::clicked, this, [this] { RulerCheckBoxClick(); });
    onSignal(RulerRadioGroup, &TRadioGroup::itemClicked, this, [this] { RulerRadioGroupClick(); });
    onSignal(LeftBarCheckBox, &QCheckBox::clicked, this, [this] { LeftBarCheckBoxClick(); });
    onSignal(LeftBarModeCheckBox, &QCheckBox::clicked, this, [this] {
        prop_.Leftbar.ShowNumberMode = appearance::NumberModeOf(LeftBarModeCheckBox->isChecked());
        showPreview();
    });
    return page;
}

// The group 動作: every box one property of the copy.
QWidget* TFrame1::buildOptionGroup() {
    using P = TEditorExProp;
    AutoIndentCheckBox = boundBox("AutoIndentCheckBox", "オートインデント",
                                  "改行した時にスペースがある場合、改行先にも同じ数のスペースを挿入します",
                                  [](P& p) -> bool& { return p.Caret.AutoIndent; });
    FreeCaretCheckBox = boundBox("FreeCaretCheckBox", "フリーカーソル", "カーソルを好きな位置に移動できるようにします",
                                 [](P& p) -> bool& { return p.Caret.FreeCaret; });
    InTabCheckBox = boundBox("InTabCheckBox", "タブ文字への移動", "タブ文字の上にカーソルを移動する事が出来ます",
                             [](P& p) -> bool& { return p.Caret.InTab; });
    NextLineCheckBox = boundBox("NextLineCheckBox", "矢印キーで行間移動",
                                "カーソルが行頭または行末にある場合に矢印キーで行を移動できます",
                                [](P& p) -> bool& { return p.Caret.NextLine; });
    KeepCaretCheckBox = boundBox("KeepCaretCheckBox", "カーソル位置を記憶", "行を移動してもカーソルの桁の位置を記憶します",
                                 [](P& p) -> bool& { return p.Caret.KeepCaret; });
    SelMoveCheckBox = boundBox("SelMoveCheckBox", "選択文字をドラッグで移動",
                               "選択されている文字をドラッグで移動できるようにします",
                               [](P& p) -> bool& { return p.Caret.SelMove; });
    FreeRowCheckBox = boundBox(
        "FreeRowCheckBox", "上下キーでフリーカーソル",
        "上下キーでのみフリーカーソルにします（フリーカーソルにチェックがついている場合には動作しません）",
        [](P& p) -> bool& { return p.Caret.FreeRow; });
    LockScCheckBox = boundBox("LockScCheckBox", "カーソルを移動にあわせる", "スクロールバーの移動にカーソルがあわせて移動します",
                              [](P& p) -> bool& { return p.Caret.LockScroll; });
    EofCheckBox = boundBox("EofCheckBox", "EOFを表示", "ファイルの最後に [EOF] マークを表示します",
                           [](P& p) -> bool& { return p.Marks.EofMark.Visible; });
    RetCheckBox = boundBox("RetCheckBox", "改行マークを表示", "行末に改行マークを表示します",
                           [](P& p) -> bool& { return p.Marks.RetMark.Visible; });
    WrapCheckBox = boundBox("WrapCheckBox", "折り返しマークを表示", "ワードラップ時に途中で折り返した所にマークを表示します",
                            [](P& p) -> bool& { return p.Marks.WrapMark.Visible; });
    HideCheckBox = boundBox("HideCheckBox", "最大桁でマークを表示", "一行の最大桁（1000文字)でマークを表示します",
                            [](P& p) -> bool& { return p.Marks.HideMark.Visible; });
    UnderLineCheckBox = boundBox("UnderLineCheckBox", "アンダーライン表示", "編集中の行にアンダーラインを表示します",
                                 [](P& p) -> bool& { return p.Marks.Underline.Visible; });
    BackIndentCheckBox = boundBox("BackIndentCheckBox", "バックスペースアンインデント", {},
                                  [](P& p) -> bool& { return p.Caret.BackSpaceUnIndent; });
    OpenMailorUrlCheckBox = named(new QCheckBox("Mail,URLを開く"), "OpenMailorUrlCheckBox");

    auto* group = named(new QGroupBox("動作"), "OptionGroupBox");
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    const QList<QCheckBox*> boxes = {AutoIndentCheckBox, FreeCaretCheckBox, InTabCheckBox,   NextLineCheckBox,
                                     KeepCaretCheckBox,  SelMoveCheckBox,   FreeRowCheckBox, LockScCheckBox,
                                     EofCheckBox,        RetCheckBox,       WrapCheckBox,    HideCheckBox,
                                     UnderLineCheckBox,  BackIndentCheckBox, OpenMailorUrlCheckBox};
    constexpr int kRows = 5;
    for (int i = 0; i < boxes.size(); ++i) grid->addWidget(boxes[i], i % kRows, i / kRows);
    return group;
}

void TFrame1::fillViewPage() {
    FontList->SetFontName(prop_.Font.Name);
    FontSizeUpDown->SetPosition(prop_.Font.Size());
    FontMarginUpDown->SetPosition(prop_.Margin.Character);
    ScrollRadioGroup->SetItemIndex(appearance::ScrollItemOf(prop_.ScrollBars));
    RulerCheckBox->setChecked(prop_.Ruler.Visible);
    RulerRadioGroup->SetItemIndex(appearance::GaugeItemOf(prop_.Ruler.GaugeRange));
    LeftBarCheckBox->setChecked(prop_.Leftbar.Visible);
    LeftBarModeCheckBox->setChecked(appearance::NumberModeChecked(prop_.Leftbar.ShowNumberMode));
    RulerGroupBox->setEnabled(prop_.Ruler.Visible);
    LeftBarGroupBox->setEnabled(prop_.Leftbar.Visible);
}

void TFrame1::FontListClick() {
    const QList<QListWidgetItem*> chosen = FontList->selectedItems();
    if (filling_ || chosen.isEmpty()) return;
    prop_.Font.Name = chosen.front()->text();
    showPreview();
}

void TFrame1::FontSizeEdtChange() {
    if (filling_) return;
    const appearance::CheckedNumber size = checkedNumber(FontSizeEdt, appearance::kFontSizeRange);
    if (size.verdict != appearance::NumberVerdict::Store) return;
    prop_.Font.SetSize(size.value);
    showPreview();
}

void TFrame1::FontMarginEditChange() {
    if (filling_) return;
    const appearance::CheckedNumber spacing = checkedNumber(FontMarginEdit, appearance::kCharacterSpacingRange);
    if (spacing.verdict != appearance::NumberVerdict::Store) return;
    prop_.Margin.Character = spacing.value;
    showPreview();
}

void TFrame1::ScrollRadioGroupClick() {
    prop_.ScrollBars = appearance::ScrollStyleOf(ScrollRadioGroup->ItemIndex());
    showPreview();
}

void TFrame1::RulerCheckBoxClick() {
    prop_.Ruler.Visible = RulerCheckBox->isChecked();
    RulerGroupBox->setEnabled(prop_.Ruler.Visible);
    showPreview();
}

void TFrame1::RulerRadioGroupClick() {
    prop_.Ruler.GaugeRange = appearance::GaugeOfItem(RulerRadioGroup->ItemIndex());
    showPreview();
}

void TFrame1::LeftBarCheckBoxClick() {
    prop_.Leftbar.Visible = LeftBarCheckBox->isChecked();
    LeftBarGroupBox->setEnabled(prop_.Leftbar.Visible);
    showPreview();
}
