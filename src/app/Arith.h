// Checked arithmetic for handlers: every operation on a Num tests its result at once, so no
// handler can print or write an infinite or not-a-number value, and none needs checks of its own.
#pragma once

#include <compare>
#include <exception>
#include <optional>
#include <string_view>

namespace fincalc {

enum class FaultKind { DivisionByZero, Overflow, InvalidOperation };

// The console driver's name for a fault kind ("division-by-zero", ...).
std::string_view faultName(FaultKind kind);

class ArithmeticFault : public std::exception {
public:
    explicit ArithmeticFault(FaultKind kind) : kind_(kind) {}
    FaultKind kind() const { return kind_; }
    const char* what() const noexcept override;

private:
    FaultKind kind_;
};

// Handlers compute with the x87 extended format and keep the double range: a result beyond
// the range of a double is an overflow, as in double arithmetic, while the extra digits keep
// chained operations right to the last printed digit (1000 × 1.1^-2 prints 826.446280991736).
using Real = long double;

// A plain number whose every operation is checked. Unassigned, it is 0.
class Num {
public:
    constexpr Num() = default;
    constexpr Num(Real v) : v_(v) {}   // NOLINT: literals and reads mix freely with Nums
    constexpr Num(double v) : v_(v) {} // NOLINT
    constexpr Num(int v) : v_(v) {}    // NOLINT
    constexpr Real value() const { return v_; }
    // The number as printed and written: rounded to a double.
    constexpr double toDouble() const { return static_cast<double>(v_); }

    Num& operator+=(Num b);
    Num& operator-=(Num b);
    Num& operator*=(Num b);
    Num& operator/=(Num b);

private:
    Real v_ = 0;
};

// Namespace-scope (not hidden friends), so a Value compares with a literal too: `if (E > 0)`.
constexpr auto operator<=>(Num a, Num b) { return a.value() <=> b.value(); }
constexpr bool operator==(Num a, Num b) { return a.value() == b.value(); }

Num operator+(Num a, Num b);
Num operator-(Num a, Num b);
Num operator*(Num a, Num b);
Num operator/(Num a, Num b);
Num operator-(Num a);
Num pow(Num base, Num exponent);
Num sqrt(Num x);
Num abs(Num x);

// A handler's result that starts empty: an empty value prints as nothing and counts as 0
// in arithmetic and comparisons.
class Value {
public:
    Value() = default;
    Value(Num n) : v_(n.value()) {} // NOLINT: assigning a computed number fills the value
    Value(double v) : v_(v) {}      // NOLINT
    Value(int v) : v_(v) {}         // NOLINT

    bool empty() const { return !v_.has_value(); }
    operator Num() const { return Num(v_.value_or(0)); } // NOLINT: empty counts as 0
    Num num() const { return Num(v_.value_or(0)); }

    Value& operator+=(Num b) { return *this = num() + b; }
    Value& operator-=(Num b) { return *this = num() - b; }

private:
    std::optional<Real> v_;
};

} // namespace fincalc
