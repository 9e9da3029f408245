#pragma once
// The main window's settings record. It starts with every text and list
// empty; the stored values are read into it at start-up and the settings
// dialog edits it in place.
#include <QString>
#include <QStringList>

struct TSettings {
    QString CurrentFolder;  // ends in "/" once set
    QString AppFolder;      // ends in "/"
    QString LumHelpFile;
    QString LumcFolder;
    QString BatFile;
    QString KioroFile;
    QString KioFile;
    QString WinHelpFile;
    QString PaletteFile;
    QString RegKey;

    QStringList FindHistory;     // most recent first
    QStringList ReplaceHistory;  // most recent first

    bool InsertNewLine = false;
    bool SaveWindowState = false;
    bool PermitAllMacro = false;
    bool OpenMailOrMail = true;

    // The window's bounds while it was last neither maximized nor minimized.
    int Width = 0;
    int Height = 0;
    int Left = 0;
    int Top = 0;
};
