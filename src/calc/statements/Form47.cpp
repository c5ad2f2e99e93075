// Dividend yield: the dividend per share over the market price per share.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm47() {
    using namespace statements;
    return ScreenDesign(47)
        .field("Text1", "普通股每股股利", "Label1")
        .field("Text2", "普通股每股市价", "Label2")
        .button("Command1", "股票获利率", ratio("股票获利率＝普通股每股股利÷普通股每股市价×100%"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
