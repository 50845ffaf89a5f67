#include "common/data_folder.h"

#include "common/schema.h"
#include "platform/vb/error.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <fcntl.h>
#include <unistd.h>

namespace common {

namespace {

// A connection of its own, removed on every way out.
class Connection {
public:
    explicit Connection(const QString& path, const QString& options = QString())
        : mName(QStringLiteral("dosset-folder-") + QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
    }
    ~Connection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(mName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(mName);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(mName, false); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

private:
    QString mName;
};

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).remove(QLatin1Char('"')) + QLatin1Char('"');
}

struct Entry {
    QString name;
    QString sql;
};

QList<Entry> entries(QSqlDatabase& db, const char* type)
{
    QList<Entry> list;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = ? AND sql IS NOT NULL "
                             "AND name NOT LIKE 'sqlite_%' ORDER BY rowid"));
    q.addBindValue(QLatin1String(type));
    if (!q.exec())
        throw vb::Error(3000, q.lastError().text());
    while (q.next())
        list.push_back({q.value(0).toString(), q.value(1).toString()});
    return list;
}

QStringList columnsOf(QSqlDatabase& db, const QString& table)
{
    QStringList cols;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table))))
        throw vb::Error(3000, q.lastError().text());
    while (q.next())
        cols << q.value(1).toString();
    return cols;
}

bool containsName(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

// Each column's definition as its CREATE TABLE wrote it, by lower-case name,
// so that an added column keeps its type and collation.
QHash<QString, QString> columnDefinitions(const QString& createSql)
{
    QHash<QString, QString> defs;
    const qsizetype open = createSql.indexOf(QLatin1Char('('));
    const qsizetype close = createSql.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close <= open)
        return defs;
    const QString body = createSql.mid(open + 1, close - open - 1);
    int depth = 0;
    bool inQuote = false;
    QString part;
    auto flush = [&] {
        const QString def = part.trimmed();
        part.clear();
        if (def.isEmpty())
            return;
        QString name = def.startsWith(QLatin1Char('"')) ? def.section(QLatin1Char('"'), 1, 1)
                                                        : def.section(QLatin1Char(' '), 0, 0);
        defs.insert(name.toLower(), def);
    };
    for (QChar c : body) {
        if (c == QLatin1Char('"'))
            inQuote = !inQuote;
        else if (!inQuote && c == QLatin1Char('('))
            ++depth;
        else if (!inQuote && c == QLatin1Char(')'))
            --depth;
        if (!inQuote && depth == 0 && c == QLatin1Char(',')) {
            flush();
            continue;
        }
        part += c;
    }
    flush();
    return defs;
}

// The schema built in memory: the reference the file is compared with.
class Reference {
public:
    explicit Reference(const QStringList& statements) : mConn(QStringLiteral(":memory:"))
    {
        QSqlDatabase db = mConn.db();
        if (!db.open())
            throw vb::Error(3000, db.lastError().text());
        QSqlQuery q(db);
        for (const QString& sql : statements)
            if (!q.exec(sql))
                throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(q.lastError().text(), sql));
        tables = entries(db, "table");
        indexes = entries(db, "index");
        for (const Entry& t : tables)
            columns.insert(t.name, columnsOf(db, t.name));
    }
    QList<Entry> tables;
    QList<Entry> indexes;
    QHash<QString, QStringList> columns;

private:
    Connection mConn;
};

struct Step {
    QString what; // "table x", "column t.c", "index i"
    QString sql;
};

