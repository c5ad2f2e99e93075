// Budget cost saving: the saving on the actual output at budgeted against actual unit cost, and
// its rate.
#include "app/Session.h"

namespace fincalc {

namespace {

struct Saving {
    explicit Saving(const Ctx& c) : cb(c.num(2)), Q(c.num(3)), ca(c.num(4)) {}
    Num amount() const { return Q * cb - ca * Q; }
    Num cb, Q, ca;
};

} // namespace

ScreenDesign declareForm143() {
    return ScreenDesign(143)
        .field("Text2", "预算单位成本")
        .field("Text3", "实际产量")
        .field("Text4", "实际单位成本")
        .button("Command2", "预算成本节约额",
                [](Ctx& c) {
                    c.print("预算成本节约额=（预算单位成本-实际单位成本）*实际产量=", Saving(c).amount());
                })
        .button("Command3", "预算成本节约率",
                [](Ctx& c) {
                    const Saving s(c);
                    const Num S = s.amount();
                    Value rate;
                    if (s.Q * s.cb > 0)
                        rate = S / (s.Q * s.cb);
                    c.print("预算成本节约率=预算成本节约额/（预算单位成本*实际产量）=", rate);
                })
        .cancel("Command6")
        .exit("Command7");
}

} // namespace fincalc
