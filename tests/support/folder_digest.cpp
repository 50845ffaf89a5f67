#include "support/folder_digest.h"

#include "common/schema.h"
#include "platform/office/workbook.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <stdexcept>

namespace testsupport {

QMap<QString, QByteArray> fileDigests(const QString& folder)
{
    QMap<QString, QByteArray> digests;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = root.relativeFilePath(path);
        if (name.endsWith(QLatin1String("-shm")))
            continue;
        if (it.fileInfo().isDir()) {
            digests.insert(name, "<dir>");
            continue;
        }
        QFile f(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        // A file the test made unreadable is known by its size alone.
        if (f.open(QIODevice::ReadOnly))
            hash.addData(&f);
        else
            hash.addData(QByteArray::number(it.fileInfo().size()));
        digests.insert(name, hash.result().toHex());
    }
    return digests;
}

namespace {

template <class Fn>
void withConnection(const QString& path, Fn fn)
{
    const QString name = QStringLiteral("digest-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        fn(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

QMap<QString, QByteArray> rowDigests(const QString& path)
{
    QMap<QString, QByteArray> digests;
    withConnection(path, [&](QSqlDatabase& db) {
        for (const QString& table : db.tables()) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table)))
                throw std::runtime_error(q.lastError().text().toStdString());
            QCryptographicHash hash(QCryptographicHash::Sha256);
            while (q.next()) {
                const QSqlRecord r = q.record();
                for (int i = 0; i < r.count(); ++i)
                    if (!r.isNull(i))
                        hash.addData((r.fieldName(i) + QLatin1Char('=') + r.value(i).toString() + QLatin1Char('|')).toUtf8());
                hash.addData("\n");
            }
            digests.insert(table, hash.result().toHex());
        }
    });
    return digests;
}

QVariant queryValue(const QString& path, const QString& sql)
{
    QVariant value;
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(sql))
            throw std::runtime_error((sql + QStringLiteral(": ") + q.lastError().text()).toStdString());
        if (q.next())
            value = q.value(0);
    });
    return value;
}

StatementMonths statementMonths(const QString& folder, bool readWorkbooks)
{
    StatementMonths months;
    const QDir dir(folder);
    const QString rows = queryValue(dir.filePath(QLatin1String(common::kFundDb)),
                                    "SELECT group_concat(fy_year || ' ' || (month_no - 1)) FROM b_statement").toString();
    for (const QString& row : rows.split(QLatin1Char(','), Qt::SkipEmptyParts))
        months.stored.insert({int(row.section(' ', 0, 0).toDouble()), int(row.section(' ', 1).toDouble())});
    const QDir output(dir.filePath(QStringLiteral("output")));
    const QStringList names = output.entryList({QStringLiteral("B-statement*.xlsx")}, QDir::Files);
    months.files = size_t(names.size());
    if (!readWorkbooks)
        return months;
    for (const QString& name : names) {
        const office::Workbook book = office::Workbook::open(output.filePath(name));
        int month = 1;
        while (month < 12 && QLocale::c().monthName(month).toUpper() != book.value(2, 8).toString())
            ++month;
        const int year = book.value(2, 9).toInt();
        months.workbooks.push_back(month < 4 ? std::pair{year - 1, month + 12} : std::pair{year, month});
    }
    return months;
}

void runSql(const QString& path, const QStringList& statements)
{
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        for (const QString& sql : statements)
            if (!q.exec(sql))
                throw std::runtime_error((sql + QStringLiteral(": ") + q.lastError().text()).toStdString());
    });
}

QString toolPath(const QString& name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

ToolRun runTool(const QString& name, const QStringList& args)
{
    QProcess p;
    p.start(toolPath(name), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace testsupport
