#include "salary/ledgers.h"

#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
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

void moveLedger(data::TableRecordset& ledger, const QString& dueField, const QString& recField, double recovered)
{
    const LedgerState now{ledger.get(dueField).number(), ledger.get(recField).number(),
                          ledger.get(QStringLiteral("inst_no")).number()};
    if (vb::hundredths(now.due) > 0 && vb::hundredths(recovered) > 0) {
        const LedgerState next = advanceLedger(now, recovered);
        ledger.edit();
        ledger.set(dueField, next.due);
        ledger.set(recField, next.recovered);
        ledger.set(QStringLiteral("inst_no"), next.instalmentsLeft);
        ledger.update();
    }
}

} // namespace salary
