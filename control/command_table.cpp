#include "control/command_table.h"

#include <stdexcept>

namespace wendax {

int TOvcCommandTable::AddEntry(const CommandRec& entry) {
    FEntries.push_back(entry);
    return Count() - 1;
}

void TOvcCommandTable::InsertEntry(int index, const CommandRec& entry) {
    CheckIndex(index, Count() + 1);
    FEntries.insert(FEntries.begin() + index, entry);
}

void TOvcCommandTable::ReplaceEntry(int index, const CommandRec& entry) {
    CheckIndex(index, Count());
    FEntries[static_cast<std::size_t>(index)] = entry;
}

void TOvcCommandTable::DeleteEntry(int index) {
    CheckIndex(index, Count());
    FEntries.erase(FEntries.begin() + index);
}

CommandRec TOvcCommandTable::GetEntry(int index) const {
    CheckIndex(index, Count());
    return FEntries[static_cast<std::size_t>(index)];
}

int TOvcCommandTable::FindSequence(const CommandRec& entry) const {
    for (int i = 0; i < Count(); ++i) {
        if (FEntries[static_cast<std::size_t>(i)].SameSequence(entry)) return i;
    }
    return -1;
}

void TOvcCommandTable::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit) {
        throw std::out_of_range("Command table entry index " + std::to_string(index) +
                                " out of range");
    }
}

}  // namespace wendax
