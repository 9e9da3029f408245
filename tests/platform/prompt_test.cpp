#include "platform/prompt.h"

#include "platform/qtprompts.h"
#include "platform/translations.h"
#include "tests/support/modaldriver.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scriptedprompts.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QString kSourceFilter = QStringLiteral(
    "Lumiraソース(*.lum;*.Lumira)|*.lum;*.Lumira|Serithソース(*.srx;*.Serith)|*.srx;*.Serith|"
    "テキストファイル(*.txt)|*.txt|対応している全てのファイル|*.lum;*.Lumira;*.srx;*.Serith;*.txt|"
    "全て(*.*)|*.*");

TEST(QtNameFiltersTest, ClassicFiltersBecomeQtFilters)
{
    EXPECT_EQ(qtNameFilters(kSourceFilter),
              (QStringList{QStringLiteral("Lumiraソース(*.lum;*.Lumira) (*.lum *.Lumira)"),
                           QStringLiteral("Serithソース(*.srx;*.Serith) (*.srx *.Serith)"),
                           QStringLiteral("テキストファイル(*.txt) (*.txt)"),
                           QStringLiteral("対応している全てのファイル (*.lum *.Lumira *.srx *.Serith *.txt)"),
                           QStringLiteral("全て(*.*) (*)")}));
    EXPECT_EQ(qtNameFilters(QStringLiteral("Lumiraヘルプ(index.html)|index.html")),
              QStringList{QStringLiteral("Lumiraヘルプ(index.html) (index.html)")});
    EXPECT_EQ(qtNameFilters(QStringLiteral("a|*.a|dangling")), QStringList{QStringLiteral("a (*.a)")});
    EXPECT_EQ(qtNameFilters(QStringLiteral("blank| ; |b|*.b")),
              (QStringList{QStringLiteral("blank (*)"), QStringLiteral("b (*.b)")}));
    EXPECT_TRUE(qtNameFilters(QString()).isEmpty());
}

TEST(QtNameFiltersTest, ASaveDialogTakesTheChosenFiltersFirstExtension)
{
    const QStringList filters = qtNameFilters(kSourceFilter);
    QStringList suffixes;
    for (const QString& filter : filters)
        suffixes << defaultSuffixOf(filter);
    EXPECT_EQ(suffixes, (QStringList{"lum", "srx", "txt", "lum", ""}));
    EXPECT_EQ(defaultSuffixOf(QStringLiteral("x (*.l?m)")), QString());
    EXPECT_EQ(defaultSuffixOf(QStringLiteral("x (index.html)")), QString());
}

TEST(PromptServiceTest, ConveniencesReachTheServiceWithTheirKindAndFlags)
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quodex"));
    ScriptedPrompts scripted;
    scripted.answerQuestion(IdNo);
    scripted.expectNotice();
    scripted.expectNotice();
    scripted.expectError();
    scripted.answerMessageBox(IdRetry);

    EXPECT_EQ(prompts().ask(QStringLiteral("確認"), QStringLiteral("保存しますか？"), mb::YesNoCancel), IdNo);
    prompts().inform(QStringLiteral("終了"), QStringLiteral("見つかりません"));
    prompts().showMessage(QStringLiteral("消去しました"));
    prompts().showError(QStringLiteral("文法エラーです[x]"));
    EXPECT_EQ(prompts().messageBox(QStringLiteral("t"), QStringLiteral("c"),
                                   mb::RetryCancel | mb::IconExclamation | mb::DefButton2),
              IdRetry);

    const auto& calls = scripted.calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].kind, PromptKind::Question);
    EXPECT_EQ(calls[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(calls[0].buttons(), mb::YesNoCancel);
    EXPECT_EQ(calls[0].icon(), mb::IconQuestion);
    EXPECT_EQ(calls[1].kind, PromptKind::Notice);
    EXPECT_EQ(calls[1].flags, mb::Ok | mb::IconAsterisk);
    EXPECT_EQ(calls[2].caption, QStringLiteral("Quodex"));
    EXPECT_EQ(calls[3].kind, PromptKind::Error);
    EXPECT_EQ(calls[3].caption, QStringLiteral("Quodex"));
    EXPECT_EQ(calls[3].icon(), mb::IconHand);
    EXPECT_EQ(calls[4].kind, PromptKind::MessageBox);
    EXPECT_EQ(calls[4].flags, mb::RetryCancel | mb::IconExclamation | mb::DefButton2);
}

TEST(PromptServiceTest, RunGuardedShowsAnEscapingExceptionInTheErrorBox)
{
    ScriptedPrompts scripted;
    scripted.expectError();
    scripted.expectError();
    scripted.expectError();

    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("未宣言の組み込み関数です[FOO]"); }));
    // A message carrying Shift-JIS bytes ("実行" followed by a token).
    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("\x8e\xc0\x8d\x73[\x95\x5c]"); }));
    EXPECT_FALSE(runGuarded([] { throw 42; }));

    ASSERT_EQ(scripted.calls().size(), 3u);
    EXPECT_EQ(scripted.calls()[0].text, QStringLiteral("未宣言の組み込み関数です[FOO]"));
    EXPECT_EQ(scripted.calls()[1].text, QStringLiteral("実行[表]"));
    EXPECT_FALSE(scripted.calls()[2].text.isEmpty());
}

