#include "salary/register_forms.h"

#include "platform/forms/registry.h"

namespace salary {

void registerForms()
{
}

} // namespace salary
