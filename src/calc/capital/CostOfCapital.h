// What the cost-of-capital calculators share: the capital asset pricing model, the constant-growth
// dividend model, and the average of the costs of loans, bonds and stock weighted by their shares.
#pragma once

#include "app/Session.h"

namespace fincalc::capital {

// The cost of common stock by the capital asset pricing model: Rf + β × (Rm − Rf).
inline Num assetPricing(Num Rf, Num beta, Num Rm) { return (Rm - Rf) * beta + Rf; }

// The cost of a share whose dividend D grows at g a year, bought at a price net of fees:
// D × (1 + g) / price + g.
inline Num dividendGrowth(Num D, Num g, Num netPrice) { return ((1 + g) * D) / netPrice + g; }

// One source of capital: its cost rate and its weight (a share of the total, an amount or a
// market value).
struct Source {
    Num cost;
    Num weight;
};

struct Sources {
    Source loans, bonds, stock;

    // Each source's cost times its weight, bonds first, then loans, then stock.
    Num weightedSum() const {
        return (bonds.weight * bonds.cost + loans.weight * loans.cost) + stock.weight * stock.cost;
    }
    Num totalWeight() const { return (bonds.weight + loans.weight) + stock.weight; }
};

// The screens that list each source's cost above its weight: loans (Text1, Text2), bonds (Text3,
// Text4) and stock (Text5, Text6).
inline Sources costsAboveWeights(const Ctx& c) {
    const auto [kL, wL, kB, wB, kE, wE] = c.nums<6>(1);
    return {{kL, wL}, {kB, wB}, {kE, wE}};
}

} // namespace fincalc::capital
