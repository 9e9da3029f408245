#include "platform/prompt.h"

#include "platform/cp932.h"
#include "platform/qtprompts.h"

#include <QGuiApplication>
#include <QStringDecoder>

int PromptService::ask(const QString& caption, const QString& text, int buttons, int icon,
                       QWidget* owner)
{
    return present({PromptKind::Question, caption, text, buttons | icon, owner});
}

void PromptService::inform(const QString& caption, const QString& text, int icon, QWidget* owner)
{
    present({PromptKind::Notice, caption, text, mb::Ok | icon, owner});
}

void PromptService::showMessage(const QString& text, QWidget* owner)
{
    inform(applicationTitle(), text, mb::IconAsterisk, owner);
}

void PromptService::showError(const QString& message, QWidget* owner)
{
    present({PromptKind::Error, applicationTitle(), message, mb::Ok | mb::IconHand, owner});
}

int PromptService::messageBox(const QString& text, const QString& caption, int flags,
                              QWidget* owner)
{
    return present({PromptKind::MessageBox, caption, text, flags, owner});
}

namespace {

PromptService*& installedPrompts()
{
    static PromptService* service = nullptr;
    return service;
}

}  // namespace

PromptService& prompts()
{
    static QtPrompts qtPrompts;
    PromptService* service = installedPrompts();
    return service ? *service : qtPrompts;
}

PromptService* installPrompts(PromptService* service)
{
    PromptService* previous = installedPrompts();
    installedPrompts() = service;
    return previous;
}

QString applicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}

QString exceptionText(const std::exception& error)
{
    const QByteArrayView bytes(error.what());
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return cp932::decode(bytes);
    return text;
}

bool runGuarded(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        prompts().showError(exceptionText(error));
    } catch (...) {
        prompts().showError(QStringLiteral("予期しないエラーが発生しました"));
    }
    return false;
}

QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList masks;
        for (const QString& mask : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = mask.trimmed();
            if (trimmed.isEmpty())
                continue;
            masks << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        if (masks.isEmpty())
            masks << QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + masks.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

QString defaultSuffixOf(const QString& nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = nameFilter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return {};
    const QString firstMask = nameFilter.mid(open + 1, close - open - 1).section(QLatin1Char(' '), 0, 0);
    if (!firstMask.startsWith(QLatin1String("*.")))
        return {};
    const QString suffix = firstMask.mid(2);
    const bool wild = suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'));
    return wild ? QString() : suffix;
}
