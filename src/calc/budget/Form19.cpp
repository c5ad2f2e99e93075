// Cash collected from sales in each quarter of a year: a share of each quarter's sales in that
// quarter, the rest in the next.
#include "calc/budget/Table.h"

#include <array>

namespace fincalc {

ScreenDesign declareForm19() {
    using namespace budget;
    ScreenDesign design(19);
    design.heading("Label1", "销售收入年表");
    table(design, 1, 0,
          {
              {{10, "季度"}, {6, "一"}, {7, "二"}, {8, "三"}, {9, "四"}},
              {{5, "销售收入"}, {1}, {2}, {3}, {4}},
          });
    design.field("Text11", "上年应收账款余额", "Label2")
        .field("Text12", "本季度回收比例", "Label3")
        .button("Command1", "每季额度",
                [](Ctx& c) {
                    const auto [S1, S2, S3, S4] = c.nums<4>(1);
                    const Num A0 = c.num(11), p = c.num(12);
                    const std::array<Num, 4> collected{p * S1 + A0, (1 - p) * S1 + p * S2,
                                                       (1 - p) * S2 + p * S3, (1 - p) * S3 + p * S4};
                    c.print("第一季度", collected[0]);
                    c.print("第二季度", collected[1]);
                    c.print("第三季度", collected[2]);
                    c.print("第四季度", collected[3]);
                })
        .cancel("Command2")
        .exit("Command3");
    return design;
}

} // namespace fincalc
