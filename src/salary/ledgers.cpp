#include "salary/ledgers.h"

#include "platform/data/recordset.h"
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

} // namespace salary
