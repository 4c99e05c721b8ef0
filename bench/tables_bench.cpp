// Benchmark of making command table names unique: a stored table list of N tables that all
// carry one name, read with ReadTableList (each table added with AddTable, which numbers it
// Keys1, Keys2, ...). Prints one JSON object per count.
//
//   tables_bench [--sizes N,N]     (table counts; 950 and 5000 by default)
#include <cstdio>
#include <string>
#include <vector>

#include "bench/json_lines.h"
#include "control/command_processor.h"
#include "control/stored_tables.h"

namespace wendax {
namespace {

void ReadTablesOfOneName(long count) {
    std::string text = "wendax-command-tables 1\n";
    for (long i = 0; i < count; ++i)
        text += "table \"Keys\" active\n112 300\nend\n";
    TOvcCommandProcessor processor;
    const auto start = TClock::now();
    ReadTableList(processor, text);
    const double seconds = SecondsSince(start);
    Emit(Head("tables", "read_tables_of_one_name", "") + Field("tables", double(count)) +
         Field("seconds", seconds) + Field("us_per_table", seconds * 1e6 / double(count)) +
         ",\"last_name\":\"" + processor.Table(processor.Count() - 1).Name() + "\"");
}

}  // namespace
}  // namespace wendax

int main(int argc, char** argv) {
    std::vector<long> counts{950, 5000};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sizes" && i + 1 < argc) {
            counts = wendax::ParseSizesMb(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: tables_bench [--sizes N,N]\n");
            return 2;
        }
    }
    for (const long count : counts)
        wendax::ReadTablesOfOneName(count);
    return 0;
}
