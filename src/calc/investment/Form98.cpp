// The annuity cost of a machine: its after-tax cash items, the present value of its net cash
// outflows, and the yearly amount that spreads that value over its life.
#include "calc/investment/Appraisal.h"

namespace fincalc {

namespace {

struct Machine {
    explicit Machine(const Ctx& c)
        : K(c.num("Text1")), T(c.num("Text2")), D(c.num("Text3")), S(c.num("Text4")), n(c.num("Text5")),
          i(c.num("Text6")), C(c.num("Text7")) {}

    Num afterTaxCost() const { return (1 - T) * C; }
    Num taxShield() const { return D * T; }
    Num afterTaxScrap() const { return (1 - T) * S; } // at the end of the last year

    Value outflows() const {
        Value PV;
        if (i > 0)
            PV = K + (afterTaxCost() - taxShield()) * (1 - pow(1 + i, -n)) / i -
                 afterTaxScrap() * pow(1 + i, -n);
        return PV;
    }

    Value annuityCost() const { return investment::annuityCost(outflows(), i, n); }

    Num K, T, D, S, n, i, C;
};

} // namespace

ScreenDesign declareForm98() {
    using namespace investment;
    ScreenDesign design(98);
    return twoColumns(design,
                      {{"Text1", "设备购买成本"},
                       {"Text2", "所得税税率"},
                       {"Text3", "年折旧额"},
                       {"Text4", "最终报废残值"},
                       {"Text5", "使用年限"},
                       {"Text6", "投资折现率"}},
                      5, {{"Text7", "年付现成本"}})
        .button(
            "Command1", "设备净流出现值",
            [](Ctx& c) {
                const Machine m(c);
                const Num C1 = m.afterTaxCost(), D1 = m.taxShield(), S1 = m.afterTaxScrap();
                const Value PV = m.outflows();
                c.print("税后付现成本=年付现成本*（1-所得税税率）=", C1);
                c.print("折旧抵税额=年折旧额*所得税税率=", D1);
                c.print("最后一年年末税后残值收入=最终报废残值*（1-所得税税率）=", S1);
                c.print(
                    "现金净流出现值=设备成本+（税后付现成本-折旧抵税额）*(P/A,i,n)-税后残值收入*(P/F,i,n)=",
                    PV);
            })
        .button("Command2", "年金成本",
                [](Ctx& c) { c.print("年金成本=年金净流出量现值/年金现值系数=", Machine(c).annuityCost()); })
        .button("Command5", "或")
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
