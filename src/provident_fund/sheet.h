// The provident-fund working sheet: one subscriber's year, a row a month, with its interest.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

namespace data {
class Database;
}

namespace provident_fund {

inline constexpr int kMonths = 12;

// "2011--2012" for the year from 1 April 2011.
QString yearCaption(const QDate& start);
// The twelve month captions of the year from start: "Apr-11" ... "Mar-12".
QStringList monthCaptions(const QDate& start);
// The financial year starts on 1 April; a year filed under another day would
// never be found as the next year's last year.
bool isYearStart(const QDate& d);

// I = (sum of the month-end balances / 12) x (rate x 0.01), dividing first.
double yearInterest(double sumOfBalances, double ratePercent);
// The interest as the form shows and files it: whole rupees, half away from
// zero, empty below half a rupee.
QString interestText(double interest);
// ((((ob + subs) + refund) + interest) - withdrawal), unrounded.
double closingBalance(double ob, double subs, double refund, double interest, double withdrawal);

struct SheetTotals {
    double subs = 0;
    double refund = 0;
    double loan = 0;
};

struct YearInterest {
    double sumOfBalances = 0;
    double interest = 0;
};

// The sheet `calc_sheet` in "salary master.mdb", always walked in stored
// (rowid) order. Every value is bound. One per user of the sheet; it keeps
// its prepared statements, so it must not outlive the database connection.
class Sheet {
public:
    explicit Sheet(data::Database& db);
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // Rows of the template `first_sheet`.
    int templateRows();
    // Replaces the sheet by the template's twelve rows in one transaction.
    // False, with nothing changed, when the template does not hold twelve rows.
    bool reset();

    // Stamps account and name (a blank on each side, as the sheet keeps them),
    // the subscription, and each row's month caption and date from the start.
    void stamp(const QString& account, const QString& name, double subs, const QDate& start);
    // True when the sheet carries the account (compared trimmed, without case)
    // for the year from start.
    bool stampedFor(const QString& account, const QDate& start);

    // total = subs + refund on every row.
    void setTotals();
    // Books the refund on the rows whose date lies in from..to, both ends
    // included (replacing what was booked there), and sets the totals.
    void bookRefund(double amount, const QDate& from, const QDate& to);
    // Books the withdrawal on the row of that month caption (replacing).
    int bookWithdrawal(double amount, const QString& monthCaption);

    // Sets the totals and the month-end balances from the opening balance, all
    // in one statement, and works out the year's interest. Throws vb::Error
    // 3021, writing nothing, when the sheet does not hold twelve months.
    YearInterest workOut(double openingBalance, double ratePercent);
    SheetTotals totals();

private:
    struct Statements;
    data::Database& mDb;
    std::unique_ptr<Statements> mSt;
};

} // namespace provident_fund
