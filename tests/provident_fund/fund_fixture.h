// A data folder with the blank provident-fund sheet, and broad-sheet records put in by hand.
#pragma once

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "provident_fund/broadsheet.h"
#include "setup/demo_office.h"
#include "support/temp_data_folder.h"

#include <QVector>

namespace fundtest {

inline data::Database& salaryDb()
{
    return data::Database::open(QString::fromLatin1(common::kSalaryDb));
}

// A year filed for an account whose closing balance is its parts' sum
// unless cb is given.
inline void fileYear(const QString& account, const QString& name, const QDate& begin, double ob, double subs = 0,
                     double refund = 0, double interest = 0, double loan = 0, double cb = -1)
{
    provident_fund::YearRecord r{QStringLiteral("%1--%2").arg(begin.year()).arg(begin.year() + 1),
                                 account, name, ob, subs, refund, interest, loan, 0, begin};
    r.cb = cb < 0 ? r.componentSum() : cb;
    provident_fund::BroadSheet(salaryDb()).add(r);
}

// One column of the sheet in stored order.
inline QVariantList sheetColumn(const QString& field)
{
    data::QueryRecordset rs(salaryDb(), QStringLiteral("select %1 from calc_sheet order by rowid").arg(field));
    QVariantList out;
    for (; !rs.eof(); rs.moveNext())
        out << rs.field(0).variant();
    return out;
}

inline QVariantList numbers(std::initializer_list<double> xs)
{
    QVariantList out;
    for (double x : xs)
        out << x;
    return out;
}

struct FundFolder : testsupport::TempDataFolder {
    FundFolder() { setup::writeStartingRows(QStringLiteral("pw")); }
};

} // namespace fundtest
