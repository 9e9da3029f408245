// TEditorEx: applying the property set, line numbers, marks and the ruler.
#include "components/bookmarkglyph.h"
#include "components/editordocstate.h"
#include "components/editorex.h"
#include "components/editorlexer.h"
#include "components/editorruler.h"
#include "components/editorview.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

#include <algorithm>

using B = QsciScintillaBase;

namespace {

constexpr int kUnderlineMarker = 20;
constexpr int kHitBack = 8;
constexpr int kHitFore = 9;
constexpr int kHitUnder = 10;
constexpr int kColumnLimit = 1000;
constexpr int kEdgeMargin = 2;

// The family to draw the named font with. A font that is not installed
// (the classic Japanese names usually are not) is replaced by an installed
// fixed-pitch Japanese family, since the editor and its box selection are
// built around equal-width columns.
QString usableFamily(const QString& name) {
    static QHash<QString, QString> known;
    if (const auto it = known.constFind(name); it != known.constEnd()) return *it;
    QString family = name;
    if (!QFontDatabase::hasFamily(name)) {
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        const auto fixed = std::find_if(japanese.begin(), japanese.end(), [](const QString& f) {
            return QFontDatabase::isFixedPitch(f) && f.contains(QLatin1String("JP"));
        });
        if (fixed != japanese.end()) {
            family = *fixed;
        } else {
            QFont font(name);
            font.setStyleHint(QFont::TypeWriter);
            family = QFontInfo(font).family();
        }
    }
    known.insert(name, family);
    return family;
}

int digits(long n) {
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}

}  // namespace

void TEditorEx::ApplyProp(const TEditorExProp& prop) {
    prop_ = prop;
    lexer_->setProp(prop, usableFamily(prop.Font.Name));
    const QFont font = lexer_->defaultFont();

    const TEditorColors& colors = prop.View.Colors;
    view_->setSelectionForegroundColor(colors.Select.Color);
    view_->setSelectionBackgroundColor(colors.Select.BkColor);
    view_->setCaretForegroundColor(prop.Font.Color);

    // Left bar: line numbers (margin 0) and bookmarks (margin 1).
    view_->setMarginsFont(font);
    view_->setMarginsForegroundColor(prop.Leftbar.Color);
    view_->setMarginsBackgroundColor(prop.Leftbar.BkColor);
    defineBookmarkMarkers(font);
    marginDigits_ = 0;
    sci(B::SCI_MARGINTEXTCLEARALL);
    refreshMarginWidth();
    refreshLineNumbers();
    for (int margin = 0; margin < 2; ++margin) sci(B::SCI_SETMARGINSENSITIVEN, margin, !prop.Caret.RowSelect);
    // The left bar's edge: a one-pixel margin between it and the text.
    sci(B::SCI_SETMARGINTYPEN, kEdgeMargin, B::SC_MARGIN_COLOUR);
    sci(B::SCI_SETMARGINMASKN, kEdgeMargin, 0);
    sci(B::SCI_SETMARGINWIDTHN, kEdgeMargin, prop.Leftbar.Visible && prop.Leftbar.Edge ? 1 : 0);
    view_->SendScintilla(B::SCI_SETMARGINBACKN, kEdgeMargin, prop.Leftbar.Color);

    // Typing.
    view_->setAutoIndent(prop.Caret.AutoIndent);
    view_->setBackspaceUnindents(prop.Caret.BackSpaceUnIndent);
    view_->setTabWidth(prop.Caret.TabSpaceCount);
    sci(B::SCI_SETVIRTUALSPACEOPTIONS,
        B::SCVS_RECTANGULARSELECTION | (prop.Caret.FreeCaret ? B::SCVS_USERACCESSIBLE : 0));

    // Scrolling and wrapping.
    sci(B::SCI_SETHSCROLLBAR, prop.ScrollBars == ssHorizontal || prop.ScrollBars == ssBoth);
    sci(B::SCI_SETVSCROLLBAR, prop.ScrollBars == ssVertical || prop.ScrollBars == ssBoth);
    // The lexer marks every place a row may begin with a change of style
    // (see WrapUnits); word wrap breaks only there and after blanks.
    sci(B::SCI_SETWRAPMODE, prop.WordWrap ? B::SC_WRAP_WORD : B::SC_WRAP_NONE);
    sci(B::SCI_SETWRAPVISUALFLAGS, prop.Marks.WrapMark.Visible ? B::SC_WRAPVISUALFLAG_END : 0);
    view_->SendScintilla(B::SCI_SETWHITESPACEFORE, 1UL, prop.Marks.WrapMark.Color);
    refreshWrapWidth();

    // Marks.
    const TEditorMarks& marks = prop.Marks;
    sci(B::SCI_SETEDGEMODE, marks.HideMark.Visible ? B::EDGE_LINE : B::EDGE_NONE);
    sci(B::SCI_SETEDGECOLUMN, kColumnLimit);
    view_->SendScintilla(B::SCI_SETEDGECOLOUR, marks.HideMark.Color);
    view_->SendScintilla(B::SCI_MARKERSETBACK, kUnderlineMarker, marks.Underline.Color);
    underlineRow_ = -1;
    refreshCaretUnderline();
    view_->setMarks({marks.EofMark.Visible, marks.RetMark.Visible, marks.EofMark.Color, marks.RetMark.Color, font});

    sci(B::SCI_SETMARGINLEFT, 0, prop.Margin.Left);
    sci(B::SCI_SETEXTRADESCENT, prop.Margin.Line);
    view_->setTopMargin(prop.Margin.Top, prop.Color);

    // Search hits.
    sci(B::SCI_INDICSETSTYLE, kHitBack, B::INDIC_FULLBOX);
    view_->SendScintilla(B::SCI_INDICSETFORE, kHitBack, colors.Hit.BkColor);
    sci(B::SCI_INDICSETALPHA, kHitBack, 255);
    sci(B::SCI_INDICSETOUTLINEALPHA, kHitBack, 255);
    sci(B::SCI_INDICSETUNDER, kHitBack, 1);
    sci(B::SCI_INDICSETSTYLE, kHitFore, B::INDIC_TEXTFORE);
    view_->SendScintilla(B::SCI_INDICSETFORE, kHitFore, colors.Hit.Color);
    sci(B::SCI_INDICSETSTYLE, kHitUnder, colors.Hit.Style.Underline ? B::INDIC_PLAIN : B::INDIC_HIDDEN);
    view_->SendScintilla(B::SCI_INDICSETFORE, kHitUnder, colors.Hit.Color);
    hitsValid_ = false;
    refreshHits();

    ruler_->setRuler(prop.Ruler, font);
    ruler_->setCursor(Qt::CursorShape(prop.Caret.Cursors.TopMarginCursor));
    ruler_->setCaretColumn(Col());
}