TEST(ScriptedPromptsTest, AnswersDialogsFromTheScriptAndRestoresTheService)
{
    PromptService* qtService = &prompts();
    {
        ScriptedPrompts scripted;
        EXPECT_EQ(&prompts(), &scripted);
        scripted.answerOpenFiles({QStringLiteral("/a.lum"), QStringLiteral("/b.lum")});
        scripted.answerSaveFile(QString());
        scripted.answerFolder(QStringLiteral("/work"));
        scripted.answerColour(QColor(Qt::red));
        scripted.answerText(std::nullopt);

        FileDialogRequest open;
        open.filter = kSourceFilter;
        open.filterIndex = 4;
        open.multiSelect = true;
        EXPECT_EQ(prompts().chooseOpenFiles(open),
                  (QStringList{QStringLiteral("/a.lum"), QStringLiteral("/b.lum")}));
        EXPECT_EQ(prompts().chooseSaveFile({}), QString());
        EXPECT_EQ(prompts().chooseFolder(QStringLiteral("フォルダ"), QStringLiteral("/")),
                  QStringLiteral("/work"));
        EXPECT_EQ(prompts().chooseColour(Qt::blue), QColor(Qt::red));
        EXPECT_EQ(prompts().inputText(QStringLiteral("c"), QStringLiteral("p"), QStringLiteral("i")),
                  std::nullopt);

        ASSERT_EQ(scripted.calls().size(), 5u);
        EXPECT_EQ(scripted.calls()[0].file.filterIndex, 4);
        EXPECT_TRUE(scripted.calls()[0].file.multiSelect);
        EXPECT_EQ(scripted.calls()[2].caption, QStringLiteral("フォルダ"));
        EXPECT_EQ(scripted.calls()[3].initialColour, QColor(Qt::blue));
        EXPECT_EQ(scripted.calls()[4].initialText, QStringLiteral("i"));
        EXPECT_EQ(scripted.remaining(), 0);
    }
    EXPECT_EQ(&prompts(), qtService);
}

TEST(ScriptedPromptsTest, UnscriptedPromptsFailTheTestAndAreCancelled)
{
    ScriptedPrompts scripted;
    int result = 0;
    EXPECT_NONFATAL_FAILURE(result = prompts().ask(QStringLiteral("確認"), QStringLiteral("q")),
                            "unexpected question caption \"確認\"");
    EXPECT_EQ(result, IdCancel);

    scripted.answerQuestion(IdYes);
    EXPECT_NONFATAL_FAILURE(prompts().showError(QStringLiteral("boom")), "(a question was scripted next)");
    EXPECT_EQ(prompts().ask(QStringLiteral("確認"), QStringLiteral("q")), IdYes);

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts inner;
            inner.expectNotice();
        },
        "scripted notice never shown");
}

