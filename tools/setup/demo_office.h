// The small office that `dosset-setup --demo` puts into a new data folder.
#pragma once

class QString;

namespace setup {

// The rows every data folder starts with: the password, the office
// particulars, the D.A. order in force and the provident-fund sheet template.
void writeStartingRows(const QString& password);
// Heads, employees, ledgers and allotments to try the program on.
void writeDemoOffice();

} // namespace setup
