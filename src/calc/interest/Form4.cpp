// Annuity due: future and present value of payments made at the start of each period.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm4() {
    return ScreenDesign(4)
        .field("Text1", "预付年金终值F=")
        .field("Text2", "预付年金现值P=")
        .field("Text3", "预付年金值A=")
        .field("Text4", "利率i=")
        .field("Text5", "计息期数n=")
        .button("Command1", "求终值F",
                [](Ctx& c) {
                    const auto [F, P, A, i, n] = c.nums<5>(1); // every field, top to bottom
                    Value future;
                    if (n > 0)
                        future = ((pow(1 + i, n + 1) - 1) / i - 1) * A;
                    c.print("F=A*(F/A,i,n)*(1+i)=A((F/A,i,n+1)-1)=A*(((1+i)^(n+1)-1)/i-1)=", future);
                })
        .button("Command2", "求现值P",
                [](Ctx& c) {
                    const auto [F, P, A, i, n] = c.nums<5>(1); // every field, top to bottom
                    Value present;
                    if (n > 0)
                        present = ((1 - pow(1 + i, -(n - 1))) / i + 1) * A;
                    c.print("P=A*(P/A,i,n)*(1+i)=A((P/A,i,n-1)+1)=a*(((1-(1+i)^-(n- 1)))/i+1)=", present);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
