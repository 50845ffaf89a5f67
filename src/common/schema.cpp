#include "common/schema.h"

#include "platform/vb/error.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace common {

namespace {

// Column kinds: T text (compared without case), N amount or count, D date.
struct Column {
    const char* name;
    char kind;
};

QString createTable(const char* table, std::initializer_list<Column> cols)
{
    QStringList parts;
    for (const Column& c : cols) {
        const QString name = QStringLiteral("\"%1\"").arg(QLatin1String(c.name));
        switch (c.kind) {
        case 'N': parts << name + QStringLiteral(" REAL"); break;
        case 'I': parts << name + QStringLiteral(" INTEGER"); break;
        case 'D': parts << name + QStringLiteral(" DATE"); break;
        default: parts << name + QStringLiteral(" TEXT COLLATE NOCASE"); break;
        }
    }
    return QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(QLatin1String(table), parts.join(QStringLiteral(", ")));
}

// Index names are per table in the forms ("ec" on several tables); SQLite's
// are per file, so each is stored as table_name and found that way.
QString createIndex(const char* table, const char* name, const char* cols, bool unique = false)
{
    return QStringLiteral("CREATE %1INDEX \"%2_%3\" ON \"%2\" (%4)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), QLatin1String(table), QLatin1String(name),
             QLatin1String(cols));
}

} // namespace

QStringList fundSchema()
{
    QStringList s;
    s << createTable("protect", {{"pas", 'T'}});
    s << createTable("estt", {{"ddo_code", 'T'}, {"degn", 'T'}, {"dist", 'T'}});
    s << createTable("head", {{"drawal_code", 'T'}, {"description", 'T'}, {"code_category", 'T'}});
    s << createIndex("head", "dc", "description");
    s << createTable("all_allot", {{"head", 'T'},   {"order_no", 'T'}, {"order_date", 'D'}, {"pay", 'N'},
                                   {"d_pay", 'N'},  {"da", 'N'},       {"hra", 'N'},        {"ma", 'N'},
                                   {"bonus", 'N'},  {"wages", 'N'},    {"ta", 'N'},         {"elec", 'N'},
                                   {"tele", 'N'},   {"misc", 'N'},     {"oe", 'N'},         {"oc", 'N'},
                                   {"scheme", 'N'}, {"despn", 'T'}});
    s << createIndex("all_allot", "head", "head");
    s << createTable("all_exp", {{"head", 'T'},   {"bill_no", 'N'}, {"bill_date", 'D'}, {"pay", 'N'},
                                 {"d_pay", 'N'},  {"da", 'N'},      {"hra", 'N'},       {"ma", 'N'},
                                 {"bonus", 'N'},  {"wages", 'N'},   {"ta", 'N'},        {"elec", 'N'},
                                 {"tele", 'N'},   {"misc", 'N'},    {"oe", 'N'},        {"oc", 'N'},
                                 {"scheme", 'N'}, {"deduction", 'N'}, {"despn", 'T'}});
    s << createIndex("all_exp", "head", "head, bill_date");
    // The cheque register: one cheque per bill, a bill being its number and date.
    s << createTable("cheque", {{"bill_no", 'N'}, {"bill_date", 'D'}, {"cheque_no", 'T'}, {"cheque_date", 'D'},
                                {"cheque_amt", 'N'}});
    s << createIndex("cheque", "bill", "bill_no, bill_date", true);
    // Progressive totals brought forward into a reporting month (4 April ..
    // 16 past March), per head code and financial year (its start year).
    s << createTable("b_statement", {{"m_head", 'T'},  {"month_no", 'N'}, {"pay", 'N'},   {"d_pay", 'N'},
                                     {"da", 'N'},      {"hra", 'N'},      {"wages", 'N'}, {"ta", 'N'},
                                     {"cont", 'N'},    {"bonus", 'N'},    {"scheme", 'N'}, {"deduct", 'N'},
                                     {"net", 'N'},     {"fy_year", 'N'}});
    s << createIndex("b_statement", "ym", "fy_year, m_head, month_no", true);
    return s;
}

