// The window that library controls and controllers sit on. A control that has no
// controller of its own when its window is created takes the form's first controller, and
// a control without one adopts a controller placed on the form later. The form owns
// neither; each leaves the form when it is destroyed.
#pragma once

#include <vector>

namespace wendax {

class TOvcBase;
class TOvcController;

class TControlForm {
  public:
    TControlForm() = default;
    // Controllers and controls still on the form are taken off it.
    ~TControlForm();
    TControlForm(const TControlForm&) = delete;
    TControlForm& operator=(const TControlForm&) = delete;

    // The first controller placed on the form that is still there, or nullptr.
    TOvcController* FirstController() const;

  private:
    friend class TOvcBase;
    friend class TOvcController;

    void InsertController(TOvcController& controller);
    void RemoveController(TOvcController& controller);
    void InsertControl(TOvcBase& control) { FControls.push_back(&control); }
    void RemoveControl(TOvcBase& control);

    std::vector<TOvcController*> FControllers;
    std::vector<TOvcBase*> FControls;
};

}  // namespace wendax
