#include "tools/soak/soak_run.h"

#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/error_box.h"
#include "toolkit/form_window.h"
#include "tools/soak/window_routes.h"

#include <QCoreApplication>
#include <QTextStream>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <unistd.h>

#ifdef __SANITIZE_ADDRESS__
// From the sanitizer runtime; GCC installs no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace loco::soak {
namespace {

constexpr std::uint64_t kReportEvery = 10000;
constexpr double kSlowEventSeconds = 1.0;
constexpr double kAllowedGrowth = 0.10;
// An event that never returns (a modal loop, an endless handler) is reported
// by a watchdog thread, since the run itself can no longer speak.
constexpr auto kHangTimeout = std::chrono::seconds(30);

// What the terminate handler, the Qt message handler and the watchdog report.
std::atomic<std::uint64_t> currentEvent{0};
std::atomic<std::uint64_t> currentSeed{0};
std::atomic<std::int64_t> eventStartedAt{0}; // steady clock, ns; 0 between events
QtMessageHandler previousMessageHandler = nullptr;

std::int64_t steadyNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

[[noreturn]] void printFailureAndAbort(const char* what)
{
    std::fprintf(stderr, "FAILED: %s at event %llu; replay with --seed %llu --events %llu\n", what,
        static_cast<unsigned long long>(currentEvent.load()), static_cast<unsigned long long>(currentSeed.load()),
        static_cast<unsigned long long>(currentEvent.load()));
    std::abort();
}

// Handlers run guarded, so an exception that reaches terminate got past them.
[[noreturn]] void onTerminate()
{
    std::string message = "an exception escaped a handler";
    if (const std::exception_ptr escaped = std::current_exception()) {
        try {
            std::rethrow_exception(escaped);
        } catch (const std::exception& e) {
            message += std::string(": ") + e.what();
        } catch (...) {
        }
    }
    printFailureAndAbort(message.c_str());
}

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "FAILED: Qt stopped the program at event %llu (seed %llu)\n",
            static_cast<unsigned long long>(currentEvent.load()), static_cast<unsigned long long>(currentSeed.load()));
    previousMessageHandler(type, context, text);
}

void watchForHangs(std::stop_token stop)
{
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    while (!stop.stop_requested()) {
        wake.wait_for(lock, stop, std::chrono::seconds(1), [] { return false; });
        const std::int64_t started = eventStartedAt.load();
        if (started != 0 && steadyNow() - started > std::chrono::nanoseconds(kHangTimeout).count())
            printFailureAndAbort("an event did not finish within 30 s");
    }
}

#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer holds freed memory back (up to 256 MiB) to catch late
// uses, and that counts as resident: its count of bytes in use is the
// measure there.
const char* const kMemoryName = "heap in use";

double memoryMiB()
{
    return double(__sanitizer_get_current_allocated_bytes()) / (1024.0 * 1024.0);
}
#else
const char* const kMemoryName = "resident memory";

double memoryMiB()
{
    unsigned long long pages = 0;
    unsigned long long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%llu %llu", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}
#endif

QString mib(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" MiB");
}

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

} // namespace

SoakRun::SoakRun(std::uint64_t seed, SoakLimits limits, RandomUser& user) : seed_(seed), limits_(limits), user_(user)
{
    currentSeed = seed;
    std::set_terminate(onTerminate);
    previousMessageHandler = qInstallMessageHandler(onQtMessage);
    // Nobody is there to press OK: the box is answered as soon as it appears.
    loco::setErrorReporter([this](const QString&, const QString&) { ++errorBoxes_; });
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &SoakRun::turn);
}

SoakRun::~SoakRun()
{
    loco::setErrorReporter({});
    qInstallMessageHandler(previousMessageHandler);
}

bool SoakRun::openEveryWindow()
{
    awal_menu->show();
    QCoreApplication::processEvents();
    for (FormWindow* window : loco::windows()) {
        if (!window->isVisible() && !openThroughButtons(window)) {
            fail(QStringLiteral("%1 could not be opened through its buttons").arg(window->objectName()));
            return false;
        }
        QCoreApplication::processEvents();
    }
    return true;
}

int SoakRun::exec()
{
    out() << "lokomotif-soak: seed " << seed_ << ", up to "
          << (limits_.events ? QString::number(limits_.events) + QStringLiteral(" events")
                             : QStringLiteral("any number of events"))
          << (limits_.seconds > 0 ? QStringLiteral(" in %1 s").arg(limits_.seconds) : QString()) << Qt::endl;
    const std::jthread watchdog(watchForHangs);
    if (!openEveryWindow())
        return exitCode_;
    memoryAtStart_ = memoryMiB();
    out() << "logged in, every window open through its buttons; " << kMemoryName << ' ' << mib(memoryAtStart_)
          << Qt::endl;
    clock_.start();
    timer_.start();
    QCoreApplication::exec();
    if (!finished_)
        fail(QStringLiteral("the program ended after event %1 (%2)").arg(events_).arg(lastEvent_));
    return exitCode_;
}

