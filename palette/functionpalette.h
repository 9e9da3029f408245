#pragma once
// The function palette: the area inside the "関数パレット" bar holding the
// page control PC, one tab of snippet buttons per package line.
#include <QWidget>

class QTabWidget;

class TFunctionPalette : public QWidget {
    Q_OBJECT

public:
    explicit TFunctionPalette(QWidget* parent = nullptr);

    QTabWidget* PC = nullptr;
};
