// Reads a fuzzer's bytes as a stream of choices. Past the end every choice is 0 and every
// text empty, so any input, however short, makes a whole run.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wendax::fuzz {

class TFuzzInput {
  public:
    TFuzzInput(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

    bool Empty() const { return FAt >= FSize; }
    std::uint8_t Byte() { return Empty() ? 0 : FData[FAt++]; }
    // A number in 0..n-1 (n >= 1) from one or two bytes.
    int Pick(int n) {
        const int raw = n <= 256 ? Byte() : Byte() * 256 + Byte();
        return raw % n;
    }
    bool Chance(int percent) { return Pick(100) < percent; }
    // Up to `most` bytes, their number given by the first byte.
    std::string_view Bytes(std::size_t most) {
        std::size_t length = Pick(static_cast<int>(most) + 1);
        length = std::min(length, FSize - std::min(FAt, FSize));
        const std::string_view bytes(reinterpret_cast<const char*>(FData) + FAt, length);
        FAt += length;
        return bytes;
    }

  private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FAt = 0;
};

}  // namespace wendax::fuzz
