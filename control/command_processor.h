// Translates keys into command codes through an ordered list of command tables, with a
// small state machine for two-key sequences (Ctrl+Q then S) and for taking the next key
// literally. One processor serves all controls of a controller, so a sequence begun in one
// control can be completed in another.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "control/command_table.h"
#include "platform/virtual_keys.h"

namespace wendax {

// Toolkit shift-state bits as TranslateKeyShift takes them.
enum TShiftStateBit : std::uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
};

class TOvcCommandProcessor {
  public:
    // Starts with the built-in tables "Default" (active), "WordStar" and "Grid" (inactive).
    TOvcCommandProcessor();

    // Takes ownership and appends; the table's name is made unique first (see
    // UniqueTableName). Returns the table's index.
    int AddTable(std::unique_ptr<TOvcCommandTable> table);
    // Appends an empty table with this name (made unique) and flag; returns its index.
    int CreateTable(const std::string& name, bool active);
    // Appends `entry` to the first table of that name. Raises ETableNotFound when there is
    // no such table and EDuplicateCommand when it holds the key sequence already.
    void AddCommand(const std::string& tableName, const CommandRec& entry);

    // The first table of that name ignoring letter case, or nullptr.
    TOvcCommandTable* GetTable(const std::string& name) const;
    // Raises ETableNotFound for an index outside 0..Count()-1.
    TOvcCommandTable& Table(int index) const;
    int Count() const { return static_cast<int>(FTables.size()); }
    void Clear() { FTables.clear(); }

    // The name a table called `name` gets when added now: trailing digits are stripped
    // (keeping at least one character), and when that stem is taken the first free of
    // stem1, stem2, ... is used; otherwise the name stays as it is. When the name itself
    // is taken but the stem is free, the stem is used, so that names stay unique.
    std::string UniqueTableName(const std::string& name) const;

    // Loads a table from its text file and adds it; returns its index. On failure nothing
    // is added and the error (EInOutError) passes on.
    int LoadCommandTable(const std::string& fileName);
    // Writes the named table in the text file form; nothing when there is no such table.
    void SaveCommandTable(const std::string& tableName, const std::string& fileName) const;

    // The command for a key-down event, its modifiers held at that moment. Besides command
    // codes the result may be ccUnmapped, ccBrokenSequence or ccPendingSequence.
    TCommandCode TranslateKeyMessage(const TKeyMessage& message);
    // The same for a key with toolkit shift-state bits (TShiftStateBit).
    TCommandCode TranslateKeyShift(std::uint8_t key, std::uint8_t shiftState);
    void ResetSequence();

  private:
    enum TSequenceState : std::uint8_t {
        sqIdle = 0,
        sqFirstKeyPending = 1,
        sqLiteralNext = 2,
    };

    TCommandCode Translate(std::uint8_t key, std::uint8_t shift);
    TCommandCode ConsultTables(std::uint8_t key, std::uint8_t shift);
    TCommandCode ScanTable(const TOvcCommandTable& table, std::uint8_t key, std::uint8_t shift);
    void AddBuiltinTable(std::string_view name, bool active);

    std::vector<std::unique_ptr<TOvcCommandTable>> FTables;
    TSequenceState FState = sqIdle;
    std::uint8_t FPendingKey = 0;    // valid in sqFirstKeyPending
    std::uint8_t FPendingShift = 0;  // likewise
};

}  // namespace wendax
