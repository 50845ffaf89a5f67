// Status: the quick view of every employee's code and particulars, read only.
#pragma once

#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

namespace employees {

class Status : public forms::Form {
    Q_OBJECT
public:
    Status();

    void Form_Load() override;

protected:
    // Shown again later, it shows the employees as they are then.
    void showEvent(QShowEvent* e) override;

private:
    data::DataControl* Data1 = nullptr;
    forms::DataGrid* DBGrid1 = nullptr;
};

} // namespace employees
