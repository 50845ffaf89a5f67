#include "platform/reports/painter.h"

#include "platform/reports/page_model.h"
#include "platform/vb/error.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <array>
#include <vector>
#include <QTextLayout>
#include <memory>

namespace reports {

namespace {

QFont qfont(const Font& f)
{
    QFont q;
    if (!f.family.isEmpty())
        q.setFamily(f.family);
    else
        q.setStyleHint(QFont::SansSerif);
    // The painter works in twips, so the size is given in twips as well.
    q.setPixelSize(std::max(1, qRound(f.pointSize * kTwipsPerPoint)));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

int alignFlags(const Item& it)
{
    int flags = Qt::AlignTop;
    switch (it.align) {
    case Align::Left: flags |= Qt::AlignLeft; break;
    case Align::Center: flags |= Qt::AlignHCenter; break;
    case Align::Right: flags |= Qt::AlignRight; break;
    }
    if (it.number)
        flags |= Qt::TextDontClip;
    else if (it.wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

QPageLayout pageLayoutOf(const PageModel& m)
{
    const double w = std::min(m.pageWidth, m.pageHeight) / double(kTwipsPerInch);
    const double h = std::max(m.pageWidth, m.pageHeight) / double(kTwipsPerInch);
    const QPageSize size(QSizeF(w, h), QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, m.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

double textWidth(const Font& font, const QString& text)
{
    return QFontMetricsF(qfont(font)).horizontalAdvance(text);
}

// Paints items, keeping what repeats from page to page: the fonts with their
// metrics and the line breaks of wrapped captions (a page header's captions
// are the same on each of a thousand pages). Text that fits its box on one
// line is drawn at its baseline, which spares the text layout a boxed,
// wrapped drawing needs; a caption that must wrap is broken once.
class ItemPainter {
public:
    explicit ItemPainter(QPainter& painter) : mPainter(painter) {}

    void paint(const Page& page);

private:
    // A font with what drawing text in it needs, kept for the whole document.
    // Text in Latin-1 is measured and drawn from a table of glyphs and their
    // advances, so a figure on the thousandth page costs a few lookups, not
    // a run of the text shaper.
    struct Face {
        Face(const QFont& f, QPaintDevice* device);
        double advance(const QString& text);
        // Adds the text's glyphs at a baseline to the page's pending glyphs;
        // false when the text is not drawn this way.
        bool queue(const QString& text, QPointF baseline);
        void flush(QPainter& painter);
        Font key;
        QFont font;
        QFontMetricsF metrics;
        QRawFont raw;
        std::array<quint32, 256> glyph{};
        std::array<double, 256> width{};
        std::array<bool, 256> known{};
        // The glyphs of the page so far in this face: drawn as one run, so
        // the PDF gets one text object a face and page, not one an item.
        QList<quint32> pendingGlyphs;
        QList<QPointF> pendingPositions;
        bool latin(const QString& text);
    };
    struct Line {
        QPointF at; // from the box's top-left corner, baseline
        QString text;
    };

    Face& face(const Font& f);
    void text(const Item& it);
    void drawLine(Face& f, const Item& it, const QString& text, double advance);
    const QVector<Line>* wrapped(Face& f, const Item& it);

    QPainter& mPainter;
    std::vector<std::unique_ptr<Face>> mFaces;
    const Face* mCurrent = nullptr;
    QHash<QString, QVector<Line>> mWrapped;
};

ItemPainter::Face::Face(const QFont& f, QPaintDevice* device)
    : font(f), metrics(f, device), raw(QRawFont::fromFont(f))
{
}

// True when every character is Latin-1 with a glyph of its own in the font;
// the table is filled as characters are met.
bool ItemPainter::Face::latin(const QString& text)
{
    if (!raw.isValid())
        return false;
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u > 0xff || u < 0x20)
            return false;
        if (!known[u]) {
            const QList<quint32> index = raw.glyphIndexesForString(QString(c));
            glyph[u] = index.size() == 1 ? index[0] : 0;
            width[u] = glyph[u] ? raw.advancesForGlyphIndexes(index).value(0).x() : 0;
            known[u] = true;
        }
        if (!glyph[u] && u != 0x20)
            return false;
    }
    return true;
}

double ItemPainter::Face::advance(const QString& text)
{
    if (!latin(text))
        return metrics.horizontalAdvance(text);
    double sum = 0;
    for (QChar c : text)
        sum += width[c.unicode()];
    return sum;
}

bool ItemPainter::Face::queue(const QString& text, QPointF baseline)
{
    // An underline runs under the whole of a run, so underlined text is drawn
    // item by item.
    if (font.underline() || !latin(text))
        return false;
    double x = baseline.x();
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u != 0x20) {
            pendingGlyphs.push_back(glyph[u]);
            pendingPositions.push_back(QPointF(x, baseline.y()));
        }
        x += width[u];
    }
    return true;
}

void ItemPainter::Face::flush(QPainter& painter)
{
    if (pendingGlyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(pendingGlyphs);
    run.setPositions(pendingPositions);
    painter.drawGlyphRun(QPointF(0, 0), run);
    pendingGlyphs.clear();
    pendingPositions.clear();
}

ItemPainter::Face& ItemPainter::face(const Font& f)
{
    for (const auto& known : mFaces) {
        const Font& k = known->key;
        if (k.pointSize == f.pointSize && k.bold == f.bold && k.italic == f.italic && k.underline == f.underline
            && k.family == f.family)
            return *known;
    }
    mFaces.push_back(std::make_unique<Face>(qfont(f), mPainter.device()));
    mFaces.back()->key = f;
    return *mFaces.back();
}

void ItemPainter::drawLine(Face& f, const Item& it, const QString& text, double advance)
{
    double x = it.x;
    if (it.align == Align::Right)
        x = it.x + it.w - advance;
    else if (it.align == Align::Center)
        x = it.x + (it.w - advance) / 2;
    const QPointF baseline(x, it.y + f.metrics.ascent());
    if (!f.queue(text, baseline))
        mPainter.drawText(baseline, text);
}

// The lines of a caption wrapped in its box, laid out once; nullptr when the
// lines would not all fit the box (then the box clips them, as drawn boxed).
const QVector<ItemPainter::Line>* ItemPainter::wrapped(Face& f, const Item& it)
{
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|")
                            .arg(f.font.key())
                            .arg(it.w)
                            .arg(it.h)
                            .arg(int(it.align))
                            + it.text;
    auto found = mWrapped.find(key);
    if (found != mWrapped.end())
        return found->isEmpty() ? nullptr : &*found;
    QVector<Line> lines;
    const QRectF box(0, 0, it.w, it.h);
    // Measured as drawn boxed, so the breaks are the same.
    const QRectF bound = f.metrics.boundingRect(box, alignFlags(it), it.text);
    if (bound.height() <= it.h + 0.5 && bound.width() <= it.w + 0.5) {
        // A text layout breaks lines only at a line separator: a caption's
        // own line breaks ("Total realised\nRs.") must stay breaks.
        QString text = it.text;
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextLayout layout(text, f.font, mPainter.device());
        QTextOption option(it.align == Align::Right ? Qt::AlignRight
                                                    : it.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        double y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(it.w);
            line.setPosition(QPointF(0, y));
            y += line.height();
            // Blanks that end a line take no room; the layout has placed
            // the rest by the caption's alignment.
            QString part = text.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && (part.back().isSpace() || part.back() == QChar::LineSeparator))
                part.chop(1);
            lines.push_back({QPointF(line.naturalTextRect().left(), line.y() + line.ascent()), part});
        }
        layout.endLayout();
    }
    if (mWrapped.size() > 4096)
        mWrapped.clear();
    auto stored = mWrapped.insert(key, lines);
    return stored->isEmpty() ? nullptr : &*stored;
}

void ItemPainter::text(const Item& it)
{
    if (it.text.isEmpty())
        return;
    Face& f = face(it.font);
    if (mCurrent != &f) {
        mPainter.setFont(f.font);
        mCurrent = &f;
    }
    const bool oneLine = !it.text.contains(QLatin1Char('\n'));
    const double wide = oneLine ? f.advance(it.text) : 0;
    if (it.number) {
        // A figure wider than its cell is drawn smaller, down to two
        // thirds of its size, and beyond that runs over the rule; a
        // wrapped or clipped figure would read as another number.
        if (wide > it.w && it.w > 0) {
            QFont small = f.font;
            small.setPixelSize(std::max(1, int(f.font.pixelSize() * std::max(2.0 / 3.0, it.w / wide))));
            mPainter.setFont(small);
            mPainter.drawText(QRectF(it.x, it.y, it.w, it.h), alignFlags(it), it.text);
            mPainter.setFont(f.font);
            return;
        }
        if (oneLine) {
            drawLine(f, it, it.text, wide);
            return;
        }
    } else if (oneLine && wide <= it.w && f.metrics.height() <= it.h) {
        drawLine(f, it, it.text, wide);
        return;
    } else if (it.wordWrap) {
        if (const QVector<Line>* lines = wrapped(f, it)) {
            for (const Line& l : *lines) {
                const QPointF at(it.x + l.at.x(), it.y + l.at.y());
                if (!f.queue(l.text, at))
                    mPainter.drawText(at, l.text);
            }
            return;
        }
    }
    mPainter.drawText(QRectF(it.x, it.y, it.w, it.h), alignFlags(it), it.text);
}

void ItemPainter::paint(const Page& page)
{
    mPainter.save();
    mCurrent = nullptr;
    mPainter.setRenderHint(QPainter::Antialiasing, true);
    mPainter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen pen(Qt::black);
    mPainter.setBrush(Qt::NoBrush);
    bool textPen = false;
    for (const Item& it : page.items) {
        switch (it.kind) {
        case Item::Kind::Text:
            if (!textPen) {
                mPainter.setPen(Qt::black);
                textPen = true;
            }
            text(it);
            break;
        case Item::Kind::Line:
            pen.setWidth(std::max(1, it.lineWidth));
            mPainter.setPen(pen);
            textPen = false;
            mPainter.drawLine(it.x, it.y, it.x + it.w, it.y + it.h);
            break;
        case Item::Kind::Box:
            pen.setWidth(std::max(1, it.lineWidth));
            mPainter.setPen(pen);
            textPen = false;
            mPainter.drawRect(it.x, it.y, it.w, it.h);
            break;
        case Item::Kind::Picture:
            if (it.picture)
                it.picture->paint(mPainter, QRectF(it.x, it.y, it.w, it.h));
            break;
        }
    }
    // Boxes and rules are never filled, so text drawn after them looks the same.
    mPainter.setPen(Qt::black);
    for (const auto& f : mFaces) {
        if (!f->pendingGlyphs.isEmpty()) {
            mPainter.setFont(f->font);
            f->flush(mPainter);
        }
    }
    mPainter.restore();
}

void paintPage(QPainter& painter, const PageModel& model, int page)
{
    if (page < 0 || page >= model.pageCount())
        return;
    ItemPainter(painter).paint(model.page(page));
}

bool paintDocument(QPagedPaintDevice& device, const PageModel& model)
{
    device.setPageLayout(pageLayoutOf(model));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(device.logicalDpiX() / double(kTwipsPerInch),
                  device.logicalDpiY() / double(kTwipsPerInch));
    ItemPainter items(painter);
    for (int i = 0; i < model.pageCount(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        items.paint(model.page(i));
    }
    return painter.end();
}

void exportPdf(const PageModel& model, const QString& path)
{
    // Written to a temporary file and renamed at the end, so a failure never
    // leaves a half-written PDF where an older one was.
    QSaveFile file(path);
    const auto fail = [&] {
        file.cancelWriting();
        throw vb::Error(75, QStringLiteral("Path/File access error: the PDF file \"%1\" could not be written.")
                                .arg(QFileInfo(path).absoluteFilePath()));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    {
        QPdfWriter writer(&file);
        writer.setTitle(model.title);
        writer.setCreator(QStringLiteral("dosset"));
        writer.setResolution(600);
        if (!paintDocument(writer, model))
            fail();
    }
    if (!file.commit())
        fail();
}

} // namespace reports
