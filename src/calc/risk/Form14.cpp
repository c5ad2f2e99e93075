// Variance, standard deviation and expected return of a two-asset portfolio.
#include "app/Session.h"
#include "calc/risk/Portfolio.h"

namespace fincalc {

namespace {

// The screen's numbers, read in field order; the heading cells are not read.
struct Portfolio {
    explicit Portfolio(const Ctx& c)
        : sigmaA(c.num("Text1")), wA(c.num("Text2")), EA(c.num("Text3")), sigmaB(c.num("Text4")),
          wB(c.num("Text5")), EB(c.num("Text6")), rho(c.num("Text13")) {}

    Num variance() const { return portfolioVariance(sigmaA, wA, sigmaB, wB, rho); }

    Num expectedReturn() const { return wA * EA + wB * EB; }

    Num sigmaA, wA, EA, sigmaB, wB, EB, rho;
};

} // namespace

ScreenDesign declareForm14() {
    return ScreenDesign(14)
        .box("Text12", 0, 0)
        .box("Text7", 0, 1, "A项目")
        .box("Text8", 0, 2, "B项目")
        .box("Text9", 1, 0, "方差σ")
        .box("Text1", 1, 1)
        .box("Text4", 1, 2)
        .box("Text10", 2, 0, "比重w")
        .box("Text2", 2, 1)
        .box("Text5", 2, 2)
        .box("Text11", 3, 0, "预收率E")
        .box("Text3", 3, 1)
        .box("Text6", 3, 2)
        .field("Text13", "相关系数")
        .button("Command1", "方差σ^2",
                [](Ctx& c) { c.print("σp^2=w1^2*σ1^2+w2^2*σ2^2+ 2*w1*w2*σ1*σ2=", Portfolio(c).variance()); })
        .button("Command2", "标准差σ",
                [](Ctx& c) {
                    c.print("σp=√(w1^2*σ1^2+w2^2*σ2^2+ 2*w1*w2*σ1*σ2)=", sqrt(Portfolio(c).variance()));
                })
        .button("Command3", "组合预收率",
                [](Ctx& c) { c.print("∑Wi*E(Ri)=", Portfolio(c).expectedReturn()); })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
