#include "control/command_processor.h"

#include <string_view>
#include <vector>

#include "base/exceptions.h"
#include "control/builtin_tables.h"

namespace wendax {

namespace {

// Shift, Ctrl and Alt, and the lock keys: they never end a sequence.
bool IsModifierOrLockKey(std::uint8_t key) {
    return key == vkShift || key == vkControl || key == vkMenu || key == vkCapital ||
           key == vkNumLock || key == vkScroll;
}

// Shift2 of a second key matches the modifiers it was typed with.
bool SecondShiftMatches(std::uint8_t shift2, std::uint8_t shift) {
    return shift2 == shift || (shift2 == ksNoneOrCtrl && (shift == ksNone || shift == ksCtrl));
}

std::string StripTrailingDigits(std::string name) {
    while (name.size() >= 2 && name.back() >= '0' && name.back() <= '9') {
        name.pop_back();
    }
    return name;
}

// The number n of a name stem + n as candidates are written (decimal, no leading zero), or
// 0 when `digits` is not one; numbers beyond nine digits count as too large to matter.
std::size_t CandidateNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 9 || digits.front() == '0') return 0;
    std::size_t number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + static_cast<std::size_t>(c - '0');
    }
    return number;
}

}  // namespace

TOvcCommandProcessor::TOvcCommandProcessor() {
    AddBuiltinTable(kDefaultTableName, true);
    AddBuiltinTable(kWordStarTableName, false);
    AddBuiltinTable(kGridTableName, false);
    ResetSequence();
}

void TOvcCommandProcessor::AddBuiltinTable(std::string_view name, bool active) {
    const std::string tableName(name);
    CreateTable(tableName, active);
    for (const CommandRec& entry : BuiltinEntries(name))
        AddCommand(tableName, entry);
}

int TOvcCommandProcessor::AddTable(std::unique_ptr<TOvcCommandTable> table) {
    table->SetName(UniqueTableName(table->Name()));
    FTables.push_back(std::move(table));
    return Count() - 1;
}

int TOvcCommandProcessor::CreateTable(const std::string& name, bool active) {
    auto table = std::make_unique<TOvcCommandTable>();
    table->SetName(name);
    table->SetActive(active);
    return AddTable(std::move(table));
}

void TOvcCommandProcessor::AddCommand(const std::string& tableName, const CommandRec& entry) {
    TOvcCommandTable* table = GetTable(tableName);
    if (!table) throw ETableNotFound();
    if (table->FindSequence(entry) >= 0) throw EDuplicateCommand();
    table->AddEntry(entry);
}

TOvcCommandTable* TOvcCommandProcessor::GetTable(const std::string& name) const {
    for (const auto& table : FTables) {
        if (SameTableName(table->Name(), name)) return table.get();
    }
    return nullptr;
}

TOvcCommandTable& TOvcCommandProcessor::Table(int index) const {
    if (index < 0 || index >= Count()) throw ETableNotFound();
    return *FTables[static_cast<std::size_t>(index)];
}

// One pass over the tables finds whether the stem and the name are taken and which numbers
// behind the stem are; only 1..Count() + 1 can be the first free one. No candidate is
// looked up on its own, so the cost stays linear in the number of tables.
std::string TOvcCommandProcessor::UniqueTableName(const std::string& name) const {
    const std::string stem = StripTrailingDigits(name);
    std::vector<bool> numberTaken(FTables.size() + 2);
    bool stemTaken = false;
    bool nameTaken = false;
    for (const auto& table : FTables) {
        const std::string_view other = table->Name();
        nameTaken = nameTaken || SameTableName(other, name);
        if (other.size() < stem.size() || !SameTableName(other.substr(0, stem.size()), stem))
            continue;
        const std::size_t number = CandidateNumber(other.substr(stem.size()));
        stemTaken = stemTaken || other.size() == stem.size();
        if (number < numberTaken.size()) numberTaken[number] = true;
    }
    if (!stemTaken) return nameTaken ? stem : name;
    std::size_t number = 1;
    while (numberTaken[number])
        ++number;
    return stem + std::to_string(number);
}

int TOvcCommandProcessor::LoadCommandTable(const std::string& fileName) {
    auto table = std::make_unique<TOvcCommandTable>();
    table->LoadTableFromFile(fileName);
    return AddTable(std::move(table));
}

void TOvcCommandProcessor::SaveCommandTable(const std::string& tableName,
                                            const std::string& fileName) const {
    if (const TOvcCommandTable* table = GetTable(tableName)) table->SaveTableToFile(fileName);
}

TCommandCode TOvcCommandProcessor::TranslateKeyMessage(const TKeyMessage& message) {
    return Translate(message.Key, message.Shift);
}

TCommandCode TOvcCommandProcessor::TranslateKeyShift(std::uint8_t key, std::uint8_t shiftState) {
    std::uint8_t shift = ksNone;
    if (shiftState & ssShift) shift |= ksShift;
    if (shiftState & ssCtrl) shift |= ksCtrl;
    if (shiftState & ssAlt) shift |= ksAlt;
    return Translate(key, shift);
}

void TOvcCommandProcessor::ResetSequence() {
    FState = sqIdle;
    FPendingKey = 0;
    FPendingShift = 0;
}

// Modifier keys leave the state alone; any other key ends in the idle state unless a
// table started a sequence or asked for a literal next key.
TCommandCode TOvcCommandProcessor::Translate(std::uint8_t key, std::uint8_t shift) {
    if (IsModifierOrLockKey(key)) {
        return FState == sqFirstKeyPending ? ccPendingSequence : ccUnmapped;
    }
    TCommandCode result = ccUnmapped;
    if (FState != sqLiteralNext) {
        result = ConsultTables(key, shift);
        if (result != ccNone) return result;
        result = FState == sqFirstKeyPending ? ccBrokenSequence : ccUnmapped;
    }
    FState = sqIdle;
    return result;
}

// The first active table that answers decides, with the state as it left it; ccNone when
// no table answers.
TCommandCode TOvcCommandProcessor::ConsultTables(std::uint8_t key, std::uint8_t shift) {
    for (const auto& table : FTables) {
        if (!table->Active()) continue;
        if (const TCommandCode answer = ScanTable(*table, key, shift)) return answer;
    }
    return ccNone;
}

// The first matching entry of one table. A match moves the state machine even when the
// entry's command is ccNone, in which case the next table is consulted in the new state.
TCommandCode TOvcCommandProcessor::ScanTable(const TOvcCommandTable& table, std::uint8_t key,
                                             std::uint8_t shift) {
    for (const CommandRec& e : table.Entries()) {
        if (FState == sqFirstKeyPending) {
            if (e.Key1 != FPendingKey || e.Shift1 != FPendingShift || e.Key2 != key ||
                !SecondShiftMatches(e.Shift2, shift)) {
                continue;
            }
        } else if (e.Key1 != key || e.Shift1 != shift) {
            continue;
        } else if (e.Key2 != 0) {
            FState = sqFirstKeyPending;
            FPendingKey = key;
            FPendingShift = shift;
            return ccPendingSequence;
        }
        FState = e.Cmd == ccCtrlChar ? sqLiteralNext : sqIdle;
        return e.Cmd;
    }
    return ccNone;
}

}  // namespace wendax
