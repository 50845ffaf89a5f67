// The login form: admits the user whose password matches the stored one.
#pragma once

#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

namespace shell {

class entry : public forms::Form {
    Q_OBJECT
public:
    entry();
    void Form_Load() override;

    void Text1_Change();
    void Text1_KeyUp(int keyCode);
    void Command1_Click(); // LOG ON
    void Command2_Click(); // EXIT

    forms::TextBox* Text1;
    forms::CommandButton* Command1;
    forms::CommandButton* Command2;
    forms::Label* Label1; // the hint line
    forms::Label* Label2;

private:
    // The stored password, trimmed; empty when the folder has none (no row,
    // or a NULL or blank one).
    QString storedPassword() const;
    bool matches() const;
    void logOn();
};

} // namespace shell
