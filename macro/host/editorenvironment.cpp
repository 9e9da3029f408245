#include "macro/host/editorenvironment.h"

#include "macro/engine/poor_pascal.h"
#include "macro/host/macrowindow.h"
#include "macro/host/permission.h"
#include "platform/cp932.h"
#include "platform/prompt.h"
#include "platform/shell.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Often enough for the stop command and typing to feel immediate.
constexpr auto kEventTurn = std::chrono::milliseconds(10);
// A statement list takes nanoseconds; the clock is read at every 16th.
constexpr int kCallsPerClockRead = 16;
// The macro's time between two turns, at least, as a multiple of the last turn.
constexpr int kMacroShare = 4;
constexpr auto kLongestWait = std::chrono::milliseconds(100);
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
    if (--callsToClockRead_ > 0) return;
    callsToClockRead_ = kCallsPerClockRead;
    if (Clock::now() >= nextTurn_) ProcessMessagesNow();
}

void TEditorEnvironment::ProcessMessagesNow() {
    const Clock::time_point start = Clock::now();
    QApplication::processEvents();
    const Clock::time_point end = Clock::now();
    // Handling the events can cost more than usual (painting after the caret
    // went far into a long document): the macro then gets that many times
    // more time of its own before the next turn, but never so much that the
    // window seems to hang (a turn that showed a box took the user's time).
    nextTurn_ = end + std::clamp<Clock::duration>(kMacroShare * (end - start), kEventTurn, kLongestWait);
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
