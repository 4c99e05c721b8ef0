// The program's name and version as it shows them.
#pragma once

namespace wendax {

inline constexpr const char* kProgramTitle = "Wendax 32";
inline constexpr const char* kProgramVersion = WENDAX_VERSION;  // set by the build

}  // namespace wendax
