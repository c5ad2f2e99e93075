// Break-even analysis of one product: unit variable cost, break-even volume, the volume for a
// target net profit, and the safety margin between the two.
#include "app/Session.h"

namespace fincalc {

namespace {

struct Product {
    explicit Product(const Ctx& c)
        : Vo(c.num(1)), Vp(c.num(2)), Y(c.num(3)), Fo(c.num(4)), Fp(c.num(5)), N(c.num(6)), T(c.num(7)),
          I(c.num(8)), p(c.num(9)) {}

    Value unitVariableCost() const {
        Value v;
        if (Y > 0)
            v = (Vo + Vp) / Y;
        return v;
    }
    Num unitMargin() const { return p - unitVariableCost(); } // an empty unit cost leaves the price

    Value breakEven(Num d) const {
        Value Q0;
        if (d > 0)
            Q0 = (Fo + Fp) / d;
        return Q0;
    }
    // A tax rate of 1 divides by zero.
    Value targetVolume(Num d) const {
        Value Qt;
        if (d > 0)
            Qt = (N / (1 - T) + (I + Fo + Fp)) / d;
        return Qt;
    }

    Num Vo, Vp, Y, Fo, Fp, N, T, I, p;
};

} // namespace

ScreenDesign declareForm123() {
    return ScreenDesign(123)
        .field("Text1", "营业变动成本", 0, 2)
        .field("Text2", "期间费用变动成本", 1, 2)
        .field("Text3", "年产量", 2, 2)
        .field("Text4", "营业固定成本", 3, 2)
        .field("Text5", "期间费用固定成本", 4, 2)
        .field("Text8", "预计利息费用", 5, 0)
        .field("Text6", "目标净利润", 5, 2)
        .field("Text9", "售价", 6, 0)
        .field("Text7", "所得税税率", 6, 2)
        .button("Command2", "单位变动成本",
                [](Ctx& c) { c.print("单位变动成本=总变动成本/年产量=", Product(c).unitVariableCost()); })
        .button("Command1", "保本点销售量",
                [](Ctx& c) {
                    const Product product(c);
                    c.print("保本点销售量=总固定成本/（售价-单位变动成本）=",
                            product.breakEven(product.unitMargin()));
                })
        .button("Command5", "目标净利润销售量",
                [](Ctx& c) {
                    const Product product(c);
                    const Num d = product.unitMargin();
                    product.breakEven(d); // computed, not printed: its overflow is a fault here too
                    c.print("目标净利润销售量=（目标净利润/"
                            "（1-所得税税率）+(预计利息费用+营业固定成本+期间费用固定成本)"
                            "）/（售价-单位变动成本）=",
                            product.targetVolume(d));
                })
        .button("Command6", "安全边际量",
                [](Ctx& c) {
                    const Product product(c);
                    const Num d = product.unitMargin();
                    const Num Q0 = product.breakEven(d), Qt = product.targetVolume(d);
                    const Value S = Qt - Q0; // 0 when the margin fails its guard
                    c.print("安全边际量=目标净利润销售量-保本点销量=", S);
                })
        .buttonColumns(4)
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
