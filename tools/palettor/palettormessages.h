#pragma once
// Palettor's notices and questions, each one row of a table with its
// caption, text, buttons and icon. "%1", "%2", "%3" in a text are filled in
// order from the arguments.
#include <QString>
#include <QStringList>

class QWidget;

enum class PalettorMessage {
    NoPackage,        // the registry command before a package was opened or saved
    Done,             // the registry command succeeded
    RegistryFailed,   // the registry value could not be written
    UnstorableCell,   // row, column, heading of a cell holding a TAB or line break
    RowsLeftOut,      // the rows with empty cells that were not saved
    PackageUnsaved,   // the package grid holds edits not saved
    DefinitionUnsaved,  // the definition grid holds edits not saved
};

QString PalettorMessageText(PalettorMessage message, const QStringList& arguments = {});

// Shows `message` through the prompt service; the DialogResult of the
// button pressed (IdOk for a notice).
int ShowPalettorMessage(PalettorMessage message, QWidget* owner, const QStringList& arguments = {});
