// Opening a chart: the time from pressing "图表" until the chart window has been painted, for the
// first chart (which loads the chart module and Qt Charts) and for each screen's chart after it, the
// time to redraw after a field changes, and the resident memory the charts add. Goal: a chart
// opens within 100 ms. Runs on whatever display Qt is given (bench/startup.sh runs it under Xvfb).
#include "../tests/ChartExamples.h"
#include "Resident.h"
#include "gui/Gui.h" // before any Qt header: the session's emit() must be parsed before Qt's macro

#include "gui/ChartModule.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fincalc;

constexpr double kOpenGoalMs = 100;

// Counts paints of one window.
class PaintCount : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == QStringLiteral("ChartWindow"))
            ++paints;
        return false;
    }
};

// Each screen's worked example, and the longest loan a chart draws: 1200 periods of bars.
std::vector<test::ChartExample> examples() {
    auto all = test::chartExamples();
    all.push_back({165, {{"Text1", "100000"}, {"Text2", "0.06"}, {"Text3", "100"}, {"Text4", "12"}}});
    return all;
}

// Processes events until the chart window has been painted since `before`; the milliseconds taken.
double untilPainted(const PaintCount& count, int before, const QElapsedTimer& timer) {
    while (count.paints == before && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PaintCount count;
    app.installEventFilter(&count);
    gui::setUpApplication();
#ifdef FINCALC_CHART_MODULE_DIR
    QCoreApplication::addLibraryPath(QStringLiteral(FINCALC_CHART_MODULE_DIR));
#endif
    Session session;
    gui::Gui gui(session);
    session.start();
    QApplication::processEvents();
    const long beforeKiB = residentKiB();

    bool first = true, met = true;
    for (const test::ChartExample& example : examples()) {
        if (!session.open(example.screen))
            continue;
        QApplication::processEvents();
        for (const auto& [field, text] : example.fields)
            gui.widget(example.screen)
                ->field(QString::fromStdString(field))
                ->setText(QString::fromStdString(text));
        QElapsedTimer timer;
        timer.start();
        int before = count.paints;
        gui.openChart(example.screen);
        const double openMs = untilPainted(count, before, timer);
        if (!gui.chartWindow(example.screen)) {
            std::fprintf(stderr, "bench_charts: no chart window for Form%d\n", example.screen);
            return 1;
        }
        // A keystroke in the first field: the chart is computed and drawn again.
        QLineEdit* field = gui.widget(example.screen)->findChild<QLineEdit*>(QStringLiteral("Text1"));
        timer.restart();
        before = count.paints;
        field->setText(field->text() + QStringLiteral("0"));
        const double redrawMs = untilPainted(count, before, timer);
        met = met && openMs <= kOpenGoalMs;
        const auto periods = example.fields.find("Text3");
        std::printf("Form%-4d%-16s open %7.2f ms%s, redraw after a keystroke %6.2f ms\n", example.screen,
                    example.screen == 165 ? (periods->second + " years").c_str() : "", openMs,
                    first ? " (loads the chart module)" : "", redrawMs);
        first = false;
        session.close(example.screen);
        QApplication::processEvents();
    }
    std::printf("goal %.0f ms to open a chart: %s\n", kOpenGoalMs, met ? "met" : "MISSED");
    std::printf("resident memory: %ld KiB before the first chart, %ld KiB after every chart\n", beforeKiB,
                residentKiB());
    return 0;
}
