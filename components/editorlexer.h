#pragma once
// The colouring lexer: runs the SyntaxScanner over the lines the widget asks
// for and gives each token the style of its class. The state a line ends in
// (inside which bracket pair, if any) is kept as the line's state, so
// styling can start at any line.
#include "components/editorexprop.h"
#include "components/syntaxscanner.h"
#include "components/wrapunits.h"

#include <Qsci/qscilexercustom.h>

#include <memory>

class TEditorLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    // Style numbers; bracket pair i has style BracketBase + i. While word
    // wrap is on, every style has a twin (style + TwinOffset) that looks the
    // same: neighbouring wrap units alternate between the two, so that a
    // style change marks each place where a row may begin.
    enum Style {
        AnkStyle = 0,
        DbcsStyle,
        IntStyle,
        SymbolStyle,
        UrlStyle,
        MailStyle,
        StrStyle,
        ReserveStyle,
        CommentStyle,
        BracketBase = 40,
        TwinOffset = 128,
    };
    static constexpr int MaxBrackets = TwinOffset - BracketBase;

    explicit TEditorLexer(QObject* parent = nullptr);

    // Takes the rules and colours of the property set; `fontFamily` is the
    // family the widget can use for the property set's font.
    void setProp(const TEditorExProp& prop, const QString& fontFamily);
    const SyntaxScanner& scanner() const { return *scanner_; }

    static int styleOf(const Token& token);

    // State line `line` starts in, styling the text before it if needed.
    int lineStartState(int line);

    const char* language() const override { return "Quodex"; }
    QString description(int style) const override;
    void styleText(int start, int end) override;

    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    QColor defaultColor() const { return prop_.Font.Color; }
    QColor defaultPaper() const { return prop_.Color; }
    QFont defaultFont() const { return font_; }

private:
    const TEditorColor* colorOf(int style) const;
    // The style of every byte of one line's UTF-8 text.
    void styleLine(const QString& text, const ScannedLine& scanned, char* styles) const;
    QFont fontOf(const TFontStyles& style) const;

    TEditorExProp prop_;
    QFont font_;
    std::unique_ptr<SyntaxScanner> scanner_;
    std::unique_ptr<WrapUnits> wrapUnits_;  // only while word wrap is on
    TEditorColor bracketLook_;  // scratch for colorOf
};
