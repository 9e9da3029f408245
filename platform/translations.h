#pragma once
// Qt's own texts (the buttons and labels of its file, colour and input
// dialogs, the text edits' context menus) in Japanese, like the rest of the
// programs. Call once in every program, after the application object is made
// and before its first window.
class QCoreApplication;

// False when Qt's Japanese translations are not installed; the programs then
// go on with Qt's English texts.
bool installJapaneseQtTexts(QCoreApplication& application);
