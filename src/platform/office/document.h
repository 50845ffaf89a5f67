// A word-processor document filled from a template of the data folder (.docx).
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace office {

class Document;

// A table added at a bookmark; rows and columns count from 1.
class Table {
public:
    void setCell(int row, int col, const QString& text);
    int rows() const;
    int columns() const;

private:
    friend class Document;
    Table(Document* doc, int index) : mDoc(doc), mIndex(index) {}
    Document* mDoc;
    int mIndex;
};

class Bookmark {
public:
    // Replaces the runs between the bookmark's start and end with one run in
    // the first run's format. Text is escaped; characters XML 1.0 forbids are dropped.
    void setText(const QString& text);

private:
    friend class Document;
    Bookmark(Document* doc, QString name) : mDoc(doc), mName(std::move(name)) {}
    Document* mDoc;
    QString mName;
};

class Document {
public:
    // Loads "<data folder>/<name>". Throws vb::Error 53 naming the file when missing.
    static Document open(const QString& name);

    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    ~Document();

    // Throws vb::Error 5 naming the bookmark and the template when there is none.
    Bookmark bookmark(const QString& name);
    // A table of rows x cols at the bookmark's place, all borders on; with
    // fitColumns, columns sized to their text.
    Table addTable(const QString& bookmark, int rows, int cols, bool fitColumns = true);

    QString templateName() const;
    // What the filled file is of (a bill date or month, a head, an employee,
    // an account), put in its saved name between the template and the time.
    void setSubject(const QString& what);

    // As Workbook: saved under output/, never over an earlier file.
    QString save();
    QString show();
    QString printOut(int from = 1, int to = 0);

private:
    friend class Bookmark;
    friend class Table;
    Document();
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace office
