// Paints the page model: one painter for the preview, the printer and PDF.
#pragma once

#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace reports {

struct PageModel;
struct Font;

// How wide a line of text is drawn in a control's font, in twips: what a
// figure needs of its box so that it is printed at its own size.
double textWidth(const Font& font, const QString& text);

// Paints one page with the painter's coordinates in twips (the caller sets
// the transform from twips to the device).
void paintPage(QPainter& painter, const PageModel& model, int page);

// Paints every page onto a paged device (printer or PDF writer), one page of
// the device per page of the model, scaling twips to the device's resolution.
// Returns false when the painter could not start on the device.
bool paintDocument(QPagedPaintDevice& device, const PageModel& model);

// Writes the pages to a PDF file. Throws vb::Error 75 ("Path/File access
// error") when the file cannot be written.
void exportPdf(const PageModel& model, const QString& path);

} // namespace reports
