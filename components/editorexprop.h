#pragma once
// One complete set of the editor's appearance and typing properties, with
// the built-in defaults, persistence in the settings hive and application
// onto an editor.
//
// A plain value: copy it, compare it, edit it field by field. Property names
// follow the editor's published property tree (Font, Color, Caret, Leftbar,
// Marks, Ruler, Margin, View, WrapOption, ReserveWordList, ScrollBars,
// WordWrap).
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class TEditorEx;

// The classic 16 colours the defaults are given in.
namespace editorcolors {
inline const QColor clBlack{0, 0, 0};
inline const QColor clWhite{255, 255, 255};
inline const QColor clBlue{0, 0, 255};
inline const QColor clNavy{0, 0, 128};
inline const QColor clTeal{0, 128, 128};
inline const QColor clGray{128, 128, 128};
inline const QColor clSilver{192, 192, 192};
}  // namespace editorcolors

struct TFontStyles {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool operator==(const TFontStyles&) const = default;
};

struct TEditorFont {
    QString Name = QStringLiteral("ＭＳ ゴシック");
    int Height = 14;     // character height in pixels
    int Charset = 128;   // Shift-JIS
    QColor Color = editorcolors::clBlack;
    TFontStyles Style;

    // Size in points at the classic 96 dots per inch, as the settings show it.
    int Size() const;
    void SetSize(int points);
    bool operator==(const TEditorFont&) const = default;
};

// Colour, background and style of one syntax element.
struct TEditorColor {
    QColor Color = editorcolors::clBlack;
    QColor BkColor = editorcolors::clWhite;
    TFontStyles Style;
    bool operator==(const TEditorColor&) const = default;
};

struct TEditorColors {
    TEditorColor Ank;
    TEditorColor DBCS;
    TEditorColor Int;
    TEditorColor Symbol;
    TEditorColor Url{editorcolors::clBlue, editorcolors::clWhite, {}};
    TEditorColor Mail{editorcolors::clBlue, editorcolors::clWhite, {}};
    TEditorColor Str;
    TEditorColor Select{editorcolors::clWhite, editorcolors::clNavy, {}};
    TEditorColor Reserve{editorcolors::clBlack, editorcolors::clWhite, {true, false, false}};
    TEditorColor Hit{editorcolors::clBlack, editorcolors::clGray, {}};
    TEditorColor Comment{editorcolors::clTeal, editorcolors::clWhite, {}};

    // The eleven elements in the order of the settings' colour list.
    static constexpr int Count = 11;
    TEditorColor& operator[](int index);
    const TEditorColor& operator[](int index) const;
    bool operator==(const TEditorColors&) const = default;
};

struct TEditorBracketItem {
    QString LeftBracket;
    QString RightBracket;
    QColor ItemColor = editorcolors::clTeal;
    QColor ItemBkColor = editorcolors::clWhite;
    TFontStyles ItemStyle;
    bool operator==(const TEditorBracketItem&) const = default;
};

struct TEditorBrackets {
    QList<TEditorBracketItem> Items{{QStringLiteral("/*"), QStringLiteral("*/"), editorcolors::clTeal,
                                     editorcolors::clWhite, {}}};
    // The standard look of the collection: what new pairs start with.
    QColor Color = editorcolors::clTeal;
    QColor BkColor = editorcolors::clWhite;
    TFontStyles Style;

    // Makes colour, background and style the standard and gives them to
    // every pair.
    void SetStandard(const QColor& color, const QColor& bkColor, const TFontStyles& style);
    bool operator==(const TEditorBrackets&) const = default;
};

struct TEditorViewInfo {
    TEditorColors Colors;
    TEditorBrackets Brackets;
    QString Commenter = QStringLiteral("//");
    QString HexPrefix = QStringLiteral("0x");
    QString Quotation = QStringLiteral("\"");
    bool Url = true;
    bool Mail = true;
    bool ControlCode = false;
    bool operator==(const TEditorViewInfo&) const = default;
};

