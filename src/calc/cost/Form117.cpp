// Economic order quantity and what is built on it: the number of orders a year, the ordering
// and carrying costs at that quantity, the average investment in stock and the minimum total
// cost.
#include "app/Session.h"

namespace fincalc {

namespace {

// Every button starts from the economic order quantity, guarded by a positive carrying cost.
struct Ordering {
    explicit Ordering(const Ctx& c) : D(c.num(1)), H(c.num(2)), K(c.num(3)), U(c.num(4)) {
        if (H > 0)
            Q = sqrt((D + D) * K / H);
    }

    Num D, H, K, U;
    Value Q; // the economic order quantity
};

using Result = Value (*)(const Ordering&, const Value& N);

// The buttons after the first also work out the number of orders, guarded by a positive
// quantity, before their own result.
Handler afterOrders(const char* text, Result result) {
    return [text, result](Ctx& c) {
        const Ordering o(c);
        Value N;
        if (o.Q > 0)
            N = o.D / o.Q;
        c.print(text, result(o, N));
    };
}

} // namespace

ScreenDesign declareForm117() {
    return ScreenDesign(117)
        .field("Text1", "需要消耗材料")
        .field("Text2", "单位储存成本")
        .field("Text3", "平均订货费用")
        .field("Text4", "平均单价")
        .button("Command1", "经济订货批量",
                [](Ctx& c) { c.print("√(2*消耗材料*平均订货费用/储存成本)=", Ordering(c).Q); })
        .button("Command2", "最佳订货批次",
                afterOrders("年最佳订货批次=消耗材料/订货批量=",
                            [](const Ordering&, const Value& N) { return N; }))
        .button("Command3", "相关订货成本",
                afterOrders("相关订货成本=年最佳订货批次*平均订货费用=",
                            [](const Ordering& o, const Value& N) -> Value { return N * o.K; }))
        .button("Command4", "相关储存成本",
                afterOrders("相关储存成本=经济订货批量/2*年储存成本=",
                            [](const Ordering& o, const Value&) -> Value { return o.Q / 2 * o.H; }))
        .button("Command5", "平均占用资金",
                afterOrders("平均占用资金=平均单价*经济订货批量/2=",
                            [](const Ordering& o, const Value&) -> Value { return o.U * o.Q / 2; }))
        .button("Command6", "最低相关总成本",
                afterOrders(
                    "相关最低总成本=√(2*消耗材料*订货费用*年储存成本)=",
                    [](const Ordering& o, const Value&) -> Value { return sqrt((o.D + o.D) * o.K * o.H); }))
        .cancel("Command7")
        .exit("Command8");
}

} // namespace fincalc
