// The bank annexure of a cheque slip as plain data: employee rows, bookmark texts and enclosed cheques.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

namespace data {
class Database;
}

namespace payslip {

struct AnnexureRequest {
    QDate billDate;
    QString drawalCode; // empty: every bill of the date
    QString month;      // "MAR-12", as the form shows it
    double amount = 0;  // to be credited, already checked against the net total
    QString chequeNo;   // head-wise: the cheque the clerk named (trimmed); empty otherwise
};

struct Annexure {
    // One row per chq_sal row in Sl. No. order: Sl. No., name, designation,
    // bank account, net.
    QVector<QStringList> employees;
    // "month", "rs", "credited", "refunded", "chqamt", in the order they are written.
    QList<std::pair<QString, QString>> bookmarks;
    // One row per counted bill (head-wise: the named cheque only), in
    // register order: cheque number, cheque date, amount.
    QVector<QStringList> cheques;

    static QStringList employeeHeading();  // row 1 of the employee table
    static QStringList employeeNumbers();  // row 2: "(1)" .. "(5)"
    static QStringList chequeHeading();    // row 1 of the cheque table
    QString bookmark(const QString& name) const;
};

// Reads chq_sal and the cheques of the counted bills. Throws vb::Error 3021
// when chq_sal is empty, when there is no counted bill, when a counted bill
// has no cheque in the register, or when the named cheque is not one of them:
// the caller says "SOME RECORDS ARE MISSING" and makes no document.
Annexure buildAnnexure(data::Database& salaryDb, data::Database& fundDb, const AnnexureRequest& request);

} // namespace payslip
