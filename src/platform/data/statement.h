// A prepared statement on SQLite's own interface, borrowed from its connection's cache.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace data {

class Database;

namespace detail {
// A connection's cached statement; busy while a Statement borrows it.
struct CachedStatement {
    sqlite3_stmt* handle = nullptr;
    bool busy = false;
};
} // namespace detail

// Prepared once per connection and kept: the second use of the same SQL text
// costs a lookup. Values are bound by position (0-based here), text as UTF-8.
// The statement is reset and its bindings cleared when this object goes, so
// a loop binds and steps the same handle:
//
//   data::Statement insert = db.prepare("insert into t (a, b) values (?, ?)");
//   for (...) { insert.bind(0, x); insert.bind(1, name); insert.run(); }
//
// Failures throw vb::Error: 3022 on a unique-index violation, else 3000 with
// SQLite's text and the statement.
class Statement {
public:
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    void bind(int index, double v);
    void bind(int index, qint64 v);
    void bind(int index, int v) { bind(index, qint64(v)); }
    void bind(int index, const QString& v);
    // Text already in UTF-8 (a date bound once for a whole run).
    void bindUtf8(int index, const QByteArray& v);
    // The same, not copied: v must stay unchanged until this statement goes
    // (a run's bill date, bound once a row).
    void bindUtf8Kept(int index, const QByteArray& v);
    void bindNull(int index);
    // The value of a column of another statement's current row, as it is stored.
    void bind(int index, const Statement& from, int column);
    // Dates as ISO text, null as NULL, numbers and text by their type.
    void bind(int index, const QVariant& v);
    // Binds every value in order; a count that differs from the statement's
    // parameters throws 3000.
    void bindAll(const QVariantList& params);

    // Next row: true while there is one. A write steps once to its end.
    bool step();
    // Steps to the end and resets for the next binding; rows affected.
    int run();
    // Ready for new bindings (also done by run()).
    void reset();

    int columnCount() const;
    QString columnName(int i) const;
    bool isNull(int i) const;
    double toDouble(int i) const;   // 0 for null or text that is no number
    qint64 toInt64(int i) const;
    QString toString(int i) const;  // "" for null
    // Text as SQLite holds it; valid until the next step.
    const char* utf8(int i, int* length) const;
    // Integers and reals as double, text as QString (an ISO date becomes a
    // QDate), null as a null QString variant: what a recordset field reads.
    QVariant value(int i) const;
    // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL.
    int type(int i) const;

    const QString& sql() const { return mSql; }

private:
    friend class Database;
    // slot: the cache's entry, or nullptr for a statement prepared outside
    // the cache (the cached one was in use) and finalised here.
    Statement(Database& db, sqlite3_stmt* st, const QString& sql, detail::CachedStatement* slot);
    [[noreturn]] void fail() const;

    Database* mDb;
    sqlite3_stmt* mSt;
    QString mSql;
    detail::CachedStatement* mSlot;
};

} // namespace data
