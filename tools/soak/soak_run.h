#pragma once

#include "tools/soak/random_user.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <cstdint>

namespace loco::soak {

struct SoakLimits {
    std::uint64_t events = 0; // 0: no limit
    double seconds = 0; // 0: no limit
};

// Runs the random user inside the program's own event loop, one event per
// turn of the loop, and fails the run when the program ends, an exception
// escapes a handler, an event takes more than a second, or the memory grows
// by more than a tenth after the warm-up (the first fifth of the run). Every 10,000 events it reports the memory and
// the events per window. The error box is answered at once.
class SoakRun : public QObject {
    Q_OBJECT

public:
    SoakRun(std::uint64_t seed, SoakLimits limits, RandomUser& user);
    ~SoakRun() override;

    // Opens every window through its buttons, runs the event loop until a
    // limit is reached or a check fails, and returns the exit code.
    int exec();

private:
    bool openEveryWindow();
    void turn();
    void afterEvent();
    bool limitReached() const;
    bool warmUpOver() const;
    bool checkMemory();
    void reportProgress() const;
    void fail(const QString& why);
    void finish();

    std::uint64_t seed_;
    SoakLimits limits_;
    RandomUser& user_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::uint64_t events_ = 0;
    qint64 eventStart_ = 0;
    QString lastEvent_;
    QHash<QString, std::uint64_t> perWindow_;
    double slowestSeconds_ = 0;
    QString slowestEvent_;
    std::uint64_t errorBoxes_ = 0;
    double memoryAtStart_ = 0;
    double memoryAfterWarmUp_ = 0;
    bool finished_ = false;
    int exitCode_ = 0;
};

} // namespace loco::soak
