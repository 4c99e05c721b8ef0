// The base of the library's visible controls: the link to the controller, the window the
// control lives in, and the after-enter and after-exit notifications.
#pragma once

#include <functional>

#include "platform/window.h"

namespace wendax {

class TControlForm;
class TOvcController;

class TOvcBase : public TWindowClient {
  public:
    TOvcBase() = default;
    // Leaves its controller and its form. The window must have been detached.
    ~TOvcBase() override;
    TOvcBase(const TOvcBase&) = delete;
    TOvcBase& operator=(const TOvcBase&) = delete;

    // The controller in use, or nullptr; forgotten when that controller is destroyed.
    TOvcController* Controller() const { return FController; }
    void SetController(TOvcController* controller);

    // The form the control sits on, or nullptr.
    TControlForm* Form() const { return FForm; }
    void SetForm(TControlForm* form);

    // The control's window, or nullptr while it has none.
    TWindowPeer* Window() const { return FWindow; }
    // Creates the control's window on `window`. A control without a controller first takes
    // its form's first controller; when there is none it raises ENoControllerAssigned and
    // stays without a window. Then WindowCreated runs.
    void AttachWindow(TWindowPeer& window);
    // The window is going: WindowDestroying runs while it is still there.
    void DetachWindow() {
        if (FWindow) WindowDestroying();
        FWindow = nullptr;
    }

    // Fired when the after-enter and after-exit messages arrive.
    std::function<void(TOvcBase& sender)> AfterEnter;
    std::function<void(TOvcBase& sender)> AfterExit;

    // Post the after-enter / after-exit message to the control's own window; a control
    // that overrides these calls them first on gaining and last on losing the focus.
    void FocusGained() override;
    void FocusLost() override;
    // Handles the after-enter and after-exit messages; others are left to derived controls.
    void MessageArrived(const TPostedMessage& message) override;

  protected:
    // The window has just been attached (the controller is known by then).
    virtual void WindowCreated() {}
    // The window is about to go: whatever the control holds of it (caret, capture,
    // timers) is let go.
    virtual void WindowDestroying() {}

  private:
    friend class TOvcController;
    friend class TControlForm;

    void PostToSelf(std::uint32_t message);

    TOvcController* FController = nullptr;
    TControlForm* FForm = nullptr;
    TWindowPeer* FWindow = nullptr;
};

}  // namespace wendax
