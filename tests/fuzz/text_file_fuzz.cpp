// Loading any bytes without NUL into a store and saving it gives the same bytes again: every
// paragraph keeps its own line end, and over-long lines continue in further paragraphs.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/text_file_reader.h"
#include "engine/text_file_writer.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/memory_file_system.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wendax;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.find('\0') != std::string::npos) return 0;
    THeadlessPlatform platform;
    test::TMemoryFileSystem files;
    platform.FileSystem = &files;
    files.Files["in.txt"] = bytes;
    TLoadedText loaded = ReadTextFile(
        files, "in.txt", [] { return std::make_unique<TParaList>(nullptr, false); }, false);
    const std::string broken = loaded.Store->CheckInvariants();
    WENDAX_FUZZ_CHECK(broken.empty(), broken);
    auto out = files.Replace("out.txt");
    WriteTextFile(*loaded.Store, *out);
    out->Commit({});
    WENDAX_FUZZ_CHECK(files.Files["out.txt"] == bytes, "saving gives the loaded bytes");
    return 0;
}
