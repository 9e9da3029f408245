#include "components/fontnamelistbox.h"

#include <QFontDatabase>

TFontNameListBox::TFontNameListBox(QWidget* parent) : QListWidget(parent) {
    addItems(QFontDatabase::families(QFontDatabase::Japanese));
}

QString TFontNameListBox::FontName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

bool TFontNameListBox::SetFontName(const QString& family) {
    const QList<QListWidgetItem*> found = findItems(family, Qt::MatchFixedString);
    if (found.isEmpty()) return false;
    setCurrentItem(found.front());
    return true;
}
