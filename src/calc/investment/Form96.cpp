// Purchase of a production line: the initial outlay, straight-line depreciation, the yearly net
// cash flows and the net present value with a buy or do-not-buy verdict.
#include "calc/investment/Appraisal.h"

namespace fincalc {

namespace {

struct Project {
    explicit Project(const Ctx& c)
        : I(c.num("Text1")), W(c.num("Text2")), S(c.num("Text3")), n(c.num("Text4")), dR(c.num("Text5")),
          T(c.num("Text6")), dC(c.num("Text7")), i(c.num("Text8")) {}

    Num outlay() const { return I + W; }

    Value depreciation() const {
        Value D;
        if (n > 0)
            D = (I - S) / n;
        return D;
    }

    // Years 1 to n - 1; an empty depreciation counts as 0.
    Num yearlyFlow() const { return (1 - T) * dR - (1 - T) * dC + depreciation() * T; }
    // The last year gets the salvage and the working capital back.
    Num lastFlow(Num yearly) const { return yearly + S + W; }

    Num I, W, S, n, dR, T, dC, i;
};

} // namespace

ScreenDesign declareForm96() {
    using namespace investment;
    ScreenDesign design(96);
    return twoColumns(design,
                      {{"Text1", "生产线投资额"},
                       {"Text2", "营运资金"},
                       {"Text3", "预计净残值"},
                       {"Text4", "使用年限"}},
                      0,
                      {{"Text5", "营业收入变动额"},
                       {"Text6", "所得税税率"},
                       {"Text7", "付现成本变动额"},
                       {"Text8", "最低收益率"}})
        .button("Command1", "原始投资额",
                [](Ctx& c) { c.print("原始投资额=生产线投资额+营运资金=", Project(c).outlay()); })
        .button("Command2", "年折旧",
                [](Ctx& c) {
                    c.print("年折旧额=（生产线投资额-预计净残值）/使用年限=", Project(c).depreciation());
                })
        .button("Command5", "现金净流量NCF",
                [](Ctx& c) {
                    const Project p(c);
                    const Num NCF = p.yearlyFlow(), NCFn = p.lastFlow(NCF);
                    c.print(
                        "前", p.n - 1,
                        "年现金净流量=（营业收入变动额-付现成本变动额）*（1-所得税税率）+年折旧*税率= ", NCF);
                    c.print("第", p.n, "年现金净流量=往年平均现金净流量+预计净残值+营运资金=", NCFn);
                })
        .button("Command6", "净现值NPV",
                [](Ctx& c) {
                    const Project p(c);
                    const Num I0 = p.outlay();
                    const Num NCF = p.yearlyFlow(), NCFn = p.lastFlow(NCF);
                    const Value NPV = netPresentValue(NCF, NCFn, I0, p.i, p.n);
                    c.print("净现值=末年现金净流量*(P/F,i,n)+前年现金净流量*(P/A,i,n-1)-原始投资额=", NPV);
                    if (NPV.empty()) // no rate, no present value: no verdict either
                        return;
                    if (NPV > 0)
                        c.print("由于净现值>0，所以应购置生产线");
                    if (NPV < 0)
                        c.print("由于净现值<0，所以不应购置生产线");
                    if (NPV == 0)
                        c.print("由于净现值=0，所以购置生产线是任意的");
                })
        .button("Command7", "或")
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
