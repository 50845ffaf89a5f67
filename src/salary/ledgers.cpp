#include "salary/ledgers.h"

#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
#include "salary/bill_row.h"
#include "salary/rules.h"

namespace salary {

std::optional<double> dueInstalment(data::TableRecordset& ledger, const QString& dueField, const QString& empCode)
{
    ledger.setIndex(QStringLiteral("ec"));
    ledger.seek(QStringLiteral("="), empCode);
    if (ledger.noMatch())
        return std::nullopt;
    const double due = ledger.get(dueField).number();
    if (paidOff(due)) {
        ledger.remove();
        return std::nullopt;
    }
    return instalment(due, ledger.get(QStringLiteral("inst_no")).number());
}

MonthRecovered recoveredInMonth(data::Database& db, const QString& payMonth, const QString& empCode)
{
    data::QueryRecordset rs(db,
                            QStringLiteral("select ifnull(max(%1), 0) as fa, ifnull(max(%2), 0) as loan from salary "
                                           "where p_month = ? and emp_code = ?")
                                .arg(QLatin1String(kRecoversAdvance), QLatin1String(kRecoversLoan)),
                            {payMonth, empCode});
    return {rs.field(QStringLiteral("fa")).number() != 0, rs.field(QStringLiteral("loan")).number() != 0};
}

namespace {

// Moves the employee's ledger row, when there is one, by what a row
// recovers; whether there is one.
bool moveLedger(data::TableRecordset& ledger, const QString& empCode, const char* dueField, const char* recField,
                double recovered, bool move)
{
    ledger.setIndex(QStringLiteral("ec"));
    ledger.seek(QStringLiteral("="), empCode);
    if (ledger.noMatch())
        return false;
    const QString due = QLatin1String(dueField), rec = QLatin1String(recField);
    const LedgerState now{ledger.get(due).number(), ledger.get(rec).number(),
                          ledger.get(QStringLiteral("inst_no")).number()};
    if (move && vb::hundredths(now.due) > 0 && vb::hundredths(recovered) > 0) {
        const LedgerState next = advanceLedger(now, recovered);
        ledger.edit();
        ledger.set(due, next.due);
        ledger.set(rec, next.recovered);
        ledger.set(QStringLiteral("inst_no"), next.instalmentsLeft);
        ledger.update();
    }
    return true;
}

} // namespace

LedgersHeld addRowRecovering(data::Database& db, data::TableRecordset& salaryTable, data::TableRecordset& festivalAdvance,
                             data::TableRecordset& gpfLoan, const BillRow& row, bool loanStopped)
{
    data::Transaction tx(db);
    const MonthRecovered before = recoveredInMonth(db, payMonth(row.billDate), row.empCode);
    addBillRow(salaryTable, row);
    LedgersHeld held;
    held.advance = moveLedger(festivalAdvance, row.empCode, "adv_due", "adv_rec", row.lessFa, !before.advance);
    held.loan = moveLedger(gpfLoan, row.empCode, "loan_due", "loan_rec", row.gpfRec, !before.loan && !loanStopped);
    tx.commit();
    return held;
}

} // namespace salary
