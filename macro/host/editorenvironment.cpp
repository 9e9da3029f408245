#include "macro/host/editorenvironment.h"

#include "macro/engine/poor_pascal.h"
#include "macro/host/macrowindow.h"
#include "macro/host/permission.h"
#include "platform/cp932.h"
#include "platform/prompt.h"
#include "platform/shell.h"

#include <QApplication>
#include <QWidget>

#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Often enough for the stop command and typing to feel immediate.
constexpr auto kEventTurn = std::chrono::milliseconds(10);
constexpr std::int64_t kShellSuccess = 42;  // above 32: the shell's success
constexpr std::int64_t kShellNotFound = 2;  // the shell's "file not found"

QString decoded(const std::string& sjis) { return cp932::decode(QByteArrayView(sjis.data(), qsizetype(sjis.size()))); }
std::string encoded(const QString& text) { return cp932::encode(text).toStdString(); }

// Enables the widget again however the wait ends.
class DisabledWhile {
public:
    explicit DisabledWhile(QWidget* widget) : widget_(widget) {
        if (widget_) widget_->setEnabled(false);
    }
    ~DisabledWhile() {
        if (widget_) widget_->setEnabled(true);
    }
    DisabledWhile(const DisabledWhile&) = delete;
    DisabledWhile& operator=(const DisabledWhile&) = delete;

private:
    QWidget* widget_;
};

}  // namespace

void TEditorEnvironment::ProcessMessages() {
    const Clock::time_point now = Clock::now();
    if (now - lastTurn_ < kEventTurn) return;
    lastTurn_ = now;
    QApplication::processEvents();
}

void TEditorEnvironment::ProcessMessagesNow() {
    lastTurn_ = Clock::now();
    QApplication::processEvents();
}

void TEditorEnvironment::Sleep(std::uint32_t milliseconds) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (Clock::time_point now = Clock::now(); now < end && !ppa_.StopRequested(); now = Clock::now()) {
        std::this_thread::sleep_for(std::min<Clock::duration>(end - now, kEventTurn));
        ProcessMessagesNow();
    }
}

std::string TEditorEnvironment::InputBox(const std::string& caption, const std::string& prompt,
                                         const std::string& defaultText) {
    const std::optional<QString> entered =
        prompts().inputText(decoded(caption), decoded(prompt), decoded(defaultText), window_.Widget());
    return entered ? encoded(*entered) : defaultText;
}

std::int64_t TEditorEnvironment::MessageBox(const std::string& text, const std::string& caption,
                                            std::int64_t flags) {
    return prompts().messageBox(decoded(text), decoded(caption), int(flags));
}

std::int64_t TEditorEnvironment::Shell(const std::string& path, const std::string& parameters) {
    RequireMacroPermission(window_, ppa_);
    return shell().open(decoded(path), splitCommandLine(decoded(parameters))) ? kShellSuccess : kShellNotFound;
}

bool TEditorEnvironment::Exec(const std::string& commandLine, bool wait, std::int64_t& exitCode) {
    RequireMacroPermission(window_, ppa_);
    QStringList words = splitCommandLine(decoded(commandLine));
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    if (!wait) return shell().startDetached(program, words);
    const std::optional<int> code = WaitForProgram(window_, program, words);
    if (!code) return false;
    exitCode = *code;
    return true;
}

std::optional<int> WaitForProgram(MacroWindow& window, const QString& program, const QStringList& arguments) {
    const DisabledWhile disabled(window.Widget());
    return shell().runAndWait(program, arguments, {}, [] { QApplication::processEvents(); });
}
