#include "platform/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace shellinternal {
namespace {

QString baseFolder(const QString& workingFolder)
{
    return workingFolder.isEmpty() ? QDir::currentPath() : workingFolder;
}

// The file a name stands for: relative to the working folder, else (for a
// bare name) on the PATH. Empty when there is none.
QString locate(const QString& name, const QString& workingFolder)
{
    const QFileInfo local(QDir(baseFolder(workingFolder)), name);
    if (local.exists())
        return local.absoluteFilePath();
    if (!name.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(name);
    return {};
}

QByteArray firstLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readLine(4096);
}

bool startsLikeProgram(const QString& path)
{
    const QByteArray head = firstLine(path);
    return head.startsWith("#!") || head.startsWith("\x7f" "ELF");
}

// "#!/usr/bin/env python3" gives {"/usr/bin/env", "python3"}: as the kernel
// reads it, the rest of the line after the interpreter is one argument.
std::optional<QStringList> interpreterOf(const QString& path)
{
    const QByteArray head = firstLine(path);
    if (!head.startsWith("#!"))
        return std::nullopt;
    const QString line = QString::fromLocal8Bit(head.mid(2)).trimmed();
    if (line.isEmpty())
        return std::nullopt;
    const qsizetype blank = line.indexOf(QRegularExpression(QStringLiteral("[ \t]")));
    if (blank < 0)
        return QStringList{line};
    return QStringList{line.left(blank), line.mid(blank + 1).trimmed()};
}

}  // namespace

std::optional<Launch> resolveLaunch(const QString& program, const QStringList& arguments,
                                    const QString& workingFolder)
{
    if (program.isEmpty())
        return std::nullopt;
    const QString path = locate(program, workingFolder);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return std::nullopt;
    if (info.isExecutable())
        return Launch{path, arguments};
    if (std::optional<QStringList> interpreter = interpreterOf(path)) {
        const QString binary = interpreter->takeFirst();
        return Launch{binary, *interpreter + QStringList{path} + arguments};
    }
    return std::nullopt;
}

bool isAddress(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return target.startsWith(QLatin1String("www."), Qt::CaseInsensitive)
           || scheme.match(target).hasMatch();
}

}  // namespace shellinternal

namespace {

using shellinternal::Launch;

QUrl addressUrl(const QString& target)
{
    if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + target);
    return QUrl(target);
}

bool startLaunchDetached(const Launch& launch, const QString& workingFolder)
{
    QProcess process;
    process.setProgram(launch.program);
    process.setArguments(launch.arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    return process.startDetached();
}

class DesktopShell final : public ShellService {
public:
    bool open(const QString& target, const QStringList& arguments,
              const QString& workingFolder) override
    {
        if (target.isEmpty())
            return false;
        if (shellinternal::isAddress(target) && !QFileInfo::exists(target))
            return QDesktopServices::openUrl(addressUrl(target));
        const QString path = shellinternal::locate(target, workingFolder);
        if (path.isEmpty())
            return false;
        // A document on a file system that marks everything executable must
        // still open in its viewer, so only real programs and scripts start.
        if (QFileInfo(path).isFile() && shellinternal::startsLikeProgram(path)) {
            if (std::optional<Launch> launch =
                    shellinternal::resolveLaunch(path, arguments, workingFolder))
                return startLaunchDetached(*launch, workingFolder);
        }
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder) override
    {
        const std::optional<Launch> launch =
            shellinternal::resolveLaunch(program, arguments, workingFolder);
        return launch && startLaunchDetached(*launch, workingFolder);
    }

    std::optional<int> runAndWait(const QString& program, const QStringList& arguments,
                                  const QString& workingFolder,
                                  const std::function<void()>& eachTurn) override
    {
        const std::optional<Launch> launch =
            shellinternal::resolveLaunch(program, arguments, workingFolder);
        if (!launch)
            return std::nullopt;
        QProcess process;
        // Unread pipes would fill up and stall the program; it writes where
        // we write, and reads end-of-file.
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        if (!workingFolder.isEmpty())
            process.setWorkingDirectory(workingFolder);
        process.start(launch->program, launch->arguments);
        if (!process.waitForStarted(-1))
            return std::nullopt;
        process.closeWriteChannel();
        if (eachTurn) {
            while (!process.waitForFinished(100) && process.state() != QProcess::NotRunning)
                eachTurn();
        } else {
            process.waitForFinished(-1);
        }
        if (process.exitStatus() == QProcess::CrashExit)
            return -1;
        return process.exitCode();
    }
};

ShellService*& installedShell()
{
    static ShellService* service = nullptr;
    return service;
}

}  // namespace

ShellService& shell()
{
    static DesktopShell desktop;
    ShellService* service = installedShell();
    return service ? *service : desktop;
}

ShellService* installShell(ShellService* service)
{
    ShellService* previous = installedShell();
    installedShell() = service;
    return previous;
}

QStringList splitCommandLine(const QString& commandLine)
{
    enum class Quote { None, Single, Double };
    QStringList words;
    QString word;
    bool inWord = false;
    Quote quote = Quote::None;
    const qsizetype size = commandLine.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = commandLine[i];
        const bool hasNext = i + 1 < size;
        switch (quote) {
        case Quote::Single:
            if (ch == QLatin1Char('\''))
                quote = Quote::None;
            else
                word += ch;
            break;
        case Quote::Double:
            if (ch == QLatin1Char('"')) {
                quote = Quote::None;
            } else if (ch == QLatin1Char('\\') && hasNext && commandLine[i + 1] == QLatin1Char('\n')) {
                ++i;  // a line continuation
            } else if (ch == QLatin1Char('\\') && hasNext
                       && QStringLiteral("$`\"\\").contains(commandLine[i + 1])) {
                word += commandLine[++i];
            } else {
                word += ch;
            }
            break;
        case Quote::None:
            if (ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n')) {
                if (inWord)
                    words << word;
                word.clear();
                inWord = false;
                break;
            }
            if (ch == QLatin1Char('\\') && hasNext && commandLine[i + 1] == QLatin1Char('\n')) {
                ++i;  // a line continuation
                break;
            }
            inWord = true;
            if (ch == QLatin1Char('\''))
                quote = Quote::Single;
            else if (ch == QLatin1Char('"'))
                quote = Quote::Double;
            else if (ch == QLatin1Char('\\') && hasNext)
                word += commandLine[++i];
            else
                word += ch;
            break;
        }
    }
    if (inWord)
        words << word;
    return words;
}

std::optional<int> runCommandLineAndWait(const QString& commandLine, const QString& workingFolder,
                                         const std::function<void()>& eachTurn)
{
    QStringList words = splitCommandLine(commandLine);
    if (words.isEmpty())
        return std::nullopt;
    const QString program = words.takeFirst();
    return shell().runAndWait(program, words, workingFolder, eachTurn);
}
