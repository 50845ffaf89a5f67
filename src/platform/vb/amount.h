// Reading a typed amount or whole number: read whole, never as another number.
#pragma once

#include <QString>
#include <optional>

namespace vb {

// What a kind of box accepts. The ceiling is exclusive and applies to the
// amount's size, so a withdrawal of the ceiling or more is refused too.
struct AmountRule {
    double ceiling = 1e15;
    bool negativeAllowed = false;
    bool blankIsZero = true; // else a blank box is no number
    bool toHundredths = false; // at most two decimals (a figure kept in whole hundredths)
};

enum class AmountFault { None, NotANumber, TooManyDigits, TooManyDecimals, Negative, TooLarge };

struct AmountRead {
    double value = 0;
    AmountFault fault = AmountFault::None;
    bool ok() const { return fault == AmountFault::None; }
};

// A plain decimal (isNumeric), trimmed; a blank box is 0 where the rule says
// so. Refused: more than
// 15 significant digits (a double would keep a different number), more than
// two decimals where the figure is kept in whole hundredths, a negative
// amount where the rule forbids it, and an amount at or above the ceiling.
AmountRead readAmount(const QString& text, const AmountRule& rule);

// A whole number from low to high (a bill or order number), typed as digits
// with blanks around; anything else is nothing.
std::optional<qint64> readWhole(const QString& text, qint64 low = 1, qint64 high = 2147483647);

} // namespace vb
