// The document tabs driven through the real main window: which tab a file
// lands in, the prompts and their order, and what reaches the disk.
#include "app/dirlistbox.h"
#include "components/editorex.h"
#include "components/openfilehistories.h"
#include "platform/regini.h"
#include "platform/filebytes.h"
#include "tests/app/mainwindowfixture.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QTabWidget>
#include <QWindow>

namespace {

class DocumentsTest : public MainWindowTest {
protected:
    // A file in the test's work folder with `bytes` in it.
    QString makeFile(const QString& name, const QByteArray& bytes = "text\r\n") {
        const QString path = work_.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString workFolder() const { return work_.path() + "/"; }

    QStringList captions() const {
        QStringList all;
        for (int i = 0; i < mf->EditorTabSheet->count(); ++i) all << mf->EditorTabSheet->tabText(i);
        return all;
    }
    QString activeCaption() const { return mf->EditorTabSheet->tabText(mf->EditorTabSheet->currentIndex()); }
    QString title() const { return mf->windowHandle()->title(); }

    void type(const QByteArray& text) { mf->CurEditor->SetSelText(text); }

    // The text of the last prompt of `kind`.
    QString lastText(PromptKind kind) const {
        const std::vector<PromptCall> calls = prompts.callsOf(kind);
        return calls.empty() ? QString() : calls.back().text;
    }

private:
    QTemporaryDir work_;
};

TEST_F(DocumentsTest, TheWindowStartsWithTheFirstUntitledTab) {
    TMF& mf = showWindow();
    EXPECT_EQ(captions(), QStringList{"新規 (1)"});
    EXPECT_EQ(title(), "Quodex - 新規 (1)");
    EXPECT_EQ(mf.DocNames(), QStringList{""});
    ASSERT_NE(mf.CurEditor, nullptr);
    EXPECT_EQ(mf.CurEditor, mf.DocTabs[0].Editor);
    EXPECT_FALSE(mf.ActionList1.ReText->isEnabled());
}

TEST_F(DocumentsTest, TheFileNamedOnTheCommandLineOpensInTheFirstTab) {
    const QString file = makeFile("src/a.lum", "x");
    TMF& mf = showWindow({file});
    EXPECT_EQ(captions(), QStringList{"a.lum"});
    EXPECT_EQ(mf.Settings.CurrentFolder, workFolder() + "src/");
    EXPECT_EQ(mf.DirList->Directory() + "/", workFolder() + "src/");
}

TEST_F(DocumentsTest, AMissingFileOnTheCommandLineIsReportedAndStillSetsTheFolder) {
    QDir().mkpath(workFolder() + "src/folder.lum");
    for (const QString name : {"missing.lum", "folder.lum"}) {
        prompts.expectError();
        TMF& window = showWindow({workFolder() + "src/" + name});
        EXPECT_EQ(captions(), QStringList{"新規 (1)"});
        EXPECT_EQ(window.Settings.CurrentFolder, workFolder() + "src/");
        EXPECT_EQ(window.DirList->Directory() + "/", workFolder() + "src/");
        mf.reset();
    }
    const std::vector<PromptCall> errors = prompts.callsOf(PromptKind::Error);
    ASSERT_EQ(errors.size(), 2u);
    const QString missing = "ファイル \"" + workFolder() + "src/missing.lum\" を読み込めません: ";
    EXPECT_EQ(errors[0].text, missing + "ファイルまたはフォルダが見つかりません");
    EXPECT_EQ(errors[1].text, "ファイル \"" + workFolder() + "src/folder.lum\" を読み込めません: フォルダです");
}

TEST_F(DocumentsTest, NewTextReusesAnUnmodifiedUntitledTabOnly) {
    TMF& mf = showWindow();
    mf.ActionList1.NewText->trigger();
    EXPECT_EQ(captions(), QStringList{"新規 (1)"});
    EXPECT_EQ(mf.DocTabs.UntitledCount(), 1);

    type("a");
    EXPECT_EQ(activeCaption(), "新規 (1) [変更]");
    mf.ActionList1.NewText->trigger();
    EXPECT_EQ(captions(), QStringList({"新規 (1) [変更]", "新規 (2)"}));
    EXPECT_EQ(title(), "Quodex - 新規 (2)");
    EXPECT_EQ(mf.CurEditor, mf.DocTabs[1].Editor);
    EXPECT_EQ(mf.DocNames(), QStringList({"", ""}));
}

TEST_F(DocumentsTest, OpeningLoadsIntoTheUnmodifiedUntitledTabAndMovesTheFolder) {
    const QString file = makeFile("sub/a.lum", "action a\r\n");
    TMF& mf = showWindow();

    mf.OpenDocument(file, true);

    EXPECT_EQ(captions(), QStringList{"a.lum"});
    EXPECT_EQ(mf.DocNames(), QStringList{file});
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "action a\r\n");
    EXPECT_FALSE(mf.CurEditor->Modified());
    EXPECT_EQ(title(), "Quodex - " + file);
    EXPECT_EQ(mf.Settings.CurrentFolder, workFolder() + "sub/");
    EXPECT_EQ(mf.DirList->Directory() + "/", workFolder() + "sub/");
    EXPECT_TRUE(mf.ActionList1.ReText->isEnabled());
}

TEST_F(DocumentsTest, AMissingOrEmptyNameOpensNothingSilently) {
    TMF& mf = showWindow();
    mf.OpenDocument("", true);
    mf.OpenDocument(workFolder() + "missing.lum", true);
    EXPECT_EQ(captions(), QStringList{"新規 (1)"});
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(DocumentsTest, AFileAlreadyOpenIsReportedAndBroughtToFrontWithoutRereading) {
    const QString file = makeFile("a.lum", "old\r\n");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    type("edited ");
    mf.ActionList1.NewText->trigger();  // an untitled tab that could take it

    prompts.expectNotice();
    mf.OpenDocument(file, true);

    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(prompts.calls()[0].caption, "開く");
    EXPECT_EQ(prompts.calls()[0].text, file + " はすでに開かれています");
    EXPECT_EQ(prompts.calls()[0].icon(), mb::IconAsterisk);
    EXPECT_EQ(captions(), QStringList({"a.lum [変更]", "新規 (2)"}));
    EXPECT_EQ(mf.EditorTabSheet->currentIndex(), 0);
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "edited old\r\n");
    EXPECT_EQ(title(), "Quodex - " + file);
}

TEST_F(DocumentsTest, NamesDifferingOnlyInLetterCaseAreOneDocument) {
    const QString upper = makeFile("A.lum");
    const QString lower = makeFile("a.LUM");
    TMF& mf = showWindow();
    mf.OpenDocument(upper, true);

    prompts.expectNotice();
    mf.OpenDocument(lower, true);

    EXPECT_EQ(mf.DocTabs.Count(), 1);
    EXPECT_EQ(mf.DocTabs.IndexOfName(lower), 0);
}

TEST_F(DocumentsTest, FilesChosenTogetherOpenInTheirOrderAndAnOpenOneIsReported) {
    const QString a = makeFile("a.lum");
    const QString b = makeFile("b.srx");
    const QString c = makeFile("c.txt");
    TMF& mf = showWindow();
    mf.OpenDocument(b, true);
    mf.ActionList1.NewText->trigger();

    prompts.answerOpenFiles({a, b, c});
    prompts.expectNotice();
    mf.ActionList1.OpenText->trigger();

    EXPECT_EQ(captions(), QStringList({"b.srx", "a.lum", "c.txt"}));
    EXPECT_EQ(mf.DocNames(), QStringList({b, a, c}));
    const PromptCall& dialog = prompts.calls()[0];
    EXPECT_EQ(dialog.file.filterIndex, 4);
    EXPECT_EQ(dialog.file.defaultExtension, "lum");
    EXPECT_TRUE(dialog.file.multiSelect);
    EXPECT_EQ(dialog.file.filter, TMF::kSourceFilter);
    EXPECT_EQ(prompts.calls()[1].text, b + " はすでに開かれています");
}

TEST_F(DocumentsTest, TheMarkFollowsEditsAndSavesAndTheTitleFollowsTheTab) {
    const QString file = makeFile("a.lum", "x\r\n");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    mf.ActionList1.NewText->trigger();
    EXPECT_EQ(title(), "Quodex - 新規 (2)");

    mf.EditorTabSheet->setCurrentIndex(0);
    EXPECT_EQ(title(), "Quodex - " + file);
    EXPECT_EQ(mf.CurEditor, mf.DocTabs[0].Editor);
    type("y");
    EXPECT_EQ(activeCaption(), "a.lum [変更]");
    EXPECT_EQ(mf.CurCaption, "a.lum");

    mf.ActionList1.OverSaveText->trigger();
    EXPECT_EQ(activeCaption(), "a.lum");
    EXPECT_FALSE(mf.CurEditor->Modified());
    EXPECT_EQ(filebytes::read(file), "yx\r\n");

    mf.EditorTabSheet->setCurrentIndex(1);
    EXPECT_EQ(title(), "Quodex - ");
}

TEST_F(DocumentsTest, SaveAsNamesTheDocumentWithoutAddingTheMark) {
    TMF& mf = showWindow();
    type("new text");
    const QString target = workFolder() + "saved.lum";

    prompts.answerSaveFile(target);
    mf.ActionList1.OverSaveText->trigger();  // untitled: asks for a name

    EXPECT_EQ(prompts.calls()[0].file.filterIndex, 1);
    EXPECT_EQ(prompts.calls()[0].file.defaultExtension, "lum");
    EXPECT_TRUE(prompts.calls()[0].file.fileName.isEmpty());
    EXPECT_EQ(captions(), QStringList{"saved.lum"});
    EXPECT_EQ(mf.DocNames(), QStringList{target});
    EXPECT_EQ(title(), "Quodex - " + target);
    EXPECT_EQ(filebytes::read(target), "new text");
    EXPECT_EQ(mf.DirList->Directory() + "/", workFolder());
}

// Choosing an existing file asks before replacing it; No and a name another
// tab holds both lead back to the dialog, which starts at the document's file.
TEST_F(DocumentsTest, SaveAsReplacesAFileOnlyWhenToldAndNeverAnotherTabsFile) {
    const QString mine = makeFile("mine.lum", "mine");
    const QString other = makeFile("other.lum", "other");
    const QString kept = makeFile("kept.lum", "kept");
    TMF& mf = showWindow();
    mf.OpenDocument(other, true);
    mf.ActionList1.NewText->trigger();
    mf.OpenDocument(mine, true);
    type("new ");

    prompts.answerSaveFile(kept);
    prompts.answerQuestion(IdNo);
    prompts.answerSaveFile(other);
    prompts.expectNotice();
    prompts.answerSaveFile("");
    mf.ActionList1.NewSaveText->trigger();
    EXPECT_EQ(filebytes::read(kept), "kept");
    EXPECT_EQ(filebytes::read(other), "other");
    EXPECT_EQ(mf.DocNames(), QStringList({other, mine}));

    const std::vector<PromptCall>& calls = prompts.calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].file.initialFolder, workFolder());
    EXPECT_EQ(calls[0].file.fileName, "mine.lum");
    EXPECT_EQ(calls[1].caption, "確認");
    EXPECT_EQ(calls[1].text, kept + " は既に存在します。\n置き換えますか？");
    EXPECT_EQ(calls[1].flags, mb::YesNo | mb::IconQuestion | mb::DefButton2);
    EXPECT_EQ(calls[2].file.fileName, "kept.lum");
    EXPECT_EQ(calls[3].text, other + " は他のタブで開かれています。\n別の名前を指定してください。");

    prompts.clear();
    prompts.answerSaveFile(kept);
    prompts.answerQuestion(IdYes);
    mf.ActionList1.NewSaveText->trigger();
    EXPECT_EQ(filebytes::read(kept), "new mine");
    EXPECT_EQ(mf.DocNames(), QStringList({other, kept}));
}

