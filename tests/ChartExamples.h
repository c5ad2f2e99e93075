// The screens that have a chart, each with its worked example typed in: for the chart tests and
// the chart benchmark.
#pragma once

#include "app/Fields.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace fincalc::test {

struct ChartExample {
    int screen;
    FieldTexts fields;
};

inline const std::vector<ChartExample>& chartExamples() {
    static const std::vector<ChartExample> examples = {
        // σA = 0.1, σB = 0.2, ρ = 0.5 with wA = 0.6: the screen prints σp = 0.121655250605964.
        {14,
         {{"Text1", "0.1"},
          {"Text2", "0.6"},
          {"Text3", "0.1"},
          {"Text4", "0.2"},
          {"Text5", "0.4"},
          {"Text6", "0.2"},
          {"Text13", "0.5"}}},
        // D = 1000 at 8 %, ΔD = 500 at 10 %, T = 25 %, N = 100, ΔN = 50: the plans' EPS lines cross at
        // EBIT = 230 with EPS = (230 − 80) × 0.75 / 150 = 0.75; at the expected EBIT of 200 the screen
        // prints 0.6 for the stock plan and 0.525 for the debt plan.
        {90,
         {{"Text1", "1000"},
          {"Text2", "0.08"},
          {"Text3", "500"},
          {"Text4", "0.1"},
          {"Text5", "200"},
          {"Text6", "0.25"},
          {"Text7", "100"},
          {"Text8", "50"}}},
        // As first shown, row k holds x = k and y = 13 + k: the line y = 13 + x through all of them.
        {125, {}},
        // p = 10, v = 6, F = 2000: the break-even volume is 2000 / 4 = 500, where revenue and cost are
        // both 5000; at q = 800 the profit is 4 × 800 − 2000 = 1200.
        {128, {{"Text1", "10"}, {"Text2", "6"}, {"Text3", "800"}, {"Text4", "2000"}}},
        // The textbook project: NPV at 10 % is 78.8197527491292, the IRR 0.144888442785856.
        {163,
         {{"Text1", "0.1"},
          {"Text2", "-1000"},
          {"Text3", "500"},
          {"Text4", "400"},
          {"Text5", "300"},
          {"Text6", "100"}}},
        // 100000 over two years of monthly payments at 6 %.
        {165, {{"Text1", "100000"}, {"Text2", "0.06"}, {"Text3", "2"}, {"Text4", "12"}}},
    };
    return examples;
}

inline const FieldTexts& chartExample(int screen) {
    for (const ChartExample& example : chartExamples())
        if (example.screen == screen)
            return example.fields;
    throw std::logic_error("no chart example for Form" + std::to_string(screen));
}

} // namespace fincalc::test
