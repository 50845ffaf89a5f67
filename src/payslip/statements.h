// One employee's pay over a period: the statement's lines and the income-tax workbook's cells.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <QVector>

namespace data {
class Database;
}

namespace payslip {

// The salary rows of the code whose bill date lies in from..to, both ends
// included, in bill-date order (rows of one date in the order prepared).
// Fixed text; bind {code, from, to}.
QString statementRowsSql(const QString& columns = QStringLiteral("*"));

struct SheetCell {
    int row;
    int col;
    QVariant value;
};

// What the income-tax workbook receives on its first sheet: the employee's
// name in capitals (5, 4), designation (8, 8) and PAN (9, 3); then from row 16
// one row per salary row of the period: pay month, pay, grade pay, pay +
// grade pay, D.A., H.R.A., M.A., the row's gross, subscription, if + sf,
// professional tax, income tax in columns 1 to 12, each figure to the paisa. Throws vb::Error 3021 when
// the code is not a serving employee or has no row in the period.
QVector<SheetCell> incomeTaxCells(data::Database& salaryDb, const QString& code, const QDate& from,
                                  const QDate& to);

} // namespace payslip