// The mark follows the saved text: undo back to it clears the mark, redo
// away from it sets it again, and a save moves the point undo returns to.
TEST_F(DocumentsTest, UndoBackToTheSavedTextClearsTheMark) {
    const QString file = makeFile("a.lum", "x");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    type("1");
    EXPECT_EQ(activeCaption(), "a.lum [変更]");
    mf.CurEditor->Undo();
    EXPECT_EQ(activeCaption(), "a.lum");
    EXPECT_FALSE(mf.CurEditor->Modified());
    mf.CurEditor->Redo();
    EXPECT_EQ(activeCaption(), "a.lum [変更]");

    mf.ActionList1.OverSaveText->trigger();
    EXPECT_EQ(activeCaption(), "a.lum");
    mf.CurEditor->Undo();
    EXPECT_EQ(activeCaption(), "a.lum [変更]");
    EXPECT_TRUE(mf.CurEditor->Modified());
    mf.CurEditor->Redo();
    EXPECT_TRUE(mf.close());  // nothing to ask about
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(DocumentsTest, ShiftJisTextIsShownAndSavedBackByteForByte) {
    const QByteArray sjis = QByteArray("\x95\x5c\x8e\xa6\x83\x5c\x83\x74\x83\x67\r\n\x82\xa0\x87\x90\xed\x40\r\n", 20);
    const QString file = makeFile("japanese.txt", sjis);
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    EXPECT_EQ(mf.CurEditor->Lines().Strings(0), QByteArray("\x95\x5c\x8e\xa6\x83\x5c\x83\x74\x83\x67"));

    mf.CurEditor->SetModified(true);
    mf.ActionList1.OverSaveText->trigger();
    EXPECT_EQ(filebytes::read(file), sjis);
}

TEST_F(DocumentsTest, ReloadAsksAndReadsTheFileAgainOnYes) {
    const QString file = makeFile("a.lum", "disk\r\n");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    type("mine ");

    prompts.answerQuestion(IdNo);
    mf.ActionList1.ReText->trigger();
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "mine disk\r\n");

    prompts.answerQuestion(IdYes);
    mf.ActionList1.ReText->trigger();
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "disk\r\n");
    EXPECT_FALSE(mf.CurEditor->Modified());
    EXPECT_EQ(activeCaption(), "a.lum");
    const PromptCall& question = prompts.calls()[0];
    EXPECT_EQ(question.caption, "確認");
    EXPECT_EQ(question.text, "本当に読み直してよいですか？");
    EXPECT_EQ(question.buttons(), mb::YesNo);
    EXPECT_EQ(question.icon(), mb::IconQuestion);
}

