#include "salary/register_forms.h"

#include "platform/forms/registry.h"
#include "salary/single_click_form.h"
#include "salary/regular_salary_form.h"

namespace salary {

void registerForms()
{
    forms::Forms::registerForm<Form9>(QStringLiteral("Form9"));
    forms::Forms::registerForm<SALARY>(QStringLiteral("SALARY"));
}

} // namespace salary
