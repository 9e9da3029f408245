#include "macro/runner/console_environment.h"

#include <chrono>
#include <thread>

#include "macro/runner/console_text.h"
#include "macro/runner/interrupt.h"
#include "platform/cp932.h"
#include "platform/shell.h"

namespace {

constexpr std::int64_t kOk = 1;
constexpr std::int64_t kShellSuccess = 42;  // above 32: the shell's success
constexpr std::int64_t kShellNotFound = 2;  // the shell's "file not found"

QString decoded(const std::string& sjis) {
    return cp932::decode(QByteArrayView(sjis.data(), qsizetype(sjis.size())));
}

}  // namespace

void ConsoleEnvironment::refuseUnlessPermitted() {
    if (permit_) return;
    writeLine(stderr, consoleText(ppa::formatMessage(ppa::PPAMessage::NotPermitted), false));
    ppa_.Terminate();
}

void ConsoleEnvironment::ProcessMessages() {
    if (interruptRequested()) ppa_.Terminate();
}

void ConsoleEnvironment::Sleep(std::uint32_t milliseconds) {
    // In short steps, so that Ctrl+C does not wait for a long sleep to end.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        if (interruptRequested()) ppa_.Terminate();
        const auto left = end - std::chrono::steady_clock::now();
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, std::chrono::milliseconds(20)));
    }
}

std::string ConsoleEnvironment::InputBox(const std::string&, const std::string&,
                                         const std::string& defaultText) {
    return defaultText;
}

std::int64_t ConsoleEnvironment::MessageBox(const std::string& text, const std::string&, std::int64_t) {
    writeLine(stderr, consoleText(text, rawSjis_));
    return kOk;
}

std::int64_t ConsoleEnvironment::Shell(const std::string& path, const std::string& parameters) {
    refuseUnlessPermitted();
    const QString target = decoded(path);
    const QStringList arguments = splitCommandLine(decoded(parameters));
    // A program or script starts itself; anything else goes to the desktop's
    // default handler.
    if (shell().startDetached(target, arguments)) return kShellSuccess;
    if (!target.isEmpty() && shell().startDetached(QStringLiteral("xdg-open"), {target}))
        return kShellSuccess;
    return kShellNotFound;
}

bool ConsoleEnvironment::Exec(const std::string& commandLine, bool wait, std::int64_t& exitCode) {
    refuseUnlessPermitted();
    QStringList words = splitCommandLine(decoded(commandLine));
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    std::fflush(stdout);
    if (!wait) return shell().startDetached(program, words);
    const std::optional<int> code = shell().runAndWait(program, words);
    if (!code) return false;
    exitCode = *code;
    return true;
}
