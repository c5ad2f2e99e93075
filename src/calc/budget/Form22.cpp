// The direct labour budget: labour hours and labour cost of four quarters and of the year.
#include "calc/budget/Table.h"

namespace fincalc {

namespace {

using namespace budget;

constexpr int kColumns = 5; // the quarters 一 to 四, then 全年 from its own inputs

// Each column's hours are its production times its hours per unit, its cost the hours times the
// cost per hour; the five hours are written first, then the five costs.
void compute(Ctx& c) {
    std::vector<Result> hours, costs;
    for (int j = 0; j < kColumns; ++j) {
        const Num P = c.num(1 + j), t = c.num(6 + j), rate = c.num(16 + j);
        const Num H = P * t;
        hours.emplace_back(11 + j, H);
        costs.emplace_back(21 + j, H * rate);
    }
    hours.insert(hours.end(), costs.begin(), costs.end());
    writeBack(c, hours);
}

} // namespace

ScreenDesign declareForm22() {
    ScreenDesign design(22);
    design.heading("Label1", "直接人工预算");
    table(design, 1, 0,
          {
              {{36, "季度"}, {30, "一"}, {29, "二"}, {28, "三"}, {27, "四"}, {26, "全年"}},
              {{35, "预计产量"}, {1}, {2}, {3}, {4}, {5}},
              {{34, "单位产品工时"}, {6}, {7}, {8}, {9}, {10}},
              {{33, "人工总工时"}, {11}, {12}, {13}, {14}, {15}},
              {{32, "每小时人工成本"}, {16}, {17}, {18}, {19}, {20}},
              {{31, "人工总成本"}, {21}, {22}, {23}, {24}, {25}},
          });
    design.button("Command1", "计算", compute)
        .side("Command2", "清除", [](Ctx& c) { c.clearFields(1, 25); })
        .exit("Command3")
        .withoutOutput();
    return design;
}

} // namespace fincalc
