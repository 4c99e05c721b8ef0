#include "control/controller.h"

#include <algorithm>

#include "control/control_form.h"
#include "control/ovc_base.h"
#include "platform/services.h"

namespace wendax {

TOvcController::TOvcController(TControlForm* form) : FForm(form) {
    if (FForm) FForm->InsertController(*this);
}

TOvcController::~TOvcController() {
    if (FForm) FForm->RemoveController(*this);
    for (TOvcBase* control : FUsers)
        control->FController = nullptr;
}

void TOvcController::SetEpoch(int epoch) {
    if (epoch != FEpoch && epoch >= 1600 && epoch <= 3999) FEpoch = epoch;
}

void TOvcController::ReportError(TOvcBase* sender, std::uint16_t errorCode,
                                 const std::string& errorMsg) {
    if (OnError) {
        OnError(sender, errorCode, errorMsg);
    } else {
        Platform().ShowErrorBox(errorMsg);
    }
}

void TOvcController::RemoveUser(TOvcBase& control) {
    std::erase(FUsers, &control);
}

}  // namespace wendax
