#include "components/editorexprop.h"

#include "components/editorex.h"

#include <cmath>

int TEditorFont::Size() const { return int(std::lround(Height * 72.0 / 96.0)); }

void TEditorFont::SetSize(int points) {
    if (points > 0) Height = int(std::lround(points * 96.0 / 72.0));
}

TEditorColor& TEditorColors::operator[](int index) {
    TEditorColor* all[Count] = {&Ank, &DBCS, &Int, &Symbol, &Url, &Mail, &Str, &Select, &Reserve, &Hit, &Comment};
    return *all[index];
}

const TEditorColor& TEditorColors::operator[](int index) const {
    return const_cast<TEditorColors&>(*this)[index];
}

TEditorMark& TEditorMarks::operator[](int index) {
    TEditorMark* all[Count] = {&EofMark, &RetMark, &WrapMark, &HideMark, &Underline};
    return *all[index];
}

const TEditorMark& TEditorMarks::operator[](int index) const {
    return const_cast<TEditorMarks&>(*this)[index];
}

void TEditorBrackets::SetStandard(const QColor& color, const QColor& bkColor, const TFontStyles& style) {
    Color = color;
    BkColor = bkColor;
    Style = style;
    for (TEditorBracketItem& item : Items) {
        item.ItemColor = color;
        item.ItemBkColor = bkColor;
        item.ItemStyle = style;
    }
}

QString TEditorWrapOption::DefaultFollowStr() {
    return QStringLiteral("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ");
}

QString TEditorWrapOption::DefaultLeadStr() { return QStringLiteral("（［｛「『([{｢"); }

QString TEditorWrapOption::DefaultPunctuationStr() { return QStringLiteral("、。，．,.｡､"); }

QStringList TEditorExProp::DefaultReserveWordList() {
    return {QString(),          QStringLiteral("action"), QStringLiteral("AddCancelItem"),
            QStringLiteral("AddItem"), QStringLiteral("boolean"), QStringLiteral("break"),
            QStringLiteral("case"),    QStringLiteral("char"),    QStringLiteral("Choice"),
            QStringLiteral("else"),    QStringLiteral("extern"),  QStringLiteral("false"),
            QStringLiteral("for"),     QStringLiteral("if"),      QStringLiteral("import"),
            QStringLiteral("int"),     QStringLiteral("string"),  QStringLiteral("switch"),
            QStringLiteral("true"),    QStringLiteral("void"),    QStringLiteral("while")};
}

void TEditorExProp::AssignTo(TEditorEx& editor) const { editor.ApplyProp(*this); }
