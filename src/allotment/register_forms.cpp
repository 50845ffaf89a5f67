#include "allotment/register_forms.h"

#include "platform/forms/registry.h"

namespace allotment {

void registerForms()
{
}

} // namespace allotment
