// Any text typed into a field reads as a finite number or raises an overflow fault, and a number
// the program shows reads back as itself to the digits shown.
#include "app/Arith.h"
#include "app/Number.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = fincalc::ReadNumber(text);
    } catch (const fincalc::ArithmeticFault& fault) {
        if (fault.kind() != fincalc::FaultKind::Overflow)
            __builtin_trap();
        return 0;
    }
    if (!std::isfinite(value))
        __builtin_trap();

    // 15 significant digits: the largest doubles show rounded up beyond the range, and subnormal
    // ones lose digits of their own, so those are left out.
    const double magnitude = std::fabs(value);
    if (magnitude >= DBL_MIN && magnitude < 1e308) {
        const double back = fincalc::ReadNumber(fincalc::FormatNumber(value));
        if (std::fabs(back - value) > 1e-14 * magnitude)
            __builtin_trap();
    }
    return 0;
}
