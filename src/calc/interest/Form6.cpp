// Perpetuity: present value of a payment that never ends.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm6() {
    return ScreenDesign(6)
        .field("Text1", "永续年金A=")
        .field("Text2", "利率i=")
        .button("Command1", "求现值P",
                [](Ctx& c) {
                    const Num A = c.num("Text1"), i = c.num("Text2");
                    Value present;
                    if (i > 0)
                        present = A / i;
                    c.print("P=A/i=", present);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
