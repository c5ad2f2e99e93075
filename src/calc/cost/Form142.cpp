// Variable overhead: the standard and actual rates per hour, and the cost, efficiency and spending
// variances.
#include "app/Session.h"

namespace fincalc {

namespace {

struct VariableOverhead {
    explicit VariableOverhead(const Ctx& c)
        : Hs(c.num(1)), Bs(c.num(2)), h(c.num(3)), Q(c.num(4)), H(c.num(5)), A(c.num(6)) {}

    Value standardRate() const {
        Value rs;
        if (Hs > 0)
            rs = Bs / Hs;
        return rs;
    }
    Value actualRate() const {
        Value ra;
        if (H > 0)
            ra = A / H;
        return ra;
    }

    Num Hs, Bs, h, Q, H, A;
};

// The variances count an empty rate as 0.
void costVariance(Ctx& c) {
    const VariableOverhead o(c);
    c.print("变动制造费用成本差异=变动制造费用成本-实际制造费用成本=", o.A - (o.Q * o.h) * o.standardRate());
}

void efficiencyVariance(Ctx& c) {
    const VariableOverhead o(c);
    c.print("变动制造费用效率差异=（实际耗用总工时-标准耗用总工时）*变动制造费用标准分配率=",
            (o.H - o.Q * o.h) * o.standardRate());
}

void spendingVariance(Ctx& c) {
    const VariableOverhead o(c);
    const Num rs = o.standardRate(), ra = o.actualRate();
    c.print("变动制造费用耗费差异=实际耗费总工时*（变动制造费用实际分配率-变动制造费用标准分配率）=",
            (ra - rs) * o.H);
}

} // namespace

ScreenDesign declareForm142() {
    return ScreenDesign(142)
        .field("Text1", "月标准总工时")
        .field("Text2", "月标准变动制造费用总额")
        .field("Text3", "工时标准")
        .field("Text4", "实际生产")
        .field("Text5", "实际耗用总工时")
        .field("Text6", "实际发生变动制造费用")
        .button("Command1", "变动制造费用标准分配率",
                [](Ctx& c) {
                    c.print("变动制造费用标准分配率=月标准变动制造费用总额/月标准总工时=",
                            VariableOverhead(c).standardRate());
                })
        .button("Command2", "变动制造费用实际分配率",
                [](Ctx& c) {
                    c.print("变动制造费用实际分配率=实际发生变动制造费用/实际耗用总工时=",
                            VariableOverhead(c).actualRate());
                })
        .button("Command3", "变动制造费用成本差异", costVariance)
        .button("Command4", "变动制造费用效率差异", efficiencyVariance)
        .button("Command5", "变动制造费用耗费差异", spendingVariance)
        .button("Command8", "或")
        .cancel("Command6")
        .exit("Command7");
}

} // namespace fincalc
