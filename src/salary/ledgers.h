// The festival-advance and G.P.F. loan ledgers as the salary forms read and
// move them: each ledger moves once a pay month, by the first row of the
// employee and month that recovers its instalment.
#pragma once

#include <QString>
#include <optional>

namespace data {
class Database;
class TableRecordset;
}

namespace salary {

struct BillRow;

// This month's instalment of the employee's ledger row (dueField holds what is
// still due), to the paisa, or none when there is no row or it is paid off. A
// paid-off row is deleted on the way.
std::optional<double> dueInstalment(data::TableRecordset& ledger, const QString& dueField, const QString& empCode);

// SQL conditions on a salary row: it recovers an instalment of the festival
// advance (less_fa) or of the provident-fund loan (gpf_rec), any amount but
// nothing to the paisa.
inline constexpr char kRecoversAdvance[] = "ifnull(hundredths(less_fa), 0) <> 0";
inline constexpr char kRecoversLoan[] = "ifnull(hundredths(gpf_rec), 0) <> 0";

// Which of an employee's ledgers the rows of a pay month stored so far have
// recovered an instalment of. Whatever came first in the month (an arrear, a
// bonus, a second run), a ledger has moved for the month exactly when one of
// them has: a row written now moves only the ledgers not yet recovered, so a
// loan never repays more instalments than it lent, nor fewer.
struct MonthRecovered {
    bool advance = false;
    bool loan = false;
};
MonthRecovered recoveredInMonth(data::Database& db, const QString& payMonth, const QString& empCode);

// Which ledgers the employee has: a row of festi_adv, of gpf_loan.
struct LedgersHeld {
    bool advance = false;
    bool loan = false;
};

// Adds the row to the pay roll (addBillRow) and moves each of the employee's
// ledgers by the instalment the row recovers (to the paisa, one instalment
// fewer left), unless a row of the month has recovered it already, or, for
// the loan, its recovery is stopped; a cleared ledger, or nothing recovered,
// is left as it is. The row and the moves stand or fall together, in one
// transaction. Says which ledgers the employee has.
LedgersHeld addRowRecovering(data::Database& db, data::TableRecordset& salaryTable, data::TableRecordset& festivalAdvance,
                             data::TableRecordset& gpfLoan, const BillRow& row, bool loanStopped = false);

} // namespace salary
