// Dividend per share: the dividends paid over the common shares at the year end.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm46() {
    using namespace statements;
    return ScreenDesign(46)
        .field("Text1", "股利总额", "Label1")
        .field("Text2", "年末普通股股份总数", "Label2")
        .button("Command1", "每股股利", ratio("每股股利＝股利总额÷年末普通股股份总数"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
