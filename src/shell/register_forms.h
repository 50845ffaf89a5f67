// Registers every form of the program by name.
#pragma once

namespace shell {

void registerAllForms();

} // namespace shell
