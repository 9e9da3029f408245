// Persistence of TEditorExProp: the whole set is one value (section, name)
// holding a line per property, named by its path ("Font.Name=..."); lists
// are a count and numbered items ("ReserveWordList.0=...").
#include "components/editorexprop.h"

#include "platform/regini.h"

#include <QHash>

namespace {

constexpr int kMaxListItems = 10000;

// Calls the visitor once per scalar property with its path.
template <typename Visitor>
void visitStyles(Visitor& v, const QString& path, TFontStyles& s) {
    v.boolean(path + ".Bold", s.Bold);
    v.boolean(path + ".Italic", s.Italic);
    v.boolean(path + ".Underline", s.Underline);
}

template <typename Visitor>
void visitScalars(Visitor& v, TEditorExProp& p) {
    v.text("Font.Name", p.Font.Name);
    v.integer("Font.Height", p.Font.Height, 1, 1000);
    v.integer("Font.Charset", p.Font.Charset, 0, 255);
    v.color("Font.Color", p.Font.Color);
    visitStyles(v, "Font.Style", p.Font.Style);
    v.color("Color", p.Color);

    TEditorCaret& c = p.Caret;
    v.boolean("Caret.AutoIndent", c.AutoIndent);
    v.boolean("Caret.BackSpaceUnIndent", c.BackSpaceUnIndent);
    v.boolean("Caret.FreeCaret", c.FreeCaret);
    v.boolean("Caret.FreeRow", c.FreeRow);
    v.boolean("Caret.InTab", c.InTab);
    v.boolean("Caret.KeepCaret", c.KeepCaret);
    v.boolean("Caret.LockScroll", c.LockScroll);
    v.boolean("Caret.NextLine", c.NextLine);
    v.boolean("Caret.SelMove", c.SelMove);
    v.boolean("Caret.RowSelect", c.RowSelect);
    v.integer("Caret.TabSpaceCount", c.TabSpaceCount, 1, 64);
    v.integer("Caret.Cursors.DefaultCursor", c.Cursors.DefaultCursor, 0, 21);
    v.integer("Caret.Cursors.LeftMarginCursor", c.Cursors.LeftMarginCursor, 0, 21);
    v.integer("Caret.Cursors.TopMarginCursor", c.Cursors.TopMarginCursor, 0, 21);
    v.integer("Caret.Cursors.InSelCursor", c.Cursors.InSelCursor, 0, 21);
    v.integer("Caret.Cursors.DragSelCursor", c.Cursors.DragSelCursor, 0, 21);

    TEditorLeftbar& l = p.Leftbar;
    v.boolean("Leftbar.Visible", l.Visible);
    v.enumeration("Leftbar.ShowNumberMode", l.ShowNumberMode, nmRow);
    v.boolean("Leftbar.ZeroBase", l.ZeroBase);
    v.boolean("Leftbar.ZeroLead", l.ZeroLead);
    v.color("Leftbar.Color", l.Color);
    v.color("Leftbar.BkColor", l.BkColor);
    v.boolean("Leftbar.Edge", l.Edge);

    const char* markNames[TEditorMarks::Count] = {"EofMark", "RetMark", "WrapMark", "HideMark", "Underline"};
    for (int i = 0; i < TEditorMarks::Count; ++i) {
        const QString path = QStringLiteral("Marks.") + markNames[i];
        v.color(path + ".Color", p.Marks[i].Color);
        v.boolean(path + ".Visible", p.Marks[i].Visible);
    }

    TEditorRuler& r = p.Ruler;
    v.boolean("Ruler.Visible", r.Visible);
    v.integer("Ruler.GaugeRange", r.GaugeRange, 1, 1000);
    v.color("Ruler.BkColor", r.BkColor);
    v.color("Ruler.Color", r.Color);
    v.color("Ruler.MarkColor", r.MarkColor);
    v.boolean("Ruler.Edge", r.Edge);

    v.integer("Margin.Left", p.Margin.Left, 0, 1000);
    v.integer("Margin.Top", p.Margin.Top, 0, 1000);
    v.integer("Margin.Character", p.Margin.Character, 0, 1000);
    v.integer("Margin.Line", p.Margin.Line, 0, 1000);

    const char* colorNames[TEditorColors::Count] = {"Ank", "DBCS",   "Int", "Symbol", "Url",    "Mail",
                                                    "Str", "Select", "Reserve", "Hit", "Comment"};
    for (int i = 0; i < TEditorColors::Count; ++i) {
        const QString path = QStringLiteral("View.Colors.") + colorNames[i];
        v.color(path + ".Color", p.View.Colors[i].Color);
        v.color(path + ".BkColor", p.View.Colors[i].BkColor);
        visitStyles(v, path + ".Style", p.View.Colors[i].Style);
    }
    v.color("View.Brackets.Color", p.View.Brackets.Color);
    v.color("View.Brackets.BkColor", p.View.Brackets.BkColor);
    visitStyles(v, "View.Brackets.Style", p.View.Brackets.Style);
    v.text("View.Commenter", p.View.Commenter);
    v.text("View.HexPrefix", p.View.HexPrefix);
    v.text("View.Quotation", p.View.Quotation);
    v.boolean("View.Url", p.View.Url);
    v.boolean("View.Mail", p.View.Mail);
    v.boolean("View.ControlCode", p.View.ControlCode);

    TEditorWrapOption& w = p.WrapOption;
    v.boolean("WrapOption.FollowRetMark", w.FollowRetMark);
    v.boolean("WrapOption.FollowPunctuation", w.FollowPunctuation);
    v.boolean("WrapOption.Leading", w.Leading);
    v.boolean("WrapOption.WordBreak", w.WordBreak);
    v.integer("WrapOption.WrapByte", w.WrapByte, 0, 10000);
    v.text("WrapOption.FollowStr", w.FollowStr);
    v.text("WrapOption.LeadStr", w.LeadStr);
    v.text("WrapOption.PunctuationStr", w.PunctuationStr);

    v.enumeration("ScrollBars", p.ScrollBars, ssBoth);
    v.boolean("WordWrap", p.WordWrap);
}

template <typename Visitor>
void visitBracket(Visitor& v, const QString& path, TEditorBracketItem& b) {
    v.text(path + ".LeftBracket", b.LeftBracket);
    v.text(path + ".RightBracket", b.RightBracket);
    v.color(path + ".ItemColor", b.ItemColor);
    v.color(path + ".ItemBkColor", b.ItemBkColor);
    visitStyles(v, path + ".ItemStyle", b.ItemStyle);
}

// The set travels as one value: a text of "path=value" lines, values with
// backslash, CR and LF escaped. One value means one write to the store.
QString escaped(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

QString unescaped(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    }
    return out;
}

class Reader {
public:
    explicit Reader(const QString& stored) {
        for (QStringView line : QStringView(stored).split(u'\n')) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq > 0) values_.insert(line.first(eq).toString(), unescaped(line.sliced(eq + 1)));
        }
    }

    void text(const QString& path, QString& value) {
        if (const auto it = values_.constFind(path); it != values_.constEnd()) value = *it;
    }
    void boolean(const QString& path, bool& value) {
        const QString read = values_.value(path);
        if (read == u"1") value = true;
        if (read == u"0") value = false;
    }
    void integer(const QString& path, int& value, int low, int high) {
        bool ok = false;
        const int read = values_.value(path).toInt(&ok);
        if (ok && read >= low && read <= high) value = read;
    }
    template <typename Enum>
    void enumeration(const QString& path, Enum& value, Enum last) {
        int n = int(value);
        integer(path, n, 0, int(last));
        value = Enum(n);
    }
    void color(const QString& path, QColor& value) {
        const QColor read = QColor::fromString(values_.value(path));
        if (read.isValid()) value = read;
    }
    // Items of a stored list, or -1 when the list is absent or damaged.
    int count(const QString& path) {
        int n = -1;
        integer(path + ".Count", n, 0, kMaxListItems);
        return n;
    }

