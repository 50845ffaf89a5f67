#include "common/inword.h"

#include <cmath>
#include <cstdint>

namespace common {

namespace {

const char* const kUnits[] = {"",        "One",     "Two",       "Three",    "Four",
                              "Five",    "Six",     "Seven",     "Eight",    "Nine",
                              "Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                              "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
const char* const kTens[] = {"", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

// Spells a group of 0 to 99; a larger group (a crore count of a hundred or
// more) is spelled with the same Indian grouping, so no amount is ever cut.
void spell(QString& out, std::int64_t g)
{
    if (g >= 100) {
        const std::int64_t lakh = g / 100000, thousand = (g % 100000) / 1000, hundred = (g % 1000) / 100;
        if (lakh) { spell(out, lakh); out += QLatin1String(" Lakh "); }
        if (thousand) { spell(out, thousand); out += QLatin1String(" Thousand "); }
        if (hundred) { spell(out, hundred); out += QLatin1String(" Hundred "); }
        g %= 100;
    }
    if (g >= 20) {
        out += QLatin1String(kTens[g / 10]);
        g %= 10;
    }
    if (g >= 1)
        out += QLatin1String(kUnits[g]);
}

QString inword(double amount, bool longForm)
{
    // Whole paise in 64 bits, the half paisa to the even neighbour.
    const std::int64_t paise = std::llrint(std::fabs(amount) * 100.0);
    const std::int64_t rupees = paise / 100;
    const std::int64_t p = paise % 100;

    struct Group {
        std::int64_t value;
        const char* word;
    };
    const std::int64_t crore = rupees / 10000000;
    const Group groups[] = {
        {crore, " Crore "},
        {(rupees % 10000000) / 100000, " Lakh "},
        {(rupees % 100000) / 1000, " Thousand "},
        {(rupees % 1000) / 100, " Hundred "},
        {rupees % 100, nullptr},
    };
    QString text;
    for (const Group& g : groups) {
        spell(text, g.value);
        if (g.word && g.value >= 1)
            text += QLatin1String(g.word);
    }
    if (p > 0) {
        text += longForm ? QLatin1String(" And") : QLatin1String("And");
        spell(text, p);
    }
    return QLatin1Char('(') + text + QLatin1String(") Only");
}

} // namespace

QString inwordShort(double amount)
{
    return inword(amount, false);
}

QString inwordLong(double amount)
{
    return inword(amount, true);
}

} // namespace common
