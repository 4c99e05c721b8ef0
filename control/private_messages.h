// The editor library's private window messages. The numbers are fixed within the program;
// TPostedMessage carries them with their two parameters.
#pragma once

#include <cstdint>

namespace wendax {

enum : std::uint32_t {
    // To a controller's notification window: focus the control in LParam (show it first).
    omSetFocus = 0x7F01,
    // An editor to itself after placing its caret: WParam the caret's screen column, LParam
    // its line; fires the editor's OnShowStatus when it arrives.
    omShowStatus = 0x7F02,
    // To a controller's notification window: WParam the other control's window (0 for
    // none), LParam the control. They fire OnPreEdit and OnPostEdit.
    omPreEdit = 0x7F06,
    omPostEdit = 0x7F07,
    // A library control to itself after it gained or lost the focus; they fire its
    // AfterEnter and AfterExit events.
    omAfterEnter = 0x7F08,
    omAfterExit = 0x7F09,
    // To a controller's notification window: fires OnDelayNotify with WParam as the code.
    omDelayNotify = 0x7F0A,
};

}  // namespace wendax
