// The text syntax of stored command tables, version 1. Lines end with a line feed (a
// carriage return before it is ignored); blank lines and lines starting with '#' are
// comments. A table list starts with the line
//     wendax-command-tables 1
// followed by any number of table blocks; a single table starts with
//     wendax-command-table 1
// followed by exactly one block. A block is
//     table "Name" active           (or inactive; "active whole" or "inactive whole" when
//     1114 0                        the pairs of a built-in name are its whole content)
//     end                           one pair per line: key sequence and command, decimal
// In the quoted name a backslash escapes '"' and '\', and \xHH stands for any byte; the
// writer uses \xHH for control characters and bytes above 126. A sequence is 0..4294967295,
// a command 0..65535. Anything else raises EInvalidTableData naming the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "control/stored_tables.h"

namespace wendax {

std::string FormatTableList(const std::vector<TStoredTable>& tables);
std::vector<TStoredTable> ParseTableList(std::string_view text);
std::string FormatCommandList(const TStoredTable& table);
TStoredTable ParseCommandList(std::string_view text);

}  // namespace wendax
