// Sets a flag for the lifetime of a scope and restores its previous value on every way out.
#pragma once

namespace wendax {

class TScopedFlag {
  public:
    TScopedFlag(bool& flag, bool value) : FFlag(flag), FSaved(flag) { flag = value; }
    ~TScopedFlag() { FFlag = FSaved; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

  private:
    bool& FFlag;
    bool FSaved;
};

}  // namespace wendax
