#include "components/editorlexer.h"

#include "components/sjiscolumns.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstring>

namespace {

ScanRules rulesOf(const TEditorExProp& prop) {
    ScanRules rules;
    const auto& items = prop.View.Brackets.Items;
    for (int i = 0; i < std::min<int>(items.size(), TEditorLexer::MaxBrackets); ++i) {
        rules.brackets.append({items[i].LeftBracket, items[i].RightBracket});
    }
    rules.commenter = prop.View.Commenter;
    rules.quotation = prop.View.Quotation;
    rules.hexPrefix = prop.View.HexPrefix;
    rules.reservedWords = prop.ReserveWordList;
    rules.url = prop.View.Url;
    rules.mail = prop.View.Mail;
    rules.controlCode = prop.View.ControlCode;
    return rules;
}

// UTF-8 bytes of text[from, from + length).
int utf8Length(QStringView text, qsizetype from, qsizetype length) {
    int bytes = 0;
    for (qsizetype i = from; i < from + length; ++i) {
        const char16_t c = text[i].unicode();
        bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : QChar::isSurrogate(c) ? 2 : 3;
    }
    return bytes;
}

// End of a line's text: the first CR or LF from `at`.
qsizetype lineContentEnd(const char* bytes, qsizetype at, qsizetype size) {
    const void* lf = std::memchr(bytes + at, '\n', std::size_t(size - at));
    const qsizetype limit = lf ? static_cast<const char*>(lf) - bytes : size;
    const void* cr = std::memchr(bytes + at, '\r', std::size_t(limit - at));
    return cr ? static_cast<const char*>(cr) - bytes : limit;
}

// Start of the next line after the line end at `contentEnd`.
qsizetype lineEnd(const char* bytes, qsizetype contentEnd, qsizetype size) {
    if (contentEnd >= size) return size;
    if (bytes[contentEnd] == '\r' && contentEnd + 1 < size && bytes[contentEnd + 1] == '\n') return contentEnd + 2;
    return contentEnd + 1;
}

}  // namespace

TEditorLexer::TEditorLexer(QObject* parent)
    : QsciLexerCustom(parent), scanner_(std::make_unique<SyntaxScanner>(ScanRules{})) {}

void TEditorLexer::setProp(const TEditorExProp& prop, const QString& fontFamily) {
    prop_ = prop;
    font_ = QFont(fontFamily);
    font_.setPointSizeF(prop.Font.Height * 72.0 / 96.0);
    scanner_ = std::make_unique<SyntaxScanner>(rulesOf(prop));
    wrapUnits_ = prop.WordWrap ? std::make_unique<WrapUnits>(prop.WrapOption, prop.Caret.TabSpaceCount) : nullptr;

    setDefaultColor(defaultColor());
    setDefaultPaper(defaultPaper());
    setDefaultFont(font_);
    const int lastStyle = BracketBase + int(scanner_->rules().brackets.size()) - 1;
    for (int base = 0; base <= std::max<int>(CommentStyle, lastStyle); ++base) {
        if (description(base).isEmpty()) continue;
        for (const int style : {base, base + TwinOffset}) {
            setColor(defaultColor(style), style);
            setPaper(defaultPaper(style), style);
            setFont(defaultFont(style), style);
        }
    }
    // The default style measures the free space past a line's end and the
    // column-limit edge, so it takes the text's font too.
    setFont(font_, QsciScintillaBase::STYLE_DEFAULT);
    if (QsciScintilla* e = editor()) {
        e->SendScintilla(QsciScintillaBase::SCI_STYLESETFORE, QsciScintillaBase::STYLE_DEFAULT, defaultColor());
        e->SendScintilla(QsciScintillaBase::SCI_STYLESETBACK, QsciScintillaBase::STYLE_DEFAULT, defaultPaper());
        // Forget every style so the text is coloured again with the new
        // rules, as the widget draws it.
        e->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0L, 0L);
        e->viewport()->update();
    }
}

