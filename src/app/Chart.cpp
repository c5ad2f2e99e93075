#include "app/Chart.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace fincalc {

ChartAxis makeAxis(std::string title, double low, double high, bool whole) {
    ChartAxis axis{.title = std::move(title)};
    if (low > high)
        std::swap(low, high);
    if (high - low <= std::max(std::fabs(low), std::fabs(high)) * 1e-9) {
        const double room = low == 0 ? 1 : std::fabs(low) / 2;
        low -= room;
        high += room;
    }
    const double span = high - low;
    if (!std::isfinite(span)) { // near the ends of the double range: no round numbers to find
        axis.min = low;
        axis.max = high;
        axis.ticks = {low, high};
        return axis;
    }
    // The smallest of 1, 2, 5 times a power of ten that cuts the range into at most six parts, so
    // that the labels of a small plot have room.
    const double rough = span / 6;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double m : {1, 2, 5})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    if (whole)
        step = std::max(step, 1.0);
    const double first = std::floor(low / step + 1e-9), last = std::ceil(high / step - 1e-9);
    // A range a hair beyond a round number keeps its ends: the tick stays round, nothing is cut off.
    axis.min = std::min(first * step, low);
    axis.max = std::max(last * step, high);
    for (double k = first; k <= last; ++k)
        axis.ticks.push_back(k * step);
    return axis;
}

void fitAxes(ChartPlot& plot, std::string xTitle, std::string yTitle) {
    double xLow = INFINITY, xHigh = -INFINITY, yLow = 0, yHigh = 0;
    const auto take = [&](const ChartPoint& p) {
        xLow = std::min(xLow, p.x);
        xHigh = std::max(xHigh, p.x);
        yLow = std::min(yLow, p.y);
        yHigh = std::max(yHigh, p.y);
    };
    // Bars stack: their heights add up, the positive ones upwards and the negative ones downwards.
    std::map<double, std::pair<double, double>> stacks;
    for (const ChartSeries& s : plot.series) {
        if (s.style != ChartSeries::Style::Bars) {
            std::for_each(s.points.begin(), s.points.end(), take);
            continue;
        }
        for (const ChartPoint& p : s.points)
            (p.y > 0 ? stacks[p.x].first : stacks[p.x].second) += p.y;
    }
    for (const auto& [x, stack] : stacks) {
        take({x, stack.first});
        take({x, stack.second});
    }
    const bool bars = !stacks.empty();
    for (const ChartMark& m : plot.marks)
        take(m.at);
    if (xLow > xHigh)
        xLow = xHigh = 0;
    plot.x = makeAxis(std::move(xTitle), xLow, xHigh, bars);
    plot.y = makeAxis(std::move(yTitle), yLow, yHigh);
    if (bars) {
        plot.x.min = xLow - 0.5;
        plot.x.max = xHigh + 0.5;
        std::erase_if(plot.x.ticks, [&](double t) { return t < plot.x.min || t > plot.x.max; });
    }
}

Chart noteOnly(std::string note) { return {.note = std::move(note)}; }

} // namespace fincalc
