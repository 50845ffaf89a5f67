#include "allotment/register_forms.h"

#include "allotment/financial_report_form.h"
#include "allotment/head_form.h"
#include "allotment/register_form.h"
#include "platform/forms/registry.h"

namespace allotment {

void registerForms()
{
    forms::Forms::registerForm<Form1>("Form1");
    forms::Forms::registerForm<Form14>("Form14");
    forms::Forms::registerForm<Form4>("Form4");
}

} // namespace allotment
