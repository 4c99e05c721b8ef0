// A named, ordered list of key-sequence-to-command entries. Lookup takes the first match,
// so the order of the entries matters.
#pragma once

#include <string>
#include <vector>

#include "control/command_rec.h"

namespace wendax {

class TOvcCommandTable {
  public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }
    // The processor consults only active tables.
    bool Active() const { return FActive; }
    void SetActive(bool active) { FActive = active; }

    // Appends a copy and returns its index; duplicates are allowed here.
    int AddEntry(const CommandRec& entry);
    // Index arguments must lie in 0..Count()-1 (0..Count() for InsertEntry); others raise
    // std::out_of_range and change nothing.
    void InsertEntry(int index, const CommandRec& entry);
    void ReplaceEntry(int index, const CommandRec& entry);
    void DeleteEntry(int index);
    void Clear() { FEntries.clear(); }
    int Count() const { return static_cast<int>(FEntries.size()); }
    CommandRec GetEntry(int index) const;
    const std::vector<CommandRec>& Entries() const { return FEntries; }

    // Index of the first entry with the same four key bytes (the command is not compared),
    // or -1.
    int FindSequence(const CommandRec& entry) const;

    // The text file form: the name on the first line, then one entry per line as Key1,
    // Shift1, Key2 and Shift2 right-aligned in 4 columns and Cmd in 6. Loading replaces
    // name and entries and leaves the table unchanged when it fails; failures, including
    // malformed lines, raise EInOutError.
    void LoadTableFromFile(const std::string& fileName);
    void SaveTableToFile(const std::string& fileName) const;

  private:
    void CheckIndex(int index, int limit) const;

    std::string FName = "(Unknown)";
    bool FActive = true;
    std::vector<CommandRec> FEntries;
};

}  // namespace wendax
