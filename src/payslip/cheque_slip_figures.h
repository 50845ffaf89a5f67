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
    // Employees of the date (of the head's codes), with a net or not, each
    // once: a bonus or festival advance paid is a row beside the salary's.
    int employees = 0;
    int bills = 0;             // real bills with a net registered under the register date
    std::optional<double> net; // slipNet of the rows listed; none when no row has anything to credit
    int slipRows = 0;          // rows now in chq_sal (those with a net above 0), one line each
    int slipEmployees = 0;     // employees with a line in chq_sal, each once
    QList<double> billNumbers; // of the counted bills, in register order
};

// Empties chq_sal and fills it with the rows of the bill date that have
// something to credit (a net above 0 to the paisa), of the head's codes when
// one is given, numbered 1, 2, 3 ... in the order they were prepared; then
// counts and totals them. A bonus or festival-advance row pays no pay but is
// credited all the same. All in one transaction: on a failure chq_sal is as
// it was and the error goes to the caller.
SlipFigures chooseSlipRows(data::Database& salaryDb, data::Database& fundDb, const QDate& billDate,
                           const std::optional<SlipHead>& head = std::nullopt);

// Employees with a line in chq_sal, each once.
int slipEmployees(data::Database& salaryDb);

// The bills counted for a slip: bill number above 0 (never the opening row)
// and a net above 0 (the register's amount columns less its deduction, a
// bonus-only bill included), under the register date of the bill date, of
// the head when given, else of every salary head.
QList<double> countedBills(data::Database& fundDb, const QDate& billDate, const QString& drawalCode = {});

// A net as the bank credits it: to the paisa, half a paisa away from nothing.
double netToThePaisa(double net);

// The net of a cheque slip: the sum of its nets each taken to the paisa. The
// form's net, the check of the amount to be credited, the letter's figures and
// the bank's list all use it, so none differs from another by a paisa.
double slipNet(const QList<double>& nets);

// The amount to be credited typed on the form: a plain number from 0 to the
// net total, to the paisa; none otherwise.
std::optional<double> creditedAmount(const QString& typed, double netTotal);
// Why creditedAmount takes no amount from what was typed: no figure at all, a
// figure finer than the paisa, or one below 0 or above the net total.
enum class CreditedFault { None, NotAFigure, FinerThanPaisa, OutOfRange };
CreditedFault creditedFault(const QString& typed, double netTotal);

// The amount to be refunded as the slip writes it: to the paisa, so that
// 77972.50 less 77000.30 reads 972.2.
QString refundText(double netTotal, double credited);

} // namespace payslip
