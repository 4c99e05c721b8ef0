// The stored forms of command tables: a processor's whole table list ("TableList") and a
// single table ("CommandList"). A stored table is its name, its active flag and a list of
// (key sequence, command) pairs. For the built-in names "Default", "WordStar" and "Grid"
// (any letter case) the pairs are differences from the built-in content, so an unchanged
// built-in table stores no pairs; for other names they are the whole content. Reading never
// gives a built-in name two entries of one sequence, so a table that holds a sequence twice
// stores its whole content under any name.
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
    bool WholeContent = false;  // the pairs are the whole content even for a built-in name
    friend bool operator==(const TStoredTable&, const TStoredTable&) = default;
};

// For a built-in name, differences that reading turns back into the same table, order
// included: the longest start of the table that holds built-in sequences in their built-in
// order stays in place (its changed commands stored as replacements); every other built-in
// sequence is deleted with (sequence, 0) first, and the rest of the table follows entry by
// entry, so that a built-in entry that was moved or deleted and added back comes after the
// deletion of its old place. An unchanged table stores no pairs, one deletion one pair.
// For other names, and tables holding a sequence twice: every entry in table order.
TStoredTable StoreTable(const TOvcCommandTable& table);

// For a built-in name: the built-in entries, then each pair in order appends an entry with
// a new sequence, replaces the command of an existing one in place, or deletes it when the
// command is ccNone. For other names and whole content: the pairs appended in order.
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
