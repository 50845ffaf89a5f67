#include "support/folder_digest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
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
