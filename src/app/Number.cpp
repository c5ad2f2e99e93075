#include "app/Number.h"

#include "app/Arith.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace fincalc {

namespace {

// Decodes one UTF-8 character at text[pos], advancing pos; malformed bytes decode as themselves.
char32_t decode(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || pos + extra >= text.size()) {
        ++pos;
        return lead;
    }
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return lead;
        }
        c = (c << 6) | (next & 0x3F);
    }
    pos += 1 + extra;
    return c;
}

// The text as ASCII where it matters: full-width forms (U+FF01 to U+FF5E) become their
// ASCII twins, "。" a decimal point, the ideographic space a blank. Anything else that is not
// ASCII becomes a character no number can contain.
std::string foldWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = decode(text, pos);
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c >= 0xFF01 && c <= 0xFF5E)
            out += static_cast<char>(c - 0xFEE0);
        else if (c == 0x3002)
            out += '.';
        else if (c == 0x3000)
            out += ' ';
        else
            out += '\x01';
    }
    return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A comma after a digit separates digit groups when exactly three digits follow it.
bool isGroup(const std::string& text, std::size_t comma) {
    if (comma + 3 >= text.size())
        return false;
    for (std::size_t i = 1; i <= 3; ++i)
        if (!isDigit(text[comma + i]))
            return false;
    return comma + 4 == text.size() || !isDigit(text[comma + 4]);
}

// Reads the number that starts at text[p] (after blanks), leaving p just past it (and past a
// percent sign); nothing when no digit stands there.
std::optional<double> readNumberAt(const std::string& text, std::size_t& p) {
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
        ++p;

    std::string number; // sign, digits, point and exponent, without group separators
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        number += text[p++];
    bool anyDigit = false;
    int integerDigits = 0; // significant digits before the point, to tell overflow from underflow
    while (p < text.size()) {
        if (isDigit(text[p])) {
            if (integerDigits > 0 || text[p] != '0')
                ++integerDigits;
            number += text[p++];
            anyDigit = true;
        } else if (text[p] == ',' && anyDigit && isGroup(text, p)) {
            ++p; // a digit-group separator: exactly three digits follow
        } else {
            break;
        }
    }
    int fractionLeadingZeros = 0;
    if (p < text.size() && text[p] == '.') {
        number += text[p++];
        bool significant = integerDigits > 0;
        while (p < text.size() && isDigit(text[p])) {
            if (!significant && text[p] == '0')
                ++fractionLeadingZeros;
            else
                significant = true;
            number += text[p++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    long long exponent = 0;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t q = p + 1;
        bool negative = false;
        if (q < text.size() && (text[q] == '+' || text[q] == '-'))
            negative = text[q++] == '-';
        if (q < text.size() && isDigit(text[q])) {
            number += 'e';
            if (negative)
                number += '-';
            while (q < text.size() && isDigit(text[q])) {
                if (exponent < 100000)
                    exponent = exponent * 10 + (text[q] - '0');
                number += text[q++];
            }
            if (negative)
                exponent = -exponent;
            p = q;
        }
    }
    const bool percent = p < text.size() && text[p] == '%';
    if (percent)
        ++p;

    const char* first = number.data();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, ec] = std::from_chars(first, number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: huge magnitudes fault, tiny ones round to zero.
        const long long magnitude =
            integerDigits > 0 ? integerDigits - 1 + exponent : exponent - fractionLeadingZeros - 1;
        if (magnitude > 0)
            throw ArithmeticFault(FaultKind::Overflow);
        value = number[0] == '-' ? -0.0 : 0.0;
    }
    if (percent)
        value /= 100;
    return value;
}

} // namespace

double ReadNumber(std::string_view raw) {
    std::size_t p = 0;
    return readNumberAt(foldWidth(raw), p).value_or(0);
}

std::optional<double> ReadWholeNumber(std::string_view raw) {
    const std::string text = foldWidth(raw);
    std::size_t p = 0;
    try {
        const std::optional<double> value = readNumberAt(text, p);
        while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
            ++p;
        return p == text.size() ? value : std::nullopt;
    } catch (const ArithmeticFault&) {
        return std::nullopt; // beyond the range of a double
    }
}

std::string FormatNumber(double x) {
    if (x == 0)
        return "0"; // also negative zero
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    (void)ec;
    std::string out(buf, end);
    for (char& c : out)
        if (c == 'e')
            c = 'E';
    return out;
}

} // namespace fincalc
