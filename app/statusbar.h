#pragma once
// A status bar of fixed-width panels side by side. Panel 0 shows the hint of
// the control under the mouse (the status tips the window passes to it);
// the owner gives every panel its width and keeps panel 0 the remainder.
// Each panel is a label of its own, so screen readers read what it shows.
#include <QStatusBar>
#include <vector>

class QLabel;

class TStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit TStatusBar(QWidget* parent = nullptr);

    int PanelCount() const { return int(panels_.size()); }
    void AddPanel(int width, Qt::Alignment alignment = Qt::AlignLeft);
    int PanelWidth(int index) const;
    void SetPanelWidth(int index, int width);
    // Panel 0 holds the current hint.
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    // The area a panel takes, left to right from the bar's left edge.
    QRect PanelRect(int index) const;
    // The width of a panel that shows `text` whole.
    int FittingWidth(const QString& text) const;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Panel {
        int width = 0;
        QLabel* label = nullptr;
    };
    void placePanels();

    std::vector<Panel> panels_;
};