TEST_F(DocumentsTest, ClosingTheLastTabLeavesTheNextUntitledOne) {
    TMF& mf = showWindow();
    type("x");

    prompts.answerQuestion(IdNo);
    mf.ActionList1.CloseThisPage->trigger();

    EXPECT_EQ(prompts.calls()[0].text, "新規 (1)は変更されています。保存しますか？");
    EXPECT_EQ(captions(), QStringList{"新規 (2)"});
    EXPECT_EQ(mf.DocTabs.Count(), 1);
    EXPECT_EQ(mf.CurEditor, mf.DocTabs[0].Editor);
}

TEST_F(DocumentsTest, ClosingAskedUntilSavedOrGivenUp) {
    const QString file = makeFile("a.lum", "x");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    mf.ActionList1.NewText->trigger();
    type("y");

    // Yes, the dialog cancelled, asked again: Cancel keeps the tab.
    prompts.answerQuestion(IdYes);
    prompts.answerSaveFile("");
    prompts.answerQuestion(IdCancel);
    mf.ActionList1.CloseThisPage->trigger();
    EXPECT_EQ(mf.DocTabs.Count(), 2);

    prompts.answerQuestion(IdYes);
    prompts.answerSaveFile(workFolder() + "b.lum");
    mf.ActionList1.CloseThisPage->trigger();
    EXPECT_EQ(mf.DocTabs.Count(), 1);
    EXPECT_EQ(filebytes::read(workFolder() + "b.lum"), "y");
    EXPECT_EQ(captions(), QStringList{"a.lum"});
    EXPECT_EQ(title(), "Quodex - " + file);
}

