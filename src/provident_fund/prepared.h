// A statement prepared once on the shared connection and run through SQLite's
// own C API: a year is a few dozen statements, and the driver's per-value
// overhead would cost more than the statements themselves.
#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace data {
class Database;
}

namespace provident_fund {

class Prepared {
public:
    Prepared(data::Database& db, const QString& sql);
    ~Prepared();
    Prepared(const Prepared&) = delete;
    Prepared& operator=(const Prepared&) = delete;

    // Binds the values (dates as ISO text, null as NULL) and runs to the
    // first row; true when there is one. Throws vb::Error 3022 on a
    // unique-index violation, 3000 on any other failure.
    bool run(const QVariantList& values = {});
    bool next();
    double number(int col) const;
    qint64 integer(int col) const;
    QString text(int col) const;
    // Rows changed by the last run of a write.
    int changes() const;
    // Ends the run, so the statement holds no read lock.
    void done();

private:
    [[noreturn]] void fail(int rc) const;
    sqlite3* mDb = nullptr;
    sqlite3_stmt* mStmt = nullptr;
    QString mSql;
};

} // namespace provident_fund
