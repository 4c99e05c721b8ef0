// Benchmark of loading, saving, searching and replacing in one text file, side by side with
// vim and grep in the same run.
#pragma once

#include <string>

namespace wendax {

// Prints one JSON object per measurement; `withTools` runs vim and grep alongside.
void MeasureFileOperations(const std::string& path, bool withTools);

// The process that the whole-process load measurement times: loads `path` and ends.
// Returns the exit code.
int LoadInThisProcess(const std::string& path);

}  // namespace wendax
