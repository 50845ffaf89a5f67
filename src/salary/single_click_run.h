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

// First: no row of the month pays salary yet, so the ledgers are advanced by
// the instalments taken. Repeat: the rows are written with the same instalments
// but no ledger is advanced.
enum class RunKind { First, Repeat };

// Writes the rows of every employee (in table order) for the bill date, all
// in one transaction: a failure part way throws vb::Error and leaves the
// salary rows and the ledgers as they were. Ledger rows whose amount due is
// exactly 0 are paid off and deleted in either kind of run. Returns the number
// of employees written.
int runSingleClick(data::Database& db, const QDate& billDate, RunKind kind);

// The run's message texts, as the form shows them.
QString singleClickQuestion();
QString duplicateQuestion(const MonthRows& rows, const QString& payMonth);
QString runDoneMessage(int employees, const QString& payMonth);
QString runFailedMessage(const QString& reason);

} // namespace salary
