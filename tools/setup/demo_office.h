// The small office that `dosset-setup --demo` puts into a new data folder.
#pragma once

class QString;

namespace setup {

// The rows every data folder starts with: the password, the office
// particulars, the D.A. order in force and the provident-fund sheet template.
void writeStartingRows(const QString& password);
// A West Bengal office to try the program on: heads, employees, ledgers,
// allotments, and the salary bills of the financial year's months before
// today's (forms::Clock) with the B-statement totals they carried forward.
void writeDemoOffice();

} // namespace setup
