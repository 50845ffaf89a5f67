// The cheque slip's annexure document and the income-tax statement workbook, filled from their templates.
#pragma once

#include "payslip/statements.h"

#include <QVector>

namespace payslip {

struct Annexure;

inline const char* const kAnnexureTemplate = "anx.docx";
inline const char* const kIncomeTaxTemplate = "IT_statement.xlsx";

// The employee table at "name", the five bookmark texts, the cheque table at
// "enclo"; saved under output/ and opened. Returns the saved file. Throws
// vb::Error 53 naming the template when it is missing.
QString showAnnexure(const Annexure& annexure);

// The cells on the first sheet; month rows past the template's own are
// inserted above its total row, so the totals take them in. Saved and opened.
QString showIncomeTaxStatement(const QVector<SheetCell>& cells);

} // namespace payslip
