#include "employees/register_forms.h"

#include "employees/employee_form.h"
#include "employees/status_view.h"
#include "platform/forms/registry.h"

namespace employees {

void registerForms()
{
    forms::Forms::registerForm<Employee>(QStringLiteral("Employee"));
    forms::Forms::registerForm<Status>(QStringLiteral("Status"));
}

} // namespace employees
