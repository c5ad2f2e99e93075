// Beta of a three-asset portfolio weighted by market value, with a verdict on its risk.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm15() {
    return ScreenDesign(15)
        .heading("Label1", "资产组合信息")
        .box("Text16", 1, 0, "资产")
        .box("Text13", 1, 1, "β系数")
        .box("Text14", 1, 2, "单价")
        .box("Text15", 1, 3, "数量")
        .box("Text10", 2, 0, "A")
        .box("Text1", 2, 1)
        .box("Text4", 2, 2)
        .box("Text7", 2, 3)
        .box("Text11", 3, 0, "B")
        .box("Text2", 3, 1)
        .box("Text5", 3, 2)
        .box("Text8", 3, 3)
        .box("Text12", 4, 0, "C")
        .box("Text3", 4, 1)
        .box("Text6", 4, 2)
        .box("Text9", 4, 3)
        .button("Command1", "求组合β系数",
                [](Ctx& c) {
                    const Num betaA = c.num("Text1"), betaB = c.num("Text2"), betaC = c.num("Text3");
                    const Num PA = c.num("Text4"), PB = c.num("Text5"), PC = c.num("Text6");
                    const Num QA = c.num("Text7"), QB = c.num("Text8"), QC = c.num("Text9");
                    const Num VA = QA * PA, VB = QB * PB, VC = PC * QC;
                    const Num T = VA + VB + VC;
                    const Num wA = VA / T, wB = VB / T, wC = VC / T;
                    const Num beta = betaA * wA + betaB * wB + betaC * wC;
                    c.print("β=∑wi*bi=", beta);
                    if (beta == 1) {
                        c.print("表示该单项资产的风险收益率与市场组合平均风险收益率呈同比例变化，");
                        c.print("其风险情况与市场投资组合的风险情况一致。");
                    }
                    if (beta > 1) {
                        c.print("说明该单项资产的风险收益率高于市场组合平均风险收益率，");
                        c.print("则该单项资产的风险大于整个市场投资组合的风险。");
                    }
                    if (beta < 1) {
                        c.print("说明该单项资产的风险收益率小于市场组合平均风险收益率，");
                        c.print("则该单项资产的风险程度小于整个市场投资组合的风险。");
                    }
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
