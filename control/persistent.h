// The base of the library's persistent auxiliary objects (fonts, colours): values that can
// be assigned from one another.
#pragma once

namespace wendax {

class TOvcPersistent {
  public:
    virtual ~TOvcPersistent() = default;

    // Copies `source` into this object; a source of a kind it cannot take raises the
    // object's own exception and changes nothing.
    virtual void Assign(const TOvcPersistent& source) = 0;
};

}  // namespace wendax
