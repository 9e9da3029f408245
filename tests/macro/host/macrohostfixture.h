#pragma once
// The real main window with its macro host: macros written in UTF-8 run as
// the edit window's 実行 runs them, on the current document; documents and
// results are read back in UTF-8.
#include "app/statusbar.h"
#include "components/editorex.h"
#include "macro/host/macrohost.h"
#include "platform/cp932.h"
#include "platform/textfile.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/macro/sjistext.h"
#include "tests/support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class MacroHostTest : public MainWindowTest {
protected:
    TMacroHost& host() { return *mf->MacroHost; }
    TEditorEx& editor() { return *mf->CurEditor; }

    static QByteArray sjis(std::string_view utf8) { return QByteArray::fromStdString(macrotest::sjis(utf8)); }
    static QString decoded(const QByteArray& sjisBytes) { return cp932::decode(sjisBytes); }

    // Runs a macro on the current document.
    void run(std::string_view program) { host().RunFromEditForm(textfile::splitLines(sjis(program))); }

    // A variable of the last run, which keeps them until the next.
    std::int64_t intVar(const char* name) const {
        const ppa::VariableEntry* v = mf->MacroHost->PPA.FindVariable(name);
        return v ? v->IntValue : -999;
    }
    QString strVar(const char* name) const {
        const ppa::VariableEntry* v = mf->MacroHost->PPA.FindVariable(name);
        return v ? decoded(QByteArray::fromStdString(v->StrValue)) : "<none>";
    }

    void setText(std::string_view utf8) {
        editor().Lines().SetText(sjis(utf8));
        editor().SetModified(false);
    }
    QString text() { return decoded(editor().Lines().Text()); }
    // Selection start and length, in Shift-JIS bytes.
    std::pair<qsizetype, qsizetype> selection() { return {editor().GetSelStart(), editor().GetSelLength()}; }
    QString status() const { return mf->StB->PanelText(3); }

    // A file of the test's work folder.
    QString workFile(const QString& name, std::optional<QByteArray> bytes = std::nullopt) {
        const QString path = work_.path() + "/" + name;
        QDir().mkpath(QFileInfo(path).path());
        if (bytes) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*bytes);
        }
        return path;
    }
    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // A macro file in the program's macro folder.
    void macroFile(const QString& name, std::string_view program) {
        ASSERT_TRUE(appFolder.writeFile("Macro/" + name, sjis(program)));
    }
    // The text of the last prompt of `kind`.
    QString lastText(PromptKind kind) const {
        const std::vector<PromptCall> calls = prompts.callsOf(kind);
        return calls.empty() ? QString("<none>") : calls.back().text;
    }

private:
    QTemporaryDir work_;
};
