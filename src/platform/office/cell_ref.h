// A1-style references of a sheet: cells, ranges and the row shift of inserted rows.
#pragma once

#include <QString>

namespace office {

QString columnName(int col);       // 1 -> "A", 27 -> "AA"
int columnNumber(QStringView name); // "AA" -> 27; 0 when no column
QString cellName(int row, int col);
// Row and column of "B7" ($ signs allowed); false when it is no cell reference.
bool parseCell(QStringView ref, int& row, int& col);

// Every row number from `before` down moves by n, in a list of references
// ("A1:C4 E9") as a merge, a sqref or a shared formula's range holds them.
QString shiftRanges(const QString& refs, int before, int n);
// The same inside a formula: references qualified by `sheetName` move, and
// unqualified ones when the formula is on that sheet (`onSheet`); texts in
// quotes and other sheets' references do not.
QString shiftFormula(const QString& formula, const QString& sheetName, bool onSheet, int before, int n);

// True when a formula on the sheet `sheetName` takes in the cell (row, col)
// of that sheet: named alone, as a corner of a range or inside one, or in a
// range of whole rows. Texts in quotes and other sheets' references do not.
bool formulaRefersTo(const QString& formula, const QString& sheetName, int row, int col);

} // namespace office
