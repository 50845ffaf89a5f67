#include "platform/data/data_control.h"

#include "platform/data/database.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

namespace data {

DataControl::DataControl(QObject* parent) : QSqlQueryModel(parent) {}

void DataControl::setDatabaseName(const QString& fileName)
{
    mFile = fileName;
}

void DataControl::setRecordSource(const QString& source, const QVariantList& params)
{
    mSource = source;
    mParams = params;
}

void DataControl::refresh()
{
    if (mFile.isEmpty() || mSource.isEmpty()) {
        clear();
        setCurrentRow(-1);
        return;
    }
    Database& db = Database::open(mFile);
    static const QRegularExpression isSelect(QStringLiteral("^\\s*select\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString sql = isSelect.match(mSource).hasMatch()
        ? mSource
        : QStringLiteral("SELECT * FROM \"%1\"").arg(QString(mSource).remove(QLatin1Char('"')));
    QSqlQuery q(db.sql());
    q.prepare(sql);
    for (const QVariant& p : mParams)
        q.addBindValue(toSqlValue(p));
    q.exec();
    setQuery(std::move(q));
    while (canFetchMore())
        fetchMore();
    setCurrentRow(rowCount() > 0 ? 0 : -1);
}

void DataControl::setCurrentRow(int row)
{
    if (row < -1 || row >= rowCount())
        row = rowCount() > 0 ? rowCount() - 1 : -1;
    mCurrent = row;
    emit currentRowChanged(row);
}

void DataControl::moveNext()
{
    if (mCurrent + 1 < rowCount())
        setCurrentRow(mCurrent + 1);
}

void DataControl::movePrevious()
{
    if (mCurrent > 0)
        setCurrentRow(mCurrent - 1);
}

QVariant DataControl::value(const QString& field) const
{
    if (mCurrent < 0)
        return QVariant();
    const QSqlRecord rec = record(mCurrent);
    const int i = rec.indexOf(field);
    return i < 0 ? QVariant() : rec.value(i);
}

} // namespace data
