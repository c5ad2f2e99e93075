// Reading a screen's fields as numbers: what a handler's context and a chart's view of a screen share.
#pragma once

#include "app/Arith.h"
#include "app/Catalogue.h"
#include "app/Number.h"
#include "app/Screen.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace fincalc {

// num() and nums<N>() for any reader that has `const std::string& text(std::string_view field)`.
template <class Reader> class ReadsFields {
public:
    Num num(std::string_view field) const { return Num(ReadNumber(reader().text(field))); }
    Num num(int k) const { return num(fieldName(k)); }
    // The fields TextFirst to TextFirst+N-1, read in order: `const auto [i, P, F, n] = c.nums<4>(1);`
    template <std::size_t N> std::array<Num, N> nums(int first) const {
        std::array<Num, N> values;
        for (std::size_t k = 0; k < N; ++k)
            values[k] = num(first + static_cast<int>(k));
        return values;
    }
    // Whether the field holds anything but blanks.
    bool filled(int k) const {
        return reader().text(fieldName(k)).find_first_not_of(' ') != std::string::npos;
    }

private:
    const Reader& reader() const { return static_cast<const Reader&>(*this); }
};

// A screen's fields as they stand, read outside any handler; a field the texts lack reads as empty.
class Fields : public ReadsFields<Fields> {
public:
    explicit Fields(const FieldTexts& texts) : texts_(texts) {}
    const std::string& text(std::string_view field) const;

private:
    const FieldTexts& texts_;
};

} // namespace fincalc
