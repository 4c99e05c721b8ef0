#include "engine/text_file_reader.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "engine/byte_checksum.h"
#include "engine/para_appender.h"
#include "engine/text_file_errors.h"

namespace wendax {

namespace {

constexpr std::size_t kReadBufferSize = 64 * 1024;
constexpr std::size_t npos = std::string_view::npos;

// One reading of the file, chunk by chunk. A CR at the end of a chunk waits for the next
// byte to tell CR LF from a lone CR.
class TTextFileReader {
  public:
    TTextFileReader(TParaList& store, bool trim) : FAppender(store, trim) {}

    // Returns whether the last line had a line end (also true for an empty file).
    bool Read(TFileReader& file, const std::string& name);
    std::uint64_t Checksum() const { return FChecksum.Value(); }
    bool ValidUtf8() const { return FAppender.AllValidUtf8(); }

  private:
    void Scan(std::string_view data);
    void EndLine(std::string_view lastPart, TLineEnd end);

    TLineAppender FAppender;
    TByteChecksum FChecksum;
    std::vector<char> FBuffer = std::vector<char>(kReadBufferSize);
    bool FPendingCr = false;  // the last chunk ended with a CR
};

bool TTextFileReader::Read(TFileReader& file, const std::string& name) {
    std::int64_t offset = 0;
    for (;;) {
        const std::size_t got = file.Read(FBuffer.data(), FBuffer.size());
        if (got == 0) break;
        const std::string_view data(FBuffer.data(), got);
        if (const std::size_t nul = data.find('\0'); nul != npos)
            throw EFileHasNul(name, offset + static_cast<std::int64_t>(nul));
        FChecksum.Add(data);
        Scan(data);
        offset += static_cast<std::int64_t>(got);
    }
    if (FPendingCr) {
        FPendingCr = false;
        EndLine({}, leCr);
    }
    if (!FAppender.LineOpen()) return true;
    EndLine({}, leNone);
    return false;
}

// The next LF and the next CR are each searched once and kept until passed, so that a file
// with only one kind of line end is scanned once.
void TTextFileReader::Scan(std::string_view data) {
    std::size_t at = 0;
    if (FPendingCr) {
        FPendingCr = false;
        const bool lf = data.front() == '\n';
        EndLine({}, lf ? leCrLf : leCr);
        at = lf ? 1 : 0;
    }
    std::size_t lf = data.find('\n', at);
    std::size_t cr = data.find('\r', at);
    while (lf != npos || cr != npos) {
        if (lf < cr) {
            EndLine(data.substr(at, lf - at), leLf);
            at = lf + 1;
            lf = data.find('\n', at);
            continue;
        }
        const std::string_view line = data.substr(at, cr - at);
        if (cr + 1 == data.size()) {
            FAppender.AddPart(line);
            FPendingCr = true;
            return;
        }
        if (lf == cr + 1) {
            EndLine(line, leCrLf);
            at = cr + 2;
            lf = data.find('\n', at);
        } else {
            EndLine(line, leCr);
            at = cr + 1;
        }
        cr = data.find('\r', at);
    }
    FAppender.AddPart(data.substr(at));
}

void TTextFileReader::EndLine(std::string_view lastPart, TLineEnd end) {
    if (const TEditorErrorCode code = FAppender.AddLine(lastPart, end)) throw LoadLimitError(code);
}

}  // namespace

namespace {

// Only regular files are read: a FIFO could wait for ever, a device never end.
void RefuseKind(const std::string& name, TFileKind kind) {
    switch (kind) {
        case fkMissing:
        case fkRegular:
            return;
        case fkDirectory:
            throw ENotRegularFile(name, "a directory");
        case fkFifo:
            throw ENotRegularFile(name, "a FIFO (named pipe)");
        case fkSocket:
            throw ENotRegularFile(name, "a socket");
        case fkDevice:
            throw ENotRegularFile(name, "a device");
    }
}

}  // namespace

// The kind is tested before opening (opening some devices acts on them) and again on the
// open file, which may have been replaced in between.
TLoadedText ReadTextFile(TFileSystem& files, const std::string& name, const TStoreMaker& makeStore,
                         bool trim) {
    RefuseKind(name, files.Identify(name).Kind);
    const std::unique_ptr<TFileReader> file = files.OpenRead(name);
    TLoadedText loaded;
    loaded.Identity = file->Identity();
    RefuseKind(name, loaded.Identity.Kind);
    loaded.Store = makeStore();
    if (loaded.Identity.Size > loaded.Store->ByteLimit())
        throw EFileTooLarge(name, loaded.Identity.Size, loaded.Store->ByteLimit());
    TTextFileReader reader(*loaded.Store, trim);
    loaded.Store->EndLoading(reader.Read(*file, name));
    loaded.Checksum = reader.Checksum();
    loaded.ValidUtf8 = reader.ValidUtf8();
    return loaded;
}

}  // namespace wendax
