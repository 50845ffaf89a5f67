// The fund's statements are the data layer's, kept for the life of a sheet:
// a year is a few dozen statements, and the driver's per-value overhead would
// cost more than the statements themselves.
#pragma once

#include "platform/data/statement.h"

#include <QVariantList>

namespace provident_fund {

// Binds the values in order for a fresh run. Empty text is bound as empty
// text, never as null, as the fund's tables have always held it.
void rebind(data::Statement& st, const QVariantList& values);

// rebind(), then the first row: true when there is one.
bool firstRow(data::Statement& st, const QVariantList& values = {});

} // namespace provident_fund
