// Makes the forms of this module known to the form registry by name.
#pragma once

namespace provident_fund {

void registerForms();

} // namespace provident_fund