// The real message box: each button set shows its buttons, and pressing one
// returns its classic identifier.
TEST(QtPromptsTest, MessageBoxButtonsReturnTheirIdentifiers)
{
    struct Case {
        int flags;
        QStringList texts;
        QList<int> results;
    };
    const Case cases[] = {
        {mb::Ok, {QStringLiteral("OK")}, {IdOk}},
        {mb::OkCancel, {QStringLiteral("OK"), QStringLiteral("キャンセル")}, {IdOk, IdCancel}},
        {mb::AbortRetryIgnore,
         {QStringLiteral("中止(&A)"), QStringLiteral("再試行(&R)"), QStringLiteral("無視(&I)")},
         {IdAbort, IdRetry, IdIgnore}},
        {mb::YesNoCancel,
         {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"), QStringLiteral("キャンセル")},
         {IdYes, IdNo, IdCancel}},
        {mb::YesNo, {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}, {IdYes, IdNo}},
        {mb::RetryCancel, {QStringLiteral("再試行(&R)"), QStringLiteral("キャンセル")}, {IdRetry, IdCancel}},
    };
    QtPrompts qt;
    for (const Case& c : cases) {
        for (int i = 0; i < c.texts.size(); ++i) {
            QStringList shown;
            whenModalShown<QMessageBox>([&, i](QMessageBox* box) {
                for (QAbstractButton* button : box->buttons())
                    shown << button->text();
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == c.texts[i])
                        button->click();
                }
            });
            EXPECT_EQ(qt.present({PromptKind::MessageBox, QStringLiteral("c"), QStringLiteral("t"),
                                  c.flags, nullptr}),
                      c.results[i])
                << c.flags << " " << i;
            shown.sort();
            QStringList expected = c.texts;
            expected.sort();
            EXPECT_EQ(shown, expected) << c.flags;
        }
    }
}

TEST(QtPromptsTest, MessageBoxShowsCaptionIconAndDefaultButton)
{
    QtPrompts qt;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultText;
    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        icon = box->icon();
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        box->defaultButton()->click();
    });
    EXPECT_EQ(qt.present({PromptKind::Question, QStringLiteral("確認"), QStringLiteral("q"),
                          mb::YesNoCancel | mb::IconQuestion | mb::DefButton3, nullptr}),
              IdCancel);
    EXPECT_EQ(caption, QStringLiteral("確認"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(defaultText, QStringLiteral("キャンセル"));

    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        box->close();  // from the title bar
    });
    EXPECT_EQ(qt.present({PromptKind::Error, QStringLiteral("Quodex"), QStringLiteral("e"),
                          mb::Ok | mb::IconHand, nullptr}),
              IdOk);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtPromptsTest, OpenDialogStartsWhereAskedAndReturnsTheChosenFiles)
{
    QTemporaryDir dir;
    for (const char* name : {"a.lum", "b.srx", "c.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
    }
    QtPrompts qt;
    FileDialogRequest request;
    request.filter = kSourceFilter;
    request.filterIndex = 4;
    request.initialFolder = dir.path();
    request.defaultExtension = QStringLiteral("lum");
    request.multiSelect = true;

    QString selectedFilter;
    QString folder;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        selectedFilter = dialog->selectedNameFilter();
        folder = dialog->directory().absolutePath();
        mode = dialog->fileMode();
        dialog->selectFile(QStringLiteral("\"a.lum\" \"b.srx\""));
        static_cast<QDialog*>(dialog)->accept();
    });
    const QStringList chosen = qt.chooseOpenFiles(request);
    // Shown as the classic dialog shows it: the text alone.
    EXPECT_EQ(selectedFilter, QStringLiteral("対応している全てのファイル"));
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(mode, QFileDialog::ExistingFiles);
    EXPECT_EQ(chosen, (QStringList{dir.filePath(QStringLiteral("a.lum")),
                                   dir.filePath(QStringLiteral("b.srx"))}));

    whenModalShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_TRUE(qt.chooseOpenFiles(request).isEmpty());
}

