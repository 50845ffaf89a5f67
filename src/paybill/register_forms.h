// Makes the forms of the pay-bill module reachable by name through the form registry.
#pragma once

namespace paybill {

// Registers Form6 under its name; called once at start-up.
void registerForms();

} // namespace paybill
