// Effect of a change of credit policy on a year of 360 days: the change of the carrying cost of
// receivables, bad debts and collection costs, the change of the margin on sales, and the change
// of profit before tax that the two leave.
#include "app/Session.h"

namespace fincalc {

namespace {

struct CreditPolicy {
    explicit CreditPolicy(const Ctx& c)
        : v(c.num(1)), S0(c.num(2)), S1(c.num(3)), d0(c.num(4)), d1(c.num(5)), B0(c.num(6)), B1(c.num(7)),
          C0(c.num(8)), C1(c.num(9)), k(c.num(10)) {}

    // The interest on the variable cost tied up in receivables, new policy less old.
    Num interest() const { return S1 / 360 * d1 * v * k - S0 / 360 * d0 * v * k; }
    Num badDebts() const { return B1 - B0; }
    Num collection() const { return C1 - C0; }
    Num collectionCost() const { return interest() + badDebts() + collection(); }
    Num margin() const { return (S1 - S0) * (1 - v); }

    Num v, S0, S1, d0, d1, B0, B1, C0, C1, k;
};

} // namespace

ScreenDesign declareForm116() {
    // The old and new amounts down the right; the collection costs and the rate of return down
    // the left, from the level of the new bad debts.
    return ScreenDesign(116)
        .field("Text1", "产品变动成本率", 0, 2)
        .field("Text2", "原赊销收入净额", 1, 2)
        .field("Text3", "后赊销收入净额", 2, 2)
        .field("Text4", "原信用条件天数", 3, 2)
        .field("Text5", "后信用条件天数", 4, 2)
        .field("Text6", "原坏账损失", 5, 2)
        .field("Text7", "后坏账损失", 6, 2)
        .field("Text8", "原收账费用", 6, 0)
        .field("Text9", "后收账费用", 7, 0)
        .field("Text10", "最低收益率", 8, 0)
        .button("Command2", "收益变化",
                [](Ctx& c) {
                    c.print("收益变动=（后赊销收入净额-原赊销收入净额）*（1-产品变动成本率）=",
                            CreditPolicy(c).margin());
                })
        .button("Command1", "收款成本增加额",
                [](Ctx& c) {
                    const CreditPolicy p(c);
                    const Num dI = p.interest(), dB = p.badDebts(), dC = p.collection(), dT = dI + dB + dC;
                    c.print("变动应计利息=后赊销收入净额/360*后信用条件天数*产品变动成本率*最低收益率-"
                            "原赊销收入净额/360*原信用条件天数*产品变动成本率*最低收益率=",
                            dI);
                    c.print("坏账损失变动=后坏账损失-原坏账损失=", dB);
                    c.print("收账费用变动=后收账费用-原收账费用=", dC);
                    c.print("收账成本变动=变动应计利息+坏账损失变动+收账费用变动=", dT);
                })
        .button("Command5", "税前损益变化",
                [](Ctx& c) {
                    const CreditPolicy p(c);
                    c.print("税前损益变动=收益变动-收账成本变动=", p.margin() - p.collectionCost());
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