void TEditorEx::SetPopupMenu(QMenu* menu) { view_->setPopupMenu(menu); }

Qt::CursorShape TEditorEx::cursorAt(QPoint viewportPos) const {
    const TEditorCursors& cursors = prop_.Caret.Cursors;
    if (linkCursor_ || (openLinks_ && linkAt(viewportPos, nullptr))) return Qt::PointingHandCursor;
    int textLeft = 0;
    for (int m = 0; m < 5; ++m) textLeft += int(sci(B::SCI_GETMARGINWIDTHN, m));
    if (viewportPos.x() < textLeft) return Qt::CursorShape(cursors.LeftMarginCursor);
    const long pos = sci(B::SCI_POSITIONFROMPOINTCLOSE, viewportPos.x(), viewportPos.y());
    const long start = sci(B::SCI_GETSELECTIONSTART);
    const long end = sci(B::SCI_GETSELECTIONEND);
    if (pos >= 0 && start < end && pos >= start && pos < end) return Qt::CursorShape(cursors.InSelCursor);
    return Qt::CursorShape(cursors.DefaultCursor);
}

void TEditorEx::onUpdateUi(int updated) {
    if (updated & B::SC_UPDATE_V_SCROLL) followScroll();
    if (updated & B::SC_UPDATE_SELECTION) caretChanged();
    refreshHits();
    refreshLineNumbers();
    if (ruler_->isVisible()) ruler_->update();
}

void TEditorEx::defineBookmarkMarkers(const QFont& font) {
    const QSize size(std::max(14, QFontMetrics(font).horizontalAdvance(u'0') * 2), int(sci(B::SCI_TEXTHEIGHT, 0)));
    sci(B::SCI_SETMARGINWIDTHN, 1, size.width());
    // QScintilla takes the picture as a QImage; the size places it in the row.
    sci(B::SCI_RGBAIMAGESETWIDTH, size.width());
    sci(B::SCI_RGBAIMAGESETHEIGHT, size.height());
    for (int n = 0; n < 10; ++n)
        view_->SendScintilla(B::SCI_MARKERDEFINERGBAIMAGE, n,
                             bookmarkGlyph(n, size, prop_.Leftbar.Color, prop_.Leftbar.BkColor, font));
}

void TEditorEx::refreshMarginWidth() {
    const TEditorLeftbar& bar = prop_.Leftbar;
    if (!bar.Visible) {
        sci(B::SCI_SETMARGINWIDTHN, 0, 0L);
        marginDigits_ = 0;
        return;
    }
    const long lines = sci(B::SCI_GETLINECOUNT);
    const int wanted = std::max(4, digits(bar.ZeroBase ? lines - 1 : lines));
    if (wanted == marginDigits_) return;
    marginDigits_ = wanted;
    view_->setMarginWidth(0, QString(wanted + 1, u'9'));
}

