// A cheap checksum of a byte sequence, to tell whether a file on disk still holds the bytes
// the editor read or wrote. Not cryptographic: it guards against accidents, not attacks.
// The value depends only on the bytes, not on how they were split into calls of Add.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace wendax {

class TByteChecksum {
  public:
    void Add(std::string_view bytes);
    std::uint64_t Value() const;

  private:
    void Mix(std::uint64_t word) {
        FHash = (FHash ^ word) * 0x9E3779B97F4A7C15u;
        FHash ^= FHash >> 29;
    }

    std::uint64_t FHash = 0x243F6A8885A308D3u;
    std::uint64_t FPending = 0;  // the bytes of an unfinished 8-byte word, first byte lowest
    unsigned FPendingBytes = 0;
    std::uint64_t FLength = 0;
};

// The checksum of the whole file `name`. Raises EInOutError.
std::uint64_t FileChecksum(TFileSystem& files, const std::string& name);

}  // namespace wendax
