// The settings file reader, from any bytes. It refuses nothing: lines it does not
// understand are kept. What it accepts round-trips: the file it writes reads back to the
// same file, the settings read from it are written and read back unchanged (into a new file
// and into the file they came from), and any value written under a key reads back as it
// was without adding a line.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings/ini_file.h"
#include "app/settings/settings.h"
#include "tests/fuzz/fuzz_check.h"

namespace wendax::fuzz {
namespace {

std::ptrdiff_t Lines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

void CheckFile(std::string_view bytes) {
    TIniFile ini = TIniFile::Parse(bytes);
    const std::string text = ini.Text();
    WENDAX_FUZZ_CHECK(TIniFile::Parse(text).Text() == text, "the file reads back as written");

    const TSettings settings = LoadSettings(ini, "/default/");
    TIniFile fresh;
    SaveSettings(settings, fresh);
    WENDAX_FUZZ_CHECK(LoadSettings(TIniFile::Parse(fresh.Text()), "/other/") == settings,
                      "the settings round-trip through a new file:\n" + fresh.Text());
    SaveSettings(settings, ini);
    const std::string updated = ini.Text();
    WENDAX_FUZZ_CHECK(LoadSettings(TIniFile::Parse(updated), "/other/") == settings,
                      "the settings round-trip through their own file:\n" + updated);
    WENDAX_FUZZ_CHECK(TIniFile::Parse(updated).Text() == updated, "the saved file reads back");
}

// The bytes as a value, in a file of three keys.
void CheckValue(std::string_view bytes) {
    TIniFile ini;
    ini.Write("S", "before", "1");
    ini.Write("S", "k", bytes);
    ini.Write("S", "after", "2");
    const std::string text = ini.Text();
    WENDAX_FUZZ_CHECK(Lines(text) == 4, "a value takes one line:\n" + text);
    const TIniFile read = TIniFile::Parse(text);
    WENDAX_FUZZ_CHECK(read.Read("S", "k") == bytes, "the value reads back:\n" + text);
    WENDAX_FUZZ_CHECK(read.Read("S", "after") == "2", "the next key stays:\n" + text);
}

}  // namespace
}  // namespace wendax::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    wendax::fuzz::CheckFile(bytes);
    wendax::fuzz::CheckValue(bytes);
    return 0;
}
