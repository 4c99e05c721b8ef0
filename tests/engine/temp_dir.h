// A fresh directory for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace wendax::testkit {

class TTempDir {
  public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::string File(const std::string& name) const { return (FPath / name).string(); }
    static std::string Read(const std::string& file);
    static void Write(const std::string& file, const std::string& bytes);

  private:
    std::filesystem::path FPath;
};

}  // namespace wendax::testkit
