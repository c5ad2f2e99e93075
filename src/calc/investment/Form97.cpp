// Equipment replacement: the cash flows and net present value of the new equipment, and the book
// value, disposal loss and tax effects of the old.
#include "calc/investment/Appraisal.h"

namespace fincalc {

ScreenDesign declareForm97() {
    using namespace investment;
    ScreenDesign design(97);
    return twoColumns(design,
                      {{"Text1", "年营业收入-新"},
                       {"Text2", "所得税税率"},
                       {"Text3", "年付现成本-新"},
                       {"Text4", "最终报废残值-新"},
                       {"Text9", "已用年限-旧"},
                       {"Text10", "税法残值-新"},
                       {"Text13", "新设备年限"},
                       {"Text15", "年折旧-新"}},
                      3,
                      {{"Text11", "原值-新"},
                       {"Text12", "最低收益率"},
                       {"Text5", "原值-旧"},
                       {"Text6", "年折旧-旧"},
                       {"Text7", "目前变价价值-旧"},
                       {"Text8", "税法残值-旧"},
                       {"Text14", "最终报废残值-旧"}})
        .button("Command2", "新设备NPV",
                [](Ctx& c) {
                    const Num R = c.num("Text1"), T = c.num("Text2"), C = c.num("Text3"), F = c.num("Text4");
                    const Num X = c.num("Text10"), N = c.num("Text13"), D = c.num("Text15");
                    const Num P = c.num("Text11"), i = c.num("Text12");
                    const Num A1 = (1 - T) * R, A2 = (1 - T) * C, A3 = T * D;
                    const Num A4 = (X - F) * 0.4 + F; // the rate its text shows, not the tax rate
                    const Num A5 = (X - F) * T;       // for information: no other line uses it
                    const Num A6 = A1 - A2 + A3, A7 = A6 + A4;
                    const Value NPV = netPresentValue(A6, A7, P, i, N);
                    c.print("税后年营业收入=年营业收入*（1-所得税税率）=", A1);
                    c.print("税后年付现成本=年付现成本*（1-所得税税率）=", A2);
                    c.print("每年折旧抵税=年折旧*所得税税率=", A3);
                    c.print("残值变价收入=最终报废残值+（税法残值-最终报废残值）*0.4=", A4);
                    c.print("残值净收益纳税=（税法残值-最终报废残值）*所得税税率=", A5);
                    c.print("以前NCF=税后年营业收入-税后年付现成本+每年折旧抵税=", A6);
                    c.print("末年NCF=以前NCF+残值变价收入=", A7);
                    c.print("净现值=末年现金净流量*(P/F,i,n)+前年现金净流量*(P/A,i,n-1)-原始投资额=", NPV);
                })
        .button("Command5", "旧设备计算",
                [](Ctx& c) {
                    const Num T = c.num("Text2"), Y = c.num("Text9");
                    const Num P = c.num("Text5"), D = c.num("Text6"), V = c.num("Text7"), X = c.num("Text8");
                    const Num F = c.num("Text14");
                    const Num B1 = P - D * Y, B2 = B1 - V, B3 = B2 * T, B4 = (X - F) * T;
                    c.print("目前账面价值=设备原值-已计折旧", B1);
                    c.print("目前资产报损失=目前账面价值-目前变现价值=", B2);
                    c.print("资产报废损失抵税额=目前资产报废损失*所得税税率=", B3);
                    c.print("残值报废损失减税=（税法残值-最终报废残值）*所得税税率=", B4);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
