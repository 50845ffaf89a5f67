// Small drawing helpers for the treasury forms: fixed captions, hand-filled leaders, ruled cells.
#pragma once

#include <QString>

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

} // namespace paybill::layout
