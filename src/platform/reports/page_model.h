// The laid-out pages of a report: what the preview, the printer and PDF paint, and what tests read.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class QPainter;
class QRectF;

namespace reports {

constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPoint = 20;

enum class Align : quint8 { Left, Center, Right };

// A name an item carries: a control's, a section's, a font family. Each
// distinct name is kept once for the life of the program (the layouts have a
// few hundred in all) and an item holds only its address, so the copy every
// item of every page makes is eight bytes, with no shared count to touch.
// Reads as the name's text wherever a QString is wanted.
class Name {
public:
    Name() = default;
    Name(const QString& text);

    const QString& str() const { return mText ? *mText : empty(); }
    operator const QString&() const { return str(); }
    bool isEmpty() const { return str().isEmpty(); }
    int compare(const QString& other, Qt::CaseSensitivity cs = Qt::CaseSensitive) const
    {
        return str().compare(other, cs);
    }

    friend bool operator==(const Name& a, const Name& b) { return a.str() == b.str(); }
    template <class T>
    friend bool operator==(const Name& a, const T& b)
    {
        return a.str() == b;
    }

private:
    static const QString& empty();
    const QString* mText = nullptr;
};

// Font of a control. Point size as the layouts give it; the family is the
// painter's default sans serif when empty.
struct Font {
    double pointSize = 8.0;
    Name family;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A picture an item paints into its rectangle, at the painter's resolution
// (a page of a file drawn by another program).
class Picture {
public:
    virtual ~Picture() = default;
    // `target` is in the painter's coordinates (twips).
    virtual void paint(QPainter& painter, const QRectF& target) const = 0;
};

// One positioned thing on a page. Positions are page coordinates in twips
// (origin at the paper's top-left corner, margins included).
struct Item {
    enum class Kind : quint8 { Text, Line, Box, Picture };
    Kind kind = Kind::Text;
    Align align = Align::Left;
    bool wordWrap = true;
    // A bound figure (a field showing a number, a sum): painted on one line and
    // shrunk to its box when too wide, never broken into digit fragments.
    bool number = false;
    // Text, Box and Picture: the rectangle. Line: from (x, y) to (x + w, y + h), so a
    // horizontal rule has h == 0 and a vertical one w == 0.
    int x = 0, y = 0, w = 0, h = 0;
    int row = -1;       // index of the data row for detail items (0-based); -1 elsewhere
    int lineWidth = 15; // Line and Box: pen width in twips (15 = one pixel at 96 dpi)
    QString text;       // Text only: the final text, formats applied, %p and %P resolved
    Name section;       // "Section4", "Section2", "Section1", "Section3", "Section5"
    Name control;       // the control's name, e.g. "Label12", "Text3", "Function1"
    Font font;
    std::shared_ptr<const Picture> picture; // Picture only
};

struct Page {
    QVector<Item> items;
    // Data rows laid out on this page: [firstRow, firstRow + rowCount).
    int firstRow = 0;
    int rowCount = 0;
};

// Makes the pages of a report whose breaks are known, one at a time.
class PageSource {
public:
    virtual ~PageSource() = default;
    virtual int pageCount() const = 0;
    virtual Page page(int index) const = 0;
};

// A laid-out report. Cheap to copy (Qt containers share their data), so the
// preview keeps its own copy and outlives the report instance.
//
// Laid out whole, every page is in pages. Paginated (Report::paginate()),
// only the page breaks and the count are known and pages stays empty: page(i)
// makes page i when it is asked for, so a long bill is shown, printed or
// written as PDF one page at a time.
struct PageModel {
    QString title;     // window title of the preview, document name of a print job
    // The file name Save as PDF proposes; empty: the title and today's date.
    QString pdfName;
    int pageWidth = 0; // twips, orientation applied
    int pageHeight = 0;
    bool landscape = false;
    QVector<Page> pages;
    std::shared_ptr<const PageSource> source; // set when paginated

    int pageCount() const { return source ? source->pageCount() : int(pages.size()); }
    // Valid until the next page() of this model: a made page is kept only
    // while it is the last one asked for.
    const Page& page(int index) const;
    // The first item on a page with this control name (case-insensitive), and
    // for detail controls this row; nullptr when there is none.
    const Item* find(int page, const QString& control, int row = -1) const;
    // Every text of a control, page by page and top to bottom.
    QStringList texts(const QString& control) const;
    // Every text item of a section on one page, top to bottom.
    QVector<const Item*> sectionItems(int page, const QString& section) const;

private:
    // The page made last; a copy of the model starts without one.
    struct LastPage {
        LastPage() = default;
        LastPage(const LastPage&) {}
        LastPage& operator=(const LastPage&) { return *this; }
        int index = -1;
        std::shared_ptr<Page> page;
    };
    mutable LastPage mLast;
};

} // namespace reports
