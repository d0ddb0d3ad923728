#pragma once
// TMemo: a multi-line text control. Its lines live in Lines; a window, when one is made, shows them.
#include "Control.h"
#include "Strings.h"

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);

    TStringList Lines;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
};
