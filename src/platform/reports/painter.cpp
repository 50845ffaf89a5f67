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

void paintPage(QPainter& painter, const PageModel& model, int page)
{
    if (page < 0 || page >= model.pageCount())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen pen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    QFont current;
    bool haveFont = false;
    Font last;
    for (const Item& it : model.page(page).items) {
        switch (it.kind) {
        case Item::Kind::Text: {
            if (it.text.isEmpty())
                break;
            if (!haveFont || last.pointSize != it.font.pointSize || last.bold != it.font.bold
                || last.italic != it.font.italic || last.underline != it.font.underline
                || last.family != it.font.family) {
                current = qfont(it.font);
                last = it.font;
                haveFont = true;
                painter.setFont(current);
            }
            painter.setPen(Qt::black);
            if (it.number) {
                // A figure wider than its cell is drawn smaller, down to two
                // thirds of its size, and beyond that runs over the rule; a
                // wrapped or clipped figure would read as another number.
                const double wide = QFontMetricsF(current).horizontalAdvance(it.text);
                if (wide > it.w && it.w > 0) {
                    QFont small = current;
                    small.setPixelSize(std::max(1, int(current.pixelSize() * std::max(2.0 / 3.0, it.w / wide))));
                    painter.setFont(small);
                    painter.drawText(QRectF(it.x, it.y, it.w, it.h), alignFlags(it), it.text);
                    painter.setFont(current);
                    break;
                }
            }
            painter.drawText(QRectF(it.x, it.y, it.w, it.h), alignFlags(it), it.text);
            break;
        }
        case Item::Kind::Line:
            pen.setWidth(std::max(1, it.lineWidth));
            painter.setPen(pen);
            painter.drawLine(it.x, it.y, it.x + it.w, it.y + it.h);
            break;
        case Item::Kind::Box:
            pen.setWidth(std::max(1, it.lineWidth));
            painter.setPen(pen);
            painter.drawRect(it.x, it.y, it.w, it.h);
            break;
        }
    }
    painter.restore();
}

bool paintDocument(QPagedPaintDevice& device, const PageModel& model)
{
    device.setPageLayout(pageLayoutOf(model));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(device.logicalDpiX() / double(kTwipsPerInch),
                  device.logicalDpiY() / double(kTwipsPerInch));
    for (int i = 0; i < model.pageCount(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, model, i);
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
