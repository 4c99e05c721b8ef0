#include "control/stored_tables.h"

#include <algorithm>

#include "control/builtin_tables.h"
#include "control/stored_tables_text.h"

namespace wendax {

namespace {

// Index of the built-in entry with this entry's sequence, or -1.
std::ptrdiff_t BuiltinIndex(std::span<const CommandRec> builtin, const CommandRec& entry) {
    const auto found =
        std::ranges::find_if(builtin, [&](const CommandRec& b) { return b.SameSequence(entry); });
    return found == builtin.end() ? -1 : found - builtin.begin();
}

// How many entries at the start of the table reading can leave where the built-in entries
// put them: built-in sequences in rising built-in order, each with its built-in command or
// another command than ccNone (a replacement by ccNone would delete it).
std::size_t KeptStart(const std::vector<CommandRec>& entries, std::span<const CommandRec> builtin) {
    std::ptrdiff_t last = -1;
    for (std::size_t kept = 0; kept < entries.size(); ++kept) {
        const std::ptrdiff_t at = BuiltinIndex(builtin, entries[kept]);
        const bool replacesByNone = at >= 0 && entries[kept].Cmd == ccNone &&
                                    builtin[static_cast<std::size_t>(at)].Cmd != ccNone;
        if (at <= last || replacesByNone) return kept;
        last = at;
    }
    return entries.size();
}

void StoreDifferences(const std::vector<CommandRec>& entries, std::span<const CommandRec> builtin,
                      std::vector<TStoredPair>& pairs) {
    const std::size_t kept = KeptStart(entries, builtin);
    const auto keptEntries = std::span(entries).first(kept);
    for (const CommandRec& b : builtin) {
        const bool stays = std::ranges::any_of(
            keptEntries, [&](const CommandRec& e) { return e.SameSequence(b); });
        if (!stays) pairs.push_back({b.KeySequence(), ccNone});
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CommandRec& e = entries[i];
        const bool unchanged =
            i < kept && builtin[static_cast<std::size_t>(BuiltinIndex(builtin, e))] == e;
        if (!unchanged) pairs.push_back({e.KeySequence(), e.Cmd});
    }
}

bool HoldsASequenceTwice(const std::vector<CommandRec>& entries) {
    std::vector<std::uint32_t> sequences;
    for (const CommandRec& e : entries)
        sequences.push_back(e.KeySequence());
    std::ranges::sort(sequences);
    return std::ranges::adjacent_find(sequences) != sequences.end();
}

void ApplyDifference(TOvcCommandTable& table, const TStoredPair& pair) {
    const CommandRec entry = CommandRec::FromSequence(pair.Sequence, pair.Cmd);
    const int index = table.FindSequence(entry);
    if (index < 0) {
        table.AddEntry(entry);
    } else if (pair.Cmd != ccNone) {
        table.ReplaceEntry(index, entry);
    } else {
        table.DeleteEntry(index);
    }
}

}  // namespace

TStoredTable StoreTable(const TOvcCommandTable& table) {
    TStoredTable stored{table.Name(), table.Active(), {}};
    if (IsBuiltinTableName(table.Name()) && !HoldsASequenceTwice(table.Entries())) {
        StoreDifferences(table.Entries(), BuiltinEntries(table.Name()), stored.Pairs);
        return stored;
    }
    stored.WholeContent = IsBuiltinTableName(table.Name());
    for (const CommandRec& entry : table.Entries())
        stored.Pairs.push_back({entry.KeySequence(), entry.Cmd});
    return stored;
}

std::unique_ptr<TOvcCommandTable> RestoreTable(const TStoredTable& stored) {
    auto table = std::make_unique<TOvcCommandTable>();
    table->SetName(stored.Name);
    table->SetActive(stored.Active);
    const bool builtin = IsBuiltinTableName(stored.Name) && !stored.WholeContent;
    if (builtin) {
        for (const CommandRec& entry : BuiltinEntries(stored.Name))
            table->AddEntry(entry);
    }
    for (const TStoredPair& pair : stored.Pairs) {
        if (builtin) {
            ApplyDifference(*table, pair);
        } else {
            table->AddEntry(CommandRec::FromSequence(pair.Sequence, pair.Cmd));
        }
    }
    return table;
}

std::string WriteTableList(const TOvcCommandProcessor& processor) {
    std::vector<TStoredTable> tables;
    for (int i = 0; i < processor.Count(); ++i)
        tables.push_back(StoreTable(processor.Table(i)));
    return FormatTableList(tables);
}

void ReadTableList(TOvcCommandProcessor& processor, std::string_view text) {
    const std::vector<TStoredTable> tables = ParseTableList(text);
    processor.Clear();
    for (const TStoredTable& stored : tables)
        processor.AddTable(RestoreTable(stored));
}

std::string WriteCommandList(const TOvcCommandTable& table) {
    return FormatCommandList(StoreTable(table));
}

void ReadCommandList(TOvcCommandTable& table, std::string_view text) {
    table = std::move(*RestoreTable(ParseCommandList(text)));
}

}  // namespace wendax
