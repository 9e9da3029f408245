#include "app/quodexmain.h"

#include "app/mainunit.h"
#include "platform/prompt.h"
#include "platform/translations.h"
#include "settings/inputform.h"

#include <QApplication>

int RunQuodex(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quodex");
    installJapaneseQtTexts(application);
    // The editor asks for texts in its own input window.
    InputFormPrompts inputForms(prompts());
    const ScopedPromptService textInput(&inputForms);
    int status = 0;
    const bool ended = runGuarded([&] {
        TMF mainForm(QApplication::arguments());
        // A second instance has handed its argument over and ends unseen.
        if (mainForm.IsSecondInstance()) return;
        mainForm.show();
        status = QApplication::exec();
    });
    return ended ? status : 1;
}
