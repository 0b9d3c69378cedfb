#pragma once
// The wait window: shown without blocking while a sequence of server commands runs, with a progress line.
#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

namespace tvx {

class Loadingfdf : public VbForm {
    Q_OBJECT
public:
    Loadingfdf();
    // The progress line of the sequence that shows the window.
    void SetProgress(const QString& caption);

    VbLabel* Label1 = nullptr;
    VbLabel* Label3 = nullptr; // the progress line; each step replaces it
    VbLabel* Label2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace tvx
