#include "provident_fund/register_forms.h"

#include "platform/forms/registry.h"
#include "provident_fund/account_form.h"

namespace provident_fund {

void registerForms()
{
    forms::Forms::registerForm<gpf_ac>("gpf_ac");
}

} // namespace provident_fund
