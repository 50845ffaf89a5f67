#include "shell/register_forms.h"

#include "allotment/register_forms.h"
#include "employees/register_forms.h"
#include "paybill/register_forms.h"
#include "payslip/register_forms.h"
#include "platform/forms/registry.h"
#include "salary/register_forms.h"
#include "shell/login_form.h"

namespace shell {

void registerAllForms()
{
    forms::Forms::registerForm<entry>(QStringLiteral("entry"));
    employees::registerForms();
    salary::registerForms();
    allotment::registerForms();
    paybill::registerForms();
    payslip::registerForms();
}

} // namespace shell
