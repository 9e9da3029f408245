// Palettor: writes the button packages and definition files of the editor's
// function palette. `palettor FILE.qbp` opens that package at the start.
#include "platform/translations.h"
#include "tools/palettor/palettorform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Palettor");
    installJapaneseQtTexts(app);
    TForm1 form(QApplication::arguments().value(1));
    form.show();
    return QApplication::exec();
}