// Numbers counted from zero or padded with zeros are drawn as margin text
// for the rows on screen; plain numbers are the widget's own.
void TEditorEx::refreshLineNumbers() {
    const TEditorLeftbar& bar = prop_.Leftbar;
    const bool byRow = bar.ShowNumberMode == nmRow && prop_.WordWrap;
    const bool ownNumbers = bar.Visible && (bar.ZeroBase || bar.ZeroLead || byRow);
    sci(B::SCI_SETMARGINTYPEN, 0, ownNumbers ? B::SC_MARGIN_RTEXT : B::SC_MARGIN_NUMBER);
    if (!ownNumbers) return;
    const long lines = sci(B::SCI_GETLINECOUNT);
    const long firstVisible = sci(B::SCI_GETFIRSTVISIBLELINE);
    const long first = sci(B::SCI_DOCLINEFROMVISIBLE, firstVisible);
    const long last = sci(B::SCI_DOCLINEFROMVISIBLE, firstVisible + sci(B::SCI_LINESONSCREEN) + 1);
    for (long line = first; line <= last && line < lines; ++line) {
        const QByteArray text = lineNumberText(line, byRow);
        QByteArray current(int(sci(B::SCI_MARGINGETTEXT, line)), '\0');
        if (!current.isEmpty()) sciPtr(B::SCI_MARGINGETTEXT, line, current.data());
        if (current == text) continue;
        sciPtr(B::SCI_MARGINSETTEXT, line, text.constData());
        sci(B::SCI_MARGINSETSTYLE, line, B::STYLE_LINENUMBER);
    }
}

// The number of a text line, or with `byRow` the numbers of each of the
// screen rows it is shown on, one per row.
QByteArray TEditorEx::lineNumberText(long line, bool byRow) const {
    const TEditorLeftbar& bar = prop_.Leftbar;
    const long first = byRow ? sci(B::SCI_VISIBLEFROMDOCLINE, line) : line;
    const long rows = byRow ? std::max(1L, sci(B::SCI_WRAPCOUNT, line)) : 1;
    QByteArray text;
    for (long row = 0; row < rows; ++row) {
        const long number = first + row + (bar.ZeroBase ? 0 : 1);
        if (row > 0) text += '\n';
        text += bar.ZeroLead ? QByteArray::number(qlonglong(number)).rightJustified(marginDigits_, '0')
                             : QByteArray::number(qlonglong(number));
    }
    return text;
}

void TEditorEx::refreshCaretUnderline() {
    if (!prop_.Marks.Underline.Visible) {
        if (underlineRow_ >= 0) sci(B::SCI_MARKERDELETEHANDLE, underlineRow_);
        underlineRow_ = -1;
        return;
    }
    // underlineRow_ holds the marker's handle: it follows its row through edits.
    const long row = Row();
    if (underlineRow_ >= 0 && sci(B::SCI_MARKERLINEFROMHANDLE, underlineRow_) == row) return;
    if (underlineRow_ >= 0) sci(B::SCI_MARKERDELETEHANDLE, underlineRow_);
    underlineRow_ = int(sci(B::SCI_MARKERADD, row, kUnderlineMarker));
}

// Wrapping at a column: the text area is WrapByte + 2.5 columns wide, room
// for a double-byte punctuation mark hanging past the wrap column; where
// rows begin is laid down by the lexer (TEditorLexer::styleLine). The
// end-of-row mark takes one character's width of its own.
void TEditorEx::refreshWrapWidth() {
    if (!prop_.WordWrap || prop_.WrapOption.WrapByte <= 0) {
        sci(B::SCI_SETMARGINRIGHT, 0, 1);
        return;
    }
    int textLeft = int(sci(B::SCI_GETMARGINLEFT));
    for (int m = 0; m < 5; ++m) textLeft += int(sci(B::SCI_GETMARGINWIDTHN, m));
    static const QByteArray hundred(100, '0');
    const double cell = double(view_->SendScintilla(B::SCI_TEXTWIDTH, 0UL, hundred.constData())) / 100.0;
    double wanted = cell * (prop_.WrapOption.WrapByte + 2.5);
    if (prop_.Marks.WrapMark.Visible) wanted += double(view_->SendScintilla(B::SCI_TEXTWIDTH, B::STYLE_DEFAULT, "0"));
    const int right = view_->viewport()->width() - textLeft - int(wanted);
    sci(B::SCI_SETMARGINRIGHT, 0, std::max(1, right));
}
