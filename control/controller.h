// The controller: the non-visual component that the library's controls of one window share.
// It owns the command processor (so a half-typed key sequence is shared too), remembers the
// insert mode across editors, and reports errors.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "control/command_processor.h"

namespace wendax {

class TControlForm;
class TOvcBase;

// Called instead of the default error box when assigned.
using TDataErrorEvent =
    std::function<void(TOvcBase* sender, std::uint16_t errorCode, const std::string& errorMsg)>;

class TOvcController {
  public:
    // A controller placed on `form` (if any) serves the form's controls that have none.
    explicit TOvcController(TControlForm* form = nullptr);
    // Every control using this controller forgets it.
    ~TOvcController();
    TOvcController(const TOvcController&) = delete;
    TOvcController& operator=(const TOvcController&) = delete;

    // Created with the three built-in tables.
    TOvcCommandProcessor& EntryCommands() { return FEntryCommands; }
    const TOvcCommandProcessor& EntryCommands() const { return FEntryCommands; }

    // The century base for two-digit years; a new value is taken only in 1600..3999.
    int Epoch() const { return FEpoch; }
    void SetEpoch(int epoch);

    // The insert mode that editors save here when they lose the focus and take over when
    // they gain it, so all editors of one controller type in the same mode.
    bool InsertMode() const { return FInsertMode; }
    void SetInsertMode(bool insertMode) { FInsertMode = insertMode; }

    // Set by data-entry fields after a failed validation; while set, a click on an
    // unfocused editor neither activates nor reaches it.
    bool ErrorPending() const { return FErrorPending; }
    void SetErrorPending(bool pending) { FErrorPending = pending; }

    TDataErrorEvent OnError;
    // Calls OnError, or without one shows `errorMsg` in a modal error box.
    void ReportError(TOvcBase* sender, std::uint16_t errorCode, const std::string& errorMsg);

    TControlForm* Form() const { return FForm; }

  private:
    friend class TOvcBase;
    friend class TControlForm;

    void AddUser(TOvcBase& control) { FUsers.push_back(&control); }
    void RemoveUser(TOvcBase& control);

    TOvcCommandProcessor FEntryCommands;
    int FEpoch = 1900;
    bool FInsertMode = true;
    bool FErrorPending = false;
    TControlForm* FForm;
    std::vector<TOvcBase*> FUsers;  // controls whose Controller() is this one
};

}  // namespace wendax
