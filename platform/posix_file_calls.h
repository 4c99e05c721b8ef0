// Small helpers over the POSIX file calls, shared by reading and saving on this machine.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wendax {

// Raises EInOutError with the text: what "name": the system's text for `error`.
[[noreturn]] void FailFileCall(const char* what, const std::string& name, int error);

// The folder part of a path ("." for a bare name) and the last component.
std::string DirectoryOf(const std::string& path);
std::string BaseNameOf(const std::string& path);

// Follows symbolic links to the file they finally name (which need not exist yet).
std::string ResolveLinks(const std::string& name);

// Writes all of `bytes` at the descriptor's position; returns 0 or the error number.
int WriteAllBytes(int fd, std::string_view bytes);

// Copies everything from the position of `from` to its end to the position of `to`;
// returns 0 or the error number.
int CopyAllBytes(int from, int to);

// Makes the entries of a folder durable (a created, renamed or removed name). Best effort:
// a folder that cannot be opened or synced is left as it is.
void SyncDirectory(const std::string& directory);

// An open file descriptor, closed when the owner goes.
class TFd {
  public:
    explicit TFd(int fd = -1) : FFd(fd) {}
    ~TFd() { Reset(); }
    TFd(TFd&& other) noexcept : FFd(other.Release()) {}
    TFd& operator=(TFd&& other) noexcept;
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;

    int Get() const { return FFd; }
    bool Valid() const { return FFd >= 0; }
    int Release();
    // Closes the descriptor; returns 0 or the error number of close.
    int Close();
    void Reset() { Close(); }

  private:
    int FFd;
};

// Gathers small writes into blocks before they reach a descriptor.
class TWriteBuffer {
  public:
    static constexpr std::size_t kSize = 8192;
    // Both return 0 or the error number of the write that failed.
    int Write(int fd, std::string_view bytes);
    int Flush(int fd);

  private:
    std::string FBytes;
};

}  // namespace wendax
