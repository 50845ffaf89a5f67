// The festival-advance and G.P.F. loan ledgers as the irregular bills read them.
#pragma once

#include <QString>
#include <optional>

namespace data {
class TableRecordset;
}

namespace salary {

// This month's instalment of the employee's ledger row (dueField holds what is
// still due), to the paisa, or none when there is no row or it is paid off. A
// paid-off row is deleted on the way.
std::optional<double> dueInstalment(data::TableRecordset& ledger, const QString& dueField, const QString& empCode);

} // namespace salary
