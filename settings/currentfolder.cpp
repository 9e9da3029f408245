#include "settings/currentfolder.h"

QString currentFolderOf(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(u'/')) return folder;
    return folder + u'/';
}
