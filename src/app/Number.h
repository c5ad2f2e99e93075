// Text to number and back, as every field and printed line uses them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fincalc {

// The number written at the start of a text; 0 when there is none. Never rejects input:
// "12abc" is 12, "abc" and "" are 0. Leading blanks are skipped, full-width forms read as
// their ASCII twins ("。" as "."), "1,000" groups digits, "8%" is 0.08. A number beyond the
// double range raises an overflow fault.
double ReadNumber(std::string_view text);

// The number a text holds when the whole text is one number as ReadNumber reads it ("1,000",
// "８%", " -3 "); nothing for an empty text, "12abc" or a number beyond the double range.
std::optional<double> ReadWholeNumber(std::string_view text);

// 15 significant digits, trailing zeros dropped, exponent form outside 1E-4 to 1E+15
// ("1.5E+20", "1E-05"); negative zero shows as "0".
std::string FormatNumber(double x);

} // namespace fincalc
