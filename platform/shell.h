#pragma once
// Starting other programs and documents: the shell's "open", process
// creation, and running a program to its end. Everything the programs start
// goes through shell(), so tests can put a recorder in its place.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class ShellService {
public:
    virtual ~ShellService() = default;

    // The shell's "open" of `target`: an executable file or a script (exec
    // permission or a "#!" first line) starts detached with `arguments` in
    // `workingFolder` (empty: the current folder); a URL, "mailto:" text,
    // "www." address, folder or other document goes to the desktop's default
    // handler. A relative target is looked for in `workingFolder`, then on
    // the PATH. False when nothing could be started.
    virtual bool open(const QString& target, const QStringList& arguments = {},
                      const QString& workingFolder = {}) = 0;

    // Process creation without the default handler: starts `program` (a
    // script as above) detached. False when it cannot start.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingFolder = {}) = 0;

    // Starts `program` and waits for its end. While it runs, `eachTurn` (when
    // given) is called every 100 ms, e.g. to keep the windows responsive.
    // Returns the exit code (-1 after a crash), or nothing when the program
    // cannot start.
    virtual std::optional<int> runAndWait(const QString& program, const QStringList& arguments,
                                          const QString& workingFolder = {},
                                          const std::function<void()>& eachTurn = {}) = 0;
};

// The service in use: the desktop one unless another was installed.
ShellService& shell();

// Puts `service` in place (not owned; nullptr returns to the desktop one)
// and returns the one it replaces.
ShellService* installShell(ShellService* service);

class ScopedShellService {
public:
    explicit ScopedShellService(ShellService* service) : previous_(installShell(service)) {}
    ~ScopedShellService() { installShell(previous_); }
    ScopedShellService(const ScopedShellService&) = delete;
    ScopedShellService& operator=(const ScopedShellService&) = delete;

private:
    ShellService* previous_;
};

// Splits a command line into words the way a POSIX shell does, without any
// expansion: blanks separate words; '...' is literal; in "..." a backslash
// escapes only $ ` " \ and newline; elsewhere a backslash escapes the next
// character. An unterminated quote runs to the end of the line.
QStringList splitCommandLine(const QString& commandLine);

// Splits `commandLine` and runs it through shell().runAndWait.
std::optional<int> runCommandLineAndWait(const QString& commandLine,
                                         const QString& workingFolder = {},
                                         const std::function<void()>& eachTurn = {});

namespace shellinternal {

// What a start of `program` really executes: the program itself when it can
// run, its "#!" interpreter line for a script without exec permission, or
// nothing when it cannot be started. `program` is looked for relative to
// `workingFolder`, then on the PATH.
struct Launch {
    QString program;
    QStringList arguments;
};
std::optional<Launch> resolveLaunch(const QString& program, const QStringList& arguments,
                                    const QString& workingFolder);

// True for targets that go to the default handler as addresses.
bool isAddress(const QString& target);

}  // namespace shellinternal
