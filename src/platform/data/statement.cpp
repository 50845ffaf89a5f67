#include "platform/data/statement.h"

#include "platform/data/database.h"
#include "platform/vb/error.h"

#include <QDate>
#include <QDateTime>
#include <sqlite3.h>

namespace data {

Statement::Statement(Database& db, sqlite3_stmt* st, const QString& sql, detail::CachedStatement* slot)
    : mDb(&db), mSt(st), mSql(sql), mSlot(slot)
{
}

Statement::Statement(Statement&& other) noexcept
    : mDb(other.mDb), mSt(other.mSt), mSql(std::move(other.mSql)), mSlot(other.mSlot)
{
    other.mSt = nullptr;
    other.mSlot = nullptr;
}

Statement::~Statement()
{
    if (!mSt)
        return;
    if (mSlot) {
        sqlite3_reset(mSt);
        sqlite3_clear_bindings(mSt);
        mSlot->busy = false;
    } else {
        sqlite3_finalize(mSt);
    }
}

void Statement::fail() const
{
    sqlite3* h = sqlite3_db_handle(mSt);
    const int code = sqlite3_extended_errcode(h);
    const QString text = QString::fromUtf8(sqlite3_errmsg(h));
    sqlite3_reset(mSt);
    if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY
        || text.contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive))
        throw vb::Error(vb::DuplicateKey,
                        QStringLiteral("The changes you requested to the table were not successful because "
                                       "they would create duplicate values in the index."));
    throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(text, mSql));
}

void Statement::bind(int index, double v)
{
    if (sqlite3_bind_double(mSt, index + 1, v) != SQLITE_OK)
        fail();
}

void Statement::bind(int index, qint64 v)
{
    if (sqlite3_bind_int64(mSt, index + 1, v) != SQLITE_OK)
        fail();
}

void Statement::bind(int index, const QString& v)
{
    if (v.isNull()) {
        bindNull(index);
        return;
    }
    bindUtf8(index, v.toUtf8());
}

void Statement::bindUtf8(int index, const QByteArray& v)
{
    if (sqlite3_bind_text(mSt, index + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail();
}

void Statement::bindUtf8Kept(int index, const QByteArray& v)
{
    if (sqlite3_bind_text(mSt, index + 1, v.constData(), int(v.size()), SQLITE_STATIC) != SQLITE_OK)
        fail();
}

void Statement::bindNull(int index)
{
    if (sqlite3_bind_null(mSt, index + 1) != SQLITE_OK)
        fail();
}

void Statement::bind(int index, const Statement& from, int column)
{
    if (sqlite3_bind_value(mSt, index + 1, sqlite3_column_value(from.mSt, column)) != SQLITE_OK)
        fail();
}

void Statement::bind(int index, const QVariant& v)
{
    if (v.isNull()) {
        bindNull(index);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        bind(index, v.toDouble());
        return;
    case QMetaType::Bool:
        bind(index, qint64(v.toBool() ? 1 : 0));
        return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        bind(index, v.toLongLong());
        return;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        bind(index, qint64(v.toULongLong()));
        return;
    case QMetaType::QDate:
        bindUtf8(index, v.toDate().toString(Qt::ISODate).toLatin1());
        return;
    case QMetaType::QDateTime:
        bindUtf8(index, v.toDateTime().date().toString(Qt::ISODate).toLatin1());
        return;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        if (sqlite3_bind_blob(mSt, index + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT) != SQLITE_OK)
            fail();
        return;
    }
    default:
        bind(index, v.toString());
        return;
    }
}

void Statement::bindAll(const QVariantList& params)
{
    if (params.size() != sqlite3_bind_parameter_count(mSt))
        throw vb::Error(3000, QStringLiteral("Parameter count mismatch: %1 values for %2 parameters [%3]")
                                  .arg(params.size())
                                  .arg(sqlite3_bind_parameter_count(mSt))
                                  .arg(mSql));
    for (int i = 0; i < params.size(); ++i)
        bind(i, params[i]);
}

bool Statement::step()
{
    const int rc = sqlite3_step(mSt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail();
}

int Statement::run()
{
    while (step()) {
    }
    const int changed = sqlite3_changes(sqlite3_db_handle(mSt));
    sqlite3_reset(mSt);
    return changed;
}

void Statement::reset()
{
    sqlite3_reset(mSt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(mSt);
}

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(mSt, i));
}

int Statement::type(int i) const
{
    return sqlite3_column_type(mSt, i);
}

bool Statement::isNull(int i) const
{
    return sqlite3_column_type(mSt, i) == SQLITE_NULL;
}

double Statement::toDouble(int i) const
{
    return sqlite3_column_double(mSt, i);
}

qint64 Statement::toInt64(int i) const
{
    return sqlite3_column_int64(mSt, i);
}

const char* Statement::utf8(int i, int* length) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(mSt, i));
    *length = sqlite3_column_bytes(mSt, i);
    return text;
}

QString Statement::toString(int i) const
{
    int n = 0;
    const char* text = utf8(i, &n);
    return text ? QString::fromUtf8(text, n) : QString();
}

QVariant Statement::value(int i) const
{
    switch (sqlite3_column_type(mSt, i)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return sqlite3_column_double(mSt, i);
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(mSt, i)), sqlite3_column_bytes(mSt, i));
    default:
        break;
    }
    int n = 0;
    const char* text = utf8(i, &n);
    // Dates are stored as ISO text; the forms read them as dates again.
    if (n == 10 && text[4] == '-' && text[7] == '-') {
        const QDate d = QDate::fromString(QString::fromLatin1(text, n), Qt::ISODate);
        if (d.isValid())
            return d;
    }
    return QString::fromUtf8(text, n);
}

} // namespace data
