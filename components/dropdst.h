#pragma once
// Accepts files dropped anywhere on a window and reports them as local
// paths in the order the drop gives them. Widgets inside the window that
// take drops of their own (the editors take text) leave file drops to it.
#include <QObject>
#include <QStringList>

class QWidget;

class TDropDst : public QObject {
    Q_OBJECT

public:
    explicit TDropDst(QWidget* window);

signals:
    // Emitted inside the drop event: handlers must not throw.
    void fileDrop(const QStringList& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};
