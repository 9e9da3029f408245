// Persistence of TEditorExProp: every property is one value in the section,
// named after its path below the set's name ("Editor.Font.Name"); lists are
// stored as a count and numbered items.
#include "components/editorexprop.h"

#include "platform/regini.h"

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

class Reader {
public:
    Reader(const TRegIniFile& reg, const QString& section, const QString& name)
        : reg_(reg), section_(section), prefix_(name + u'.') {}

    bool has(const QString& path) const { return reg_.ValueExists(section_, prefix_ + path); }
    void text(const QString& path, QString& value) { value = reg_.ReadString(section_, prefix_ + path, value); }
    void boolean(const QString& path, bool& value) { value = reg_.ReadBool(section_, prefix_ + path, value); }
    void integer(const QString& path, int& value, int low, int high) {
        const int read = reg_.ReadInteger(section_, prefix_ + path, value);
        if (read >= low && read <= high) value = read;
    }
    template <typename Enum>
    void enumeration(const QString& path, Enum& value, Enum last) {
        int n = int(value);
        integer(path, n, 0, int(last));
        value = Enum(n);
    }
    void color(const QString& path, QColor& value) {
        const QColor read = QColor::fromString(reg_.ReadString(section_, prefix_ + path, QString()));
        if (read.isValid()) value = read;
    }
    // Items of a stored list, or -1 when the list is absent or damaged.
    int count(const QString& path) {
        int n = -1;
        integer(path + ".Count", n, 0, kMaxListItems);
        return n;
    }

private:
    const TRegIniFile& reg_;
    QString section_;
    QString prefix_;
};

class Writer {
public:
    Writer(TRegIniFile& reg, const QString& section, const QString& name)
        : reg_(reg), section_(section), prefix_(name + u'.') {}

    void text(const QString& path, QString& value) { reg_.WriteString(section_, prefix_ + path, value); }
    void boolean(const QString& path, bool& value) { reg_.WriteBool(section_, prefix_ + path, value); }
    void integer(const QString& path, int& value, int, int) { reg_.WriteInteger(section_, prefix_ + path, value); }
    template <typename Enum>
    void enumeration(const QString& path, Enum& value, Enum) {
        reg_.WriteInteger(section_, prefix_ + path, int(value));
    }
    void color(const QString& path, QColor& value) {
        reg_.WriteString(section_, prefix_ + path, value.name(QColor::HexRgb));
    }
    void count(const QString& path, qsizetype n) { reg_.WriteInteger(section_, prefix_ + path + ".Count", int(n)); }

private:
    TRegIniFile& reg_;
    QString section_;
    QString prefix_;
};

QString itemPath(const char* list, int i) { return QStringLiteral("%1.%2").arg(QLatin1String(list)).arg(i); }

}  // namespace

void TEditorExProp::ReadReg(const QString& key, const QString& section, const QString& name) {
    const TRegIniFile reg(key);
    Reader r(reg, section, name);
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
    TRegIniFile reg(key);
    // Drop what an earlier, longer set left behind.
    const QString prefix = name + u'.';
    for (const QString& value : reg.ReadSection(section)) {
        if (value.startsWith(prefix, Qt::CaseInsensitive)) reg.DeleteValue(section, value);
    }
    TEditorExProp copy = *this;
    Writer w(reg, section, name);
    visitScalars(w, copy);
    w.count("ReserveWordList", copy.ReserveWordList.size());
    for (int i = 0; i < copy.ReserveWordList.size(); ++i) w.text(itemPath("ReserveWordList", i), copy.ReserveWordList[i]);
    w.count("View.Brackets", copy.View.Brackets.Items.size());
    for (int i = 0; i < copy.View.Brackets.Items.size(); ++i) {
        visitBracket(w, itemPath("View.Brackets", i), copy.View.Brackets.Items[i]);
    }
}
