// The employees of a salary head: those whose code begins with the head's category letter.
#pragma once

#include <QString>

namespace common {

// The LIKE pattern (with '\' as escape) for codes that begin with the
// category, blanks around it ignored.
QString codePattern(const QString& codeCategory);

} // namespace common
