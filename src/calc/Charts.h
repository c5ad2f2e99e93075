// The chart of each screen that has one, from the screen's fields.
#pragma once

#include "app/Chart.h"

#include <string>

namespace fincalc {

Chart portfolioChart(const Fields& fields);  // Form14
Chart ebitEpsChart(const Fields& fields);    // Form90
Chart regressionChart(const Fields& fields); // Form125
Chart profitChart(const Fields& fields);     // Form128
Chart cashFlowChart(const Fields& fields);   // Form163
Chart loanChart(const Fields& fields);       // Form165

// "name=value" in the program's number format.
inline std::string named(const std::string& name, Num value) {
    return name + "=" + FormatNumber(value.toDouble());
}

} // namespace fincalc
