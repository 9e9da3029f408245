#pragma once
// What the appearance window does to a property set, apart from its
// controls: the colour list's sixteen entries, the bracket pairs, the number
// fields' ranges and the few control-to-property mappings that are not one
// to one.
#include "components/editorexprop.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

namespace appearance {

// ---- the colour list: the eleven syntax elements, then the five marks ----

inline constexpr int kColourEntries = TEditorColors::Count + TEditorMarks::Count;

QStringList ColourEntryCaptions();
bool IsMarkEntry(int entry);

// How an entry looks: a mark shows its one colour as text and background
// and has no style.
struct EntryLook {
    QColor color;
    QColor bkColor;
    TFontStyles style;
};
EntryLook LookOf(const TEditorExProp& prop, int entry);
void SetEntryColor(TEditorExProp& prop, int entry, const QColor& color);
// Marks have no background or style: these leave them alone.
void SetEntryBkColor(TEditorExProp& prop, int entry, const QColor& color);
void SetEntryStyle(TEditorExProp& prop, int entry, const TFontStyles& style);

// Colour, background and style to every syntax element, the colour to every
// mark.
void ApplyToAllEntries(TEditorExProp& prop, const QColor& color, const QColor& bkColor, const TFontStyles& style);

// The editor's background, which the line numbers' background follows.
void SetBackground(TEditorExProp& prop, const QColor& color);

// ---- bracket pairs ----

// "left right", as the list shows a pair.
QString BracketCaption(const TEditorBracketItem& item);
QStringList BracketCaptions(const TEditorBrackets& brackets);

// Appends a pair and returns its index. It takes `selectedLook` (the panels'
// colours while a pair is selected) or else teal on white.
struct BracketLook {
    QColor color;
    QColor bkColor;
};
int AddBracket(TEditorBrackets& brackets, const QString& left, const QString& right,
               const std::optional<BracketLook>& selectedLook, const TFontStyles& style);

// ---- number fields ----

// A number field's text against its range: stored when it is a decimal
// integer in [min, max]; out of range it is left alone; a text that is no
// number is for the user to hear about. An empty field (the user is between
// two numbers) is left alone without a word.
enum class NumberVerdict { Store, OutOfRange, NotANumber, Empty };
struct CheckedNumber {
    NumberVerdict verdict;
    int value = 0;
};
CheckedNumber CheckNumber(const QString& text, int min, int max);

struct NumberRange {
    int min;
    int max;
};
// Font size in points, spacing between characters, wrap width in columns.
inline constexpr NumberRange kFontSizeRange{1, 140};
inline constexpr NumberRange kCharacterSpacingRange{0, 100};
inline constexpr NumberRange kWrapWidthRange{20, 250};

// ---- mappings that are not one to one ----

// Ruler gauge <-> the radio item: 10 is item 0, anything else shows as 8.
int GaugeItemOf(int gaugeRange);
int GaugeOfItem(int item);

// The line-number mode box is checked for the mode that counts a wrapped
// line once.
bool NumberModeChecked(TNumberMode mode);
TNumberMode NumberModeOf(bool checked);

// Scroll bar radio item <-> style: none, vertical, horizontal, both.
int ScrollItemOf(TScrollStyle style);
TScrollStyle ScrollStyleOf(int item);

// ---- the preview ----

// The sample the preview shows, in Shift-JIS with CR LF: letters and digits,
// kana, a URL, a mail address, a string with the words int and string, a
// line comment and a block comment over two lines.
QByteArray PreviewText();

}  // namespace appearance
