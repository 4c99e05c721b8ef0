#include "engine/block_arena.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/exceptions.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define WENDAX_ARENA_POISON 1
#endif

namespace wendax {

namespace {

// Chunk sizes grow so that a small text costs little and a large one needs few chunks:
// 4 KB, 16 KB, 64 KB, 256 KB, 1 MB from malloc, then 2, 4, 8, 16 and 32 MB from mmap, and
// 32 MB from then on.
std::size_t ChunkBytes(std::size_t index) {
    constexpr std::size_t kLargest = std::size_t{32} << 20;
    if (index < 5) return std::size_t{4096} << (2 * index);
    const std::size_t shift = index - 5;
    return shift >= 4 ? kLargest : (std::size_t{2} << 20) << shift;
}

}  // namespace

TBlockArena::~TBlockArena() {
    for (const TChunk& chunk : FChunks)
        ReturnChunk(chunk);
}

TArenaRef TBlockArena::Allocate(std::size_t bytes) {
    const std::uint32_t units = Units(bytes);
    if (units < FFreeHeads.size() && FFreeHeads[units] != 0) {
        const TArenaRef ref = FFreeHeads[units];
        char* at = Address(ref);
        Unpoison(at, std::size_t{units} << 3);
        std::memcpy(&FFreeHeads[units], at, sizeof(TArenaRef));
        FUsedBytes += std::size_t{units} << 3;
        return ref;
    }
    while (FChunks.empty() || FNextUnit + units > FChunkUnits)
        AddChunk();
    const auto chunkIndex = static_cast<std::uint32_t>(FChunks.size() - 1);
    const TArenaRef ref = (chunkIndex << kOffsetBits) | FNextUnit;
    FNextUnit += units;
    Unpoison(Address(ref), std::size_t{units} << 3);
    FUsedBytes += std::size_t{units} << 3;
    return ref;
}

void TBlockArena::Release(TArenaRef ref, std::size_t bytes) {
    if (ref == 0) return;
    const std::uint32_t units = Units(bytes);
    if (units >= FFreeHeads.size()) FFreeHeads.resize(units + 1, 0);
    char* at = Address(ref);
    std::memcpy(at, &FFreeHeads[units], sizeof(TArenaRef));
    FFreeHeads[units] = ref;
    Poison(at, std::size_t{units} << 3);
    FUsedBytes -= std::size_t{units} << 3;
}

// The unused tail of the newest chunk is abandoned: at most one block's size, or a whole
// small chunk when a large block comes early.
void TBlockArena::AddChunk() {
    if (FChunks.size() == kMaxChunks) throw EOutOfMemory();
    const std::size_t bytes = ChunkBytes(FChunks.size());
    FChunks.push_back(ObtainChunk(bytes));
    FReservedBytes += bytes;
    FChunkUnits = static_cast<std::uint32_t>(bytes >> 3);
    // Unit 0 of chunk 0 would be reference 0, which means "no block".
    FNextUnit = FChunks.size() == 1 ? 1 : 0;
}

TBlockArena::TChunk TBlockArena::ObtainChunk(std::size_t bytes) {
    if (bytes < kHugePage) {
        void* base = std::malloc(bytes);
        if (base == nullptr) throw EOutOfMemory();
        Poison(base, bytes);
        return {static_cast<char*>(base), bytes, false};
    }
    // Map one huge page more than needed and trim both ends to a huge-page boundary.
    const std::size_t span = bytes + kHugePage;
    void* raw = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw EOutOfMemory();
    const auto rawAddress = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (rawAddress + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > rawAddress) munmap(raw, aligned - rawAddress);
    const std::uintptr_t end = aligned + bytes;
    if (rawAddress + span > end) munmap(reinterpret_cast<void*>(end), rawAddress + span - end);
    char* base = reinterpret_cast<char*>(aligned);
    madvise(base, bytes, MADV_HUGEPAGE);  // a hint: failure only costs speed
    Poison(base, bytes);
    return {base, bytes, true};
}

void TBlockArena::ReturnChunk(const TChunk& chunk) {
    Unpoison(chunk.Base, chunk.Bytes);
    if (chunk.Mapped) {
        munmap(chunk.Base, chunk.Bytes);
    } else {
        std::free(chunk.Base);
    }
}

// Under AddressSanitizer, memory that is not handed out is poisoned so that a use after
// release or outside a block is reported.
void TBlockArena::Poison([[maybe_unused]] void* at, [[maybe_unused]] std::size_t bytes) {
#ifdef WENDAX_ARENA_POISON
    ASAN_POISON_MEMORY_REGION(at, bytes);
#endif
}

void TBlockArena::Unpoison([[maybe_unused]] void* at, [[maybe_unused]] std::size_t bytes) {
#ifdef WENDAX_ARENA_POISON
    ASAN_UNPOISON_MEMORY_REGION(at, bytes);
#endif
}

}  // namespace wendax
