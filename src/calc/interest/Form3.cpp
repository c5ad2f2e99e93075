// Ordinary annuity: future and present value, and the payment that repays a loan or builds a fund.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm3() {
    return ScreenDesign(3)
        .field("Text1", "普通年金终值F=")
        .field("Text2", "普通年金现值P=")
        .field("Text3", "普通年金值A=")
        .field("Text4", "利率i=")
        .field("Text5", "计息期数n=")
        .buttonColumns(2)
        .button("Command1", "求终值F",
                [](Ctx& c) {
                    const auto [F, P, A, i, n] = c.nums<5>(1); // every field, top to bottom
                    Value future;
                    if (n > 0)
                        future = (pow(1 + i, n) - 1) * A / i;
                    c.print("F=A*(F/A,i,n)=A+A*(1+i)+A*(1+i)^2+……A*(1+i)^(n-1)=", future);
                })
        .button("Command2", "求现值P",
                [](Ctx& c) {
                    const auto [F, P, A, i, n] = c.nums<5>(1); // every field, top to bottom
                    Value present;
                    if (n > 0)
                        present = (1 - pow(1 + i, -n)) * A / i;
                    c.print("P=A*(P/A,i,n)=A+A*(1+i)^-1+A*(1+i)^-2+……A*(1+i)^-n=", present);
                })
        .button("Command3", "求每年偿还A",
                [](Ctx& c) {
                    const auto [F, P, A, i, n] = c.nums<5>(1); // every field, top to bottom
                    Value repayment;
                    if (n > 0)
                        repayment = P * i / (1 - pow(1 + i, -n));
                    c.print("A=P/(P/A,i,n)=p*i/(1-(1+i)^-n)=", repayment);
                })
        .button("Command6", "求每年存入A",
                [](Ctx& c) {
                    const auto [F, P, A, i, n] = c.nums<5>(1); // every field, top to bottom
                    Value deposit;
                    if (n > 0)
                        deposit = F * i / (pow(1 + i, n) - 1);
                    c.print("A=F/(F/A,i,n)=F*i/((1+i)^n-1)=", deposit);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
