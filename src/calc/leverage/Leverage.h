// What the leverage and financing screens share: figures held as doubles, the two leverage
// ratios, the two-column field layout of the larger screens, and the verdict that compares the
// two financing plans.
#pragma once

#include "app/Session.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <tuple>

namespace fincalc::leverage {

// A figure of these screens, held as a double and rounded after every operation: a margin that
// exactly covers the fixed cost leaves an EBIT of exactly 0, and an EBIT typed at the
// indifference point a screen printed compares equal to it.
class Figure {
public:
    Figure() = default;
    Figure(Num n) : n_(n.toDouble()) {}         // NOLINT: read fields and literals become figures
    Figure(int v) : n_(v) {}                    // NOLINT
    Figure(const Value& v) : Figure(v.num()) {} // NOLINT: an empty value counts as 0
    operator Value() const { return n_; }       // NOLINT: a computed figure fills a value

    friend Figure operator+(Figure a, Figure b) { return a.n_ + b.n_; }
    friend Figure operator-(Figure a, Figure b) { return a.n_ - b.n_; }
    friend Figure operator*(Figure a, Figure b) { return a.n_ * b.n_; }
    friend Figure operator/(Figure a, Figure b) { return a.n_ / b.n_; }
    friend auto operator<=>(Figure a, Figure b) { return a.n_ <=> b.n_; }

private:
    Num n_;
};

// The fields Text1 to TextN as figures, read in order.
template <std::size_t N> std::array<Figure, N> readFigures(const Ctx& c) {
    std::array<Figure, N> figures;
    const auto numbers = c.nums<N>(1);
    for (std::size_t k = 0; k < N; ++k)
        figures[k] = numbers[k];
    return figures;
}

// The fields Text1 to TextN read in order into an aggregate of N figures, one per field.
template <class Fields, std::size_t N> Fields readAll(const Ctx& c) {
    return std::apply([](auto... figures) { return Fields{figures...}; }, readFigures<N>(c));
}

// Operating leverage: the contribution margin over the EBIT it leaves, computed only while the
// EBIT is positive.
inline Value operatingLeverage(Figure margin, Figure ebit) {
    Value degree;
    if (ebit > 0)
        degree = margin / ebit;
    return degree;
}

// Financial leverage: the EBIT over what is left of it after interest, computed only while
// something is left.
inline Value financialLeverage(Figure ebit, Figure interest) {
    Value degree;
    if (ebit - interest > 0)
        degree = ebit / (ebit - interest);
    return degree;
}

// Fields Text1, Text2, ... labelled in order: the first `right` of them form the right-hand
// column, the rest a left-hand column below them, so the fields still read top to bottom.
inline ScreenDesign inTwoColumns(int screen, std::initializer_list<const char*> labels, int right) {
    ScreenDesign design(screen);
    int k = 0;
    for (const char* label : labels) {
        design.field(fieldName(k + 1), label, k, k < right ? 2 : 0);
        ++k;
    }
    return design;
}

// The line that names the better plan, by how plan 甲's figure X compares with plan 乙's Y.
struct Verdicts {
    const char* greater;
    const char* equal;
    const char* less;
};

// Printed only when both figures were computed: a figure whose guard failed recommends nothing.
inline void printVerdict(Ctx& c, const Value& X, const Value& Y, const Verdicts& verdicts) {
    if (X.empty() || Y.empty())
        return;
    const Num x = X, y = Y;
    c.print(x > y ? verdicts.greater : x == y ? verdicts.equal : verdicts.less);
}

// Earnings per share under plan 甲 (new stock) and plan 乙 (new debt), then the verdict.
inline void printEarningsPerShare(Ctx& c, const Value& X, const Value& Y, const Verdicts& verdicts) {
    c.print("甲每股收益=（息税前利润-甲利息费用）*（1-所得税税率）/甲已发行普通股=", X);
    c.print("乙每股收益=（息税前利润-乙利息费用）*（1-所得税税率）/乙已发行普通股=", Y);
    printVerdict(c, X, Y, verdicts);
}

} // namespace fincalc::leverage
