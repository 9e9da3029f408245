#pragma once
// A list of the installed font families that can show Japanese text.
#include <QListWidget>

class TFontNameListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TFontNameListBox(QWidget* parent = nullptr);

    // The selected family; empty when none is selected.
    QString FontName() const;
    // Selects the family when it is listed; false otherwise.
    bool SetFontName(const QString& family);
};
