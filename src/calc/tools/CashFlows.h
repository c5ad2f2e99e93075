// A project's net cash flows as the cash-flow screen holds them, and their present value: shared by
// the screen's buttons and its chart.
#pragma once

#include "app/Fields.h"

#include <vector>

namespace fincalc {

constexpr int kLastCashFlowPeriod = 20; // NCF0 ... NCF20 in Text2 ... Text22

// The net cash flows of periods 0 to n, n being the last period whose field holds any text.
template <class Reader> std::vector<Num> cashFlows(const Reader& c) {
    std::vector<Num> flows;
    for (int t = 0; t <= kLastCashFlowPeriod; ++t)
        flows.push_back(c.num(2 + t));
    while (!flows.empty() && !c.filled(1 + static_cast<int>(flows.size())))
        flows.pop_back();
    return flows;
}

// Each period's flow at its present value, NCFt / (1+i)^t.
inline std::vector<Num> discounted(std::vector<Num> flows, Num i) {
    Num growth = 1;
    for (std::size_t t = 0; t < flows.size(); ++t) {
        if (t > 0)
            growth = growth * (1 + i);
        flows[t] = flows[t] / growth;
    }
    return flows;
}

// ∑ NCFt / (1+i)^t over the flows that `keep` selects, in period order.
template <class Keep> Num presentValue(const std::vector<Num>& flows, Num i, Keep keep) {
    const std::vector<Num> values = discounted(flows, i);
    Num sum = 0;
    for (std::size_t t = 0; t < flows.size(); ++t)
        if (keep(flows[t]))
            sum = sum + values[t];
    return sum;
}

inline Num npv(const std::vector<Num>& flows, Num i) {
    return presentValue(flows, i, [](Num) { return true; });
}

} // namespace fincalc
