#include "paybill/register_forms.h"

#include "platform/forms/registry.h"

namespace paybill {

void registerForms()
{
}

} // namespace paybill
