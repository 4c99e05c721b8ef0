#include "app/dialogs/filter_rows.h"

namespace wendax {

TFilterRows FilterRows(const std::string& filter) {
    TFilterRows rows;
    std::size_t start = 0;
    for (int piece = 0; piece < 2 * kFilterRows; ++piece) {
        const std::size_t bar = filter.find('|', start);
        if (bar == std::string::npos) break;
        TFilterRow& row = rows[piece / 2];
        (piece % 2 == 0 ? row.Name : row.Mask) = filter.substr(start, bar - start);
        start = bar + 1;
    }
    return rows;
}

std::string FilterFromRows(const TFilterRows& rows) {
    std::string filter;
    for (const TFilterRow& row : rows)
        if (!row.Name.empty() && !row.Mask.empty()) filter += row.Name + '|' + row.Mask + '|';
    return filter;
}

}  // namespace wendax
