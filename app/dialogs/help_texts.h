// The texts of the help screen's pages.
#pragma once

#include <utility>
#include <vector>

namespace wendax {

// The licence page: the distribution terms and the rights notice, as HTML paragraphs.
const char* LicenseText();
// The contact page, as HTML.
const char* ContactText();
// The bookmarks page, as HTML paragraphs.
const char* BookmarksText();

// One line of the speedbar page per speed button, in the speedbar's order.
const std::vector<const char*>& SpeedbarHelpLines();

// The keyboard page: key and action, in order; a row whose key is "..." stands between
// the first and the last of a run of numbered rows.
const std::vector<std::pair<const char*, const char*>>& KeyboardHelpRows();

}  // namespace wendax
