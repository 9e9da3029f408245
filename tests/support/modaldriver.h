#pragma once
// Acts on a modal dialog once the code under test has opened it: the action
// runs as soon as a visible modal widget of type T appears (polled every 10
// ms, for at most `timeoutMs`; after that every modal dialog is rejected so
// the test cannot hang). Arm it before calling the code that opens the dialog.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

template <typename T>
void whenModalShown(std::function<void(T*)> action, int timeoutMs = 5000)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* dialog = qobject_cast<T*>(modal); dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (auto* stuck = qobject_cast<QDialog*>(modal))
                stuck->reject();
        }
    });
    timer->start(10);
}
