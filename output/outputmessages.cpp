#include "output/outputmessages.h"

#include "platform/messagetable.h"
#include "platform/prompt.h"

namespace {

struct MessageRow {
    OutputMessage message;
    const char* text;
};

// clang-format off
constexpr MessageRow kMessages[] = {
    {OutputMessage::PaneName, "出力"},
    {OutputMessage::RestartQuestion, "コンパイル中です。中止してやり直しますか？"},
    {OutputMessage::ExitCode, "終了コード %1 (%2秒)"},
    {OutputMessage::Stopped, "中止しました (%1秒)"},
    {OutputMessage::Crashed, "異常終了しました (%1秒)"},
    {OutputMessage::Dropped, "先頭の %1 行を省きました"},
};
// clang-format on

QString textOf(OutputMessage message) { return QString::fromUtf8(MessageRowOf(kMessages, message).text); }

QString seconds(qint64 milliseconds) { return QString::number(double(milliseconds) / 1000.0, 'f', 1); }

}  // namespace

QString OutputMessageText(OutputMessage message) { return textOf(message); }

QString OutputMessageText(OutputMessage message, qint64 count) { return textOf(message).arg(count); }

QString EndLineText(int exitCode, bool stopped, bool crashed, qint64 milliseconds) {
    if (stopped) return textOf(OutputMessage::Stopped).arg(seconds(milliseconds));
    if (crashed) return textOf(OutputMessage::Crashed).arg(seconds(milliseconds));
    return textOf(OutputMessage::ExitCode).arg(exitCode).arg(seconds(milliseconds));
}

int AskOutputQuestion(OutputMessage message, QWidget* owner) {
    return prompts().ask(QStringLiteral("確認"), textOf(message), mb::YesNo, mb::IconQuestion, owner);
}
