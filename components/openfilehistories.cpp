#include "components/openfilehistories.h"

#include "platform/regini.h"

#include <QMenu>

namespace {

// The list is one value, a path per line, so that storing it is one write.
const QString kValue = QStringLiteral("Paths");

// A menu caption shows "&" literally and takes its digit as the access key.
QString caption(int i, const QString& path) {
    QString shown = path;
    shown.replace(u'&', QStringLiteral("&&"));
    return i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(shown) : QStringLiteral("%1 %2").arg(i + 1).arg(shown);
}

}  // namespace

TOpenFileHistories::TOpenFileHistories(QObject* parent) : QObject(parent) {}

void TOpenFileHistories::SetStorage(const QString& key, const QString& section) {
    key_ = key;
    section_ = section;
}

void TOpenFileHistories::SetMenu(QMenu* menu) {
    menu_ = menu;
    rebuildMenu();
}

void TOpenFileHistories::Add(const QString& path) {
    if (path.isEmpty()) return;
    files_.removeIf([&](const QString& f) { return f.compare(path, Qt::CaseInsensitive) == 0; });
    files_.prepend(path);
    while (files_.size() > MaxFiles) files_.removeLast();
    rebuildMenu();
    WriteSection();
}

void TOpenFileHistories::ReadSection() {
    if (key_.isEmpty()) return;
    QStringList read;
    for (const QString& path : TRegIniFile(key_).ReadString(section_, kValue, QString()).split(u'\n')) {
        const bool known = read.contains(path, Qt::CaseInsensitive);
        if (!path.isEmpty() && !known && read.size() < MaxFiles) read.append(path);
    }
    files_ = read;
    rebuildMenu();
}

void TOpenFileHistories::WriteSection() const {
    if (key_.isEmpty()) return;
    TRegIniFile(key_).WriteString(section_, kValue, files_.join(u'\n'));
}

void TOpenFileHistories::rebuildMenu() {
    if (!menu_) return;
    menu_->clear();
    for (int i = 0; i < files_.size(); ++i) {
        const QString path = files_[i];
        QAction* action = menu_->addAction(caption(i, path));
        connect(action, &QAction::triggered, this, [this, path] { emit openFile(path); });
    }
    menu_->setEnabled(!files_.isEmpty());
}
