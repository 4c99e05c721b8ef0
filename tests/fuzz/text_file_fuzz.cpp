// Loading any bytes without NUL into a store and saving it with the line end it was read
// with gives the same bytes again. A file is refused only for a line longer than a
// paragraph may be.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/exceptions.h"
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
    TLoadedText loaded;
    try {
        loaded = ReadTextFile(
            files, "in.txt", [] { return std::make_unique<TParaList>(nullptr, false); }, false);
    } catch (const EEditorError& e) {
        WENDAX_FUZZ_CHECK(e.ErrorCode() == eeParagraphTooLong, e.what());
        return 0;
    }
    const std::string broken = loaded.Store->CheckInvariants();
    WENDAX_FUZZ_CHECK(broken.empty(), broken);
    auto out = files.Replace("out.txt");
    WriteTextFile(*loaded.Store, *out, loaded.LineEnd);
    out->Commit({});
    WENDAX_FUZZ_CHECK(files.Files["out.txt"] == bytes, "saving gives the loaded bytes");
    return 0;
}
