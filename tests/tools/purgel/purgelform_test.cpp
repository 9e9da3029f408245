#include "tools/purgel/purgelform.h"

#include "platform/cp932.h"
#include "platform/regini.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/settingshive.h"
#include "tests/support/accessibility.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString kTelsor = QStringLiteral("Software\\Telsor");

class PurgelFormTest : public ::testing::Test {
protected:
    void writeRegIni(const QString& text)
    {
        ASSERT_TRUE(folder.writeFile(QStringLiteral("reg.ini"), cp932::encode(text)));
    }

    // Some settings of the editor and of its neighbours under Telsor.
    void storeSettings()
    {
        TRegIniFile telsor(kTelsor);
        telsor.WriteBool(QStringLiteral("Quodex\\Find"), QStringLiteral("MatchCase"), true);
        telsor.WriteString(QStringLiteral("Quodex\\Pos\\MainWindow"), QStringLiteral("Left"),
                           QStringLiteral("10"));
        telsor.WriteString(QStringLiteral("Quodex\\Sub\\Deep"), QStringLiteral("A"), QStringLiteral("1"));
        telsor.WriteString(QStringLiteral("QuodexOld"), QStringLiteral("Kept"), QStringLiteral("1"));
        telsor.WriteString(QStringLiteral("Palettor"), QStringLiteral("Kept"), QStringLiteral("1"));
    }

    QStringList storedKeys() const { return TRegIniFile(kTelsor).ReadSections(); }

    QString labelText() const { return form.findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
    void pressButton() { form.findChild<QPushButton*>(QStringLiteral("Button1"))->click(); }

    ScopedSettingsHive hive;
    ScopedAppFolder folder;
    ScriptedPrompts prompts;
    TPurgelForm form;
};

TEST_F(PurgelFormTest, TheWindowIsLaidOutAsTheToolShowsIt)
{
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Purgel"));
    EXPECT_EQ(form.size(), QSize(270, 105));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* button = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_TRUE(label && button);
    EXPECT_EQ(label->pos(), QPoint(40, 24));
    EXPECT_EQ(button->geometry(), QRect(32, 56, 209, 33));
    EXPECT_EQ(button->text(), QStringLiteral("削除"));
}

TEST_F(PurgelFormTest, ASettingsFileNamingTheEditorErasesItsKeyAndNothingElse)
{
    writeRegIni(QStringLiteral("[Settings]\r\nName=Quodex\r\nKey=Quodex\r\n"));
    storeSettings();
    form.show();
    EXPECT_EQ(labelText(), QStringLiteral("Quodex のレジストリ情報を消去します"));

    prompts.expectNotice();
    prompts.expectNotice();
    pressButton();
    EXPECT_EQ(storedKeys(), (QStringList{QStringLiteral("Palettor"), QStringLiteral("QuodexOld")}));
    pressButton();  // nothing left to erase: the message all the same
    ASSERT_EQ(prompts.calls().size(), 2u);
    for (const PromptCall& call : prompts.calls()) {
        EXPECT_EQ(call.text, QStringLiteral("消去しました"));
        EXPECT_EQ(call.caption, QStringLiteral("Purgel"));
    }
    EXPECT_EQ(storedKeys(), (QStringList{QStringLiteral("Palettor"), QStringLiteral("QuodexOld")}));
}

TEST_F(PurgelFormTest, NamesAreReadAsShiftJisAndKeysIgnoringCase)
{
    writeRegIni(QStringLiteral("[SETTINGS]\r\nname = 設定エディタ\r\nKEY = quodex\r\n"));
    storeSettings();
    form.show();
    EXPECT_EQ(labelText(), QStringLiteral("設定エディタ のレジストリ情報を消去します"));
    prompts.expectNotice();
    pressButton();
    EXPECT_FALSE(storedKeys().contains(QStringLiteral("Quodex")));
}

TEST_F(PurgelFormTest, ANestedKeyErasesOnlyThatSubkey)
{
    writeRegIni(QStringLiteral("[Settings]\r\nName=Sub\r\nKey=Quodex\\Sub\r\n"));
    storeSettings();
    form.show();
    prompts.expectNotice();
    pressButton();
    TRegIniFile quodex(QStringLiteral("\\Software\\Telsor\\Quodex"));
    EXPECT_EQ(quodex.ReadSections(), (QStringList{QStringLiteral("Find"), QStringLiteral("Pos")}));
    EXPECT_TRUE(quodex.ReadBool(QStringLiteral("Find"), QStringLiteral("MatchCase"), false));
}

TEST_F(PurgelFormTest, AMissingOrIncompleteSettingsFileMakesTheButtonDoNothing)
{
    const QString incomplete[] = {
        QString(),  // no file at all
        QStringLiteral("[Settings]\r\nName=Quodex\r\nKey=\r\n"),
        QStringLiteral("[Settings]\r\nKey=Quodex\r\n"),
        QStringLiteral("[Other]\r\nName=Quodex\r\nKey=Quodex\r\n"),
    };
    storeSettings();
    const QStringList before = storedKeys();
    for (const QString& text : incomplete) {
        if (!text.isNull())
            writeRegIni(text);
        form.show();
        EXPECT_EQ(labelText(), QStringLiteral("設定ファイルが読み込めませんでした")) << text.toStdString();
        pressButton();
        form.hide();
    }
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(storedKeys(), before);
}

TEST_F(PurgelFormTest, AKeyOfOnlySeparatorsErasesNothing)
{
    writeRegIni(QStringLiteral("[Settings]\r\nName=All\r\nKey=\\\r\n"));
    storeSettings();
    const QStringList before = storedKeys();
    form.show();
    prompts.expectNotice();
    pressButton();
    EXPECT_EQ(storedKeys(), before);
}

TEST_F(PurgelFormTest, EveryControlHasAName)
{
    form.show();
    EXPECT_EQ(unnamedControls(&form), QStringList());
}

}  // namespace
