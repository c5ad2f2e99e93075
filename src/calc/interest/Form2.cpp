// Compound interest: present and future value of a single sum.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm2() {
    return ScreenDesign(2)
        .field("Text1", "利率i=")
        .field("Text2", "复利年金现值P=")
        .field("Text3", "复利年金终值F=")
        .field("Text4", "计息期数n=")
        .button("Command1", "求现值P",
                [](Ctx& c) {
                    const auto [i, P, F, n] = c.nums<4>(1); // every field, top to bottom
                    Value present;
                    if (n != 0) // a negative n compounds instead of discounting
                        present = pow(1 + i, -n) * F;
                    c.print("P=F(P/F,i,n)=F*(1+i)^(-n)=", present);
                })
        .button("Command2", "求终值F",
                [](Ctx& c) {
                    const auto [i, P, F, n] = c.nums<4>(1); // every field, top to bottom
                    Value future;
                    if (n != 0)
                        future = pow(1 + i, n) * P;
                    c.print("F=P(F/P,i,n)=(1+i)^n=", future);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
