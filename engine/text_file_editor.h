// The editor with a text file behind it, and the class the application places on its
// editor windows. Loading and saving are defined with the text-file code.
#pragma once

#include <string>

#include "engine/custom_editor.h"

namespace wendax {

class TOvcCustomTextFileEditor : public TOvcCustomEditor {
  public:
    // Replaces the text by the contents of `fileName`; raises on failure.
    virtual void LoadFromFile(const std::string& fileName);
    // Writes the text to `fileName`; raises on failure.
    virtual void SaveToFile(const std::string& fileName);
};

class TOvcTextFileEditor : public TOvcCustomTextFileEditor {};

}  // namespace wendax