private:
    QHash<QString, QString> values_;
};

class Writer {
public:
    void text(const QString& path, QString& value) { add(path, escaped(value)); }
    void boolean(const QString& path, bool& value) { add(path, value ? QStringLiteral("1") : QStringLiteral("0")); }
    void integer(const QString& path, int& value, int, int) { add(path, QString::number(value)); }
    template <typename Enum>
    void enumeration(const QString& path, Enum& value, Enum) {
        add(path, QString::number(int(value)));
    }
    void color(const QString& path, QColor& value) { add(path, value.name(QColor::HexRgb)); }
    void count(const QString& path, qsizetype n) { add(path + ".Count", QString::number(n)); }

    const QString& result() const { return out_; }

private:
    void add(const QString& path, const QString& value) {
        out_ += path;
        out_ += u'=';
        out_ += value;
        out_ += u'\n';
    }
    QString out_;
};

QString itemPath(const char* list, int i) { return QStringLiteral("%1.%2").arg(QLatin1String(list)).arg(i); }

}  // namespace

void TEditorExProp::ReadReg(const QString& key, const QString& section, const QString& name) {
    Reader r(TRegIniFile(key).ReadString(section, name, QString()));
    visitScalars(r, *this);

    const int words = r.count("ReserveWordList");
    if (words >= 0) {
        QStringList list;
        for (int i = 0; i < words; ++i) {
            QString word;
            r.text(itemPath("ReserveWordList", i), word);
            list.append(word);
        }
        ReserveWordList = list;
    }
    const int brackets = r.count("View.Brackets");
    if (brackets >= 0) {
        QList<TEditorBracketItem> items;
        for (int i = 0; i < brackets; ++i) {
            TEditorBracketItem item;
            item.ItemColor = View.Brackets.Color;
            item.ItemBkColor = View.Brackets.BkColor;
            item.ItemStyle = View.Brackets.Style;
            visitBracket(r, itemPath("View.Brackets", i), item);
            // A pair without both brackets cannot colour anything.
            if (!item.LeftBracket.isEmpty() && !item.RightBracket.isEmpty()) items.append(item);
        }
        View.Brackets.Items = items;
    }
}

void TEditorExProp::WriteReg(const QString& key, const QString& section, const QString& name) const {
    TEditorExProp copy = *this;
    Writer w;
    visitScalars(w, copy);
    w.count("ReserveWordList", copy.ReserveWordList.size());
    for (int i = 0; i < copy.ReserveWordList.size(); ++i) w.text(itemPath("ReserveWordList", i), copy.ReserveWordList[i]);
    w.count("View.Brackets", copy.View.Brackets.Items.size());
    for (int i = 0; i < copy.View.Brackets.Items.size(); ++i) {
        visitBracket(w, itemPath("View.Brackets", i), copy.View.Brackets.Items[i]);
    }
    TRegIniFile(key).WriteString(section, name, w.result());
}
