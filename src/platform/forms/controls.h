// Every control of the forms, in one include.
#pragma once

#include "platform/forms/basic_controls.h"
#include "platform/forms/control.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/date_picker.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/text_box.h"
