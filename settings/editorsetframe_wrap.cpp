// TFrame1, page 整形: word wrap, its width and the Japanese line-breaking
// rules.
#include "settings/appearancerules.h"
#include "settings/editorsetframe.h"
#include "settings/formparts.h"
#include "settings/updown.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kWrapEditWidth = 40;

// A line-breaking set: its edit, its 標準 button and where it lives.
struct CharacterSet {
    QLineEdit* TFrame1::*edit;
    QPushButton* TFrame1::*standard;
    const char* editName;
    const char* buttonName;
    const char* caption;
    QString& (*property)(TEditorExProp&);
    QString (*builtIn)();
};

// clang-format off
const CharacterSet kCharacterSets[] = {
    {&TFrame1::FollowStrEdit, &TFrame1::FollowStrStandardButton, "FollowStrEdit", "FollowStrStandardButton",
     "行頭禁則文字", [](TEditorExProp& p) -> QString& { return p.WrapOption.FollowStr; },
     &TEditorWrapOption::DefaultFollowStr},
    {&TFrame1::LeadStrEdit, &TFrame1::LeadStrStandardButton, "LeadStrEdit", "LeadStrStandardButton",
     "行末禁則文字", [](TEditorExProp& p) -> QString& { return p.WrapOption.LeadStr; },
     &TEditorWrapOption::DefaultLeadStr},
    {&TFrame1::PunctuationStrEdit, &TFrame1::PunctuationStrStandardButton, "PunctuationStrEdit",
     "PunctuationStrStandardButton", "句読点", [](TEditorExProp& p) -> QString& { return p.WrapOption.PunctuationStr; },
     &TEditorWrapOption::DefaultPunctuationStr},
};
// clang-format on

}  // namespace

QWidget* TFrame1::buildWrapPage() {
    using P = TEditorExProp;
    auto* page = named(new QWidget, "WrapSheet");
    OnWrapCheckBox = boundBox("OnWrapCheckBox", "ワードラップ", {}, [](P& p) -> bool& { return p.WordWrap; });
    FollowRetMarkCheckBox = boundBox("FollowRetMarkCheckBox", "改行をぶら下げる", {},
                                     [](P& p) -> bool& { return p.WrapOption.FollowRetMark; });
    FollowPunctuationCheckBox = boundBox("FollowPunctuationCheckBox", "句読点をぶら下げる", {},
                                         [](P& p) -> bool& { return p.WrapOption.FollowPunctuation; });
    LeadingCheckBox = boundBox("LeadingCheckBox", "追い出し処理をする", {},
                               [](P& p) -> bool& { return p.WrapOption.Leading; });
    WordBreakCheckBox = boundBox("WordBreakCheckBox", "英文ワードラップをする", {},
                                 [](P& p) -> bool& { return p.WrapOption.WordBreak; });

    WrapByteEdit = named(new QLineEdit, "WrapByteEdit");
    WrapByteEdit->setFixedWidth(kWrapEditWidth);
    WrapByteEditUpDown = named(new TUpDown(WrapByteEdit), "WrapByteEditUpDown");
    WrapByteEditUpDown->Min = appearance::kWrapWidthRange.min;
    WrapByteEditUpDown->Max = appearance::kWrapWidthRange.max;
    auto* widthLabel = new QLabel("折り返し文字数(20-250)");
    widthLabel->setBuddy(WrapByteEdit);
    auto* width = new QHBoxLayout;
    width->setSpacing(0);
    width->addWidget(widthLabel);
    width->addSpacing(6);
    width->addWidget(WrapByteEdit);
    width->addWidget(WrapByteEditUpDown);
    width->addStretch();

    auto* column = new QVBoxLayout(page);
    for (QCheckBox* box : {OnWrapCheckBox, FollowRetMarkCheckBox, FollowPunctuationCheckBox, LeadingCheckBox,
                           WordBreakCheckBox})
        column->addWidget(box);
    column->addLayout(width);
    auto* sets = new QGridLayout;
    int row = 0;
    for (const CharacterSet& set : kCharacterSets) {
        QLineEdit* edit = named(new QLineEdit, set.editName);
        QPushButton* standard = named(new QPushButton("標準"), set.buttonName);
        standard->setAccessibleDescription(set.caption);
        this->*set.edit = edit;
        this->*set.standard = standard;
        auto* label = new QLabel(set.caption);
        label->setBuddy(edit);
        sets->addWidget(label, row, 0);
        sets->addWidget(edit, row, 1);
        sets->addWidget(standard, row++, 2);
        bindText(edit, set.property);
        // The edit's change handler takes the text on into the copy.
        const auto builtIn = set.builtIn;
        onSignal(standard, &QPushButton::clicked, this, [edit, builtIn] { edit->setText(builtIn()); });
    }
    column->addLayout(sets);
    column->addStretch();
    onSignal(WrapByteEdit, &QLineEdit::textChanged, this, [this] { WrapByteEditChange(); });
    return page;
}

void TFrame1::fillWrapPage() {
    WrapByteEditUpDown->SetPosition(prop_.WrapOption.WrapByte);
    for (const CharacterSet& set : kCharacterSets) (this->*set.edit)->setText(set.property(prop_));
}

void TFrame1::WrapByteEditChange() {
    if (filling_) return;
    const appearance::CheckedNumber width = checkedNumber(WrapByteEdit, appearance::kWrapWidthRange);
    if (width.verdict == appearance::NumberVerdict::NotANumber) return;
    if (width.verdict == appearance::NumberVerdict::Store) prop_.WrapOption.WrapByte = width.value;
    showPreview();
}
