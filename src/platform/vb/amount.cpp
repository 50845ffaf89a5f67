#include "platform/vb/amount.h"

#include "platform/vb/convert.h"

#include <cmath>

namespace vb {

namespace {

// Digits from the first non-zero one, leaving out zeros that end a fraction:
// "007.50" has three, "1000" four.
int significantDigits(const QString& number)
{
    QString digits;
    const int dot = number.indexOf(QLatin1Char('.'));
    QString intPart = dot < 0 ? number : number.left(dot);
    QString frac = dot < 0 ? QString() : number.mid(dot + 1);
    while (frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    for (QChar c : intPart + frac) {
        if (c.isDigit() && (!digits.isEmpty() || c != QLatin1Char('0')))
            digits += c;
    }
    return int(digits.size());
}

// Figures after the point, leaving out zeros that end the fraction: "12.500" has one.
int decimals(const QString& number)
{
    const int dot = number.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return 0;
    int end = int(number.size());
    while (end > dot + 1 && number.at(end - 1) == QLatin1Char('0'))
        --end;
    return end - dot - 1;
}

} // namespace

AmountRead readAmount(const QString& text, const AmountRule& rule)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return rule.blankIsZero ? AmountRead{} : AmountRead{0, AmountFault::NotANumber};
    if (!isNumeric(t))
        return {0, AmountFault::NotANumber};
    if (significantDigits(t) > 15)
        return {0, AmountFault::TooManyDigits};
    if (rule.toHundredths && decimals(t) > 2)
        return {0, AmountFault::TooManyDecimals};
    const double x = cdbl(t);
    if (x < 0 && !rule.negativeAllowed)
        return {x, AmountFault::Negative};
    if (std::fabs(x) >= rule.ceiling)
        return {x, AmountFault::TooLarge};
    return {x == 0 ? 0.0 : x, AmountFault::None};
}

std::optional<qint64> readWhole(const QString& text, qint64 low, qint64 high)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 12)
        return std::nullopt;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const qint64 n = t.toLongLong();
    if (n < low || n > high)
        return std::nullopt;
    return n;
}

} // namespace vb
