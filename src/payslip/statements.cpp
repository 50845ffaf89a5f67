#include "payslip/statements.h"

#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

namespace payslip {

QString statementRowsSql(const QString& columns)
{
    // bill_date is the 21st column of salary, which the statement was always sorted by.
    return QStringLiteral("SELECT %1 FROM salary WHERE emp_code = ? AND bill_date BETWEEN ? AND ?"
                          " ORDER BY bill_date, rowid")
        .arg(columns);
}

QVector<SheetCell> incomeTaxCells(data::Database& salaryDb, const QString& code, const QDate& from,
                                  const QDate& to)
{
    data::QueryRecordset emp(salaryDb,
                             QStringLiteral("SELECT name, designation, pan FROM employee WHERE emp_code = ?"
                                            " ORDER BY rowid LIMIT 1"),
                             {code});
    if (emp.eof())
        throw vb::Error(vb::NoCurrentRecord, QStringLiteral("%1 is not a serving employee.").arg(code));
    data::QueryRecordset rows(salaryDb,
                              statementRowsSql(QStringLiteral("p_month, pay, d_pay, da, hra, ma, gross, gpf_subs,"
                                                              " \"if\" + sf AS insurance, p_tax, i_tax")),
                              {code, QVariant(from), QVariant(to)});
    if (rows.eof())
        throw vb::Error(vb::NoCurrentRecord, QStringLiteral("%1 has no salary row in the period.").arg(code));

    QVector<SheetCell> cells{{5, 4, emp.field("name").text().toUpper()},
                             {8, 8, emp.field("designation").text()},
                             {9, 3, emp.field("pan").text()}};
    static const struct {
        const char* field;
        int col;
    } kMonthCells[] = {{"pay", 2},   {"d_pay", 3},    {"da", 5},         {"hra", 6},   {"ma", 7},
                       {"gross", 8}, {"gpf_subs", 9}, {"insurance", 10}, {"p_tax", 11}, {"i_tax", 12}};
    // Each figure goes in to the paisa, as its line shows it: the sheet's
    // totals then add the figures printed above them, never the fractions
    // of a paisa an older row may hold (a loan instalment's third of a rupee).
    const auto paise = [&rows](const char* field) { return vb::hundredths(rows.field(QLatin1String(field)).number()); };
    for (int r = 16; !rows.eof(); rows.moveNext(), ++r) {
        cells << SheetCell{r, 1, rows.field("p_month").text()};
        // Every line carries its own figures, so a line the sheet had to make
        // room for counts in the totals as the template's own lines do; the
        // gross is the bill's (with O.A., less the F.A. instalment), which the
        // sheet certifies it agrees with.
        cells << SheetCell{r, 4, double(paise("pay") + paise("d_pay")) / 100};
        for (const auto& m : kMonthCells)
            cells << SheetCell{r, m.col, double(paise(m.field)) / 100};
    }
    return cells;
}

} // namespace payslip