// One event per turn of the loop, so the time from one turn to the next is
// the event with everything it set off: repaints, queued handlers.
void SoakRun::turn()
{
    if (events_ > 0)
        afterEvent();
    if (finished_)
        return;
    if (limitReached()) {
        finish();
        return;
    }
    ++events_;
    currentEvent = events_;
    eventStart_ = clock_.nsecsElapsed();
    eventStartedAt = steadyNow();
    try {
        const UserEvent event = user_.act();
        const QString window = event.window ? event.window->objectName() : QStringLiteral("no window");
        lastEvent_ = window + QStringLiteral(": ") + event.what;
        ++perWindow_[window];
    } catch (const std::exception& e) {
        fail(QStringLiteral("an exception escaped a handler: %1").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        fail(QStringLiteral("an exception escaped a handler"));
    }
}

void SoakRun::afterEvent()
{
    eventStartedAt = 0;
    const double seconds = double(clock_.nsecsElapsed() - eventStart_) / 1e9;
    if (seconds > slowestSeconds_) {
        slowestSeconds_ = seconds;
        slowestEvent_ = QStringLiteral("#%1, %2").arg(events_).arg(lastEvent_);
    }
    if (seconds > kSlowEventSeconds) {
        fail(QStringLiteral("event %1 took %2 s (%3)").arg(events_).arg(seconds, 0, 'f', 2).arg(lastEvent_));
        return;
    }
    if (memoryAfterWarmUp_ == 0 && warmUpOver())
        memoryAfterWarmUp_ = memoryMiB();
    if (events_ % kReportEvery == 0) {
        reportProgress();
        checkMemory();
    }
}

bool SoakRun::limitReached() const
{
    return (limits_.events > 0 && events_ >= limits_.events)
        || (limits_.seconds > 0 && double(clock_.elapsed()) / 1000.0 >= limits_.seconds);
}

bool SoakRun::warmUpOver() const
{
    if (limits_.events > 0)
        return events_ >= limits_.events / 5;
    return double(clock_.elapsed()) / 1000.0 >= limits_.seconds / 5;
}

bool SoakRun::checkMemory()
{
    if (memoryAfterWarmUp_ == 0)
        return true;
    const double now = memoryMiB();
    if (now <= memoryAfterWarmUp_ * (1 + kAllowedGrowth))
        return true;
    fail(QStringLiteral("%1 grew from %2 after the warm-up to %3 by event %4")
             .arg(QLatin1String(kMemoryName), mib(memoryAfterWarmUp_), mib(now))
             .arg(events_));
    return false;
}

void SoakRun::reportProgress() const
{
    out() << "event " << events_ << ": " << kMemoryName << ' ' << mib(memoryMiB()) << ";";
    for (const FormWindow* window : loco::windows())
        out() << ' ' << window->objectName() << ' ' << perWindow_.value(window->objectName());
    out() << Qt::endl;
}

void SoakRun::fail(const QString& why)
{
    out() << "FAILED: " << why << "; replay with --seed " << seed_ << " --events " << events_ << Qt::endl;
    exitCode_ = 1;
    finish();
}

void SoakRun::finish()
{
    if (finished_)
        return;
    finished_ = true;
    eventStartedAt = 0;
    timer_.stop();
    if (exitCode_ == 0 && checkMemory()) {
        const double seconds = double(clock_.elapsed()) / 1000.0;
        const double memoryAtEnd = memoryMiB();
        if (events_ % kReportEvery != 0)
            reportProgress();
        out() << "done: " << events_ << " events in " << QString::number(seconds, 'f', 1) << " s ("
              << QString::number(double(events_) / seconds, 'f', 0) << " events/s); " << kMemoryName << " at start "
              << mib(memoryAtStart_) << ", after warm-up " << mib(memoryAfterWarmUp_) << ", at end " << mib(memoryAtEnd)
              << "; slowest event " << QString::number(slowestSeconds_ * 1000, 'f', 1) << " ms (" << slowestEvent_
              << "); " << errorBoxes_ << " error boxes answered" << Qt::endl;
    }
    QCoreApplication::exit(exitCode_);
}

} // namespace loco::soak
