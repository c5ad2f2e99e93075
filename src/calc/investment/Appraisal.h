// What the investment appraisal screens share: labelled fields in two columns, the net present
// value of a project and the annuity cost of a present value.
#pragma once

#include "app/Session.h"

#include <initializer_list>

namespace fincalc::investment {

struct Labelled {
    const char* field;
    const char* label;
};

// The right-hand column top to bottom from the first row, then the left-hand column from row
// `leftTop`; each label stands to the left of its field.
inline ScreenDesign& twoColumns(ScreenDesign& design, std::initializer_list<Labelled> right, int leftTop,
                                std::initializer_list<Labelled> left) {
    int row = 0;
    for (const Labelled& f : right)
        design.field(f.field, f.label, row++, 2);
    row = leftTop;
    for (const Labelled& f : left)
        design.field(f.field, f.label, row++, 0);
    return design;
}

// A project's yearly net cash flow for years 1 to n - 1 and its last year's, discounted at the
// rate i and set against the outlay; computed only for a positive rate.
inline Value netPresentValue(Num yearly, Num last, Num outlay, Num i, Num n) {
    Value npv;
    if (i > 0)
        npv = yearly * (1 - pow(1 + i, -(n - 1))) / i + last * pow(1 + i, -n) - outlay;
    return npv;
}

// The yearly amount over n years whose present value at the rate i is PV; computed only for a
// positive number of years. A zero rate leaves no annuity factor to divide by.
inline Value annuityCost(Num PV, Num i, Num n) {
    Value cost;
    if (n > 0)
        cost = (PV * i) / (1 - pow(1 + i, -n));
    return cost;
}

} // namespace fincalc::investment
