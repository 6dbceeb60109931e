#pragma once

// The start-up probes report when their first window is on the display: once
// it is exposed (mapped) and its first paint is flushed, they print the
// monotonic clock and the processor time used so far (all threads), both in
// nanoseconds. compare_startup.py takes the clock just before it starts the
// process.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace loco {

inline void printShownClock()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    rusage used{};
    getrusage(RUSAGE_SELF, &used);
    const auto ns = [](timeval t) { return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_usec * 1000LL; };
    std::printf("%lld %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
        ns(used.ru_utime) + ns(used.ru_stime));
    std::fflush(stdout);
}

// For the yardsticks: prints the clock once the window is shown, then quits.
class ShownClock : public QObject {
public:
    // Call after window.show().
    static void quitWhenShown(QWidget& window)
    {
        QWindow* handle = window.windowHandle();
        auto* clock = new ShownClock(handle);
        handle->installEventFilter(clock);
        if (handle->isExposed())
            clock->stopSoon();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            stopSoon();
        return false;
    }

private:
    explicit ShownClock(QObject* parent) : QObject(parent) { }

    // The expose paints the window before the event loop runs the timer.
    void stopSoon()
    {
        if (stopping_)
            return;
        stopping_ = true;
        QTimer::singleShot(0, [] {
            printShownClock();
            QCoreApplication::quit();
        });
    }

    bool stopping_ = false;
};

} // namespace loco