// Mouse cursor shapes (Qt::CursorShape values) the editor shows by area.
struct TEditorCursors {
    int DefaultCursor = 4;      // I-beam
    int LeftMarginCursor = 0;   // arrow
    int TopMarginCursor = 0;
    int InSelCursor = 0;
    int DragSelCursor = 20;     // drag-move
    bool operator==(const TEditorCursors&) const = default;
};

struct TEditorCaret {
    bool AutoIndent = true;
    bool BackSpaceUnIndent = true;
    bool FreeCaret = true;
    bool FreeRow = false;
    bool InTab = false;
    bool KeepCaret = false;
    bool LockScroll = false;
    bool NextLine = false;
    bool SelMove = true;
    bool RowSelect = true;
    int TabSpaceCount = 8;
    TEditorCursors Cursors;
    bool operator==(const TEditorCaret&) const = default;
};

enum TNumberMode { nmLine = 0, nmRow = 1 };

struct TEditorLeftbar {
    bool Visible = true;
    TNumberMode ShowNumberMode = nmLine;
    bool ZeroBase = false;
    bool ZeroLead = false;
    QColor Color = editorcolors::clBlack;
    QColor BkColor = editorcolors::clWhite;
    bool Edge = false;
    bool operator==(const TEditorLeftbar&) const = default;
};

struct TEditorMark {
    QColor Color = editorcolors::clGray;
    bool Visible = false;
    bool operator==(const TEditorMark&) const = default;
};

struct TEditorMarks {
    TEditorMark EofMark{editorcolors::clGray, true};
    TEditorMark RetMark;
    TEditorMark WrapMark;
    TEditorMark HideMark;   // the column limit
    TEditorMark Underline;  // under the caret's row

    // The five marks in the order of the settings' colour list.
    static constexpr int Count = 5;
    TEditorMark& operator[](int index);
    const TEditorMark& operator[](int index) const;
    bool operator==(const TEditorMarks&) const = default;
};

struct TEditorRuler {
    bool Visible = true;
    int GaugeRange = 10;
    QColor BkColor = editorcolors::clSilver;
    QColor Color = editorcolors::clBlack;
    QColor MarkColor = editorcolors::clBlue;
    bool Edge = true;
    bool operator==(const TEditorRuler&) const = default;
};

struct TEditorMargin {
    int Left = 6;
    int Top = 2;
    int Character = 0;
    int Line = 0;
    bool operator==(const TEditorMargin&) const = default;
};

struct TEditorWrapOption {
    bool FollowRetMark = true;
    bool FollowPunctuation = true;
    bool Leading = true;
    bool WordBreak = true;
    int WrapByte = 80;
    QString FollowStr = DefaultFollowStr();
    QString LeadStr = DefaultLeadStr();
    QString PunctuationStr = DefaultPunctuationStr();

    // Characters that may not start a line, may not end one, and that may
    // hang past the margin.
    static QString DefaultFollowStr();
    static QString DefaultLeadStr();
    static QString DefaultPunctuationStr();
    bool operator==(const TEditorWrapOption&) const = default;
};

enum TScrollStyle { ssNone = 0, ssVertical = 1, ssHorizontal = 2, ssBoth = 3 };

struct TEditorExProp {
    TEditorFont Font;
    QColor Color = editorcolors::clWhite;  // background
    TEditorCaret Caret;
    TEditorLeftbar Leftbar;
    TEditorMarks Marks;
    TEditorRuler Ruler;
    TEditorMargin Margin;
    TEditorViewInfo View;
    TEditorWrapOption WrapOption;
    QStringList ReserveWordList = DefaultReserveWordList();
    TScrollStyle ScrollBars = ssBoth;
    bool WordWrap = false;

    static QStringList DefaultReserveWordList();

    // Loads the whole set stored under key/section/name; anything missing or
    // unreadable keeps its default, so a damaged store gives a usable set.
    void ReadReg(const QString& key, const QString& section, const QString& name);
    void WriteReg(const QString& key, const QString& section, const QString& name) const;

    // Gives every property to the editor.
    void AssignTo(TEditorEx& editor) const;

    bool operator==(const TEditorExProp&) const = default;
};
