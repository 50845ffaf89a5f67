// A salary row's net as every paper prints it.
#pragma once

namespace common {

// SQL for a salary row's net: its gross less its deduction, each to the paisa
// (the connection's hundredths()). A row this program makes holds exactly
// that. A row an older build stored with a third of a rupee in its gross (an
// advance recovered) and another in its deduction (a loan instalment) holds a
// net a paisa away from it: 39996.6667 less 3573.3333 is stored as 36423.3334,
// printed 36423.33 under a gross and deduction printed 39996.67 and 3573.33.
// Every paper takes the net from here instead, so the sheets, the register,
// the cheque slip, the bank's list and the pay slip all say 36423.34. A row
// with no gross or deduction keeps its own net.
inline constexpr char kRowNet[] = "coalesce((hundredths(gross) - hundredths(deduct)) / 100.0, net)";

} // namespace common
