#pragma once
// A panel that shows one colour and is clicked to choose another: a flat
// button filled with the colour. It only shows; the owner asks for the new
// colour and sets it.
#include <QColor>
#include <QPushButton>

class QGridLayout;

class TColorPanel : public QPushButton {
    Q_OBJECT

public:
    // `caption` names the panel for assistive readers (the label beside it).
    explicit TColorPanel(const QString& caption, QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

private:
    QColor color_;
};

// A panel named `name` with its caption as a label beside it, on `row` of
// `grid`.
TColorPanel* AddColorPanelRow(QGridLayout* grid, int row, const char* name, const QString& caption);
