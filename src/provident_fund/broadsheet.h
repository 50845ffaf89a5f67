// The broad sheet: each subscriber's yearly provident-fund summary, one record per account and year.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace data {
class Database;
}

namespace provident_fund {

struct YearRecord {
    QString year;   // "2011--2012"
    QString acNo;
    QString name;
    double ob = 0;
    double totSubs = 0;
    double totRefund = 0;
    double interest = 0;
    double loanTkn = 0;
    double cb = 0;  // as filed; never worked out again here
    QDate yrBegin;

    // ob + tot_subs + tot_refund + interest - loan_tkn, in that order.
    double componentSum() const;
};

// The table `broadsheet` in "salary master.mdb". Every value is bound; the
// statements are prepared once, so it must not outlive the database connection.
class BroadSheet {
public:
    explicit BroadSheet(data::Database& db);
    ~BroadSheet();
    BroadSheet(const BroadSheet&) = delete;
    BroadSheet& operator=(const BroadSheet&) = delete;

    // Every account once.
    QStringList accounts();
    // The account's record of the year from yrBegin. Accounts are compared
    // trimmed (and without case, as the table compares text).
    std::optional<YearRecord> find(const QString& account, const QDate& yrBegin);
    // The account's first record of any year.
    std::optional<YearRecord> any(const QString& account);
    // Files a year. Throws vb::Error 3022 when the account already has a
    // record of that year; nothing is then written.
    void add(const YearRecord& r);

private:
    struct Statements;
    data::Database& mDb;
    std::unique_ptr<Statements> mSt;
};

} // namespace provident_fund
