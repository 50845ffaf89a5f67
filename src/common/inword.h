// Amounts in words in the Indian grouping, as the treasury forms print them.
#pragma once

#include <QString>

namespace common {

// Lakh, Thousand, Hundred, paise after "And" (bill form, pay-slip form).
// At one crore or more it spells the Crore group as the long form does.
QString inwordShort(double amount);
// With a Crore group and the paise after " And" (provident-fund form).
QString inwordLong(double amount);

} // namespace common
