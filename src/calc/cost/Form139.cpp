// Fixed overhead variances: the cost variance, and its two-way and three-way analysis.
#include "app/Session.h"

namespace fincalc {

namespace {

struct FixedOverhead {
    explicit FixedOverhead(const Ctx& c)
        : r(c.num(1)), h(c.num(2)), Qb(c.num(3)), Q(c.num(4)), H(c.num(5)), A(c.num(6)) {}

    Num budget() const { return (Qb * h) * r; }
    Num standard() const { return (Q * h) * r; } // for the actual output

    Num r, h, Qb, Q, H, A;
};

} // namespace

ScreenDesign declareForm139() {
    return ScreenDesign(139)
        .field("Text1", "固定制造费用标准分配率")
        .field("Text2", "工时标准")
        .field("Text3", "预算产量")
        .field("Text4", "实际产量")
        .field("Text5", "用工时间")
        .field("Text6", "固定制造费用")
        .button("Command1", "固定制造费用成本差异",
                [](Ctx& c) {
                    const FixedOverhead o(c);
                    c.print("制造费用成本差异=实际固定制造费用-标准固定制造费用=", o.A - o.standard());
                })
        .button("Command2", "两差异分析",
                [](Ctx& c) {
                    const FixedOverhead o(c);
                    const Num spending = o.A - o.budget(), capacity = o.budget() - o.standard();
                    c.print("耗费差异=实际固定制造费用-预算固定制造费用=", spending);
                    c.print("能力差异=预算固定制造费用-标准固定制造费用=", capacity);
                })
        .button("Command3", "三差异分析",
                [](Ctx& c) {
                    const FixedOverhead o(c);
                    const Num spending = o.A - o.budget(), volume = o.budget() - o.H * o.r,
                              efficiency = o.H * o.r - (o.Q * o.r) * o.h; // the standard in another order
                    c.print("耗费差异=实际固定制造费用-预算固定制造费用=", spending);
                    c.print("产量差异=预算固定制造费用-用工时间*固定制造费用标准分配率=", volume);
                    c.print("效率差异=用工时间*固定制造费用标准分配率-标准固定制造费用=", efficiency);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
