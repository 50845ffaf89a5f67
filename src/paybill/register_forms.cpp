#include "paybill/register_forms.h"

#include "paybill/bill_form.h"
#include "platform/forms/registry.h"

namespace paybill {

void registerForms()
{
    forms::Forms::registerForm<Form6>(QStringLiteral("Form6"));
}

} // namespace paybill
