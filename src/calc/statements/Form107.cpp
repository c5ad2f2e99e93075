// Non-current assets and financing strategy: the permanent assets against the long-term funds.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm107() {
    return ScreenDesign(107)
        .field("Text1", "资产总额", "Label1")
        .field("Text2", "永久性流动资产", "Label2")
        .field("Text3", "波动性流动资产", "Label3")
        .field("Text4", "长期资金来源", "Label4")
        .button("Command5", "非流动资产",
                [](Ctx& c) {
                    const auto [A, P, F] = c.nums<3>(1);
                    c.print("非流动资产=资产总额-流动资产-波动性流动资产=", A - P - F);
                })
        .button("Command6", "比较",
                [](Ctx& c) {
                    const auto [A, P, F, LF] = c.nums<4>(1);
                    const Num N = A - P - F, X = N + P; // the non-current and the permanent assets
                    if (X > LF)
                        c.print("长期资金较小，激进融资策略");
                    if (X == LF)
                        c.print("长期资金适中，期限匹配融资策略");
                    if (X < LF)
                        c.print("长期资金较大，保守融资策略");
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
