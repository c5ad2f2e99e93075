// Risk premium and required return of a three-asset portfolio by the capital asset pricing model.
#include "app/Session.h"

namespace fincalc {

namespace {

// The screen's numbers, read in field order; the heading cells are not read.
struct Portfolio {
    explicit Portfolio(const Ctx& c)
        : betaA(c.num("Text1")), betaB(c.num("Text2")), betaC(c.num("Text3")), VA(c.num("Text4")),
          VB(c.num("Text5")), VC(c.num("Text6")), Rm(c.num("Text7")), Rf(c.num("Text8")) {}

    // Each asset's beta weighted by its share of the total value.
    Num beta() const {
        const Num T = VA + VB + VC;
        const Num wA = VA / T, wB = VB / T, wC = VC / T;
        return betaA * wA + betaB * wB + betaC * wC;
    }

    Num riskPremium() const { return beta() * (Rm - Rf); }

    Num betaA, betaB, betaC, VA, VB, VC, Rm, Rf;
};

} // namespace

ScreenDesign declareForm16() {
    return ScreenDesign(16)
        .heading("Label1", "资产必要收益率")
        .box("Text16", 1, 0, "资产")
        .box("Text13", 1, 1, "β系数")
        .box("Text14", 1, 2, "总价")
        .box("Text10", 2, 0, "A")
        .box("Text1", 2, 1)
        .box("Text4", 2, 2)
        .box("Text11", 3, 0, "B")
        .box("Text2", 3, 1)
        .box("Text5", 3, 2)
        .box("Text12", 4, 0, "C")
        .box("Text3", 4, 1)
        .box("Text6", 4, 2)
        .field("Text7", "平均收益率Rm")
        .field("Text8", "无风险利率Rf")
        .button("Command1", "求风险收益率",
                [](Ctx& c) { c.print("风险收益率=β*(Rm-Rf)", Portfolio(c).riskPremium()); })
        .button("Command2", "求必要收益率",
                [](Ctx& c) {
                    const Portfolio p(c);
                    c.print("必要收益率=Rf+β*(Rm-Rf)", p.riskPremium() + p.Rf);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
