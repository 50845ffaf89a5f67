// The single-click salary run: one salary row per employee for a bill date,
// with the festival-advance and provident-fund-loan ledgers advanced.
#pragma once

#include <QDate>
#include <QString>

namespace data {
class Database;
}

namespace salary {

// What a pay month already holds of salary: its number of rows that pay
// salary (kPaysSalary) and the name on the first of them (empty when there
// is none). A bonus or festival advance paid in the month is not counted.
struct MonthRows {
    int count = 0;
    QString firstName;
};
MonthRows monthRows(data::Database& db, const QString& payMonth);

// Writes the rows of every employee (in table order) for the bill date, all
// in one transaction: a failure part way throws vb::Error and leaves the
// salary rows and the ledgers as they were. Each ledger is advanced by the
// instalment its row takes unless a row of the employee's pay month has
// recovered that ledger already (salary::recoveredInMonth): a first run
// after an arrear or a bonus moves every ledger, a second run none. Ledger
// rows whose amount due is exactly 0 are paid off and deleted either way.
// Returns the number of employees written.
int runSingleClick(data::Database& db, const QDate& billDate);

// The run's message texts, as the form shows them.
QString singleClickQuestion();
QString duplicateQuestion(const MonthRows& rows, const QString& payMonth);
QString runDoneMessage(int employees, const QString& payMonth);
QString runFailedMessage(const QString& reason);

} // namespace salary
