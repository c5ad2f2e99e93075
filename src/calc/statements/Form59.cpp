// Quick ratio: the quick assets over the current liabilities, judged against 1 and 1.5.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm59() {
    using namespace statements;
    return ScreenDesign(59)
        .field("Text1", "速动资产合计", "Label1")
        .field("Text2", "流动负债合计", "Label2")
        .button("Command1", "速动比率",
                ratio("速动比率＝（速动资合计产÷流动负债合计）×100%",
                      {within(1, 1.5, "速动比率正常，在1与1.5之间，短期偿债压力正常"),
                       below(1, "速动比率较低，小于1，短期偿债压力较高"),
                       above(1.5, "速动比率较高，小于1.5，短期偿债压力较低")}))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