TEST_F(DocumentsTest, SaveAllSavesNamedDocumentsAndAsksForUntitledOnes) {
    const QString file = makeFile("a.lum", "x");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    type("1");
    mf.ActionList1.NewText->trigger();
    type("2");
    mf.ActionList1.NewText->trigger();
    type("3");
    mf.ActionList1.NewText->trigger();  // 新規 (4), unmodified, current
    TEditorEx* current = mf.CurEditor;

    prompts.answerQuestion(IdYes);   // 新規 (2)
    prompts.answerSaveFile("");      // dialog cancelled
    prompts.answerQuestion(IdNo);    // asked again: leave it
    prompts.answerQuestion(IdCancel);  // 新規 (3): end Save All
    mf.ActionList1.SaveAll->trigger();

    EXPECT_EQ(filebytes::read(file), "1x");
    EXPECT_EQ(captions(), QStringList({"a.lum", "新規 (2) [変更]", "新規 (3) [変更]", "新規 (4)"}));
    EXPECT_EQ(prompts.calls()[0].text, "新規 (2)を保存しますか？");
    EXPECT_EQ(prompts.calls()[0].buttons(), mb::YesNoCancel);
    EXPECT_EQ(prompts.calls()[2].text, "新規 (2)を保存しますか？");
    EXPECT_EQ(prompts.calls()[3].text, "新規 (3)を保存しますか？");
    EXPECT_EQ(mf.CurEditor, current);
    EXPECT_TRUE(mf.AutoRefreshTree);
    EXPECT_TRUE(mf.DocTabs[1].Editor->Modified());
}

