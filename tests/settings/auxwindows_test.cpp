// The text input window and the version window, driven for real.
#include "settings/aboutbox.h"
#include "settings/inputform.h"

#include "tests/support/appfolderfixture.h"
#include "tests/support/modaldriver.h"
#include "tests/support/qtprinters.h"
#include "tests/support/recordingshell.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/accessibility.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

enum class Ending { Ok, CancelButton, Escape, CloseBox };

// The variable after the form, shown with `initial`, was typed into and ended.
QString endInputForm(const QString& initial, Ending ending, QString* captionShown = nullptr) {
    QString text = initial;
    TInputForm form(nullptr, "名前", "名前を入力してください", text);
    form.show();
    QApplication::processEvents();
    if (captionShown) *captionShown = form.windowTitle();
    EXPECT_EQ(form.Edit1->selectedText(), initial);  // typing replaces it
    QTest::keyClicks(form.Edit1, "typed");
    switch (ending) {
    case Ending::Ok: form.Button1->click(); break;
    case Ending::CancelButton: form.Button2->click(); break;
    case Ending::Escape: QTest::keyClick(form.Edit1, Qt::Key_Escape); break;
    case Ending::CloseBox: form.close(); break;
    }
    EXPECT_FALSE(form.isVisible());
    return text;
}

TEST(TInputFormTest, TheVariableHoldsWhatEachEndingLeaves) {
    QString caption;
    EXPECT_EQ(endInputForm("old", Ending::Ok, &caption), "typed");
    EXPECT_EQ(caption, "名前を入力してください");
    EXPECT_EQ(endInputForm("old", Ending::CancelButton), "");
    EXPECT_EQ(endInputForm("old", Ending::Escape), "");
    EXPECT_EQ(endInputForm("old", Ending::CloseBox), "old");
}

TEST(TInputFormTest, TheFormIsLaidOutAsDesigned) {
    QString text;
    TInputForm form(nullptr, "名前", "c", text);
    EXPECT_EQ(form.windowTitle(), "入力");
    EXPECT_EQ(form.size(), QSize(310, 75));
    EXPECT_EQ(form.Label->text(), "名前");
    EXPECT_EQ(form.Label->width(), 250);
    EXPECT_EQ(form.Edit1->geometry().topLeft(), QPoint(8, 24));
    EXPECT_EQ(form.Edit1->width(), 297);
    EXPECT_EQ(form.Button1->text(), "OK");
    EXPECT_TRUE(form.Button1->isDefault());
    EXPECT_EQ(form.Button2->text(), "キャンセル");
    EXPECT_EQ(form.font().family(), "ＭＳ Ｐゴシック");
}

TEST(InputFormPromptsTest, TheEditorsTextInputIsTheInputFormAndCancelGivesNothing) {
    ScriptedPrompts inner;
    InputFormPrompts forms(inner);
    const ScopedPromptService installed(&forms);
    whenModalShown<TInputForm>([](TInputForm* form) {
        EXPECT_EQ(form->Edit1->text(), "init");
        form->Edit1->setText("answer");
        form->Button1->click();
    });
    EXPECT_EQ(prompts().inputText("cap", "prompt", "init"), "answer");
    whenModalShown<TInputForm>([](TInputForm* form) { form->Button2->click(); });
    EXPECT_EQ(prompts().inputText("cap", "prompt", "init"), std::nullopt);
    whenModalShown<TInputForm>([](TInputForm* form) { form->close(); });
    EXPECT_EQ(prompts().inputText("cap", "prompt", "init"), "init");

    inner.expectNotice();
    prompts().showMessage("passed on");
    ASSERT_EQ(inner.calls().size(), 1u);
    EXPECT_EQ(inner.calls()[0].text, "passed on");
}

QString shownText(const QLabel* label) {
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

TEST(TAboutBoxTest, ShowsTheProgramAndEachLinkOpensExactlyWhatItShows) {
    ScopedAppFolder appFolder;
    RecordingShell shell;
    TAboutBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), "バージョン情報");
    EXPECT_EQ(box.size(), QSize(329, 231));
    EXPECT_EQ(box.ProductName->text(), "Quodex");
    EXPECT_EQ(box.Version->text(), "Version 1.0.0.6");
    EXPECT_EQ(box.LastUpdated->text(), "Last Updated 02/06/23");
    EXPECT_TRUE(box.Copyright->text().contains("Quodex developers"));
    EXPECT_EQ(box.ProgramIcon->pixmap().size(), QSize(32, 32));

    for (QLabel* link : {box.Label2, box.Label5}) {
        shell.clear();
        emit link->linkActivated("#");
        ASSERT_EQ(shell.calls().size(), 1u);
        EXPECT_EQ(shell.calls()[0].kind, ShellCallKind::Open);
        EXPECT_EQ(shell.calls()[0].target, shownText(link));
        EXPECT_EQ(shell.calls()[0].workingFolder, appFolder.path());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(shownText(box.Label2), "Quodex.html");
    EXPECT_EQ(shownText(box.Label5), "README.md");
}

TEST(TAboutBoxTest, ALinkThatNothingOpensIsReported) {
    ScopedAppFolder appFolder;
    RecordingShell shell;
    shell.setOpenSucceeds(false);
    ScriptedPrompts prompts;
    TAboutBox box(nullptr);
    prompts.expectError();
    emit box.Label5->linkActivated("#");
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(prompts.calls()[0].text,
              QString("ファイル \"%1README.md\" を開けません: ファイルまたはフォルダが見つかりません").arg(appFolder.path()));

    ASSERT_TRUE(appFolder.writeFile("README.md", "# Quodex"));
    prompts.expectError();
    emit box.Label5->linkActivated("#");
    ASSERT_EQ(prompts.calls().size(), 2u);
    EXPECT_EQ(prompts.calls()[1].text, "README.md を開けませんでした");
}

TEST(TAboutBoxTest, OKClosesTheWindow) {
    TAboutBox box(nullptr);
    box.show();
    EXPECT_TRUE(box.OKButton->isDefault());
    box.OKButton->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(AuxWindowsAccessibility, EveryControlHasAName) {
    QString text = "x";
    TInputForm input(nullptr, "名前", "名前を入力してください", text);
    input.show();
    EXPECT_EQ(unnamedControls(&input), QStringList());
    TAboutBox about(nullptr);
    about.show();
    EXPECT_EQ(unnamedControls(&about), QStringList());
}

}  // namespace
