#include "common/schema.h"

#include "platform/vb/error.h"

#include <QDir>
#include <QHash>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace common {

namespace {

// Column kinds: T text (compared without case), N amount or count, D date.
// A text column carries the widest text the forms may store in it: wide
// enough for every box that types it and every report column that shows it.
struct Column {
    const char* name;
    char kind;
    int width = 0;
};

// One table's CREATE TABLE and the widths of its text columns.
struct TableDeclaration {
    QString sql;
    QList<std::pair<QString, int>> widths;
};

// A file's statements in order, and the text widths of its tables.
struct Declarations {
    QStringList sql;
    QHash<QString, int> widths; // "table.column" in lower case

    Declarations& operator<<(const QString& statement)
    {
        sql << statement;
        return *this;
    }
    Declarations& operator<<(const TableDeclaration& table)
    {
        sql << table.sql;
        for (const auto& [key, width] : table.widths)
            widths.insert(key, width);
        return *this;
    }
};

TableDeclaration createTable(const char* table, std::initializer_list<Column> cols)
{
    TableDeclaration out;
    QStringList parts;
    for (const Column& c : cols) {
        const QString name = QStringLiteral("\"%1\"").arg(QLatin1String(c.name));
        switch (c.kind) {
        case 'N': parts << name + QStringLiteral(" REAL"); break;
        case 'I': parts << name + QStringLiteral(" INTEGER"); break;
        case 'D': parts << name + QStringLiteral(" DATE"); break;
        default:
            // SQLite gives TEXT(n) the same affinity as TEXT; the width is
            // kept here for whoever reads the file, and enforced by the forms.
            parts << name + QStringLiteral(" TEXT(%1) COLLATE NOCASE").arg(c.width);
            out.widths.append({QStringLiteral("%1.%2").arg(QLatin1String(table), QLatin1String(c.name)).toLower(),
                               c.width});
            break;
        }
    }
    out.sql = QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(QLatin1String(table), parts.join(QStringLiteral(", ")));
    return out;
}

// Index names are per table in the forms ("ec" on several tables); SQLite's
// are per file, so each is stored as table_name and found that way.
QString createIndex(const char* table, const char* name, const char* cols, bool unique = false)
{
    return QStringLiteral("CREATE %1INDEX \"%2_%3\" ON \"%2\" (%4)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), QLatin1String(table), QLatin1String(name),
             QLatin1String(cols));
}

Declarations fundDeclarations()
{
    Declarations s;
    s << createTable("protect", {{"pas", 'T', 50}});
    s << createTable("estt", {{"ddo_code", 'T', 20}, {"degn", 'T', 50}, {"dist", 'T', 30}});
    s << createTable("head", {{"drawal_code", 'T', 30}, {"description", 'T', 50}, {"code_category", 'T', 1}});
    s << createIndex("head", "dc", "description");
    // A register row's despn holds its head's description, so is as wide.
    s << createTable("all_allot", {{"head", 'T', 30},   {"order_no", 'T', 30}, {"order_date", 'D'}, {"pay", 'N'},
                                   {"d_pay", 'N'},  {"da", 'N'},       {"hra", 'N'},        {"ma", 'N'},
                                   {"bonus", 'N'},  {"wages", 'N'},    {"ta", 'N'},         {"elec", 'N'},
                                   {"tele", 'N'},   {"misc", 'N'},     {"oe", 'N'},         {"oc", 'N'},
                                   {"scheme", 'N'}, {"despn", 'T', 50}});
    s << createIndex("all_allot", "head", "head");
    s << createTable("all_exp", {{"head", 'T', 30},   {"bill_no", 'N'}, {"bill_date", 'D'}, {"pay", 'N'},
                                 {"d_pay", 'N'},  {"da", 'N'},      {"hra", 'N'},       {"ma", 'N'},
                                 {"bonus", 'N'},  {"wages", 'N'},   {"ta", 'N'},        {"elec", 'N'},
                                 {"tele", 'N'},   {"misc", 'N'},    {"oe", 'N'},        {"oc", 'N'},
                                 {"scheme", 'N'}, {"deduction", 'N'}, {"despn", 'T', 50}});
    s << createIndex("all_exp", "head", "head, bill_date");
    // The cheque register: one cheque per bill, a bill being its number and date.
    s << createTable("cheque", {{"bill_no", 'N'}, {"bill_date", 'D'}, {"cheque_no", 'T', 20}, {"cheque_date", 'D'},
                                {"cheque_amt", 'N'}});
    s << createIndex("cheque", "bill", "bill_no, bill_date", true);
    // Progressive totals brought forward into a reporting month (4 April ..
    // 16 past March), per head code and financial year (its start year).
    s << createTable("b_statement", {{"m_head", 'T', 20},  {"month_no", 'N'}, {"pay", 'N'},   {"d_pay", 'N'},
                                     {"da", 'N'},      {"hra", 'N'},      {"wages", 'N'}, {"ta", 'N'},
                                     {"cont", 'N'},    {"bonus", 'N'},    {"scheme", 'N'}, {"deduct", 'N'},
                                     {"net", 'N'},     {"fy_year", 'N'}});
    s << createIndex("b_statement", "ym", "fy_year, m_head, month_no", true);
    return s;
}

Declarations salaryDeclarations()
{
    Declarations s;
    // A code is one letter and up to three digits; a PAN is ten characters.
    s << createTable("employee", {{"emp_code", 'T', 4},     {"name", 'T', 50},     {"designation", 'T', 50},
                                  {"scale", 'T', 50},        {"acc_no", 'T', 20},   {"pay_band", 'T', 30},
                                  {"pay_band_scale", 'T', 30}, {"category", 'T', 20}, {"grp", 'T', 10},
                                  {"bank_ac", 'T', 20},      {"pan", 'T', 10},      {"hra_type", 'T', 10},
                                  {"health_sch", 'T', 10},   {"b_pay", 'N'},    {"grade_pay", 'N'},
                                  {"basic", 'N'},        {"hra", 'N'},      {"oa", 'N'},
                                  {"gpf_subs", 'N'},     {"i_fund", 'N'},   {"s_fund", 'N'},
                                  {"effect_date", 'D'}});
    s << createIndex("employee", "ec", "emp_code", true);
    s << createTable("back_up", {{"emp_code", 'T', 4}, {"name", 'T', 50}, {"designation", 'T', 50}, {"acc_no", 'T', 20},
                                 {"backup_date", 'D'}, {"remarks", 'T', 100}});
    s << createIndex("back_up", "bc", "emp_code");
    s << createTable("emp_temp", {{"emp_code", 'T', 4}, {"pr_pay", 'N'}, {"e_date", 'D'}});
    s << createTable("gpf_loan", {{"emp_code", 'T', 4}, {"loan_due", 'N'}, {"loan_rec", 'N'}, {"inst_no", 'N'}});
    s << createIndex("gpf_loan", "ec", "emp_code", true);
    s << createTable("festi_adv", {{"emp_code", 'T', 4}, {"adv_due", 'N'}, {"adv_rec", 'N'}, {"inst_no", 'N'}});
    s << createIndex("festi_adv", "ec", "emp_code", true);
    s << createTable("da_table", {{"da_current", 'N'}, {"hra", 'N'}, {"ma", 'N'}});
    // The pay roll. Its column order is fixed: bills sort by position
    // ("order by 7" is grade pay, 20 the code, 21 the bill date).
    s << createTable("salary", {{"name", 'T', 50},     {"designation", 'T', 50}, {"scale", 'T', 50},    {"acc_no", 'T', 20},
                                {"pay", 'N'},      {"less_fa", 'N'},     {"d_pay", 'N'},    {"da", 'N'},
                                {"hra", 'N'},      {"ma", 'N'},          {"oa", 'N'},       {"gross", 'N'},
                                {"gpf_subs", 'N'}, {"gpf_rec", 'N'},     {"if", 'N'},       {"sf", 'N'},
                                {"p_tax", 'N'},    {"misc", 'N'},        {"net", 'N'},      {"emp_code", 'T', 4},
                                {"bill_date", 'D'}, {"p_month", 'T', 6},    {"hb_loan", 'N'},  {"hb_int", 'N'},
                                {"i_tax", 'N'},    {"others", 'N'},      {"deduct", 'N'},   {"category", 'T', 20},
                                {"bank_ac", 'T', 20}});
    s << createIndex("salary", "bill", "bill_date, emp_code");
    s << createIndex("salary", "month", "p_month, emp_code");
    // The working tables of the bill being printed: emptied and refilled whole.
    s << createTable("sal", {{"emp_code", 'T', 4}, {"name", 'T', 50},     {"designation", 'T', 50}, {"acc_no", 'T', 20},
                             {"pay", 'N'},      {"d_pay", 'N'},    {"less_fa", 'N'},     {"da", 'N'},
                             {"hra", 'N'},      {"ma", 'N'},       {"oa", 'N'},          {"gross", 'N'},
                             {"gpf_subs", 'N'}, {"gpf_rec", 'N'},  {"if", 'N'},          {"sf", 'N'},
                             {"p_tax", 'N'},    {"misc", 'N'},     {"net", 'N'},         {"hb_loan", 'N'},
                             {"hb_int", 'N'},   {"i_tax", 'N'},    {"others", 'N'},      {"bill_date", 'D'},
                             {"p_month", 'T', 6},  {"deduct", 'N'},   {"category", 'T', 20},    {"sl_no", 'I'},
                             {"bank_ac", 'T', 20}});
    // The employees of a cheque slip, refilled by the pay-slip and cheque form
    // alone, so that the bill form's sal keeps its own bill.
    s << createTable("chq_sal", {{"emp_code", 'T', 4}, {"name", 'T', 50}, {"designation", 'T', 50}, {"net", 'N'},
                                 {"bill_date", 'D'}, {"bank_ac", 'T', 20}, {"sl_no", 'I'}});
    s << createTable("temp", {{"emp_code", 'T', 4}, {"name", 'T', 50}, {"designation", 'T', 50}, {"i_tax", 'N'},
                              {"sl_no", 'I'}});
    s << createTable("temp1", {{"emp_code", 'T', 4}, {"name", 'T', 50}, {"designation", 'T', 50}, {"hb_loan", 'N'},
                               {"hb_int", 'N'}, {"sl_no", 'I'}});
    s << createTable("ginew", {{"grp", 'T', 10}, {"ifno", 'N'}, {"sfno", 'N'}, {"iftotal", 'N'}, {"sftotal", 'N'},
                               {"total", 'N'}});
    s << createTable("calc_sheet", {{"ac_no", 'T', 20}, {"name", 'T', 50}, {"month", 'T', 6}, {"subs", 'N'}, {"refund", 'N'},
                                    {"total", 'N'}, {"loan", 'N'}, {"cumulative", 'N'}, {"dep_dt", 'D'}});
    s << createTable("first_sheet", {{"ac_no", 'T', 20}, {"name", 'T', 50}, {"month", 'T', 6}, {"subs", 'N'}, {"refund", 'N'},
                                     {"total", 'N'}, {"loan", 'N'}, {"cumulative", 'N'}, {"dep_dt", 'D'}});
    // The provident fund's yearly ledger: one record per account and year.
    s << createTable("broadsheet", {{"year", 'T', 9},     {"ac_no", 'T', 20},    {"name", 'T', 50},       {"ob", 'N'},
                                    {"tot_subs", 'N'}, {"tot_refund", 'N'}, {"interest", 'N'}, {"loan_tkn", 'N'},
                                    {"cb", 'N'},       {"yr_begin", 'D'}});
    s << createIndex("broadsheet", "year", "ac_no, year", true);
    s << createIndex("broadsheet", "begin", "ac_no, yr_begin");
    return s;
}

} // namespace

