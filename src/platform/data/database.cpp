#include "platform/data/database.h"

#include "platform/vb/error.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <map>
#include <memory>

namespace data {

namespace {

QString gDataFolder;
std::map<QString, std::unique_ptr<Database>>& registry()
{
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

struct Database::Cache {
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
    QSqlQuery q(mDb);
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
}

Database::~Database()
{
    delete mCache;
    mDb.close();
    mDb = QSqlDatabase();
    QSqlDatabase::removeDatabase(mConnName);
}

namespace {

[[noreturn]] void throwFor(const QSqlQuery& q, const QString& sql)
{
    const QSqlError e = q.lastError();
    const QString text = e.databaseText();
    if (text.contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive))
        throw vb::Error(vb::DuplicateKey,
                        QStringLiteral("The changes you requested to the table were not successful because "
                                       "they would create duplicate values in the index."));
    throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(e.text(), sql));
}

} // namespace

int Database::execute(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(mDb);
    if (!q.prepare(sql))
        throwFor(q, sql);
    for (const QVariant& p : params)
        q.addBindValue(toSqlValue(p));
    if (!q.exec())
        throwFor(q, sql);
    ++mGeneration;
    return q.numRowsAffected();
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
    static int counter = 0;
    mSavepoint = QStringLiteral("sp%1").arg(++counter);
    mDb.execute(QStringLiteral("SAVEPOINT %1").arg(mSavepoint));
}

Transaction::~Transaction()
{
    if (mDone)
        return;
    try {
        mDb.execute(QStringLiteral("ROLLBACK TO %1").arg(mSavepoint));
        mDb.execute(QStringLiteral("RELEASE %1").arg(mSavepoint));
    } catch (...) {
    }
}

void Transaction::commit()
{
    mDb.execute(QStringLiteral("RELEASE %1").arg(mSavepoint));
    mDone = true;
}

} // namespace data
