// Makes the forms of the pay-slip module reachable by name through the form registry.
#pragma once

namespace payslip {

// Registers Form8 and Form15 under their names; called once at start-up.
void registerForms();

} // namespace payslip
