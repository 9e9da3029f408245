#include "search/monitorrequests.h"

#include "platform/prompt.h"

void MonitorRequests::unexpectedFailure()
{
    prompts().messageBox(QString::fromUtf8(kUnexpectedFailureMessage), applicationTitle(), mb::Ok);
}