TEST(QtPromptsTest, SaveDialogAddsTheDefaultExtensionAndHonoursTheOverwriteOption)
{
    QTemporaryDir dir;
    QtPrompts qt;
    FileDialogRequest request;
    request.filter = QStringLiteral("テンプレートファイル(*.qtf)|*.qtf");
    request.filterIndex = 9;  // out of range: the first
    request.initialFolder = dir.path();
    request.fileName = QStringLiteral("named");
    request.defaultExtension = QStringLiteral("qtf");

    bool confirms = true;
    QString selectedFilter;
    whenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        selectedFilter = dialog->selectedNameFilter();
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(qt.chooseSaveFile(request), dir.filePath(QStringLiteral("named.qtf")));
    EXPECT_FALSE(confirms);
    EXPECT_EQ(selectedFilter, QStringLiteral("テンプレートファイル(*.qtf)"));

    request.overwritePrompt = true;
    whenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    EXPECT_EQ(qt.chooseSaveFile(request), QString());
    EXPECT_TRUE(confirms);
}

// In Japanese, wide enough for its columns, and a name typed without an
// extension takes that of the filter the user picks.
TEST(QtPromptsTest, SaveDialogSpeaksJapaneseAndFollowsTheChosenFilter)
{
    ASSERT_TRUE(installJapaneseQtTexts(*QCoreApplication::instance()));
    QTemporaryDir dir;
    QtPrompts qt;
    FileDialogRequest request;
    request.filter = kSourceFilter;
    request.initialFolder = dir.path();
    request.fileName = QStringLiteral("typed");
    QStringList suffixes;
    int width = 0;
    QString cancelText;
    whenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        width = dialog->width();
        suffixes << dialog->defaultSuffix();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        types->setCurrentIndex(1);
        emit types->textActivated(types->itemText(1));
        suffixes << dialog->defaultSuffix();
        cancelText = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(qt.chooseSaveFile(request), dir.filePath(QStringLiteral("typed.srx")));
    EXPECT_EQ(suffixes, (QStringList{QStringLiteral("lum"), QStringLiteral("srx")}));
    EXPECT_GE(width, 760);
    EXPECT_EQ(cancelText, QStringLiteral("キャンセル"));
}

TEST(QtPromptsTest, TextColourAndFolderPickersReturnNothingWhenCancelled)
{
    QtPrompts qt;
    QString prompt;
    whenModalShown<QInputDialog>([&](QInputDialog* dialog) {
        prompt = dialog->labelText();
        EXPECT_EQ(dialog->textValue(), QStringLiteral("初期値"));
        dialog->setTextValue(QStringLiteral("入力"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(qt.inputText(QStringLiteral("c"), QStringLiteral("名前"), QStringLiteral("初期値"), nullptr),
              QStringLiteral("入力"));
    EXPECT_EQ(prompt, QStringLiteral("名前"));
    whenModalShown<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(qt.inputText(QStringLiteral("c"), QStringLiteral("p"), QString(), nullptr), std::nullopt);

    whenModalShown<QColorDialog>([](QColorDialog* dialog) {
        EXPECT_EQ(dialog->currentColor(), QColor(10, 20, 30));
        dialog->setCurrentColor(QColor(200, 100, 50));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(qt.chooseColour(QColor(10, 20, 30), nullptr), QColor(200, 100, 50));
    whenModalShown<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(qt.chooseColour(Qt::white, nullptr), std::nullopt);

    QTemporaryDir dir;
    whenModalShown<QFileDialog>([](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_EQ(qt.chooseFolder(QStringLiteral("t"), dir.path(), nullptr), dir.path());
    whenModalShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(qt.chooseFolder(QStringLiteral("t"), dir.path(), nullptr), QString());
}

}  // namespace
