#include "salary/register_forms.h"

#include "platform/forms/registry.h"
#include "salary/single_click_form.h"
#include "salary/regular_salary_form.h"
#include "salary/pay_upgrade_form.h"
#include "salary/irregular_bill_form.h"

namespace salary {

void registerForms()
{
    forms::Forms::registerForm<Form9>(QStringLiteral("Form9"));
    forms::Forms::registerForm<SALARY>(QStringLiteral("SALARY"));
    forms::Forms::registerForm<form5>(QStringLiteral("form5"));
    forms::Forms::registerForm<Form11>(QStringLiteral("Form11"));
}

} // namespace salary
