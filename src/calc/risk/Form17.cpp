// Expected return of one asset over three conditions; expected return, beta and required return
// of a three-asset portfolio, with an investment verdict.
#include "app/Session.h"

namespace fincalc {

namespace {

// The lower block's numbers, read in field order; the heading cells are not read.
struct Portfolio {
    explicit Portfolio(const Ctx& c)
        : EX(c.num("Text13")), EY(c.num("Text14")), EZ(c.num("Text15")), wX(c.num("Text16")),
          wY(c.num("Text17")), wZ(c.num("Text18")), Rm(c.num("Text25")), Rf(c.num("Text26")),
          betaX(c.num("Text27")), betaY(c.num("Text28")), betaZ(c.num("Text29")) {}

    Num expectedReturn() const { return wX * EX + wY * EY + wZ * EZ; }
    Num beta() const { return wX * betaX + wY * betaY + wZ * betaZ; }

    Num EX, EY, EZ, wX, wY, wZ, Rm, Rf, betaX, betaY, betaZ;
};

} // namespace

ScreenDesign declareForm17() {
    return ScreenDesign(17)
        .heading("Label1", "资产预期收益率")
        .box("Text12", 1, 0, "状况")
        .box("Text10", 1, 1, "概率")
        .box("Text11", 1, 2, "投资收益率")
        .box("Text7", 2, 0, "较好")
        .box("Text1", 2, 1)
        .box("Text4", 2, 2)
        .box("Text8", 3, 0, "一般")
        .box("Text2", 3, 1)
        .box("Text5", 3, 2)
        .box("Text9", 4, 0, "较差")
        .box("Text3", 4, 1)
        .box("Text6", 4, 2)
        .heading("Label2", "资产组合预期收益率")
        .box("Text24", 6, 0, "资产")
        .box("Text22", 6, 1, "预收率")
        .box("Text23", 6, 2, "比重")
        .box("Text30", 6, 3, "β系数")
        .box("Text19", 7, 0, "X")
        .box("Text13", 7, 1)
        .box("Text16", 7, 2)
        .box("Text27", 7, 3)
        .box("Text20", 8, 0, "Y")
        .box("Text14", 8, 1)
        .box("Text17", 8, 2)
        .box("Text28", 8, 3)
        .box("Text21", 9, 0, "Z")
        .box("Text15", 9, 1)
        .box("Text18", 9, 2)
        .box("Text29", 9, 3)
        .field("Text25", "平均收益率Rm")
        .field("Text26", "无风险利率Rf")
        .button("Command1", "该资产预收率",
                [](Ctx& c) {
                    const Num p1 = c.num("Text1"), p2 = c.num("Text2"), p3 = c.num("Text3");
                    const Num r1 = c.num("Text4"), r2 = c.num("Text5"), r3 = c.num("Text6");
                    c.print("该资产的预期收益率=", p1 * r1 + p2 * r2 + p3 * r3);
                })
        .button("Command2", "该组合预收率",
                [](Ctx& c) { c.print("该组合的预期收益率=", Portfolio(c).expectedReturn()); })
        .button("Command3", "该组合β系数", [](Ctx& c) { c.print("该证券的β系数=", Portfolio(c).beta()); })
        .button("Command4", "该组合必收率",
                [](Ctx& c) {
                    const Portfolio p(c);
                    const Num Ep = p.expectedReturn(), beta = p.beta();
                    const Num R = p.Rf + beta * (p.Rm - p.Rf);
                    c.print("该组合的必要收益率=", R);
                    if (R > Ep)
                        c.print("不适合投资");
                    if (R < Ep)
                        c.print("适合投资");
                    if (R == Ep)
                        c.print("宜观望投资");
                })
        .buttonColumns(4)
        .cancel("Command5")
        .exit("Command6");
}

} // namespace fincalc