QStringList fundSchema()
{
    return fundDeclarations().sql;
}

QStringList salarySchema()
{
    return salaryDeclarations().sql;
}

int textWidth(const QString& table, const QString& column)
{
    static const QHash<QString, int> widths = [] {
        QHash<QString, int> all = fundDeclarations().widths;
        all.insert(salaryDeclarations().widths);
        return all;
    }();
    return widths.value((table + QLatin1Char('.') + column).toLower(), 0);
}

namespace {

void createFile(const QString& path, const QStringList& statements)
{
    if (QFileInfo::exists(path))
        throw vb::Error(58, QStringLiteral("File already exists: %1").arg(path));
    {
        // The office's pay roll is its owner's alone; the engine gives its
        // journal files the same permissions as the file.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnlyFile))
            throw vb::Error(75, QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()));
    }
    const QString conn = QStringLiteral("dosset-create-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(path);
        if (!db.open())
            throw vb::Error(75, QStringLiteral("Cannot create %1: %2").arg(path, db.lastError().text()));
        QSqlQuery q(db);
        bool ok = db.transaction();
        for (const QString& sql : statements) {
            if (!ok)
                break;
            ok = q.exec(sql);
        }
        QString error = q.lastError().text();
        if (ok)
            ok = db.commit();
        else
            db.rollback();
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        db.close();
        if (!ok) {
            QSqlDatabase::removeDatabase(conn);
            QFile::remove(path);
            throw vb::Error(3000, QStringLiteral("Cannot create the tables of %1: %2").arg(path, error));
        }
    }
    QSqlDatabase::removeDatabase(conn);
}

} // namespace

void createDatabases(const QString& folder)
{
    QDir dir(folder);
    if (!dir.exists()) {
        if (!QDir().mkpath(folder))
            throw vb::Error(76, QStringLiteral("Cannot create the folder %1").arg(folder));
        QFile::setPermissions(folder, kOwnerOnlyFolder);
    }
    const QString fund = dir.filePath(QLatin1String(kFundDb));
    const QString salary = dir.filePath(QLatin1String(kSalaryDb));
    if (QFileInfo::exists(fund) || QFileInfo::exists(salary))
        throw vb::Error(58, QStringLiteral("The folder %1 already holds data.").arg(folder));
    createFile(fund, fundSchema());
    try {
        createFile(salary, salarySchema());
    } catch (...) {
        QFile::remove(fund);
        throw;
    }
}

bool isDataFolder(const QString& folder)
{
    QDir dir(folder);
    return QFileInfo(dir.filePath(QLatin1String(kFundDb))).isFile()
        && QFileInfo(dir.filePath(QLatin1String(kSalaryDb))).isFile();
}

} // namespace common
