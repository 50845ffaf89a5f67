#include "employees/register_forms.h"

#include "platform/forms/registry.h"

namespace employees {

void registerForms()
{
}

} // namespace employees
