// Yearly funding requirement: the average funds employed less the idle part, grown with the sales
// and shrunk by the faster turnover.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm52() {
    return ScreenDesign(52)
        .field("Text1", "基期资金平均占用额", "Label1")
        .field("Text2", "不合理资金占用额", "Label2")
        .field("Text3", "预测期销售增减率", "Label3")
        .field("Text4", "预测期资金周转加速", "Label4")
        .button("Command1", "年度资金需要量",
                [](Ctx& c) {
                    const auto [B, U, g, a] = c.nums<4>(1);
                    c.print("资金需要量=（基期资金平均占用额-不合理资金占用额）*（1+预测期销售增减率）*（1-"
                            "预测期资金周转速度增长率）=",
                            (B - U) * (1 + g) * (1 - a));
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
