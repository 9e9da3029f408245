#include "app/handover.h"

#include "platform/textfile.h"

void WriteHandoverFile(const QString& programFolder, const QString& fileName) {
    if (fileName.isEmpty()) return;
    textfile::saveLines(programFolder + kHandoverFileName, {"FileName=" + fileName});
}
