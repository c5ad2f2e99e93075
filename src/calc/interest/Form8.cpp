// The real rate of interest from a nominal rate and an inflation rate.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm8() {
    return ScreenDesign(8)
        .field("Text1", "名义利率r=")
        .field("Text2", "通胀率c=")
        .button("Command1", "求实际利率i",
                [](Ctx& c) {
                    const Num r = c.num("Text1"), inflation = c.num("Text2");
                    Value real;
                    if (inflation > -1) // deflation too, as long as prices stay above zero
                        real = (r + 1) / (inflation + 1) - 1;
                    c.print("i=(1+r)/(1+c)-1", real);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
