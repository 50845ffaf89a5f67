// The figures of a bill date or of one head on it, and the employees of its cheque slip (chq_sal).
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace data {
class Database;
}

namespace payslip {

// A salary head as the cheque slip chooses it.
struct SlipHead {
    QString drawalCode;   // all_exp.head of its bills
    QString codeCategory; // its employees' codes begin with this letter
};

struct SlipFigures {
    int employees = 0;         // salary rows of the date (of the head's codes), paid or not
    int bills = 0;             // real bills with pay registered under the register date
    std::optional<double> net; // net of the paid rows; none when no row is paid
    int slipRows = 0;          // rows now in chq_sal (the paid rows)
    QList<double> billNumbers; // of the counted bills, in register order
};

// Empties chq_sal and fills it with the paid rows (pay <> 0) of the bill date,
// of the head's codes when one is given, numbered 1, 2, 3 ... in the order
// they were prepared; then counts and totals them. All in one transaction:
// on a failure chq_sal is as it was and the error goes to the caller.
SlipFigures chooseSlipRows(data::Database& salaryDb, data::Database& fundDb, const QDate& billDate,
                           const std::optional<SlipHead>& head = std::nullopt);

// The bills counted for a slip: bill number above 0 and pay not 0 (never the
// opening row), under the register date of the bill date, of the head when given.
QList<double> countedBills(data::Database& fundDb, const QDate& billDate, const QString& drawalCode = {});

// A net as the bank credits it: to the paisa, half a paisa away from nothing.
double netToThePaisa(double net);

// The net of a cheque slip: the sum of its nets each taken to the paisa. The
// form's net, the check of the amount to be credited, the letter's figures and
// the bank's list all use it, so none differs from another by a paisa.
double slipNet(const QList<double>& nets);

// The amount to be credited typed on the form: a plain number from 0 to the
// net total; none otherwise.
std::optional<double> creditedAmount(const QString& typed, double netTotal);

// The amount to be refunded as the slip writes it: to the paisa, so that
// 77972.50 less 77000.30 reads 972.2.
QString refundText(double netTotal, double credited);

} // namespace payslip
