#pragma once
// The hidden log window: starts the outside UCON client and polls its log.
#include "common/forms.h"

namespace tvx {

class Form5 : public VbForm {
    Q_OBJECT
public:
    Form5();
    void Form_Load() override;
};

} // namespace tvx
