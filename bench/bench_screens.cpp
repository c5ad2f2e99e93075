// Scale of the window front end: the time to create and show each screen for the first time (until
// its first paint has been processed), and the resident memory once every screen has been opened,
// against the memory right after start-up. Each screen is left through its close control after its
// first paint, as a user leaves it; the memory with every screen showing at once is reported too.
// Goals: every screen within 16 ms, memory after opening every screen within twice start-up.
// Runs on whatever display Qt is given (bench/startup.sh runs it under its X server).
#include "Resident.h"
#include "gui/Gui.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace fincalc;

constexpr double kScreenGoalMs = 16;
constexpr double kMemoryGoal = 2;

// Notes which top-level windows have had a widget painted.
class PaintWatch : public QObject {
public:
    bool painted(const QWidget* window) const {
        return std::count(painted_.begin(), painted_.end(), window) > 0;
    }
    void forget() { painted_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted_.insert(static_cast<QWidget*>(watched)->window());
        return false;
    }

private:
    std::set<const QWidget*> painted_;
};

// Processes events until the screen's window has been painted; false if that takes over 5 s.
bool waitForPaint(const gui::Gui& gui, const PaintWatch& watch, int screen) {
    QElapsedTimer timer;
    timer.start();
    while (!(gui.widget(screen) && watch.painted(gui.widget(screen)))) {
        if (timer.elapsed() > 5000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The same objects the program's main creates.
    QApplication app(argc, argv);
    PaintWatch watch;
    app.installEventFilter(&watch);
    gui::setUpApplication();
    Session session;
    gui::Gui gui(session);
    session.start();
    if (!waitForPaint(gui, watch, 1)) {
        std::fprintf(stderr, "bench_screens: the home screen was never painted\n");
        return 1;
    }
    const long startupKiB = residentKiB();

    int screens = 0;
    int slowest = 0;
    double slowestMs = 0;
    std::vector<double> times;
    for (int number = 2; number <= kScreenCount; ++number) {
        if (!isDeclared(number))
            continue;
        QElapsedTimer timer;
        timer.start();
        session.open(number);
        if (!waitForPaint(gui, watch, number)) {
            std::fprintf(stderr, "bench_screens: Form%d was never painted\n", number);
            return 1;
        }
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        times.push_back(ms);
        ++screens;
        if (ms > slowestMs) {
            slowestMs = ms;
            slowest = number;
        }
        session.close(number);
        QApplication::processEvents();
    }
    const long allKiB = residentKiB();

    // Every screen showing at the same time: each window holds its own pixels.
    watch.forget();
    for (int number = 2; number <= kScreenCount; ++number)
        if (isDeclared(number) && (!session.open(number) || !waitForPaint(gui, watch, number)))
            return 1;
    const long allShowingKiB = residentKiB();
    std::sort(times.begin(), times.end());
    const double medianMs = times.empty() ? 0 : times[times.size() / 2];

    std::printf("screens opened after the home screen: %d\n", screens);
    std::printf("first show, median: %.2f ms; slowest: %.2f ms (Form%d); goal %.0f ms: %s\n", medianMs,
                slowestMs, slowest, kScreenGoalMs, slowestMs <= kScreenGoalMs ? "met" : "MISSED");
    const double ratio = static_cast<double>(allKiB) / static_cast<double>(startupKiB);
    std::printf("resident memory: %ld KiB after start-up, %ld KiB after opening every screen (%.2f x); goal "
                "%.0f x: %s\n",
                startupKiB, allKiB, ratio, kMemoryGoal, ratio <= kMemoryGoal ? "met" : "MISSED");
    std::printf("resident memory with every screen showing at once: %ld KiB (%.2f x)\n", allShowingKiB,
                static_cast<double>(allShowingKiB) / static_cast<double>(startupKiB));
    return 0;
}