QList<Step> stepsFor(QSqlDatabase& db, const Reference& ref)
{
    QList<Step> steps;
    QStringList tables, indexes;
    for (const Entry& e : entries(db, "table"))
        tables << e.name;
    for (const Entry& e : entries(db, "index"))
        indexes << e.name;
    for (const Entry& t : ref.tables) {
        if (!containsName(tables, t.name)) {
            steps.push_back({QStringLiteral("table %1").arg(t.name), t.sql});
            continue;
        }
        const QStringList present = columnsOf(db, t.name);
        const QHash<QString, QString> defs = columnDefinitions(t.sql);
        for (const QString& c : ref.columns.value(t.name))
            if (!containsName(present, c))
                steps.push_back({QStringLiteral("column %1.%2").arg(t.name, c),
                                 QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                                     .arg(quoted(t.name), defs.value(c.toLower(), quoted(c)))});
    }
    for (const Entry& i : ref.indexes)
        if (!containsName(indexes, i.name))
            steps.push_back({QStringLiteral("index %1").arg(i.name), i.sql});
    return steps;
}

// How many of a file's core tables the database holds, a table counting
// only with more than half of the schema's columns.
int coreTablesHeld(QSqlDatabase& db, const Reference& ref, const QStringList& core)
{
    QStringList tables;
    for (const Entry& e : entries(db, "table"))
        tables << e.name;
    int held = 0;
    for (const QString& t : core) {
        if (!containsName(tables, t))
            continue;
        const QStringList wanted = ref.columns.value(t);
        const QStringList present = columnsOf(db, t);
        qsizetype matching = 0;
        for (const QString& c : wanted)
            matching += containsName(present, c) ? 1 : 0;
        held += matching * 2 > wanted.size() ? 1 : 0;
    }
    return held;
}

bool holdsTablesOf(QSqlDatabase& db, const QStringList& statements, const QStringList& core)
{
    return coreTablesHeld(db, Reference(statements), core) >= 2;
}

} // namespace

QStringList schemaLacks(QSqlDatabase& db, const QStringList& statements)
{
    const Reference ref(statements);
    QStringList lacks;
    for (const Step& s : stepsFor(db, ref))
        lacks << s.what;
    return lacks;
}