TEST_F(DocumentsTest, CancellingTheExitPromptKeepsTheWindowAndItsDocuments) {
    TMF& mf = showWindow();
    type("unsaved");

    prompts.answerQuestion(IdCancel);
    EXPECT_FALSE(mf.close());

    EXPECT_TRUE(mf.isVisible());
    EXPECT_EQ(prompts.calls()[0].text, "新規 (1)は変更されています。保存しますか？");
    EXPECT_TRUE(mf.CurEditor->Modified());
    EXPECT_EQ(mf.DocTabs.Count(), 1);
}

TEST_F(DocumentsTest, TheExitPromptSavesNamedDocumentsAndClosesAfterNo) {
    const QString file = makeFile("a.lum", "x");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    type("1");
    mf.ActionList1.NewText->trigger();
    type("2");

    prompts.answerQuestion(IdYes);
    prompts.answerQuestion(IdNo);
    EXPECT_TRUE(mf.close());

    EXPECT_EQ(filebytes::read(file), "1x");
    EXPECT_FALSE(mf.isVisible());
    EXPECT_TRUE(mf.DocTabs.Empty());
    EXPECT_TRUE(TRegIniFile("\\Software\\Telsor\\Quodex").SectionExists("Editor"));
}

TEST_F(DocumentsTest, AFailedSaveKeepsTheDocumentModifiedAndTheFileAsItWas) {
    const QString file = makeFile("dir/a.lum", "on disk");
    TMF& mf = showWindow();
    mf.OpenDocument(file, true);
    type("edit ");
    // The folder is moved away and a plain file takes its name, so the path
    // can be neither written nor replaced.
    ASSERT_TRUE(QDir().rename(workFolder() + "dir", workFolder() + "kept"));
    makeFile("dir", "blocker");

    prompts.expectError();
    mf.ActionList1.OverSaveText->trigger();

    EXPECT_TRUE(lastText(PromptKind::Error).contains(file));
    EXPECT_TRUE(mf.CurEditor->Modified());
    EXPECT_EQ(activeCaption(), "a.lum [変更]");
    EXPECT_EQ(filebytes::read(workFolder() + "kept/a.lum"), "on disk");

    prompts.answerSaveFile(file);
    prompts.expectError();
    mf.ActionList1.NewSaveText->trigger();
    EXPECT_EQ(mf.DocNames(), QStringList{file});
    EXPECT_TRUE(mf.CurEditor->Modified());

    // The exit prompt stops at the failure and the window stays.
    prompts.answerQuestion(IdYes);
    prompts.expectError();
    EXPECT_FALSE(mf.close());
    EXPECT_TRUE(mf.isVisible());
}

