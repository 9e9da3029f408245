// The palette built from package files in a temporary program folder, with
// snippets going into a real editor.
#include "palette/functionpalette.h"

#include "components/editorex.h"
#include "palette/palettehost.h"
#include "palette/snippetinsert.h"
#include "platform/cp932.h"
#include "tests/support/accessibility.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FakeHost final : public TPaletteHost {
public:
    FakeHost(TEditorEx* editor, const bool& newLine) : editor_(editor), newLine_(newLine) {}
    TEditorEx* SnippetEditor() override { return editor_; }
    bool InsertNewLine() const override { return newLine_; }

private:
    TEditorEx* editor_;
    const bool& newLine_;
};

class FunctionPaletteTest : public ::testing::Test {
protected:
    FunctionPaletteTest() {
        menu.addAction("このページを閉じる");
        menu.addSeparator();
    }

    void writeLines(const QString& name, const QStringList& lines) {
        ASSERT_TRUE(folder.writeFile(name, cp932::encode(lines.join("\r\n") + "\r\n")));
    }
    void writeBitmap(const QString& name) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        ASSERT_TRUE(folder.writeFile(name, {}));
        ASSERT_TRUE(image.save(folder.filePath(name), "BMP"));
    }
    void build(const QString& package = "buttons/buttons.qbp") {
        palette.BuildPalette({folder.path(), folder.filePath(package), &menu, &lineBreakAction},
                             std::make_unique<FakeHost>(&editor, newLine));
    }
    QString text() const { return cp932::decode(editor.Lines().Text()); }
    QList<QToolButton*> buttonsOfTab(int tab) const {
        return palette.PC->widget(tab)->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    }

    ScopedAppFolder folder;
    ScriptedPrompts prompts;
    QMenu menu;
    QAction lineBreakAction{"line break"};
    TEditorEx editor;
    bool newLine = false;
    TFunctionPalette palette;
};

TEST_F(FunctionPaletteTest, ButtonsAreNumberedStraightThroughAllTabsAndInsertTheirLine) {
    writeLines("buttons/buttons.qbp", {"One\tbuttons\\one.qbt", "Two\tButtons\\TWO.qbt"});
    writeLines("buttons/one.qbt", {"a1\td\tx\tb.bmp", "a2\td\tx\tb.bmp", "a3\td\tx\tb.bmp"});
    writeLines("buttons/two.qbt", {"b1\td\tx\tb.bmp", "b2\td\tx\tb.bmp"});
    build();

    ASSERT_EQ(palette.PC->count(), 2);
    EXPECT_EQ(palette.PC->tabText(0), "One");
    EXPECT_EQ(palette.PC->tabText(1), "Two");
    EXPECT_EQ(palette.Snippets().size(), 5);
    const QList<QToolButton*> buttons = palette.SnippetButtons();
    ASSERT_EQ(buttons.size(), 5);
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(buttons[n]->property("Tag").toInt(), n + 1);
        EXPECT_EQ(palette.SnippetMenuItems()[n]->property("Tag").toInt(), n + 1);
        EXPECT_EQ(buttons[n]->parentWidget(), palette.PC->widget(n < 3 ? 0 : 1));
    }
    buttons[3]->click();
    EXPECT_EQ(text(), "b1");
    palette.SnippetMenuItems()[4]->trigger();
    EXPECT_EQ(text(), "b1b2");
    palette.SnippetClick(1);
    EXPECT_EQ(text(), "b1b2a1");
}

TEST_F(FunctionPaletteTest, EachPackageLineAppendsASubmenuOfItsSnippetsToTheContextMenu) {
    writeLines("buttons/buttons.qbp", {"One\tbuttons/one.qbt", "Two\tbuttons/two.qbt"});
    writeLines("buttons/one.qbt", {"a1\tdesc\targs\tb.bmp"});
    writeLines("buttons/two.qbt", {"b1\td\tx\tb.bmp", "b2\td\tx\tb.bmp"});
    build();

    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_TRUE(items[1]->isSeparator());
    ASSERT_TRUE(items[2]->menu() && items[3]->menu());
    EXPECT_EQ(items[2]->text(), "One");
    EXPECT_EQ(items[3]->text(), "Two");
    EXPECT_EQ(items[3]->menu()->actions().size(), 2);
    const QAction* first = items[2]->menu()->actions().value(0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text(), "a1");
    EXPECT_EQ(first->statusTip(), "a1    args    desc");
}

