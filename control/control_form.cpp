#include "control/control_form.h"

#include <algorithm>

#include "control/controller.h"
#include "control/ovc_base.h"

namespace wendax {

TControlForm::~TControlForm() {
    for (TOvcController* controller : FControllers)
        controller->FForm = nullptr;
    for (TOvcBase* control : FControls)
        control->FForm = nullptr;
}

TOvcController* TControlForm::FirstController() const {
    return FControllers.empty() ? nullptr : FControllers.front();
}

void TControlForm::InsertController(TOvcController& controller) {
    FControllers.push_back(&controller);
    for (TOvcBase* control : FControls) {
        if (!control->Controller()) control->SetController(&controller);
    }
}

void TControlForm::RemoveController(TOvcController& controller) {
    std::erase(FControllers, &controller);
}

void TControlForm::RemoveControl(TOvcBase& control) {
    std::erase(FControls, &control);
}

}  // namespace wendax
