// What the ratio calculators share: the quotient of the first field by the second, computed only
// when the divisor is positive, and the verdict lines that read the computed ratio against fixed
// thresholds.
#pragma once

#include "app/Session.h"

#include <limits>
#include <string_view>
#include <utility>
#include <vector>

namespace fincalc::statements {

// A verdict line and the ratios it speaks of: those from low to high, bounds included or not.
struct Verdict {
    double low;
    double high;
    bool inclusive;
    std::string_view text;

    bool holds(double v) const { return inclusive ? low <= v && v <= high : low < v && v < high; }
};

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

inline Verdict within(double low, double high, std::string_view text) { return {low, high, true, text}; }
inline Verdict below(double bound, std::string_view text) { return {-kUnbounded, bound, false, text}; }
inline Verdict above(double bound, std::string_view text) { return {bound, kUnbounded, false, text}; }
inline Verdict at(double bound, std::string_view text) { return {bound, bound, true, text}; }

using Verdicts = std::vector<Verdict>;

// A compute button: Text1 ÷ Text2, computed only when Text2 is positive, printed after its text
// (alone when the guard fails), then every verdict whose condition holds, in order, each a line of
// its own. A ratio that was not computed gets no verdict: it is no ratio of 0. The ratio is judged
// as it is printed, a double, so 40 ÷ 100 is exactly the threshold 0.4.
inline Handler ratio(std::string_view text, Verdicts verdicts = {}) {
    return [text, verdicts = std::move(verdicts)](Ctx& c) {
        const auto [a, b] = c.nums<2>(1);
        Value v;
        if (b > 0)
            v = a / b;
        c.print(text, v);
        if (v.empty())
            return;
        for (const Verdict& verdict : verdicts)
            if (verdict.holds(v.num().toDouble()))
                c.print(verdict.text);
    };
}

} // namespace fincalc::statements
