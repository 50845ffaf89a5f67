// Makes the forms of this module known to the form registry by name.
#pragma once

namespace employees {

void registerForms();

} // namespace employees
