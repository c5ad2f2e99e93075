#include "app/Arith.h"

#include <cmath>
#include <limits>

namespace fincalc {

std::string_view faultName(FaultKind kind) {
    switch (kind) {
    case FaultKind::DivisionByZero:
        return "division-by-zero";
    case FaultKind::Overflow:
        return "overflow";
    case FaultKind::InvalidOperation:
        return "invalid-operation";
    }
    return "invalid-operation";
}

const char* ArithmeticFault::what() const noexcept { return faultName(kind_).data(); }

namespace {

// Raises the fault a result carries: NaN is an invalid operation, a magnitude beyond the
// largest double an overflow.
Num checked(Real r) {
    if (std::isnan(r))
        throw ArithmeticFault(FaultKind::InvalidOperation);
    if (std::fabs(r) > static_cast<Real>(std::numeric_limits<double>::max()))
        throw ArithmeticFault(FaultKind::Overflow);
    return Num(r);
}

} // namespace

Num operator+(Num a, Num b) { return checked(a.value() + b.value()); }
Num operator-(Num a, Num b) { return checked(a.value() - b.value()); }
Num operator*(Num a, Num b) { return checked(a.value() * b.value()); }
Num operator-(Num a) { return Num(-a.value()); }

Num operator/(Num a, Num b) {
    if (b.value() == 0)
        throw ArithmeticFault(a.value() == 0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
    return checked(a.value() / b.value());
}

Num& Num::operator+=(Num b) { return *this = *this + b; }
Num& Num::operator-=(Num b) { return *this = *this - b; }
Num& Num::operator*=(Num b) { return *this = *this * b; }
Num& Num::operator/=(Num b) { return *this = *this / b; }

Num pow(Num base, Num exponent) {
    // Zero to a negative power divides by zero.
    if (base.value() == 0 && exponent.value() < 0)
        throw ArithmeticFault(FaultKind::DivisionByZero);
    return checked(std::pow(base.value(), exponent.value()));
}

Num sqrt(Num x) {
    if (x.value() < 0)
        throw ArithmeticFault(FaultKind::InvalidOperation);
    return Num(std::sqrt(x.value()));
}

Num abs(Num x) { return Num(std::fabs(x.value())); }

} // namespace fincalc
