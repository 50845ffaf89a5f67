#include "provident_fund/prepared.h"

#include "platform/data/database.h"
#include "platform/vb/error.h"

#include <QDate>
#include <QSqlDriver>
#include <sqlite3.h>

namespace provident_fund {

Prepared::Prepared(data::Database& db, const QString& sql) : mSql(sql)
{
    const QVariant handle = db.sql().driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw vb::Error(3000, QStringLiteral("The salary file is not open as an SQLite database."));
    mDb = *static_cast<sqlite3* const*>(handle.data());
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(mDb, text.constData(), int(text.size()), &mStmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

Prepared::~Prepared()
{
    sqlite3_finalize(mStmt);
}

void Prepared::fail(int rc) const
{
    const int extended = rc == SQLITE_CONSTRAINT ? sqlite3_extended_errcode(mDb) : rc;
    if (extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY)
        throw vb::Error(vb::DuplicateKey, QStringLiteral("The changes you requested to the table were not "
                                                         "successful because they would create duplicate values "
                                                         "in the index."));
    throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(QString::fromUtf8(sqlite3_errmsg(mDb)), mSql));
}

bool Prepared::run(const QVariantList& values)
{
    sqlite3_reset(mStmt);
    sqlite3_clear_bindings(mStmt);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values.at(i);
        const int n = i + 1;
        switch (v.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            sqlite3_bind_double(mStmt, n, v.toDouble());
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            sqlite3_bind_int64(mStmt, n, v.toLongLong());
            break;
        case QMetaType::QDate: {
            const QByteArray iso = v.toDate().toString(Qt::ISODate).toUtf8();
            sqlite3_bind_text(mStmt, n, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            if (v.isNull()) {
                sqlite3_bind_null(mStmt, n);
            } else {
                const QByteArray t = v.toString().toUtf8();
                sqlite3_bind_text(mStmt, n, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            }
        }
    }
    return next();
}

bool Prepared::next()
{
    const int rc = sqlite3_step(mStmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const int code = rc == SQLITE_CONSTRAINT ? sqlite3_extended_errcode(mDb) : rc;
    const QString message = QString::fromUtf8(sqlite3_errmsg(mDb));
    sqlite3_reset(mStmt);
    if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
        fail(SQLITE_CONSTRAINT_UNIQUE);
    throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(message, mSql));
}

double Prepared::number(int col) const
{
    return sqlite3_column_double(mStmt, col);
}

qint64 Prepared::integer(int col) const
{
    return sqlite3_column_int64(mStmt, col);
}

QString Prepared::text(int col) const
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(mStmt, col)),
                             sqlite3_column_bytes(mStmt, col));
}

int Prepared::changes() const
{
    return sqlite3_changes(mDb);
}

void Prepared::done()
{
    sqlite3_reset(mStmt);
}

} // namespace provident_fund