QStringList upgradeDatabase(const QString& path, const QStringList& statements)
{
    if (!QFileInfo(path).isFile())
        throw vb::Error(vb::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    const Reference ref(statements);
    Connection conn(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    QSqlDatabase db = conn.db();
    if (!db.open())
        throw vb::Error(3044, QStringLiteral("Cannot open '%1': %2").arg(path, db.lastError().text()));
    QSqlQuery q(db);
    // Taking the write lock first: what is lacking is decided on what no one
    // else can change before the additions land.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        throw vb::Error(3000, QStringLiteral("%1: %2").arg(path, q.lastError().text()));
    QStringList added;
    try {
        for (const Step& s : stepsFor(db, ref)) {
            if (!q.exec(s.sql))
                throw vb::Error(3000, QStringLiteral("%1 [%2]").arg(q.lastError().text(), s.sql));
            added << s.what;
        }
        if (!q.exec(QStringLiteral("COMMIT")))
            throw vb::Error(3000, QStringLiteral("%1: %2").arg(path, q.lastError().text()));
    } catch (...) {
        q.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    return added;
}

} // namespace common

namespace common {

namespace {

bool isBusy(const QSqlError& e)
{
    // SQLITE_BUSY (5) and SQLITE_LOCKED (6), and their extended codes.
    const int code = e.nativeErrorCode().toInt();
    return (code & 0xff) == 5 || (code & 0xff) == 6
        || e.databaseText().contains(QLatin1String("locked"), Qt::CaseInsensitive);
}

// A data file by name, with what it must hold.
struct FileKind {
    const char* file;
    QStringList statements;
    QStringList core;
};

template <std::size_t N>
QStringList names(const char* const (&list)[N])
{
    QStringList l;
    for (const char* n : list)
        l << QLatin1String(n);
    return l;
}

FileCheck checkFile(const QString& folder, const FileKind& own, const FileKind& other)
{
    const char* file = own.file;
    const QStringList& statements = own.statements;
    FileCheck check;
    check.file = QLatin1String(file);
    const QString path = QDir(folder).filePath(check.file);
    const QFileInfo info(path);
    const QFileInfo dir(folder);
    if (dir.isDir() && (!dir.isReadable() || !dir.isExecutable())) {
        // A folder shut to this user hides its files: they are not missing, and
        // making a new folder there would neither work nor be wanted.
        check.fault = FileFault::Permission;
        check.technical = QStringLiteral("%1: the folder cannot be opened by this user").arg(folder);
        return check;
    }
    if (!info.exists()) {
        check.fault = FileFault::Missing;
        check.technical = QStringLiteral("no such file: %1").arg(path);
        return check;
    }
    if (!info.isFile()) {
        check.fault = FileFault::NotDatabase;
        check.technical = QStringLiteral("not a plain file: %1").arg(path);
        return check;
    }
    if (!info.isReadable() || !info.isWritable()) {
        check.fault = FileFault::Permission;
        check.technical = QStringLiteral("%1: %2 to this user").arg(path, info.isReadable() ? QStringLiteral("not writable")
                                                                                            : QStringLiteral("not readable"));
        return check;
    }
    if (!QFileInfo(folder).isWritable()) {
        // The engine keeps its journal beside the file while it is open.
        check.fault = FileFault::Permission;
        check.technical = QStringLiteral("%1: the folder is not writable to this user").arg(folder);
        return check;
    }
    if (info.size() == 0) {
        // The engine would take an empty file for an empty database.
        check.fault = FileFault::Empty;
        check.technical = QStringLiteral("%1 is empty (0 bytes)").arg(path);
        return check;
    }
    auto failed = [&check](const QSqlError& e) {
        check.fault = isBusy(e)                                                 ? FileFault::Locked
            : e.databaseText().contains(QLatin1String("not a database"), Qt::CaseInsensitive) ? FileFault::NotDatabase
                                                                                : FileFault::Damaged;
        check.technical = e.text();
        return check;
    };
    Connection conn(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    QSqlDatabase db = conn.db();
    if (!db.open())
        return failed(db.lastError());
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return failed(q.lastError());
    QStringList findings;
    while (q.next())
        findings << q.value(0).toString();
    q.finish();
    if (findings != QStringList{QStringLiteral("ok")}) {
        check.fault = FileFault::Damaged;
        check.technical = QStringLiteral("quick_check: ") + findings.mid(0, 5).join(QStringLiteral("; "));
        return check;
    }
    try {
        // Known by what it holds, not by its name: a file swapped with the
        // other, or another program's database, is never taken for an older
        // one, whose update would fill it with tables it was never meant to hold.
        if (!holdsTablesOf(db, own.statements, own.core)) {
            const bool swapped = holdsTablesOf(db, other.statements, other.core);
            check.fault = swapped ? FileFault::OtherFile : FileFault::Foreign;
            check.technical = swapped
                ? QStringLiteral("holds the tables %1 of %2").arg(other.core.join(QStringLiteral(", ")),
                                                                 QLatin1String(other.file))
                : QStringLiteral("holds neither %1 nor %2").arg(own.core.join(QStringLiteral(", ")),
                                                               other.core.join(QStringLiteral(", ")));
            return check;
        }
    } catch (const vb::Error& e) {
        check.fault = FileFault::Damaged;
        check.technical = e.description;
        return check;
    }
    // Readers pass a writer by; the program writes, so a held write lock counts.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(q.lastError());
    q.exec(QStringLiteral("ROLLBACK"));
    try {
        const QStringList lacks = schemaLacks(db, statements);
        if (!lacks.isEmpty()) {
            check.fault = FileFault::Older;
            check.technical = QStringLiteral("lacks ") + lacks.join(QStringLiteral(", "));
        }
    } catch (const vb::Error& e) {
        check.fault = FileFault::Damaged;
        check.technical = e.description;
    }
    return check;
}

} // namespace

QList<FileCheck> checkDataFiles(const QString& folder)
{
    const FileKind fund{kFundDb, fundSchema(), names(kFundCoreTables)};
    const FileKind salary{kSalaryDb, salarySchema(), names(kSalaryCoreTables)};
    return {checkFile(folder, fund, salary), checkFile(folder, salary, fund)};
}

QString fileOnPath(const QString& folder)
{
    for (QFileInfo at(QDir::cleanPath(QDir(folder).absolutePath()));; at = QFileInfo(at.path())) {
        if (at.exists())
            return at.isDir() ? QString() : at.absoluteFilePath();
        if (at.isRoot() || at.path() == at.filePath())
            return {};
    }
}

bool isHalfMade(const QString& folder)
{
    return QFileInfo::exists(QDir(folder).filePath(QLatin1String(kUnfinishedMark)));
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void beginSetup(const QString& folder)
{
    if (isHalfMade(folder))
        throw vb::Error(58, checkDataFolder(folder).text);
    const QDir dir(folder);
    if (!dir.exists()) {
        if (!QDir().mkpath(folder))
            throw vb::Error(76, QStringLiteral("Cannot create the folder %1").arg(folder));
        QFile::setPermissions(folder, kOwnerOnlyFolder);
    }
    if (QFileInfo::exists(dir.filePath(QLatin1String(kFundDb))) || QFileInfo::exists(dir.filePath(QLatin1String(kSalaryDb))))
        return;
    // On the disk before the first file it speaks for.
    QFile mark(dir.filePath(QLatin1String(kUnfinishedMark)));
    if (!mark.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnlyFile)
        || mark.write("dosset-setup is making this folder; while this file is here it is not finished.\n") < 0
        || !mark.flush() || ::fsync(mark.handle()) != 0)
        throw vb::Error(75, QStringLiteral("Cannot write %1: %2").arg(mark.fileName(), mark.errorString()));
    mark.close();
    syncFolder(folder);
}

void finishSetup(const QString& folder)
{
    const QString mark = QDir(folder).filePath(QLatin1String(kUnfinishedMark));
    if (!QFile::remove(mark) && QFileInfo::exists(mark))
        throw vb::Error(75, QStringLiteral("Cannot remove %1: the folder stays marked as half-made.").arg(mark));
    syncFolder(folder);
}

FolderProblem checkDataFolder(const QString& folder)
{
    if (const QString file = fileOnPath(folder); !file.isEmpty()) {
        // No folder can be made where a file stands, so the setup is offered
        // only for a path free of it.
        FolderProblem p;
        p.text = QStringLiteral("Dosset cannot open the data folder %1.\n\n%2\n\n"
                                "Start Dosset with the path of your data folder:\n    dosset --data-folder \"FOLDER\"\n"
                                "or make a new data folder at a path where no file stands with:\n"
                                "    dosset-setup \"FOLDER\"\n\nNothing has been changed.")
                     .arg(folder, file == QDir::cleanPath(QDir(folder).absolutePath())
                                      ? QStringLiteral("It is a file, not a folder.")
                                      : QStringLiteral("\"%1\" on its path is a file, not a folder.").arg(file));
        p.details = QStringLiteral("not a folder: %1").arg(file);
        return p;
    }
    if (isHalfMade(folder)) {
        FolderProblem p;
        p.text = QStringLiteral("Dosset cannot open the data folder %1.\n\n"
                                "It is half-made: dosset-setup was stopped before it finished making it, so "
                                "what is in it is no office to work on.\n\n"
                                "Remove the folder and make it again with:\n    dosset-setup \"%1\"\n"
                                "(add --demo for the demo office).\n\nNothing in the folder has been changed.")
                     .arg(folder);
        p.details = QStringLiteral("%1 is in the folder").arg(QLatin1String(kUnfinishedMark));
        return p;
    }
    const QList<FileCheck> checks = checkDataFiles(folder);
    QStringList lines, details;
    QList<FileFault> faults;
    for (const FileCheck& c : checks) {
        if (c.fault == FileFault::None)
            continue;
        faults << c.fault;
        details << QStringLiteral("%1: %2").arg(c.file, c.technical);
        switch (c.fault) {
        case FileFault::Missing: lines << QStringLiteral("\"%1\" is not in it.").arg(c.file); break;
        case FileFault::Permission:
            lines << QStringLiteral("\"%1\" cannot be read or changed by you: the permissions of the file or "
                                    "of the folder do not allow it.").arg(c.file);
            break;
        case FileFault::Empty:
            lines << QStringLiteral("\"%1\" is empty (0 bytes): it holds no data.").arg(c.file);
            break;
        case FileFault::NotDatabase:
        case FileFault::Foreign:
            lines << QStringLiteral("\"%1\" is not a Dosset data file.").arg(c.file);
            break;
        case FileFault::Damaged: lines << QStringLiteral("\"%1\" is damaged.").arg(c.file); break;
        case FileFault::OtherFile:
            lines << QStringLiteral("\"%1\" holds the tables of \"%2\": the two files may have been swapped or "
                                    "renamed.").arg(c.file, c.file == QLatin1String(kFundDb) ? QLatin1String(kSalaryDb)
                                                                                              : QLatin1String(kFundDb));
            break;
        case FileFault::Locked:
            lines << QStringLiteral("\"%1\" is in use by another program or another copy of Dosset.").arg(c.file);
            break;
        case FileFault::Older:
            lines << QStringLiteral("\"%1\" was made by an older version of Dosset.").arg(c.file);
            break;
        case FileFault::None: break;
        }
    }
    if (faults.isEmpty())
        return {};
    QStringList advice;
    if (faults.count(FileFault::Missing) == checks.size()) {
        // Nothing of the office is here, so making a folder loses nothing.
        lines = {QFileInfo(folder).isDir()
                     ? QStringLiteral("It holds no Dosset data files (\"%1\" and \"%2\").")
                           .arg(QLatin1String(kFundDb), QLatin1String(kSalaryDb))
                     : QStringLiteral("There is no such folder.")};
        advice << QStringLiteral("If this is the folder you mean, make a new data folder there with:\n"
                                 "    dosset-setup \"%1\"").arg(folder);
    } else {
        // Each file holding the other's tables and nothing else wrong: their
        // names were swapped, and swapping them back through a third name
        // (two files cannot trade names at once) mends it with nothing lost.
        const bool swapped = faults.count(FileFault::OtherFile) == checks.size();
        const bool lost = faults.contains(FileFault::Missing) || faults.contains(FileFault::Empty)
            || faults.contains(FileFault::NotDatabase) || faults.contains(FileFault::Damaged)
            || faults.contains(FileFault::OtherFile) || faults.contains(FileFault::Foreign);
        if (swapped)
            advice << QStringLiteral("Give each file back its own name: with Dosset closed, rename \"%1\" to "
                                     "\"swap.mdb\", then \"%2\" to \"%1\", then \"swap.mdb\" to \"%2\".")
                          .arg(QLatin1String(kFundDb), QLatin1String(kSalaryDb));
        else if (lost)
            advice << QStringLiteral("Put back the file from your backup copy of the folder.");
        if (faults.contains(FileFault::Permission))
            advice << QStringLiteral("Ask whoever looks after this computer to let you read and change the "
                                     "folder and its files.");
        if (faults.contains(FileFault::Locked))
            advice << QStringLiteral("Close the other program or the other copy of Dosset, then start Dosset again.");
        if (faults.contains(FileFault::Older) && !lost)
            advice << QStringLiteral("Bring the folder up to date, keeping every row, with:\n"
                                     "    dosset-setup \"%1\" --update").arg(folder);
    }
    FolderProblem p;
    p.text = QStringLiteral("Dosset cannot open the data folder %1.\n\n%2\n\n%3\n\nNothing in the folder has been changed.")
                 .arg(folder, lines.join(QLatin1Char('\n')), advice.join(QStringLiteral("\n\n")));
    p.details = details.join(QLatin1Char('\n'));
    return p;
}

} // namespace common
