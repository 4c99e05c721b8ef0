#include "control/ovc_base.h"

#include "base/exceptions.h"
#include "control/control_form.h"
#include "control/controller.h"
#include "control/private_messages.h"

namespace wendax {

TOvcBase::~TOvcBase() {
    SetController(nullptr);
    SetForm(nullptr);
}

void TOvcBase::SetController(TOvcController* controller) {
    if (controller == FController) return;
    if (FController) FController->RemoveUser(*this);
    FController = controller;
    if (FController) FController->AddUser(*this);
}

void TOvcBase::SetForm(TControlForm* form) {
    if (form == FForm) return;
    if (FForm) FForm->RemoveControl(*this);
    FForm = form;
    if (FForm) FForm->InsertControl(*this);
}

void TOvcBase::AttachWindow(TWindowPeer& window) {
    if (!FController && FForm) SetController(FForm->FirstController());
    if (!FController) throw ENoControllerAssigned();
    FWindow = &window;
    WindowCreated();
}

void TOvcBase::FocusGained() {
    PostToSelf(omAfterEnter);
}

void TOvcBase::FocusLost() {
    PostToSelf(omAfterExit);
}

void TOvcBase::MessageArrived(const TPostedMessage& message) {
    if (message.Msg == omAfterEnter && AfterEnter) AfterEnter(*this);
    if (message.Msg == omAfterExit && AfterExit) AfterExit(*this);
}

void TOvcBase::PostToSelf(std::uint32_t message) {
    if (FWindow) FWindow->PostMessage({message, 0, 0});
}

}  // namespace wendax
