// Database files of the data folder, opened once and shared by every form.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

struct sqlite3;

namespace data {

class Statement;

// The folder that holds "fund.mdb" and "salary master.mdb". Set once at start
// (and by tests); Database::open resolves file names against it.
void setDataFolder(const QString& dir);
QString dataFolder();

enum class ColumnKind { Text, Number, Date };

struct ColumnInfo {
    QString name;
    ColumnKind kind = ColumnKind::Text;
};

class Database {
public:
    // The one shared connection to the file of this name in the data folder
    // (or an absolute path). Throws vb::Error 53 when the file does not exist.
    static Database& open(const QString& fileName);
    // Closes every connection (tests, and a change of data folder).
    static void closeAll();

    // Rows affected. Values are bound; dates as ISO text. Throws vb::Error
    // (3022 on a unique-index violation, 3421 on a bad value, else 3000 with
    // the driver's text).
    int execute(const QString& sql, const QVariantList& params = {});

    // The statement of this SQL text from the connection's cache (prepared on
    // first use), ready for binding. Throws vb::Error 3000 for SQL SQLite refuses.
    Statement prepare(const QString& sql);

    QSqlDatabase& sql() { return mDb; }
    // SQLite's own handle of the connection Qt opened.
    sqlite3* handle() const { return mHandle; }
    QString path() const { return mPath; }

    // Declared columns of a table in stored order (cached).
    const QVector<ColumnInfo>& columns(const QString& table);
    // Columns of a named index, in index order (cached); empty when unknown.
    QStringList indexColumns(const QString& index);
    bool indexIsUnique(const QString& index);

    // Bumped by every write through this layer, so cached rows know when to re-read.
    quint64 generation() const { return mGeneration; }
    void touch() { ++mGeneration; }

    ~Database();

private:
    friend class Transaction;
    Database(const QString& path, const QString& connName);
    // Savepoint statements: names differ per transaction, so they are not cached.
    void executeOnce(const QString& sql);
    QSqlDatabase mDb;
    sqlite3* mHandle = nullptr;
    QString mPath;
    QString mConnName;
    quint64 mGeneration = 0;
    struct Cache;
    Cache* mCache;
};

// Binds a value for SQLite: dates become ISO text, null stays null.
QVariant toSqlValue(const QVariant& v);

// RAII transaction: rolled back unless commit() ran. Nested ones are savepoints.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& mDb;
    QString mSavepoint;
    bool mDone = false;
};

} // namespace data
