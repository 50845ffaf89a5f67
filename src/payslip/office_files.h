// The cheque slip's annexure document and the income-tax statement workbook, filled from their templates.
#pragma once

#include "payslip/statements.h"

#include <QVector>

namespace office {
class Document;
class Workbook;
} // namespace office

namespace payslip {

struct Annexure;

inline const char* const kAnnexureTemplate = "anx.docx";
inline const char* const kIncomeTaxTemplate = "IT_statement.xlsx";

// The employee table at "name", the five bookmark texts, the cheque table at
// "enclo". Throws vb::Error 53 naming the template when it is missing.
office::Document annexureDocument(const Annexure& annexure);
// The same, saved under output/ with what it is of (`subject`) in its name,
// and shown; returns the saved file.
QString showAnnexure(const Annexure& annexure, const QString& subject);

// The cells on the first sheet; month rows past the template's own are
// inserted above its total row, so the totals take them in.
office::Workbook incomeTaxWorkbook(const QVector<SheetCell>& cells);
QString showIncomeTaxStatement(const QVector<SheetCell>& cells, const QString& subject);

// What the clerk is told when a template is missing (error 53): which file,
// that nothing was made, and how to restore it.
QString missingTemplateMessage(const QString& description, const QString& nothingMade);

} // namespace payslip