TEST_F(FunctionPaletteTest, AButtonShowsItsHintAndTheGlyphItsFourthFieldNames) {
    writeBitmap("buttons/D.bmp");
    writeBitmap("C");
    writeBitmap("buttons/NewLine.bmp");
    writeLines("buttons/buttons.qbp", {"T\tbuttons/t.qbt"});
    // Four fields; three (the argument text names the bitmap too); no TAB.
    writeLines("buttons/t.qbt", {"A\tB\tC\tbuttons\\d.BMP", "A\tB\tC", "whole"});
    build();

    const QList<QToolButton*> buttons = palette.SnippetButtons();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[0]->toolTip(), "A    C    B");
    EXPECT_FALSE(buttons[0]->icon().isNull());
    EXPECT_FALSE(buttons[1]->icon().isNull());
    EXPECT_EQ(buttons[2]->toolTip(), "whole    whole    whole");
    EXPECT_TRUE(buttons[2]->icon().isNull());
    EXPECT_EQ(palette.UnreadableFiles().size(), 1);
    EXPECT_TRUE(palette.UnreadableFiles().value(0).contains(folder.filePath("whole")));
    buttons[0]->click();
    EXPECT_EQ(text(), "A");
}

TEST_F(FunctionPaletteTest, EveryTabStartsWithTheLineBreakToggleAndItsButtonsAtX42) {
    writeLines("buttons/buttons.qbp", {"One\tbuttons/one.qbt", "Two\tbuttons/two.qbt", "Three\tbuttons/one.qbt"});
    writeLines("buttons/one.qbt", {"a\td\tx\tb", "b\td\tx\tb", "c\td\tx\tb"});
    writeLines("buttons/two.qbt", {"d\td\tx\tb"});
    build();

    ASSERT_EQ(palette.NewLineButtons().size(), 3);
    for (int tab = 0; tab < 3; ++tab) {
        const QList<QToolButton*> buttons = buttonsOfTab(tab);
        ASSERT_FALSE(buttons.isEmpty());
        EXPECT_EQ(buttons[0], palette.NewLineButtons()[tab]);
        EXPECT_EQ(buttons[0]->geometry(), QRect(3, 0, 25, 22));
        EXPECT_TRUE(buttons[0]->isCheckable());
        for (int i = 1; i < buttons.size(); ++i)
            EXPECT_EQ(buttons[i]->geometry(), QRect(42 + 25 * (i - 1), 0, 25, 22)) << "tab " << tab;
    }
    bool triggered = false;
    QObject::connect(&lineBreakAction, &QAction::triggered, [&] { triggered = true; });
    palette.NewLineButtons()[2]->click();
    EXPECT_TRUE(triggered);
}

TEST_F(FunctionPaletteTest, ButtonsReadAsTheirHintsAndArrowsWalkATab) {
    writeLines("buttons/buttons.qbp", {"One\tbuttons/one.qbt"});
    writeLines("buttons/one.qbt", {"a\tfirst\tx\tb", "b\tsecond\tx\tb"});
    build();
    palette.show();
    QApplication::setActiveWindow(&palette);
    EXPECT_EQ(unnamedControls(&palette), QStringList());
    EXPECT_EQ(palette.NewLineButtons()[0]->accessibleName(), "line break");

    const QList<QToolButton*> buttons = buttonsOfTab(0);
    ASSERT_EQ(buttons.size(), 3);
    buttons[0]->setFocus();
    for (const auto& [key, focused] : {std::pair{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 2},
                                        {Qt::Key_Left, 1}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget(), buttons[focused]);
    }
    QTest::keyClick(buttons[1], Qt::Key_Space);
    EXPECT_EQ(text(), "a");
}

TEST_F(FunctionPaletteTest, ThePanelGrowsUntilATabShowsAWholeButton) {
    writeLines("buttons/buttons.qbp", {"One\tbuttons/one.qbt"});
    writeLines("buttons/one.qbt", {"a\td\tx\tb"});
    palette.setFixedHeight(10);
    build();
    palette.show();
    const QToolButton* first = palette.SnippetButtons().value(0);
    ASSERT_TRUE(first);
    const QRect shown(first->mapTo(&palette, QPoint(0, 0)), first->size());
    EXPECT_TRUE(palette.rect().contains(shown)) << palette.height();
}

TEST_F(FunctionPaletteTest, MissingFilesLeaveEmptyTabsAndTextButtonsAndAreToldInOneMessage) {
    writeLines("buttons/buttons.qbp", {"Gone\tbuttons/gone.qbt", "Here\tbuttons/here.qbt"});
    writeLines("buttons/here.qbt", {"Choice\td\tx\tbuttons/none.bmp", "AddItem\td\tx\tbuttons/none.bmp"});
    build();

    ASSERT_EQ(palette.PC->count(), 2);
    EXPECT_EQ(buttonsOfTab(0).size(), 1);  // the line-break toggle alone
    const QList<QToolButton*> buttons = palette.SnippetButtons();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_TRUE(buttons[0]->text().startsWith("C"));
    EXPECT_TRUE(QString("Choice").startsWith(buttons[0]->text()));
    const QStringList unreadable = palette.UnreadableFiles();
    ASSERT_EQ(unreadable.size(), 3);  // the definition, the bitmap once, NewLine.bmp
    EXPECT_TRUE(unreadable[0].contains(folder.filePath("buttons/gone.qbt")));

    prompts.expectNotice();
    palette.ReportUnreadableFiles(nullptr);
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(prompts.calls()[0].caption, "関数パレット");
    for (const QString& file : unreadable) EXPECT_TRUE(prompts.calls()[0].text.contains(file));
}

