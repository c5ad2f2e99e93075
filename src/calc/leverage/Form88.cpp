// Total leverage, and the leverage chain after the fixed cost rises.
#include "calc/leverage/Leverage.h"

#include <array>
#include <utility>

namespace fincalc {

using leverage::Figure;

ScreenDesign declareForm88() {
    return ScreenDesign(88)
        .field("Text1", "经营杠杆系数")
        .field("Text2", "财务杠杆系数")
        .field("Text3", "营业年收入")
        .field("Text4", "变动成本率")
        .field("Text5", "固定成本增加额")
        .button("Command1", "总杠杆系数",
                [](Ctx& c) {
                    const auto [DOL, DFL, S, v, dF] = leverage::readFigures<5>(c);
                    c.print("总杠杆系数=经营杠杆系数*财务杠杆系数=", DFL * DOL);
                })
        .button("Command2", "变动总杠杆系数",
                [](Ctx& c) {
                    const auto [DOL, DFL, S, v, dF] = leverage::readFigures<5>(c);
                    const Figure M = S * (1 - v);
                    Value F; // the fixed cost the operating leverage implies
                    if (DOL > 0)
                        F = M - M / DOL;
                    const Figure E = M - F;
                    Value I; // the interest the financial leverage implies
                    if (DFL > 0)
                        I = E - E / DFL;
                    const Figure raised = M - (F + dF); // the EBIT once the fixed cost has risen
                    const Value DOL2 = leverage::operatingLeverage(M, raised);
                    const Value DFL2 = leverage::financialLeverage(raised, I);
                    const Value DTL2 = Figure(DOL2) * DFL2;
                    // Computed first, so a fault prints none of the lines.
                    const std::array<std::pair<const char*, Value>, 7> lines{{
                        {"息税前利润变动额=营业收入*（1-变动成本率）=", M},
                        {"固定成本=息税前利润变动额-息税前利润变动额/经营杠杆系数=", F},
                        {"息税前利润=息税前利润变动额-固定成本=", E},
                        {"利息=息税前利润-息税前利润/财务杠杆系数=", I},
                        {"经营杠杆系数=息税前利润变动额/产销量变动额=", DOL2},
                        {"财务杠杆系数=息税前利润/(息税前利润-基期利息)=", DFL2},
                        {"总杠杆系数=经营杠杆系数*财务杠杆系数=", DTL2},
                    }};
                    for (std::size_t k = 0; k < lines.size(); ++k) {
                        if (k > 0)
                            c.print("");
                        c.print(lines[k].first, lines[k].second);
                    }
                })
        .button("Command5", "或")
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
