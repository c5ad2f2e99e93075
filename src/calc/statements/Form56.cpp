// Current ratio: the current assets over the current liabilities, judged against 1.5 and 2.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm56() {
    using namespace statements;
    return ScreenDesign(56)
        .field("Text1", "流动资产合计", "Label1")
        .field("Text2", "流动负债合计", "Label2")
        .button("Command1", "流动比率",
                ratio("流动比率＝（流动资合计产÷流动负债合计）×100%",
                      {within(1.5, 2, "流动比率正常，在1.5与2之间，短期偿债能力正常"),
                       below(1.5, "流动比率较低，小于1.5，短期偿债能力较差"),
                       above(2, "流动比率较高，小于2，短期偿债能力较好")}))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
