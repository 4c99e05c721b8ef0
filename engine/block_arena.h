// A block arena: the memory of one paragraph store. Hands out 8-byte-aligned blocks addressed
// by 32-bit references and takes them back by size; releases everything at once when it goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wendax {

// Reference to a block of a TBlockArena; 0 is "no block".
using TArenaRef = std::uint32_t;

class TBlockArena {
  public:
    // Largest block the arena hands out.
    static constexpr std::size_t kMaxBlock = 64 * 1024;

    TBlockArena() = default;
    ~TBlockArena();
    TBlockArena(const TBlockArena&) = delete;
    TBlockArena& operator=(const TBlockArena&) = delete;

    // A block of at least `bytes` (1..kMaxBlock) bytes, rounded up to a multiple of 8; its
    // contents are unspecified. Raises EOutOfMemory when no memory can be obtained.
    TArenaRef Allocate(std::size_t bytes);

    // Gives back a block obtained from Allocate with the same `bytes`; it is reused by later
    // allocations of the same rounded size. Releasing reference 0 does nothing.
    void Release(TArenaRef ref, std::size_t bytes);

    // Address of a block; valid until the arena is destroyed.
    char* Address(TArenaRef ref) const {
        return FChunks[ref >> kOffsetBits].Base +
               (static_cast<std::size_t>(ref & kOffsetMask) << 3);
    }
    template <class T>
    T* At(TArenaRef ref) const {
        return reinterpret_cast<T*>(Address(ref));
    }

    // Bytes obtained from the system so far (chunks, touched or not).
    std::size_t ReservedBytes() const { return FReservedBytes; }
    // Bytes in blocks handed out and not released.
    std::size_t UsedBytes() const { return FUsedBytes; }

  private:
    // A reference is the chunk index in its top bits and the offset in 8-byte units below.
    static constexpr unsigned kOffsetBits = 22;
    static constexpr std::uint32_t kOffsetMask = (1u << kOffsetBits) - 1;
    static constexpr std::size_t kMaxChunks = std::size_t{1} << (32 - kOffsetBits);
    // Chunks of at least this size come from mmap, aligned to it and backed by huge pages.
    static constexpr std::size_t kHugePage = 2 * 1024 * 1024;

    struct TChunk {
        char* Base;
        std::size_t Bytes;
        bool Mapped;  // from mmap (else from malloc)
    };

    void AddChunk();
    static TChunk ObtainChunk(std::size_t bytes);
    static void ReturnChunk(const TChunk& chunk);
    static std::uint32_t Units(std::size_t bytes) {
        return static_cast<std::uint32_t>((bytes + 7) >> 3);
    }
    static void Poison(void* at, std::size_t bytes);
    static void Unpoison(void* at, std::size_t bytes);

    std::vector<TChunk> FChunks;
    std::uint32_t FNextUnit = 0;    // first unused unit of the newest chunk
    std::uint32_t FChunkUnits = 0;  // size of the newest chunk in units
    // FFreeHeads[u] heads the list of released blocks of u units, linked through their
    // first 4 bytes.
    std::vector<TArenaRef> FFreeHeads;
    std::size_t FReservedBytes = 0;
    std::size_t FUsedBytes = 0;
};

}  // namespace wendax