TEST_F(FunctionPaletteTest, AMissingPackageGivesNoTabsAndOneMessage) {
    build("buttons/none.qbp");
    EXPECT_EQ(palette.PC->count(), 0);
    EXPECT_TRUE(palette.Snippets().isEmpty());
    EXPECT_EQ(menu.actions().size(), 2);
    ASSERT_EQ(palette.UnreadableFiles().size(), 1);
    prompts.expectNotice();
    palette.ReportUnreadableFiles(nullptr);
}

TEST_F(FunctionPaletteTest, ALongListOfUnreadableFilesNamesTheFirstTen) {
    QStringList lines;
    for (int n = 0; n < 14; ++n) lines.append(QString("T%1\tbuttons/none%1.qbt").arg(n));
    writeLines("buttons/buttons.qbp", lines);
    build();
    prompts.expectNotice();
    palette.ReportUnreadableFiles(nullptr);
    const QString message = prompts.calls().at(0).text;
    EXPECT_TRUE(message.contains("none9.qbt"));
    EXPECT_FALSE(message.contains("none10.qbt"));
    EXPECT_TRUE(message.endsWith("ほか 5 件"));  // 14 definitions and NewLine.bmp
}

TEST_F(FunctionPaletteTest, AGlyphIsTheFirstSquareWithItsBottomLeftColourClear) {
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    strip.setPixel(5, 5, qRgb(0, 0, 255));
    ASSERT_TRUE(strip.save(folder.filePath("strip.bmp"), "BMP"));
    ASSERT_TRUE(folder.writeFile("broken.bmp", "not a bitmap"));
    TPaletteGlyphs glyphs;
    const QImage shown = glyphs.Glyph(folder.filePath("strip.bmp")).pixmap(32, 16).toImage();
    EXPECT_EQ(shown.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(shown.pixel(0, 15)), 0);
    EXPECT_EQ(shown.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_TRUE(glyphs.Glyph(folder.filePath("broken.bmp")).isNull());
    EXPECT_TRUE(glyphs.Glyph(folder.filePath("broken.bmp")).isNull());
    ASSERT_EQ(glyphs.Unreadable().size(), 1);  // each file once
    EXPECT_TRUE(glyphs.Unreadable()[0].contains(folder.filePath("broken.bmp")));
}

struct NewLineCase {
    const char* before;  // the line, the caret at its end
    const char* after;
};

TEST_F(FunctionPaletteTest, WithTheLineBreakOnASnippetIsFollowedByTheLinesIndentation) {
    const NewLineCase cases[] = {
        {"\t  x = ", "\t  x = S\r\n\t  "},
        {"  \t", "  \tS\r\n  \t"},
        {"plain", "plainS\r\n"},
        {"", "S\r\n"},
        {" \x81\x40", " \x81\x40S\r\n "},  // a full-width space is no blank
    };
    for (const NewLineCase& c : cases) {
        editor.Lines().SetText(QByteArray(c.before));
        editor.SetSelStart(editor.TextLength());
        InsertSnippet(editor, "S", true);
        EXPECT_EQ(editor.Lines().Text(), QByteArray(c.after)) << c.before;
    }
    editor.Lines().SetText("ab");
    editor.SetSelStart(1);
    InsertSnippet(editor, "S", false);
    EXPECT_EQ(editor.Lines().Text(), "aSb");
}

TEST_F(FunctionPaletteTest, TheShippedPackageReadsWholeWithAGlyphOnEveryButton) {
    TFunctionPalette shipped;
    const QString source = QStringLiteral(QUODEX_PALETTE_SOURCE) + "/";
    shipped.BuildPalette({source, source + "buttons/buttons.qbp", &menu, &lineBreakAction},
                         std::make_unique<FakeHost>(&editor, newLine));
    EXPECT_TRUE(shipped.UnreadableFiles().isEmpty()) << shipped.UnreadableFiles().join('\n').toStdString();
    EXPECT_GE(shipped.PC->count(), 3);
    EXPECT_GE(shipped.Snippets().size(), 15);
    for (const QToolButton* button : shipped.SnippetButtons()) EXPECT_FALSE(button->icon().isNull());
    for (const QAbstractButton* button : shipped.NewLineButtons()) EXPECT_FALSE(button->icon().isNull());
    for (const QString& line : shipped.Snippets()) EXPECT_EQ(line.count('\t'), 3) << line.toStdString();
}

}  // namespace