QString TEditorLexer::description(int style) const {
    if (style >= TwinOffset) return style - TwinOffset <= TwinOffset - 1 ? description(style - TwinOffset) : QString();
    static const char* names[] = {"Ank", "DBCS", "Int", "Symbol", "Url", "Mail", "Str", "Reserve", "Comment"};
    if (style >= 0 && style <= CommentStyle) return QString::fromLatin1(names[style]);
    const int bracket = style - BracketBase;
    if (scanner_ && bracket >= 0 && bracket < scanner_->rules().brackets.size()) {
        return QStringLiteral("Bracket%1").arg(bracket);
    }
    return {};
}

int TEditorLexer::styleOf(const Token& token) {
    switch (token.kind) {
    case TokenKind::DBCS: return DbcsStyle;
    case TokenKind::Int: return IntStyle;
    case TokenKind::Symbol:
    case TokenKind::Control: return SymbolStyle;
    case TokenKind::Url: return UrlStyle;
    case TokenKind::Mail: return MailStyle;
    case TokenKind::Str: return StrStyle;
    case TokenKind::Reserve: return ReserveStyle;
    case TokenKind::Comment: return CommentStyle;
    case TokenKind::Bracket: return BracketBase + token.bracket;
    default: return AnkStyle;
    }
}

const TEditorColor* TEditorLexer::colorOf(int style) const {
    if (style >= TwinOffset) style -= TwinOffset;
    const TEditorColors& c = prop_.View.Colors;
    switch (style) {
    case AnkStyle: return &c.Ank;
    case DbcsStyle: return &c.DBCS;
    case IntStyle: return &c.Int;
    case SymbolStyle: return &c.Symbol;
    case UrlStyle: return &c.Url;
    case MailStyle: return &c.Mail;
    case StrStyle: return &c.Str;
    case ReserveStyle: return &c.Reserve;
    case CommentStyle: return &c.Comment;
    default: break;
    }
    const int bracket = style - BracketBase;
    const auto& items = prop_.View.Brackets.Items;
    if (bracket < 0 || bracket >= items.size()) return nullptr;
    auto& look = const_cast<TEditorColor&>(bracketLook_);
    look = {items[bracket].ItemColor, items[bracket].ItemBkColor, items[bracket].ItemStyle};
    return &look;
}

QFont TEditorLexer::fontOf(const TFontStyles& style) const {
    QFont f = font_;
    f.setBold(style.Bold);
    f.setItalic(style.Italic);
    f.setUnderline(style.Underline);
    return f;
}

QColor TEditorLexer::defaultColor(int style) const {
    const TEditorColor* c = colorOf(style);
    return c ? c->Color : prop_.Font.Color;
}

QColor TEditorLexer::defaultPaper(int style) const {
    const TEditorColor* c = colorOf(style);
    return c ? c->BkColor : prop_.Color;
}

QFont TEditorLexer::defaultFont(int style) const {
    const TEditorColor* c = colorOf(style);
    return c ? fontOf(c->Style) : font_;
}

int TEditorLexer::lineStartState(int line) {
    QsciScintilla* e = editor();
    if (e == nullptr || line <= 0) return 0;
    const long lineStart = e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long styled = e->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    if (styled < lineStart) styleText(int(styled), int(lineStart));
    return int(e->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line - 1));
}

