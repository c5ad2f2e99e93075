// Debt-to-equity ratio: the liabilities over the owners' equity.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm55() {
    using namespace statements;
    return ScreenDesign(55)
        .field("Text1", "负债总额", "Label1")
        .field("Text2", "所权总额", "Label2")
        .button("Command1", "产权比率", ratio("产权比率＝（负债总额÷所有者权益总额）×100%"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
