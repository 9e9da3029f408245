#pragma once
// Waiting in tests while the application's events are delivered.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

// Pumps events until `done` holds or `ms` have passed; true if it held.
inline bool pumpUntil(const std::function<bool()>& done, int ms = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

// Pumps events for `ms`, long enough for the monitor to act on a change.
inline void pumpFor(int ms)
{
    pumpUntil([] { return false; }, ms);
}