QStringList salarySchema()
{
    QStringList s;
    s << createTable("employee", {{"emp_code", 'T'},     {"name", 'T'},     {"designation", 'T'},
                                  {"scale", 'T'},        {"acc_no", 'T'},   {"pay_band", 'T'},
                                  {"pay_band_scale", 'T'}, {"category", 'T'}, {"grp", 'T'},
                                  {"bank_ac", 'T'},      {"pan", 'T'},      {"hra_type", 'T'},
                                  {"health_sch", 'T'},   {"b_pay", 'N'},    {"grade_pay", 'N'},
                                  {"basic", 'N'},        {"hra", 'N'},      {"oa", 'N'},
                                  {"gpf_subs", 'N'},     {"i_fund", 'N'},   {"s_fund", 'N'},
                                  {"effect_date", 'D'}});
    s << createIndex("employee", "ec", "emp_code", true);
    s << createTable("back_up", {{"emp_code", 'T'}, {"name", 'T'}, {"designation", 'T'}, {"acc_no", 'T'},
                                 {"backup_date", 'D'}, {"remarks", 'T'}});
    s << createIndex("back_up", "bc", "emp_code");
    s << createTable("emp_temp", {{"emp_code", 'T'}, {"pr_pay", 'N'}, {"e_date", 'D'}});
    s << createTable("gpf_loan", {{"emp_code", 'T'}, {"loan_due", 'N'}, {"loan_rec", 'N'}, {"inst_no", 'N'}});
    s << createIndex("gpf_loan", "ec", "emp_code", true);
    s << createTable("festi_adv", {{"emp_code", 'T'}, {"adv_due", 'N'}, {"adv_rec", 'N'}, {"inst_no", 'N'}});
    s << createIndex("festi_adv", "ec", "emp_code", true);
    s << createTable("da_table", {{"da_current", 'N'}, {"hra", 'N'}, {"ma", 'N'}});
    // The pay roll. Its column order is fixed: bills sort by position
    // ("order by 7" is grade pay, 20 the code, 21 the bill date).
    s << createTable("salary", {{"name", 'T'},     {"designation", 'T'}, {"scale", 'T'},    {"acc_no", 'T'},
                                {"pay", 'N'},      {"less_fa", 'N'},     {"d_pay", 'N'},    {"da", 'N'},
                                {"hra", 'N'},      {"ma", 'N'},          {"oa", 'N'},       {"gross", 'N'},
                                {"gpf_subs", 'N'}, {"gpf_rec", 'N'},     {"if", 'N'},       {"sf", 'N'},
                                {"p_tax", 'N'},    {"misc", 'N'},        {"net", 'N'},      {"emp_code", 'T'},
                                {"bill_date", 'D'}, {"p_month", 'T'},    {"hb_loan", 'N'},  {"hb_int", 'N'},
                                {"i_tax", 'N'},    {"others", 'N'},      {"deduct", 'N'},   {"category", 'T'},
                                {"bank_ac", 'T'}});
    s << createIndex("salary", "bill", "bill_date, emp_code");
    s << createIndex("salary", "month", "p_month, emp_code");
    // The working tables of the bill being printed: emptied and refilled whole.
    s << createTable("sal", {{"emp_code", 'T'}, {"name", 'T'},     {"designation", 'T'}, {"acc_no", 'T'},
                             {"pay", 'N'},      {"d_pay", 'N'},    {"less_fa", 'N'},     {"da", 'N'},
                             {"hra", 'N'},      {"ma", 'N'},       {"oa", 'N'},          {"gross", 'N'},
                             {"gpf_subs", 'N'}, {"gpf_rec", 'N'},  {"if", 'N'},          {"sf", 'N'},
                             {"p_tax", 'N'},    {"misc", 'N'},     {"net", 'N'},         {"hb_loan", 'N'},
                             {"hb_int", 'N'},   {"i_tax", 'N'},    {"others", 'N'},      {"bill_date", 'D'},
                             {"p_month", 'T'},  {"deduct", 'N'},   {"category", 'T'},    {"sl_no", 'I'},
                             {"bank_ac", 'T'}});
    // The employees of a cheque slip, refilled by the pay-slip and cheque form
    // alone, so that the bill form's sal keeps its own bill.
    s << createTable("chq_sal", {{"emp_code", 'T'}, {"name", 'T'}, {"designation", 'T'}, {"net", 'N'},
                                 {"bill_date", 'D'}, {"bank_ac", 'T'}, {"sl_no", 'I'}});
    s << createTable("temp", {{"emp_code", 'T'}, {"name", 'T'}, {"designation", 'T'}, {"i_tax", 'N'},
                              {"sl_no", 'I'}});
    s << createTable("temp1", {{"emp_code", 'T'}, {"name", 'T'}, {"designation", 'T'}, {"hb_loan", 'N'},
                               {"hb_int", 'N'}, {"sl_no", 'I'}});
    s << createTable("ginew", {{"grp", 'T'}, {"ifno", 'N'}, {"sfno", 'N'}, {"iftotal", 'N'}, {"sftotal", 'N'},
                               {"total", 'N'}});
    s << createTable("calc_sheet", {{"ac_no", 'T'}, {"name", 'T'}, {"month", 'T'}, {"subs", 'N'}, {"refund", 'N'},
                                    {"total", 'N'}, {"loan", 'N'}, {"cumulative", 'N'}, {"dep_dt", 'D'}});
    s << createTable("first_sheet", {{"ac_no", 'T'}, {"name", 'T'}, {"month", 'T'}, {"subs", 'N'}, {"refund", 'N'},
                                     {"total", 'N'}, {"loan", 'N'}, {"cumulative", 'N'}, {"dep_dt", 'D'}});
    // The provident fund's yearly ledger: one record per account and year.
    s << createTable("broadsheet", {{"year", 'T'},     {"ac_no", 'T'},    {"name", 'T'},       {"ob", 'N'},
                                    {"tot_subs", 'N'}, {"tot_refund", 'N'}, {"interest", 'N'}, {"loan_tkn", 'N'},
                                    {"cb", 'N'},       {"yr_begin", 'D'}});
    s << createIndex("broadsheet", "year", "ac_no, year", true);
    s << createIndex("broadsheet", "begin", "ac_no, yr_begin");
    return s;
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
