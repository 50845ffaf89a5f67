// Makes the salary forms known to the form registry by name.
#pragma once

namespace salary {

// Registers Form9 and the other salary forms; called once at start-up.
void registerForms();

} // namespace salary
