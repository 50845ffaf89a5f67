#include "payslip/register_forms.h"

#include "payslip/pay_slip_form.h"
#include "payslip/pay_statement_form.h"
#include "platform/forms/registry.h"

namespace payslip {

void registerForms()
{
    forms::Forms::registerForm<Form8>(QStringLiteral("Form8"));
    forms::Forms::registerForm<Form15>(QStringLiteral("Form15"));
}

} // namespace payslip
