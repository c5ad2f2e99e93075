// Present value of a coupon bond, with the rule that prices its issue.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm101() {
    return ScreenDesign(101)
        .field("Text1", "债券面值")
        .field("Text2", "期限时间")
        .field("Text3", "市场利率")
        .field("Text4", "票面利率")
        .button("Command2", "债券价值",
                [](Ctx& c) {
                    const auto [M, n, i, r] = c.nums<4>(1); // every field, top to bottom
                    const Num I = r * M;                    // the yearly interest
                    Value P;
                    if (i > 0) {
                        const Num v = pow(1 + i, -n);
                        P = I * (1 - v) / i + M * v;
                    }
                    c.print("债券价值P=利息I*(P/A,i,n)+本金M*(P/F,i,n)=", P);
                    c.print("市场利率<票面利率，债券将溢价发行。");
                    c.print("市场利率>票面利率，债券将折价发行。");
                    c.print("市场利率=票面利率，债券将等价发行。");
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
