#include "platform/data/recordset.h"

#include "platform/data/database.h"
#include "platform/data/statement.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"


namespace data {

namespace {

[[noreturn]] void noCurrent()
{
    throw vb::Error(vb::NoCurrentRecord, QStringLiteral("No current record."));
}

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).remove(QLatin1Char('"')) + QLatin1Char('"');
}

} // namespace

// ---------------------------------------------------------------- FieldValue

double FieldValue::toDouble() const
{
    return vb::cdbl(mValue);
}

QString FieldValue::toString() const
{
    if (mValue.isNull())
        throw vb::Error(vb::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    return vb::cstr(mValue);
}

QDate FieldValue::toDate() const
{
    if (mValue.isNull())
        throw vb::Error(vb::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    if (mValue.typeId() == QMetaType::QDate)
        return mValue.toDate();
    return vb::cdate(mValue.toString());
}

QString FieldValue::text() const
{
    return vb::cstr(mValue);
}

double FieldValue::number() const
{
    if (mValue.isNull())
        return 0;
    if (mValue.typeId() == QMetaType::QString)
        return vb::val(mValue.toString());
    if (mValue.typeId() == QMetaType::QDate)
        return 0;
    return mValue.toDouble();
}

FieldRef& FieldRef::operator=(const QVariant& v)
{
    mRs.set(mName, v);
    return *this;
}

FieldValue FieldRef::value() const
{
    return mRs.get(mName);
}

// ----------------------------------------------------------- TableRecordset

struct TableRecordset::Statements {
    QString selectRow;

    // The first rowid the statement gives (0 for none).
    static qint64 firstRowid(Database& db, const QString& sql, const QVariantList& params)
    {
        Statement q = db.prepare(sql);
        q.bindAll(params);
        return q.step() ? q.toInt64(0) : 0;
    }
};

TableRecordset::TableRecordset(Database& db, const QString& table)
    : mDb(db), mTable(table), mSt(std::make_unique<Statements>())
{
    mDb.columns(table); // 3078 for an unknown table
    mSt->selectRow = QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(table));
    moveFirst();
}

TableRecordset::~TableRecordset() = default;

int TableRecordset::columnIndex(const QString& name) const
{
    const auto& cols = mDb.columns(mTable);
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw vb::Error(3265, QStringLiteral("Item '%1' not found in this collection.").arg(name));
}

void TableRecordset::setIndex(const QString& indexName)
{
    // SQLite names indexes per file, the forms per table: "ec" of employee is
    // stored as "employee_ec".
    QStringList cols = mDb.indexColumns(mTable + QLatin1Char('_') + indexName);
    if (cols.isEmpty())
        cols = mDb.indexColumns(indexName);
    if (cols.isEmpty())
        throw vb::Error(3800, QStringLiteral("'%1' is not an index in this table.").arg(indexName));
    mIndex = indexName;
    mIndexCols = cols;
}

void TableRecordset::loadRow() const
{
    if (mCurrent <= 0)
        noCurrent();
    if (mRowId == mCurrent && mRowGen == mDb.generation())
        return;
    Statement q = mDb.prepare(mSt->selectRow);
    q.bind(0, mCurrent);
    if (!q.step())
        noCurrent();
    const int n = q.columnCount();
    mRow.resize(n);
    for (int i = 0; i < n; ++i)
        mRow[i] = q.value(i);
    mRowId = mCurrent;
    mRowGen = mDb.generation();
}

QVariant TableRecordset::convertFor(const QString& name, const QVariant& v) const
{
    const auto& col = mDb.columns(mTable)[columnIndex(name)];
    if (v.isNull())
        return QVariant();
    auto conversion = [&]() -> vb::Error {
        return vb::Error(vb::DataTypeConversion, QStringLiteral("Data type conversion error (%1.%2 = \"%3\").")
                                                     .arg(mTable, col.name, vb::cstr(v)));
    };
    switch (col.kind) {
    case ColumnKind::Number:
        if (v.typeId() == QMetaType::QString) {
            if (!vb::isNumeric(v.toString()))
                throw conversion();
            return vb::cdbl(v);
        }
        if (v.typeId() == QMetaType::QDate)
            throw conversion();
        if (v.typeId() == QMetaType::Bool)
            return v.toBool() ? -1.0 : 0.0;
        return v.toDouble();
    case ColumnKind::Date:
        if (v.typeId() == QMetaType::QDate)
            return v.toDate().isValid() ? v : throw conversion();
        if (v.typeId() == QMetaType::QDateTime)
            return v.toDateTime().date();
        if (v.typeId() == QMetaType::QString) {
            QDate d = vb::parseDate(v.toString());
            if (!d.isValid())
                throw conversion();
            return d;
        }
        throw conversion();
    case ColumnKind::Text:
        return vb::cstr(v);
    }
    return v;
}

FieldValue TableRecordset::get(const QString& name) const
{
    const int i = columnIndex(name);
    if (mMode != EditMode::None) {
        auto it = mPending.find(i);
        if (it != mPending.end())
            return FieldValue(*it);
        if (mMode == EditMode::AddNew)
            return FieldValue();
    }
    loadRow();
    return FieldValue(mRow.value(i));
}

void TableRecordset::set(const QString& name, const QVariant& v)
{
    if (mMode == EditMode::None)
        throw vb::Error(3020, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    mPending.insert(columnIndex(name), convertFor(name, v));
}

void TableRecordset::enterMode(EditMode mode)
{
    mPending.clear();
    mMode = mode;
}

void TableRecordset::addNew()
{
    enterMode(EditMode::AddNew);
}

void TableRecordset::edit()
{
    loadRow();
    enterMode(EditMode::Edit);
}

void TableRecordset::cancelUpdate()
{
    enterMode(EditMode::None);
}

void TableRecordset::update()
{
    if (mMode == EditMode::None)
        throw vb::Error(3020, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    const auto& cols = mDb.columns(mTable);
    if (mMode == EditMode::AddNew) {
        QStringList names, marks;
        QList<int> order = mPending.keys();
        std::sort(order.begin(), order.end());
        for (int i : order) {
            names << quoted(cols[i].name);
            marks << QStringLiteral("?");
        }
        const QString sql = names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(mTable))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quoted(mTable), names.join(QLatin1Char(',')),
                                                                   marks.join(QLatin1Char(',')));
        // A run of new rows sets the same fields each time: the connection
        // keeps the statement.
        Statement insert = mDb.prepare(sql);
        for (int k = 0; k < order.size(); ++k)
            insert.bind(k, mPending.value(order[k]));
        insert.run();
    } else {
        if (!mPending.isEmpty()) {
            QStringList sets;
            QVariantList params;
            for (auto it = mPending.cbegin(); it != mPending.cend(); ++it) {
                sets << quoted(cols[it.key()].name) + QStringLiteral(" = ?");
                params << it.value();
            }
            params << mCurrent;
            mDb.execute(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoted(mTable), sets.join(QLatin1Char(','))),
                        params);
        }
    }
    mDb.touch();
    enterMode(EditMode::None);
}

