// Purgel: erases the settings that "reg.ini" beside it names.
#include "platform/translations.h"
#include "tools/purgel/purgelform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Purgel"));
    installJapaneseQtTexts(app);
    TPurgelForm form;
    form.show();
    return QApplication::exec();
}
