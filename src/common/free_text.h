// Free text typed into a box, read as the column it goes to may store it.
#pragma once

#include <QString>

namespace common {

enum class TextFault { None, ControlCharacters, TooLong };

struct TextRead {
    QString text; // trimmed
    TextFault fault = TextFault::None;
    int limit = 0; // the column's declared width
    bool ok() const { return fault == TextFault::None; }
    // The box's message when refused: the caption, which fault, and the limit.
    QString refusal(const QString& caption) const;
};

// Trims the typed text, then refuses control characters (a pasted tab, line
// break or NUL would break reports and workbooks) and text longer than
// table.column's width in common/schema (counted in characters, not bytes).
// Throws vb::Error 5 for a column that declares no width.
TextRead readText(const QString& typed, const QString& table, const QString& column);

} // namespace common