void TableRecordset::remove()
{
    loadRow();
    mLastKey.clear();
    for (const QString& c : mIndexCols)
        mLastKey << toSqlValue(mRow.value(columnIndex(c)));
    mLastKey << mCurrent;
    mDb.execute(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(mTable)), {mCurrent});
    enterMode(EditMode::None);
    mCurrent = 0;
}

namespace {

QString orderBy(const QStringList& cols, bool forward)
{
    QStringList parts;
    for (const QString& c : cols)
        parts << quoted(c) + (forward ? QString() : QStringLiteral(" DESC"));
    parts << (forward ? QStringLiteral("rowid") : QStringLiteral("rowid DESC"));
    return parts.join(QLatin1Char(','));
}

} // namespace

qint64 TableRecordset::neighbour(bool forward, bool fromEnd) const
{
    QString sql = QStringLiteral("SELECT rowid FROM %1").arg(quoted(mTable));
    QVariantList params;
    if (!fromEnd) {
        QVariantList key;
        if (mCurrent > 0) {
            loadRow();
            for (const QString& c : mIndexCols)
                key << toSqlValue(mRow.value(columnIndex(c)));
            key << mCurrent;
        } else {
            key = mLastKey;
        }
        QStringList lhs;
        for (const QString& c : mIndexCols)
            lhs << quoted(c);
        lhs << QStringLiteral("rowid");
        QStringList marks;
        for (int i = 0; i < lhs.size(); ++i)
            marks << QStringLiteral("?");
        sql += QStringLiteral(" WHERE (%1) %2 (%3)")
                   .arg(lhs.join(QLatin1Char(',')), forward ? QStringLiteral(">") : QStringLiteral("<"),
                        marks.join(QLatin1Char(',')));
        params = key;
    }
    sql += QStringLiteral(" ORDER BY %1 LIMIT 1").arg(orderBy(mIndexCols, forward));
    return mSt->firstRowid(mDb, sql, params);
}

