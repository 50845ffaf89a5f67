#include "platform/data/database.h"

#include "platform/data/statement.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <map>
#include <unordered_map>
#include <memory>
#include <sqlite3.h>

namespace data {

namespace {

QString gDataFolder;

// hundredths(x): x rounded half away from zero to two decimals, as a whole
// number of hundredths (vb::hundredths), null for null. Sums of figures that
// are printed to two decimals are taken as sum(hundredths(x)), so that a
// total is always the sum of the lines printed above it.
void hundredthsFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int64(context, vb::hundredths(sqlite3_value_double(argv[0])));
}
std::map<QString, std::unique_ptr<Database>>& registry()
{
    // Qt's own list of connections is made before ours so that it outlives
    // ours: a connection still open when the program ends is closed while
    // Qt can still remove it.
    [[maybe_unused]] static const bool qtListFirst = QSqlDatabase::contains(QStringLiteral("dosset"));
    static std::map<QString, std::unique_ptr<Database>> r;
    return r;
}

ColumnKind kindOf(const QString& declared)
{
    const QString t = declared.toUpper();
    if (t.startsWith(QLatin1String("DATE")))
        return ColumnKind::Date;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("INT"))
        || t.contains(QLatin1String("NUM")) || t.contains(QLatin1String("DOUBLE")))
        return ColumnKind::Number;
    return ColumnKind::Text;
}

} // namespace

// Statements of a connection are kept until it closes; a program runs a
// fixed set of SQL texts, so the cache stays small. Past the limit, idle
// statements are let go.
constexpr int kMaxCachedStatements = 256;

struct Database::Cache {
    std::unordered_map<QString, std::unique_ptr<detail::CachedStatement>> statements;
    QHash<QString, QVector<ColumnInfo>> columns;
    QHash<QString, QStringList> indexColumns;
    QHash<QString, bool> indexUnique;
};

void setDataFolder(const QString& dir)
{
    gDataFolder = dir;
}

QString dataFolder()
{
    return gDataFolder;
}

QVariant toSqlValue(const QVariant& v)
{
    if (v.isNull())
        return QVariant();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date().toString(Qt::ISODate);
    return v;
}

Database& Database::open(const QString& fileName)
{
    const QString path = QFileInfo(fileName).isAbsolute()
        ? fileName : QDir(gDataFolder).filePath(fileName);
    const QString key = QFileInfo(path).absoluteFilePath();
    auto& reg = registry();
    auto it = reg.find(key);
    if (it != reg.end())
        return *it->second;
    if (!QFileInfo::exists(key))
        throw vb::Error(vb::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(key));
    const QString conn = QStringLiteral("dosset-%1").arg(reg.size() + 1) + QStringLiteral("-") + key;
    auto db = std::unique_ptr<Database>(new Database(key, conn));
    Database& ref = *db;
    reg.emplace(key, std::move(db));
    return ref;
}

void Database::closeAll()
{
    registry().clear();
}

Database::Database(const QString& path, const QString& connName)
    : mPath(path), mConnName(connName), mCache(new Cache)
{
    mDb = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connName);
    mDb.setDatabaseName(path);
    if (!mDb.open())
        throw vb::Error(3044, QStringLiteral("Cannot open '%1': %2").arg(path, mDb.lastError().text()));
    const QVariant h = mDb.driver()->handle();
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
        mHandle = *static_cast<sqlite3* const*>(h.constData());
    if (!mHandle)
        throw vb::Error(3044, QStringLiteral("Cannot open '%1': the database driver gives no SQLite handle.").arg(path));
    sqlite3_exec(mHandle, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(mHandle, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    sqlite3_exec(mHandle, "PRAGMA foreign_keys=OFF", nullptr, nullptr, nullptr);
    if (sqlite3_create_function_v2(mHandle, "hundredths", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                   nullptr, hundredthsFunction, nullptr, nullptr, nullptr)
        != SQLITE_OK)
        throw vb::Error(3044, QStringLiteral("Cannot open '%1': %2").arg(path, QString::fromUtf8(sqlite3_errmsg(mHandle))));
}

Database::~Database()
{
    for (auto& [sql, slot] : mCache->statements)
        sqlite3_finalize(slot->handle);
    delete mCache;
    mDb.close();
    mDb = QSqlDatabase();
    QSqlDatabase::removeDatabase(mConnName);
}

int Database::execute(const QString& sql, const QVariantList& params)
{
    Statement st = prepare(sql);
    st.bindAll(params);
    const int changed = st.run();
    ++mGeneration;
    return changed;
}

Statement Database::prepare(const QString& sql)
{
    auto it = mCache->statements.find(sql);
    if (it != mCache->statements.end() && !it->second->busy) {
        it->second->busy = true;
        return Statement(*this, it->second->handle, sql, it->second.get());
    }
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v3(mHandle, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &st, nullptr)
        != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(mHandle));
        sqlite3_finalize(st);
        throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(text, sql));
    }
    // The same text already borrowed (a statement run inside its own loop)
    // gets a handle of its own for this use.
    if (it != mCache->statements.end())
        return Statement(*this, st, sql, nullptr);
    if (mCache->statements.size() >= size_t(kMaxCachedStatements)) {
        for (auto i = mCache->statements.begin(); i != mCache->statements.end();) {
            if (i->second->busy) {
                ++i;
            } else {
                sqlite3_finalize(i->second->handle);
                i = mCache->statements.erase(i);
            }
        }
    }
    auto slot = std::make_unique<detail::CachedStatement>();
    slot->handle = st;
    slot->busy = true;
    detail::CachedStatement* raw = slot.get();
    mCache->statements.emplace(sql, std::move(slot));
    return Statement(*this, st, sql, raw);
}

