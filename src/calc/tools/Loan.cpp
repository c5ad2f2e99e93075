#include "calc/tools/Loan.h"

#include <algorithm>
#include <cstdlib>

namespace fincalc {

namespace {

// The schedule, given the principal to repay in each period before the last (from its interest).
template <class PrincipalOf> std::vector<LoanRow> schedule(const Loan& loan, PrincipalOf principalOf) {
    std::vector<LoanRow> rows;
    Cents balance = loan.amount;
    for (int k = 1; k <= loan.periods; ++k) {
        const Cents interest = toCents(Real(balance) / 100 * loan.rate);
        // Never more than is owed, so a tiny loan over many periods cannot overpay.
        const Cents principal =
            k == loan.periods ? balance : std::clamp(principalOf(interest), Cents(0), balance);
        balance -= principal;
        rows.push_back({principal + interest, principal, interest, balance});
    }
    return rows;
}

} // namespace

Schedule levelPaymentSchedule(const Loan& loan) {
    const Real j = loan.rate, n = loan.periods, amount = Real(loan.amount) / 100;
    const Real level = j == 0 ? amount / n : amount * j / -std::expm1(-n * std::log1p(j));
    const Cents payment = toCents(level);
    return {payment, schedule(loan, [&](Cents interest) { return payment - interest; })};
}

Schedule levelPrincipalSchedule(const Loan& loan) {
    const Cents principal = toCents(Real(loan.amount) / 100 / loan.periods);
    return {principal, schedule(loan, [&](Cents) { return principal; })};
}

Cents totalInterest(const std::vector<LoanRow>& rows) {
    Cents sum = 0;
    for (const LoanRow& r : rows)
        sum += r.interest;
    return sum;
}

std::string money(Cents cents) {
    const Cents whole = std::llabs(cents);
    std::string text = std::to_string(whole / 100) + '.';
    text += static_cast<char>('0' + whole % 100 / 10);
    text += static_cast<char>('0' + whole % 10);
    return cents < 0 ? '-' + text : text;
}

} // namespace fincalc
