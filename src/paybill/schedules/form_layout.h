// Small drawing helpers for the treasury forms: fixed captions, hand-filled leaders, ruled cells.
#pragma once

#include <QString>
#include <QVector>

#include <initializer_list>

namespace reports {
class Control;
class Section;
}

namespace paybill::layout {

// One printed line of 8-point text, with its leading.
inline constexpr int kLine = 220;

// A fixed caption. Its name is made up ("Caption7"): no code addresses it.
reports::Control& caption(reports::Section& s, int x, int y, int w, int h, const QString& text);
// A centred bold title line.
reports::Control& heading(reports::Section& s, int y, int width, const QString& text, double points = 10);
// The top of a treasury form: its number in large bold and, centred under
// it, the rule it is made under; returns the y below them, after a gap.
int formTitle(reports::Section& s, int width, const QString& form, const QString& rule, int gap);
// The line of blanks the treasury fills in: grant, token or voucher, and
// date, each with its dots; the token blank is tokenWidth wide.
void grantLine(reports::Section& s, int y, int width, const QString& grant, const QString& token,
               const QString& date, int tokenWidth = 3400);
// A caption followed by dots, for a blank the clerk fills in by hand.
reports::Control& leader(reports::Section& s, int x, int y, int w, const QString& text);
// A caption and, to its right, the named label that receives a bill particular.
reports::Control& filled(reports::Section& s, int x, int y, int captionWidth, int valueWidth,
                         const QString& text, const QString& valueName);
// A ruled cell with a centred caption (column heads).
void cell(reports::Section& s, int x, int y, int w, int h, const QString& text);
// A ruled cell with nothing in it.
void box(reports::Section& s, int x, int y, int w, int h);
// A horizontal rule.
void rule(reports::Section& s, int x, int y, int w);

// The tables below take the column edges from columnEdges(): column i runs
// from x[i] to x[i + 1].

// A row of empty ruled cells, one per column: the grid a detail line prints in.
void ruledRow(reports::Section& s, const QVector<int>& x, int h);
// Column heads in ruled cells, one a column from column `first` on, each as wide as its column.
void heads(reports::Section& s, const QVector<int>& x, int first, int y, int h,
           std::initializer_list<const char*> texts);
// Column numbers "(1)", "(2)", ... under the column heads.
void numberRow(reports::Section& s, const QVector<int>& x, int y, int h);
// A field of the named column, inset within column col; the control bears the column's name.
reports::Control& field(reports::Section& s, const QVector<int>& x, int col, const char* column, int y = 40,
                        int h = kLine);
// The serial number in the first column, name over designation in the second.
void serialAndName(reports::Section& s, const QVector<int>& x);
// A bold total of the named column ("sum_<column>") on the totals line.
reports::Control& sum(reports::Section& s, const QVector<int>& x, int col, const char* column);
// "Rupees" in bold and, to its right, the named label that receives the amount in words.
reports::Control& rupees(reports::Section& s, int y, int width, const QString& valueName);
// Notes in small print, two lines each, one under the other; returns the y below the last.
int notes(reports::Section& s, int y, int width, std::initializer_list<const char*> texts);

} // namespace paybill::layout
