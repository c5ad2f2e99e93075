// Charts of a screen's fields: named series of points, marked points and a note, computed from the
// fields as they stand, so the window front end only draws them and the console driver prints them.
#pragma once

#include "app/Fields.h"

#include <string>
#include <vector>

namespace fincalc {

struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartSeries {
    enum class Style {
        Line, // joined points
        Dots, // observations
        Bars, // one bar per whole x; the bar series of a plot stack
    };
    std::string name; // unique within its chart
    Style style = Style::Line;
    std::vector<ChartPoint> points{};
};

// A point worth pointing at (the break-even point, an IRR), labelled with what it is and its numbers;
// a mark whose label another mark's label covers has none.
struct ChartMark {
    std::string label;
    ChartPoint at;
};

struct ChartAxis {
    std::string title{}; // the screen's name for the quantity, with its symbol
    double min = 0;
    double max = 1;
    std::vector<double> ticks{}; // round numbers from min to max, where the labels go
};

struct ChartPlot {
    std::string title{};
    ChartAxis x{}, y{};
    std::vector<ChartSeries> series{};
    std::vector<ChartMark> marks{};
};

// What a chart window shows: its plots, and a note above them. With no plots the note says why the
// fields give no picture (a field empty, or a value that makes no sense for the chart).
struct Chart {
    std::string title{};
    std::vector<ChartPlot> plots{};
    std::string note{};
};

// An axis from about `low` to `high`, widened to round numbers so that its ends are labelled, with
// four to seven ticks, whole numbers when `whole`. An empty range grows around its value.
ChartAxis makeAxis(std::string title, double low, double high, bool whole = false);

// The x and y axes that hold every point of the plot's series and marks, and y = 0. A plot of bars
// gets whole ticks on x and half a bar's room at either end.
void fitAxes(ChartPlot& plot, std::string xTitle, std::string yTitle);

// f at n + 1 evenly spaced points from `low` to `high`.
template <class F> std::vector<ChartPoint> sample(F f, double low, double high, int n) {
    std::vector<ChartPoint> points{};
    for (int k = 0; k <= n; ++k) {
        const double x = k == n ? high : low + (high - low) * k / n;
        points.push_back({x, f(x)});
    }
    return points;
}

// A chart with no picture, only the note saying why.
Chart noteOnly(std::string note);

// Which screens have a chart.
bool hasChart(int screen);
// The chart of a screen's fields, with its title; a note alone when the screen has no chart, or
// when the numbers overflow on the way.
Chart chartOf(int screen, const Fields& fields);

} // namespace fincalc
