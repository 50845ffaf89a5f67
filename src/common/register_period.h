// A period of a register's dates as the papers that read the registers take it.
#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

namespace common {

// A period of a register's dates, from `from` to `to`, both days included, as
// a condition on its date field and the condition's two values. The registers
// keep their dates as ISO text and a row is taken by that text: not before the
// text of the first day, and before the text of the day after the last. A
// stored date that is no date ("2011-04-31", from an older build or a file
// edited by hand) so falls on the last day whose text is not after its own,
// and any row in exactly one of periods that follow one another: the balance,
// the register reports, the B-statement and the outer sheet's expenditure to
// date count it in the same month.
struct RegisterPeriod {
    QString condition; // "<field> >= ? and <field> < ?"
    QVariantList values;
};

inline RegisterPeriod registerPeriod(const QString& dateField, const QDate& from, const QDate& to)
{
    return {QStringLiteral("%1 >= ? and %1 < ?").arg(dateField),
            {from.toString(Qt::ISODate), to.addDays(1).toString(Qt::ISODate)}};
}

} // namespace common
