// The stored forms of command tables, read from any bytes: the table list and the single
// table form (stored_tables_text.h), and the text file form of one table. Each either
// refuses with its clear error and changes nothing, or accepts; what it accepts is written
// and read back to the same tables (names, flags and entries in order), and writing that
// gives the same text again.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/exceptions.h"
#include "control/command_processor.h"
#include "control/stored_tables.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/memory_file_system.h"
#include "tests/fuzz/fuzz_check.h"

namespace wendax::fuzz {
namespace {

bool SameTable(const TOvcCommandTable& a, const TOvcCommandTable& b) {
    return a.Name() == b.Name() && a.Active() == b.Active() && a.Entries() == b.Entries();
}

bool SameTables(const TOvcCommandProcessor& a, const TOvcCommandProcessor& b) {
    if (a.Count() != b.Count()) return false;
    for (int i = 0; i < a.Count(); ++i)
        if (!SameTable(a.Table(i), b.Table(i))) return false;
    return true;
}

bool IsClearRefusal(const EInvalidTableData& e) {
    return std::string_view(e.what()).starts_with("Invalid command table data: line ");
}

void CheckTableList(std::string_view text) {
    TOvcCommandProcessor read;
    try {
        ReadTableList(read, text);
    } catch (const EInvalidTableData& e) {
        WENDAX_FUZZ_CHECK(IsClearRefusal(e), e.what());
        WENDAX_FUZZ_CHECK(SameTables(read, TOvcCommandProcessor()), "a refusal changes nothing");
        return;
    }
    const std::string written = WriteTableList(read);
    TOvcCommandProcessor reread;
    ReadTableList(reread, written);
    WENDAX_FUZZ_CHECK(SameTables(reread, read), "the table list round-trips:\n" + written);
    WENDAX_FUZZ_CHECK(WriteTableList(reread) == written, "the list is written the same again");
}

void CheckCommandList(std::string_view text) {
    TOvcCommandTable read;
    try {
        ReadCommandList(read, text);
    } catch (const EInvalidTableData& e) {
        WENDAX_FUZZ_CHECK(IsClearRefusal(e), e.what());
        WENDAX_FUZZ_CHECK(SameTable(read, TOvcCommandTable()), "a refusal changes nothing");
        return;
    }
    const std::string written = WriteCommandList(read);
    TOvcCommandTable reread;
    ReadCommandList(reread, written);
    WENDAX_FUZZ_CHECK(SameTable(reread, read), "the single table round-trips:\n" + written);
    WENDAX_FUZZ_CHECK(WriteCommandList(reread) == written, "the table is written the same again");
}

// The text file form refuses a malformed line, and a name it cannot write (one holding a
// line break), with EInOutError.
void CheckTableFile(std::string_view text, test::TMemoryFileSystem& files) {
    files.Files["in.tbl"] = std::string(text);
    TOvcCommandTable read;
    try {
        read.LoadTableFromFile("in.tbl");
    } catch (const EInOutError& e) {
        WENDAX_FUZZ_CHECK(std::string_view(e.what()).starts_with("Invalid numeric format in"),
                          e.what());
        WENDAX_FUZZ_CHECK(SameTable(read, TOvcCommandTable()), "a refusal changes nothing");
        return;
    }
    try {
        read.SaveTableToFile("out.tbl");
    } catch (const EInOutError& e) {
        WENDAX_FUZZ_CHECK(read.Name().find_first_of("\r\n") != std::string::npos, e.what());
        return;
    }
    TOvcCommandTable reread;
    reread.LoadTableFromFile("out.tbl");
    WENDAX_FUZZ_CHECK(reread.Name() == read.Name() && reread.Entries() == read.Entries(),
                      "the table file round-trips:\n" + files.Files["out.tbl"]);
}

}  // namespace
}  // namespace wendax::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wendax::THeadlessPlatform platform;
    wendax::test::TMemoryFileSystem files;
    platform.FileSystem = &files;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    wendax::fuzz::CheckTableList(text);
    wendax::fuzz::CheckCommandList(text);
    wendax::fuzz::CheckTableFile(text, files);
    return 0;
}
