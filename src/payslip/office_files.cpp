#include "payslip/office_files.h"

#include "payslip/annexure.h"
#include "platform/data/database.h"
#include "platform/office/document.h"
#include "platform/office/workbook.h"

#include <algorithm>

namespace payslip {

namespace {

// The template has month rows 16 to 39, totalled in row 41.
constexpr int kLastMonthRow = 39;

void fillRow(office::Table& t, int row, const QStringList& texts)
{
    for (int c = 0; c < texts.size(); ++c)
        t.setCell(row, c + 1, texts.at(c));
}

} // namespace

office::Document annexureDocument(const Annexure& a)
{
    office::Document doc = office::Document::open(QString::fromLatin1(kAnnexureTemplate));
    office::Table staff = doc.addTable(QStringLiteral("name"), int(a.employees.size()) + 2, 5, true);
    fillRow(staff, 1, Annexure::employeeHeading());
    fillRow(staff, 2, Annexure::employeeNumbers());
    for (int i = 0; i < a.employees.size(); ++i)
        fillRow(staff, i + 3, a.employees.at(i));
    for (const auto& [name, text] : a.bookmarks)
        doc.bookmark(name).setText(text);
    office::Table cheques = doc.addTable(QStringLiteral("enclo"), int(a.cheques.size()) + 1, 3, false);
    fillRow(cheques, 1, Annexure::chequeHeading());
    for (int i = 0; i < a.cheques.size(); ++i)
        fillRow(cheques, i + 2, a.cheques.at(i));
    return doc;
}

office::Workbook incomeTaxWorkbook(const QVector<SheetCell>& cells)
{
    office::Workbook book = office::Workbook::open(QString::fromLatin1(kIncomeTaxTemplate));
    int lastRow = 0;
    for (const SheetCell& c : cells)
        lastRow = std::max(lastRow, c.row);
    if (lastRow > kLastMonthRow)
        book.insertRows(kLastMonthRow, lastRow - kLastMonthRow);
    for (const SheetCell& c : cells)
        book.setValue(c.row, c.col, c.value);
    return book;
}

QString missingTemplateMessage(const QString& description, const QString& nothingMade)
{
    return description + QLatin1Char('\n') + nothingMade
           + QStringLiteral(" Restore the template with:\n    dosset-setup \"%1\" --update").arg(data::dataFolder());
}

QString showAnnexure(const Annexure& annexure, const QString& subject)
{
    office::Document doc = annexureDocument(annexure);
    doc.setSubject(subject);
    return doc.show();
}

QString showIncomeTaxStatement(const QVector<SheetCell>& cells, const QString& subject)
{
    office::Workbook book = incomeTaxWorkbook(cells);
    book.setSubject(subject);
    return book.show();
}

} // namespace payslip
