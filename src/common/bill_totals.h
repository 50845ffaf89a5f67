// Which bill the bill form's head totals were made for, as the bill register reads it.
#pragma once

namespace common {

// The bill form keeps a salary bill's totals in its hidden labels Label61 to
// Label66 for the bill register's Import. Beside them, Label61 carries two
// properties naming the bill they were made for, set and cleared with the
// totals, so that Import takes them into that bill only:
// the head's drawal code (QString) ...
inline constexpr char kTotalsHeadProperty[] = "totalsDrawalCode";
// ... and the bill date of its salary rows (QDate).
inline constexpr char kTotalsBillDateProperty[] = "totalsBillDate";
// The same label carries what the bill draws in gross outside its pay and
// allowance columns (a bonus, a festival advance paid), in rupees to the
// paisa (double), for the register's BONUS column. Label66 holds the rows'
// deductions with the festival advance recovered (less F.A.) added, so that
// the register's amounts less its deduction are the bill's net.
inline constexpr char kTotalsBonusProperty[] = "totalsBonus";

} // namespace common
