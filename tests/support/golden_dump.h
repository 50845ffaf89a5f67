// Text dumps of what a clerk sees and what is stored, for diffing two builds:
// message boxes, a form's labels, boxes and buttons, a report's page items and
// every table row with its stored type. Header-only, and written against the
// report engine and dialogs of older trees as well, so a copy builds there.
#pragma once

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/scripted_dialogs.h"
#include "platform/reports/page_model.h"
#include "platform/reports/registry.h"
#include "platform/reports/report.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>

namespace goldendump {

// One text file per step, numbered in the order of the month.
class Dump {
public:
    explicit Dump(QString dir) : mDir(std::move(dir)) {}

    inline void step(const QString& name)
    {
        mFile.close();
        mFile.setFileName(QStringLiteral("%1/%2-%3.txt").arg(mDir).arg(++mStep, 2, 10, QLatin1Char('0')).arg(name));
        mFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    inline void line(const QString& text) { mFile.write(text.toUtf8() + '\n'); }

private:
    QString mDir;
    QFile mFile;
    int mStep = 0;
};

template <class B>
QString detailsOf(const B& box)
{
    if constexpr (requires { box.details; })
        return box.details;
    else
        return QString();
}

inline void boxes(Dump& d, const forms::ScriptedDialogs& b)
{
    for (const auto& box : b.boxes()) {
        d.line(QStringLiteral("box %1 style=%2 title=[%3] prompt=[%4] answer=%5 text=[%6]")
                   .arg(box.input ? QStringLiteral("input") : QStringLiteral("msg"))
                   .arg(box.style)
                   .arg(box.title, box.prompt)
                   .arg(box.answer)
                   .arg(box.text.value_or(QStringLiteral("<none>"))));
        if (!detailsOf(box).isEmpty())
            d.line(QStringLiteral("    details=[%1]").arg(detailsOf(box)));
    }
}

template <class W>
QList<W*> byName(QWidget& form)
{
    QList<W*> out = form.findChildren<W*>();
    std::sort(out.begin(), out.end(), [](W* a, W* b) { return a->objectName() < b->objectName(); });
    return out;
}

inline void form(Dump& d, forms::Form& f)
{
    d.line(QStringLiteral("== form %1").arg(f.objectName()));
    for (forms::Label* l : byName<forms::Label>(f))
        d.line(QStringLiteral("%1.%2=[%3]").arg(f.objectName(), l->objectName(), l->caption()));
    for (forms::TextBox* t : byName<forms::TextBox>(f))
        d.line(QStringLiteral("%1.%2=[%3]%4").arg(f.objectName(), t->objectName(), t->text(),
                                                  t->isEnabled() ? QString() : QStringLiteral(" off")));
    for (forms::CommandButton* c : byName<forms::CommandButton>(f))
        d.line(QStringLiteral("%1.%2 %3").arg(f.objectName(), c->objectName(),
                                              c->isEnabled() ? QStringLiteral("on") : QStringLiteral("off")));
}

template <class R>
reports::PageModel shownPages(const R& r)
{
    if constexpr (requires { r.paginate(); })
        return r.paginate();
    else
        return r.layout();
}

template <class M>
int pagesIn(const M& m)
{
    if constexpr (requires { m.pageCount(); })
        return m.pageCount();
    else
        return int(m.pages.size());
}

template <class M>
reports::Page pageOf(const M& m, int i)
{
    if constexpr (requires { m.page(i); })
        return m.page(i);
    else
        return m.pages[i];
}

template <class R>
inline void report(Dump& d, const char* name)
{
    if (!reports::Reports::isLoaded<R>()) {
        d.line(QStringLiteral("== report %1 not loaded").arg(QLatin1String(name)));
        return;
    }
    const reports::PageModel m = shownPages(reports::Reports::get<R>());
    d.line(QStringLiteral("== report %1 title=[%2] %3x%4 landscape=%5 pages=%6")
               .arg(QLatin1String(name), m.title)
               .arg(m.pageWidth)
               .arg(m.pageHeight)
               .arg(m.landscape)
               .arg(pagesIn(m)));
    for (int i = 0; i < pagesIn(m); ++i) {
        const reports::Page p = pageOf(m, i);
        d.line(QStringLiteral("-- page %1 rows %2+%3").arg(i + 1).arg(p.firstRow).arg(p.rowCount));
        for (const reports::Item& it : p.items)
            d.line(QStringLiteral("%1 %2 %3 row=%4 at=%5,%6 %7x%8 font=%9%10 align=%11 num=%12 [%13]")
                       .arg(int(it.kind))
                       .arg(it.section, it.control)
                       .arg(it.row)
                       .arg(it.x)
                       .arg(it.y)
                       .arg(it.w)
                       .arg(it.h)
                       .arg(it.font.pointSize)
                       .arg(it.font.bold ? QStringLiteral("b") : QString())
                       .arg(int(it.align))
                       .arg(it.number)
                       .arg(it.text));
    }
}

// Every row of every table, read past the program's own data layer, each
// value with the type SQLite stored it as.
inline void tables(Dump& d)
{
    for (const char* file : {common::kFundDb, common::kSalaryDb}) {
        const QString conn = QStringLiteral("golden-salary-dump");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
            db.setDatabaseName(QDir(data::dataFolder()).filePath(QString::fromLatin1(file)));
            db.open();
            QStringList names;
            QSqlQuery t(QStringLiteral("select name from sqlite_master where type = 'table' order by name"), db);
            while (t.next())
                names << t.value(0).toString();
            for (const QString& table : names) {
                QStringList cols;
                QSqlQuery c(QStringLiteral("pragma table_info(\"%1\")").arg(table), db);
                while (c.next())
                    cols << c.value(1).toString();
                QStringList exprs;
                for (const QString& col : cols)
                    exprs << QStringLiteral("typeof(\"%1\") || ':' || quote(\"%1\")").arg(col);
                d.line(QStringLiteral("== table %1/%2 (%3)").arg(QLatin1String(file), table, cols.join(u',')));
                QSqlQuery r(db);
                r.exec(QStringLiteral("select %1 from \"%2\" order by rowid").arg(exprs.join(u','), table));
                while (r.next()) {
                    QStringList values;
                    for (int i = 0; i < cols.size(); ++i)
                        values << r.value(i).toString();
                    d.line(values.join(QStringLiteral(" | ")));
                }
            }
        }
        QSqlDatabase::removeDatabase(conn);
    }
}

inline QDate billDateFor(const QDate& today)
{
    QDate d = today.day() >= 15 ? QDate(today.year(), today.month(), 15)
                                : QDate(today.year(), today.month(), 1).addMonths(-1).addDays(14);
    if (d.month() == 3 && today.month() == 3)
        d = QDate(today.year(), 2, 15);
    return d;
}

} // namespace goldendump
