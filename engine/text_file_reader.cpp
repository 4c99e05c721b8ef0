#include "engine/text_file_reader.h"

#include <string_view>
#include <vector>

#include "engine/para_appender.h"
#include "engine/text_file_errors.h"

namespace wendax {

namespace {

constexpr std::size_t kReadBufferSize = 64 * 1024;
constexpr char kEndOfFile = '\x1a';

// One reading of the file. Until the first CR it is not known which rules apply, so LF ends
// the lines read so far; a CR decides for the CR rules, and when an LF came before it the
// file is read again from the start by those rules.
class TTextFileReader {
  public:
    TTextFileReader(TFileSystem& files, const std::string& name, const TStoreMaker& makeStore,
                    bool trim)
        : FFiles(files), FName(name), FMakeStore(makeStore), FTrim(trim) {}

    TLoadedText Read();

  private:
    bool ReadPass(bool crLines);
    bool Decide(std::string_view data);
    void CrLines(std::string_view data);
    void LfLines(std::string_view data);
    void FinishLine(std::string_view lastPart);

    TFileSystem& FFiles;
    const std::string& FName;
    const TStoreMaker& FMakeStore;
    bool FTrim;
    std::vector<char> FBuffer = std::vector<char>(kReadBufferSize);
    std::unique_ptr<TParaList> FStore;
    TLineAppender* FAppender = nullptr;  // of the pass under way
    bool FCrLines = false;
    bool FSawLf = false;
    bool FAfterCr = false;  // the last chunk ended with a CR
};

TLoadedText TTextFileReader::Read() {
    if (!ReadPass(false)) ReadPass(true);
    return {std::move(FStore), !FCrLines && FSawLf ? leLf : leCrLf};
}

// Returns false when the file must be read again by the CR rules.
bool TTextFileReader::ReadPass(bool crLines) {
    const std::unique_ptr<TFileReader> file = FFiles.OpenRead(FName);
    FStore = FMakeStore();
    TLineAppender appender(*FStore, FTrim);
    FAppender = &appender;
    FCrLines = crLines;
    FSawLf = FAfterCr = false;
    for (;;) {
        const std::size_t got = file->Read(FBuffer.data(), FBuffer.size());
        if (got == 0) break;
        std::string_view data(FBuffer.data(), got);
        const std::size_t end = data.find(kEndOfFile);
        data = data.substr(0, end);
        if (data.find('\0') != std::string_view::npos) throw EFileHasNul(FName);
        if (!FCrLines && !Decide(data)) return false;
        FCrLines ? CrLines(data) : LfLines(data);
        if (end != std::string_view::npos) break;
    }
    if (FAppender->LineOpen()) FinishLine({});
    return true;
}

bool TTextFileReader::Decide(std::string_view data) {
    const std::size_t cr = data.find('\r');
    if (cr == std::string_view::npos) return true;
    if (FSawLf || data.substr(0, cr).find('\n') != std::string_view::npos) return false;
    FCrLines = true;
    return true;
}

void TTextFileReader::CrLines(std::string_view data) {
    if (FAfterCr && !data.empty() && data.front() == '\n') data.remove_prefix(1);
    FAfterCr = false;
    for (std::size_t cr; (cr = data.find('\r')) != std::string_view::npos;) {
        FinishLine(data.substr(0, cr));
        data.remove_prefix(cr + 1);
        if (data.empty()) {
            FAfterCr = true;
        } else if (data.front() == '\n') {
            data.remove_prefix(1);
        }
    }
    FAppender->AddPart(data);
}

void TTextFileReader::LfLines(std::string_view data) {
    for (std::size_t lf; (lf = data.find('\n')) != std::string_view::npos;) {
        FSawLf = true;
        FinishLine(data.substr(0, lf));
        data.remove_prefix(lf + 1);
    }
    FAppender->AddPart(data);
}

void TTextFileReader::FinishLine(std::string_view lastPart) {
    if (const TEditorErrorCode code = FAppender->AddLine(lastPart)) throw LoadLimitError(code);
}

}  // namespace

TLoadedText ReadTextFile(TFileSystem& files, const std::string& name, const TStoreMaker& makeStore,
                         bool trim) {
    return TTextFileReader(files, name, makeStore, trim).Read();
}

}  // namespace wendax