// Styles whole lines from the one holding `start` through the one holding
// `end - 1`, writing all style bytes with one call.
void TEditorLexer::styleText(int start, int end) {
    QsciScintilla* e = editor();
    if (e == nullptr || end <= start) return;
    using B = QsciScintillaBase;
    const long lines = e->SendScintilla(B::SCI_GETLINECOUNT);
    const long length = e->SendScintilla(B::SCI_GETLENGTH);
    long line = e->SendScintilla(B::SCI_LINEFROMPOSITION, start);
    const long first = e->SendScintilla(B::SCI_POSITIONFROMLINE, line);
    const long lastLine = e->SendScintilla(B::SCI_LINEFROMPOSITION, std::min<long>(end, length) - 1);
    const long stop = lastLine + 1 < lines ? e->SendScintilla(B::SCI_POSITIONFROMLINE, lastLine + 1) : length;
    if (stop <= first) return;
    const auto* bytes = reinterpret_cast<const char*>(e->SendScintilla(B::SCI_GETRANGEPOINTER, first, stop - first));
    const qsizetype size = stop - first;
    QByteArray styles(size, char(AnkStyle));
    int state = line > 0 ? int(e->SendScintilla(B::SCI_GETLINESTATE, line - 1)) : 0;
    qsizetype at = 0;
    while (at < size) {
        const qsizetype contentEnd = lineContentEnd(bytes, at, size);
        const QString text = QString::fromUtf8(bytes + at, contentEnd - at);
        const ScannedLine scanned = scanner_->scan(text, state);
        styleLine(text, scanned, styles.data() + at);
        state = scanned.endState;
        e->SendScintilla(B::SCI_SETLINESTATE, line++, long(state));
        at = lineEnd(bytes, contentEnd, size);
    }
    startStyling(int(first));
    e->SendScintilla(B::SCI_SETSTYLINGEX, static_cast<unsigned long>(size), styles.constData());
}

// With word wrap the widget breaks a row at the last change of style (or
// after blanks) before the first character that reaches past the text
// area, which is WrapByte + 2.5 columns wide (see refreshWrapWidth); when
// there is none, before that character itself. The rows WrapUnits lays out
// are reproduced by giving every other row the twin styles, so a style
// changes where each row begins, and by giving the characters between a
// row's start and the widget's overflow point the style of that start, so
// no change lies between them. A row whose next row begins at a character
// that does not fit the area (hanging punctuation) is given one style
// throughout, so the widget breaks right at that character.
void TEditorLexer::styleLine(const QString& text, const ScannedLine& scanned, char* styles) const {
    if (!wrapUnits_) {
        qsizetype byte = 0;
        for (const Token& t : scanned.tokens) {
            const int n = utf8Length(text, t.start, t.length);
            std::memset(styles + byte, styleOf(t), std::size_t(n));
            byte += n;
        }
        return;
    }
    std::vector<unsigned char> perChar(std::size_t(text.size()), AnkStyle);
    for (const Token& t : scanned.tokens) {
        std::fill_n(perChar.begin() + t.start, t.length, static_cast<unsigned char>(styleOf(t)));
    }
    const std::vector<int> cols = wrapUnits_->columns(text);
    std::vector<qsizetype> starts = wrapUnits_->rowStarts(text, cols);
    starts.insert(starts.begin(), 0);
    const int area = 2 * wrapUnits_->wrapByte() + 5;  // twice the area's width in columns
    auto fits = [&](qsizetype i, qsizetype rowStart) {
        return 2 * (cols[std::size_t(i) + 1] - cols[std::size_t(rowStart)]) < area;
    };
    for (std::size_t row = 0; row < starts.size(); ++row) {
        const qsizetype start = starts[row];
        const qsizetype next = row + 1 < starts.size() ? starts[row + 1] : text.size();
        const int twin = row % 2 ? TwinOffset : 0;
        if (next < text.size() && !fits(next, start)) {
            std::fill(perChar.begin() + start, perChar.begin() + next, perChar[std::size_t(start)]);
        } else if (next < text.size()) {
            for (qsizetype i = next + 1; i < text.size() && fits(i, start); ++i) perChar[std::size_t(i)] = perChar[std::size_t(next)];
        }
        for (qsizetype i = start; i < next; ++i) perChar[std::size_t(i)] = static_cast<unsigned char>((perChar[std::size_t(i)] & 127) + twin);
    }
    qsizetype byte = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = utf8Length(text, i, 1);
        std::memset(styles + byte, perChar[std::size_t(i)], std::size_t(n));
        byte += n;
    }
}
