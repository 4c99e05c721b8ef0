#include "control/stored_tables.h"

#include <algorithm>

#include "control/builtin_tables.h"
#include "control/stored_tables_text.h"

namespace wendax {

namespace {

bool Contains(std::span<const CommandRec> entries, const CommandRec& entry) {
    return std::ranges::find(entries, entry) != entries.end();
}

void StoreDifferences(const TOvcCommandTable& table, std::span<const CommandRec> builtin,
                      std::vector<TStoredPair>& pairs) {
    for (const CommandRec& entry : builtin) {
        if (table.FindSequence(entry) < 0) pairs.push_back({entry.KeySequence(), ccNone});
    }
    for (const CommandRec& entry : table.Entries()) {
        if (!Contains(builtin, entry)) pairs.push_back({entry.KeySequence(), entry.Cmd});
    }
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
    if (IsBuiltinTableName(table.Name())) {
        StoreDifferences(table, BuiltinEntries(table.Name()), stored.Pairs);
    } else {
        for (const CommandRec& entry : table.Entries()) {
            stored.Pairs.push_back({entry.KeySequence(), entry.Cmd});
        }
    }
    return stored;
}

std::unique_ptr<TOvcCommandTable> RestoreTable(const TStoredTable& stored) {
    auto table = std::make_unique<TOvcCommandTable>();
    table->SetName(stored.Name);
    table->SetActive(stored.Active);
    const bool builtin = IsBuiltinTableName(stored.Name);
    for (const CommandRec& entry : BuiltinEntries(stored.Name))
        table->AddEntry(entry);
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