TEST_F(DocumentsTest, AFileThatCannotBeReadLeavesTheTabsAsTheyWere) {
    QString unreadable = makeFile("locked.lum", "secret");
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    // With every right the lock does not hold; this file fails every read.
    if (QFile(unreadable).open(QIODevice::ReadOnly)) unreadable = "/proc/self/mem";
    if (!QFileInfo(unreadable).isFile()) GTEST_SKIP() << "no unreadable file at hand";
    const QString folder = workFolder() + "folder.lum";
    QDir().mkpath(folder);
    TMF& mf = showWindow();

    mf.OpenDocument(folder, true);
    EXPECT_EQ(captions(), QStringList{"新規 (1)"});

    prompts.expectError();
    runGuarded([&] { mf.OpenDocument(unreadable, true); });
    EXPECT_EQ(captions(), QStringList{"新規 (1)"});
    EXPECT_EQ(mf.DocNames(), QStringList{""});

    type("x");
    prompts.expectError();
    runGuarded([&] { mf.OpenDocument(unreadable, true); });
    EXPECT_EQ(captions(), QStringList({"新規 (1) [変更]"}));
    EXPECT_EQ(mf.CurEditor, mf.DocTabs[0].Editor);
    EXPECT_EQ(mf.CurEditor->Lines().Text(), "x");
    EXPECT_TRUE(lastText(PromptKind::Error).contains(unreadable));
}

TEST_F(DocumentsTest, OpenedFilesEnterTheHistoryAndTheFileMenuReadsItAgain) {
    const QString a = makeFile("a.lum");
    const QString b = makeFile("b.lum");
    TMF& mf = showWindow();
    mf.OpenDocument(a, true);
    EXPECT_EQ(mf.OFH->Files(), QStringList{a});

    // Another run stores its own history; opening the File menu shows it.
    TOpenFileHistories other;
    other.SetStorage("\\Software\\Telsor\\Quodex", "Files");
    other.ReadSection();
    other.Add(b);
    emit mf.Menus.File1->aboutToShow();
    ASSERT_EQ(mf.Menus.ReOpen->actions().size(), 2);

    mf.Menus.ReOpen->actions()[0]->trigger();
    EXPECT_EQ(mf.DocNames(), QStringList({a, b}));
    EXPECT_EQ(activeCaption(), "b.lum");
}

TEST_F(DocumentsTest, FilesDroppedOnTheWindowOpenInTheirOrder) {
    const QString a = makeFile("a.lum");
    const QString b = makeFile("b.txt");
    TMF& mf = showWindow();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(b), QUrl::fromLocalFile(a)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);

    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&mf, &enter);
    QApplication::sendEvent(&mf, &drop);
    QApplication::processEvents();

    EXPECT_EQ(mf.DocNames(), QStringList({b, a}));
}

}  // namespace
