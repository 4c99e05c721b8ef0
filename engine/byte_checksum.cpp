#include "engine/byte_checksum.h"

#include <cstring>
#include <vector>

namespace wendax {

void TByteChecksum::Add(std::string_view bytes) {
    FLength += bytes.size();
    while (FPendingBytes != 0 && !bytes.empty()) {
        FPending |= std::uint64_t{static_cast<unsigned char>(bytes.front())} << (8 * FPendingBytes);
        bytes.remove_prefix(1);
        if (++FPendingBytes == 8) {
            Mix(FPending);
            FPending = 0;
            FPendingBytes = 0;
        }
    }
    for (; bytes.size() >= 8; bytes.remove_prefix(8)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data(), 8);  // little-endian machines: first byte lowest
        Mix(word);
    }
    for (const char c : bytes) {
        FPending |= std::uint64_t{static_cast<unsigned char>(c)} << (8 * FPendingBytes);
        ++FPendingBytes;
    }
}

std::uint64_t TByteChecksum::Value() const {
    TByteChecksum last = *this;
    last.Mix(last.FPending);
    last.Mix(FLength);
    return last.FHash;
}

std::uint64_t FileChecksum(TFileSystem& files, const std::string& name) {
    const std::unique_ptr<TFileReader> file = files.OpenRead(name);
    TByteChecksum checksum;
    if (file->Identity().Kind != fkRegular) return checksum.Value();
    std::vector<char> buffer(64 * 1024);
    while (const std::size_t got = file->Read(buffer.data(), buffer.size()))
        checksum.Add({buffer.data(), got});
    return checksum.Value();
}

}  // namespace wendax
