// What the benchmarks print: one JSON object a line and measurement, such as
// {"bench":"store","measure":"build","file":"/tmp/c/100mb.txt","seconds":0.154,...}
#pragma once

#include <time.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace wendax {

using TClock = std::chrono::steady_clock;

inline double SecondsSince(TClock::time_point start) {
    return std::chrono::duration<double>(TClock::now() - start).count();
}

// Processor time this thread has used, which a machine shared with other work disturbs far
// less than the wall clock.
inline double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// `,"name":value`, to follow a Head.
inline std::string Field(const char* name, double value) {
    char text[96];
    std::snprintf(text, sizeof(text), ",\"%s\":%.6g", name, value);
    return text;
}

// The open object of a measurement line: the benchmark, the measure and the file measured.
inline std::string Head(const char* bench, const char* measure, const std::string& file) {
    return std::string("{\"bench\":\"") + bench + "\",\"measure\":\"" + measure + "\",\"file\":\"" +
           file + "\"";
}

// Closes the object begun by Head and prints it as one line at once.
inline void Emit(const std::string& json) {
    std::printf("%s}\n", json.c_str());
    std::fflush(stdout);
}

// The sizes of a --sizes argument, "10,100" giving 10 and 100.
inline std::vector<long> ParseSizesMb(std::string list) {
    std::vector<long> sizes;
    for (std::size_t comma; (comma = list.find(',')) != std::string::npos;
         list.erase(0, comma + 1)) {
        sizes.push_back(std::stol(list.substr(0, comma)));
    }
    sizes.push_back(std::stol(list));
    return sizes;
}

}  // namespace wendax
