// The stored forms of command tables: a processor's whole table list ("TableList") and a
// single table ("CommandList"). A stored table is its name, its active flag and a list of
// (key sequence, command) pairs. For the built-in names "Default", "WordStar" and "Grid"
// (any letter case) the pairs are differences from the built-in content, so an unchanged
// built-in table stores no pairs; for other names they are the whole content.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control/command_processor.h"
#include "control/command_table.h"

namespace wendax {

struct TStoredPair {
    std::uint32_t Sequence = 0;  // CommandRec::KeySequence()
    TCommandCode Cmd = ccNone;   // for a built-in name, ccNone deletes the entry
    friend bool operator==(const TStoredPair&, const TStoredPair&) = default;
};

struct TStoredTable {
    std::string Name;
    bool Active = true;
    std::vector<TStoredPair> Pairs;
    friend bool operator==(const TStoredTable&, const TStoredTable&) = default;
};

// For a built-in name: first (sequence, 0) for each built-in entry whose sequence the table
// no longer has, then each entry that is not a built-in entry (sequence and command), in
// table order. For other names: every entry in table order.
TStoredTable StoreTable(const TOvcCommandTable& table);

// For a built-in name: the built-in entries, then each pair in order appends an entry with
// a new sequence, replaces the command of an existing one in place, or deletes it when the
// command is ccNone. For other names: the pairs appended in order.
std::unique_ptr<TOvcCommandTable> RestoreTable(const TStoredTable& stored);

// The text of the stored forms (see stored_tables_text.h). Reading checks the whole text
// before anything changes: malformed text raises EInvalidTableData and changes nothing.
// Reading a list replaces all tables of the processor; each is added with AddTable, so
// names are made unique.
std::string WriteTableList(const TOvcCommandProcessor& processor);
void ReadTableList(TOvcCommandProcessor& processor, std::string_view text);
std::string WriteCommandList(const TOvcCommandTable& table);
void ReadCommandList(TOvcCommandTable& table, std::string_view text);

}  // namespace wendax
