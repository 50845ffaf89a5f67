// A spreadsheet workbook filled from a template of the data folder (.xlsx).
#pragma once

#include <QString>
#include <QVariant>
#include <memory>

namespace office {

class Package;
class StagedFile;

// The template file is only ever read: a workbook is a copy in memory, saved
// under output/ by save(), show() or printOut(). Rows and columns count from 1.
class Workbook {
public:
    // Loads "<data folder>/<name>" (or `name` itself when it is an absolute
    // path). Throws vb::Error 53 naming the file when it is missing, 1004
    // when it is no workbook.
    static Workbook open(const QString& name);

    Workbook(Workbook&&) noexcept;
    Workbook& operator=(Workbook&&) noexcept;
    ~Workbook();

    // On the first sheet. A number (int, double), a text (never parsed: "01/04/2012"
    // stays text), a QDate (a serial under the cell's date format) or a null
    // QVariant (empties the cell). The cell keeps its style.
    void setValue(int row, int col, const QVariant& v);
    // A number, a text, a QDate where the cell's style is a date format, or null.
    // A formula cell reads as null: nothing here calculates.
    QVariant value(int row, int col) const;
    // True when the cell (row, col) of the first sheet holds a formula that
    // takes in the cell (refRow, refCol) of that sheet (see formulaRefersTo).
    bool formulaTakesIn(int row, int col, int refRow, int refCol) const;
    // Inserts n rows before row `before`, each styled as row `before`; moves
    // what lies below (cells, merges, heights, formula references, print area).
    void insertRows(int before, int n);

    QString templateName() const;
    // What the filled file is of (a bill date or month, a head, an employee,
    // an account), put in its saved name between the template and the time.
    void setSubject(const QString& what);

    // Saves the filled copy under "<data folder>/output/", named by template,
    // subject and time, never over an earlier file; returns its path.
    QString save();
    // The same file written whole under a hidden name, for a command that
    // commits its rows before the file takes its name (see StagedFile).
    StagedFile stage();
    // save(), then shows the file (showFile: the desktop's program, else its
    // pages in the preview, else its name); returns the path.
    QString show();
    // save(), then prints pages from..to (to = 0: the last) through LibreOffice
    // and the default printer; returns the path. Throws vb::Error 482 when
    // there is no printer, 53 without LibreOffice, 1004 when it could not
    // convert the file; each message says where the file is saved.
    QString printOut(int from = 1, int to = 0);

private:
    Workbook();
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace office
