#pragma once
// What an assistive reader finds in a window: its accessible tree walked
// from the window down, as screen readers walk it over AT-SPI.
#include <QStringList>

class QWidget;

// The shown interactive controls (buttons, boxes, edits, lists, tabs, trees,
// tables) whose accessible name is empty, each as "class objectName".
QStringList unnamedControls(QWidget* root);

// Every non-empty name and description in the tree below `root`.
QStringList accessibleTexts(QWidget* root);
