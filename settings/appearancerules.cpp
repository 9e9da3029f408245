#include "settings/appearancerules.h"

#include "platform/cp932.h"

#include <algorithm>

namespace appearance {

QStringList ColourEntryCaptions() {
    // "コメント " keeps the trailing space the list has always shown.
    return {"半角文字", "全角文字", "数字",     "記号文字",       "URL",          "Mail",
            "文字列",   "選択範囲", "予約語",   "検索文字",       "コメント ",    "EOFマーク",
            "改行マーク", "折り返しマーク", "最大桁マーク", "アンダーライン"};
}

bool IsMarkEntry(int entry) { return entry >= TEditorColors::Count && entry < kColourEntries; }

namespace {

bool IsElementEntry(int entry) { return entry >= 0 && entry < TEditorColors::Count; }

TEditorMark& MarkOf(TEditorExProp& prop, int entry) { return prop.Marks[entry - TEditorColors::Count]; }

}  // namespace

EntryLook LookOf(const TEditorExProp& prop, int entry) {
    if (IsElementEntry(entry)) {
        const TEditorColor& element = prop.View.Colors[entry];
        return {element.Color, element.BkColor, element.Style};
    }
    if (IsMarkEntry(entry)) {
        const QColor color = prop.Marks[entry - TEditorColors::Count].Color;
        return {color, color, {}};
    }
    return {};
}

void SetEntryColor(TEditorExProp& prop, int entry, const QColor& color) {
    if (IsElementEntry(entry)) prop.View.Colors[entry].Color = color;
    if (IsMarkEntry(entry)) MarkOf(prop, entry).Color = color;
}

void SetEntryBkColor(TEditorExProp& prop, int entry, const QColor& color) {
    if (IsElementEntry(entry)) prop.View.Colors[entry].BkColor = color;
}

void SetEntryStyle(TEditorExProp& prop, int entry, const TFontStyles& style) {
    if (IsElementEntry(entry)) prop.View.Colors[entry].Style = style;
}

void ApplyToAllEntries(TEditorExProp& prop, const QColor& color, const QColor& bkColor, const TFontStyles& style) {
    for (int i = 0; i < TEditorColors::Count; ++i) prop.View.Colors[i] = {color, bkColor, style};
    for (int i = 0; i < TEditorMarks::Count; ++i) prop.Marks[i].Color = color;
}

void SetBackground(TEditorExProp& prop, const QColor& color) {
    prop.Color = color;
    prop.Leftbar.BkColor = color;
}

QString BracketCaption(const TEditorBracketItem& item) { return item.LeftBracket + u' ' + item.RightBracket; }

QStringList BracketCaptions(const TEditorBrackets& brackets) {
    QStringList captions;
    for (const TEditorBracketItem& item : brackets.Items) captions << BracketCaption(item);
    return captions;
}

int AddBracket(TEditorBrackets& brackets, const QString& left, const QString& right,
               const std::optional<BracketLook>& selectedLook, const TFontStyles& style) {
    const BracketLook look = selectedLook.value_or(BracketLook{editorcolors::clTeal, editorcolors::clWhite});
    brackets.Items.append({left, right, look.color, look.bkColor, style});
    return int(brackets.Items.size()) - 1;
}

CheckedNumber CheckNumber(const QString& text, int min, int max) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return {NumberVerdict::Empty};
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    if (!ok) return {NumberVerdict::NotANumber};
    if (value < min || value > max) return {NumberVerdict::OutOfRange, value};
    return {NumberVerdict::Store, value};
}

int GaugeItemOf(int gaugeRange) { return gaugeRange == 10 ? 0 : 1; }

int GaugeOfItem(int item) { return item == 0 ? 10 : 8; }

bool NumberModeChecked(TNumberMode mode) { return mode == nmLine; }

TNumberMode NumberModeOf(bool checked) { return checked ? nmLine : nmRow; }

int ScrollItemOf(TScrollStyle style) { return int(style); }

TScrollStyle ScrollStyleOf(int item) { return TScrollStyle(std::clamp(item, int(ssNone), int(ssBoth))); }

QByteArray PreviewText() {
    static const QStringList lines = {
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789",
        "あいうえお かきくけこ アイウエオ ｱｲｳｴｵ",
        "http://www.example.com/",
        "someone@example.com",
        "int number = 0; string text = \"文字列\";",
        "// 一行のコメント",
        "/* 二行に",
        "   わたるコメント */",
    };
    return cp932::encode(lines.join("\r\n"));
}

}  // namespace appearance