void Database::executeOnce(const QString& sql)
{
    ++mGeneration;
    char* err = nullptr;
    if (sqlite3_exec(mHandle, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString text = QString::fromUtf8(err ? err : sqlite3_errmsg(mHandle));
        sqlite3_free(err);
        throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(text, sql));
    }
}

const QVector<ColumnInfo>& Database::columns(const QString& table)
{
    const QString key = table.toLower();
    auto it = mCache->columns.find(key);
    if (it != mCache->columns.end())
        return *it;
    QVector<ColumnInfo> cols;
    QSqlQuery q(mDb);
    q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(QString(table).replace(QLatin1Char('"'), QString())));
    while (q.next())
        cols.push_back({q.value(1).toString(), kindOf(q.value(2).toString())});
    if (cols.isEmpty())
        throw vb::Error(3078, QStringLiteral("The database engine cannot find the table '%1'.").arg(table));
    return *mCache->columns.insert(key, cols);
}

QStringList Database::indexColumns(const QString& index)
{
    const QString key = index.toLower();
    auto it = mCache->indexColumns.find(key);
    if (it != mCache->indexColumns.end())
        return *it;
    QStringList cols;
    QSqlQuery q(mDb);
    q.exec(QStringLiteral("PRAGMA index_info(\"%1\")").arg(QString(index).replace(QLatin1Char('"'), QString())));
    while (q.next())
        cols << q.value(2).toString();
    bool unique = false;
    QSqlQuery u(mDb);
    u.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE type='index' AND name=? COLLATE NOCASE"));
    u.addBindValue(index);
    if (u.exec() && u.next())
        unique = u.value(0).toString().startsWith(QLatin1String("CREATE UNIQUE"), Qt::CaseInsensitive);
    mCache->indexUnique.insert(key, unique);
    mCache->indexColumns.insert(key, cols);
    return cols;
}

bool Database::indexIsUnique(const QString& index)
{
    indexColumns(index);
    return mCache->indexUnique.value(index.toLower());
}

Transaction::Transaction(Database& db) : mDb(db)
{
    // The outermost one is a plain transaction: a savepoint there would copy
    // every page it changes to a statement journal that only a nested
    // rollback could need.
    if (sqlite3_get_autocommit(mDb.handle())) {
        mDb.executeOnce(QStringLiteral("BEGIN"));
        return;
    }
    static int counter = 0;
    mSavepoint = QStringLiteral("sp%1").arg(++counter);
    mDb.executeOnce(QStringLiteral("SAVEPOINT %1").arg(mSavepoint));
}

Transaction::~Transaction()
{
    if (mDone)
        return;
    try {
        if (mSavepoint.isEmpty()) {
            mDb.executeOnce(QStringLiteral("ROLLBACK"));
            return;
        }
        mDb.executeOnce(QStringLiteral("ROLLBACK TO %1").arg(mSavepoint));
        mDb.executeOnce(QStringLiteral("RELEASE %1").arg(mSavepoint));
    } catch (...) {
    }
}

void Transaction::commit()
{
    mDb.executeOnce(mSavepoint.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE %1").arg(mSavepoint));
    mDone = true;
}

} // namespace data