void TableRecordset::moveFirst()
{
    cancelUpdate();
    mCurrent = neighbour(true, true);
    mBof = mEof = mCurrent == 0;
}

void TableRecordset::moveLast()
{
    cancelUpdate();
    mCurrent = neighbour(false, true);
    mBof = mEof = mCurrent == 0;
}

void TableRecordset::moveNext()
{
    step(true);
}

void TableRecordset::movePrevious()
{
    step(false);
}

void TableRecordset::step(bool forward)
{
    bool& ahead = forward ? mEof : mBof; // the end it moves towards
    bool& behind = forward ? mBof : mEof;
    if (ahead)
        noCurrent();
    cancelUpdate();
    // From before the first row (after the last, going back) the move lands on
    // the first (last) row; so does a move forward from a removed row whose
    // place is not known.
    if (mCurrent == 0 && (behind || (forward && mLastKey.isEmpty()))) {
        forward ? moveFirst() : moveLast();
        return;
    }
    mCurrent = neighbour(forward, false);
    behind = false;
    ahead = mCurrent == 0;
}

bool TableRecordset::eof() const
{
    return mEof;
}

bool TableRecordset::bof() const
{
    return mBof;
}

int TableRecordset::recordCount() const
{
    QueryRecordset q(const_cast<Database&>(mDb), QStringLiteral("SELECT count(*) FROM %1").arg(quoted(mTable)));
    return int(q.field(0).number());
}

void TableRecordset::seek(const QString& op, const QVariantList& key)
{
    if (mIndexCols.isEmpty())
        throw vb::Error(3019, QStringLiteral("Operation invalid without a current index."));
    cancelUpdate();
    const auto& cols = mDb.columns(mTable);
    QStringList where;
    QVariantList params;
    const int n = std::min<int>(key.size(), mIndexCols.size());
    const QString cmp = op.trimmed();
    if (cmp != QLatin1String("=") && cmp != QLatin1String(">=") && cmp != QLatin1String(">")
        && cmp != QLatin1String("<=") && cmp != QLatin1String("<"))
        throw vb::Error(vb::InvalidProcedureCall, QStringLiteral("Invalid seek comparison '%1'.").arg(op));
    for (int i = 0; i < n; ++i) {
        const bool last = i == n - 1;
        where << quoted(mIndexCols[i]) + QLatin1Char(' ') + (last ? cmp : QStringLiteral("=")) + QStringLiteral(" ?");
        // A key is compared as the column's kind; one that cannot be is no match.
        QVariant v;
        try {
            v = convertFor(cols[columnIndex(mIndexCols[i])].name, key[i]);
        } catch (const vb::Error&) {
            mNoMatch = true;
            mCurrent = 0;
            return;
        }
        params << toSqlValue(v);
    }
    const bool forward = cmp != QLatin1String("<") && cmp != QLatin1String("<=");
    const qint64 id = mSt->firstRowid(mDb, QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY %3 LIMIT 1")
                                               .arg(quoted(mTable), where.join(QStringLiteral(" AND ")),
                                                    orderBy(mIndexCols, forward)),
                                      params);
    mNoMatch = id == 0;
    mCurrent = id;
    mBof = mEof = false;
}

// ----------------------------------------------------------- QueryRecordset

QueryRecordset::QueryRecordset(Database& db, const QString& sql, const QVariantList& params)
{
    Statement q = db.prepare(sql);
    q.bindAll(params);
    const int n = q.columnCount();
    for (int i = 0; i < n; ++i)
        mNames << q.columnName(i);
    while (q.step()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            row[i] = q.value(i);
        mRows.push_back(std::move(row));
    }
}

FieldValue QueryRecordset::field(int index) const
{
    if (mPos < 0 || mPos >= mRows.size())
        noCurrent();
    if (index < 0 || index >= mNames.size())
        throw vb::Error(3265, QStringLiteral("Item %1 not found in this collection.").arg(index));
    return FieldValue(mRows[mPos][index]);
}

FieldValue QueryRecordset::field(const QString& name) const
{
    for (int i = 0; i < mNames.size(); ++i)
        if (mNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return field(i);
    throw vb::Error(3265, QStringLiteral("Item '%1' not found in this collection.").arg(name));
}

} // namespace data
