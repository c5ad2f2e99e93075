// The optimal cash holding by the inventory model: the holding, its related total cost, the
// conversion and opportunity costs, and the number of and interval between conversions.
#include "app/Session.h"

namespace fincalc {

namespace {

struct Cash {
    explicit Cash(const Ctx& c) : T(c.num("Text1")), F(c.num("Text2")), K(c.num("Text3")) {}

    // Square roots taken as powers of 1/2: a negative quantity under them has no real result.
    Value holding() const {
        Value Q;
        if (K > 0)
            Q = pow((T + T) * F / K, 0.5);
        return Q;
    }
    Num relatedCost() const { return pow((T + T) * F * K, 0.5); }

    Value transactions() const {
        const Value Q = holding();
        const Num TC = relatedCost();
        Value N;
        if (TC > 0)
            N = Q / TC;
        return N;
    }

    Num T, F, K;
};

} // namespace

ScreenDesign declareForm106() {
    return ScreenDesign(106)
        .field("Text1", "现金需要量")
        .field("Text2", "转换成本")
        .field("Text3", "有价证券利率")
        .button("Command2", "最佳现金持有量",
                [](Ctx& c) {
                    c.print("最佳现金持有量=（2*资金需要量*转换成本/有价证券利率）^1/2=", Cash(c).holding());
                })
        .button("Command1", "相关总成本",
                [](Ctx& c) {
                    c.print("相关总成本=（2*资金需要量*转换成本*有价证券利率）^1/2=", Cash(c).relatedCost());
                })
        .button("Command5", "每次转换成本",
                [](Ctx& c) {
                    const Cash cash(c);
                    const Value Q = cash.holding();
                    const Num TC = cash.relatedCost();
                    Value cost;
                    if (TC > 0)
                        cost = Q / TC * cash.F;
                    c.print("转换成本=最佳现金持有量/相关总成本*每次转换成本=", cost);
                })
        .button("Command6", "持有机会成本",
                [](Ctx& c) {
                    const Cash cash(c);
                    c.print("持有机会成本=最佳现金持有量/2*有价证券利率=",
                            cash.holding() / 2 * cash.K); // without a holding, 0
                })
        .button("Command7", "交易次数",
                [](Ctx& c) { c.print("交易次数=最佳现金持有量/相关总成本=", Cash(c).transactions()); })
        .button("Command8", "交易间隔期",
                [](Ctx& c) {
                    const Value N = Cash(c).transactions();
                    Value interval;
                    if (N > 0)
                        interval = 360 / N; // days in the year
                    c.print("交易间隔期=360/交易次数=", interval);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
