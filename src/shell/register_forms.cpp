#include "shell/register_forms.h"

#include "allotment/register_forms.h"
#include "employees/register_forms.h"
#include "paybill/register_forms.h"
#include "payslip/register_forms.h"
#include "platform/forms/registry.h"
#include "provident_fund/register_forms.h"
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
    provident_fund::registerForms();
}

} // namespace shell
