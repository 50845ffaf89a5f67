// Digests of a data folder's files and rows, to show what a command left untouched.
#pragma once

#include "common/schema.h"
#include "platform/office/workbook.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QLocale>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <functional>
#include <set>
#include <stdexcept>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

// Every file of the folder (names relative to it, sub-folders included) and
// the SHA-256 of its bytes; "<dir>" for a folder. A "-shm" file is left out:
// it is the engine's memory index, which every reader marks.
inline QMap<QString, QByteArray> fileDigests(const QString& folder)
{
    QMap<QString, QByteArray> digests;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        const QString name = root.relativeFilePath(f.fileName());
        // A file the test made unreadable is known by its size alone.
        if (it.fileInfo().isDir())
            digests.insert(name, "<dir>");
        else if (!name.endsWith(QLatin1String("-shm")))
            digests.insert(name, f.open(QIODevice::ReadOnly)
                                     ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex()
                                     : "size " + QByteArray::number(it.fileInfo().size()));
    }
    return digests;
}

// Runs `fn` on a connection of its own to the file.
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

inline void execOrThrow(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        throw std::runtime_error((sql + QStringLiteral(": ") + q.lastError().text()).toStdString());
}

// The SHA-256 of every row of each table, in rowid order, over each
// column's name and value with null columns left out: a column added to an
// older file, null in every row, leaves the digest as it was.
inline QMap<QString, QByteArray> rowDigests(const QString& path)
{
    QMap<QString, QByteArray> digests;
    withConnection(path, [&](QSqlDatabase& db) {
        for (const QString& table : db.tables()) {
            QSqlQuery q(db);
            execOrThrow(q, QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table));
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

// The first column of the first row a query gives (null when none).
inline QVariant queryValue(const QString& path, const QString& sql)
{
    QVariant value;
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        execOrThrow(q, sql);
        if (q.next())
            value = q.value(0);
    });
    return value;
}

// The B-statements a folder holds, each as (financial year, reporting month
// 4..15): the months whose totals its b_statement rows carry forward, and the
// month each workbook under output/ shows (twice when two files show it),
// read only when asked; `files` counts the workbooks.
struct StatementMonths {
    std::set<std::pair<int, int>> stored;
    std::vector<std::pair<int, int>> workbooks;
    size_t files = 0;
};
inline StatementMonths statementMonths(const QString& folder, bool readWorkbooks = true)
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

// Runs SQL statements on a file through a connection of its own.
inline void runSql(const QString& path, const QStringList& statements)
{
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        for (const QString& sql : statements)
            execOrThrow(q, sql);
    });
}

// The path of one of the built tools beside the test binary.
inline QString toolPath(const QString& name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }

// Runs one of the built tools and waits for it.
struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};
inline ToolRun runTool(const QString& name, const QStringList& args)
{
    QProcess p;
    p.start(toolPath(name), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// The names of the files and folders made in the folder itself (not in its
// sub-folders) while `fn` runs, in the order they were first made; a name
// given by a rename is not among them.
inline QStringList namesMadeWhile(const QString& folder, const std::function<void()>& fn)
{
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const int watch = fd < 0 ? -1 : inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_CREATE);
    fn();
    QStringList names;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t n; watch >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        for (const char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            const QString name = event->len > 0 ? QFile::decodeName(event->name) : QString();
            if (!name.isEmpty() && !names.contains(name))
                names << name;
            p += sizeof(inotify_event) + event->len;
        }
    }
    if (fd >= 0)
        ::close(fd);
    return names;
}

} // namespace testsupport
