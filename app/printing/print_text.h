// What a print prints: every display line of the file, or the highlighted part of the
// active pane, in as many jobs as copies were asked for.
#pragma once

#include <functional>
#include <string>

#include "app/printing/print_layout.h"

namespace wendax {

class TEditorPane;

enum TPrintRange { prAllPages, prSelection, prOther };

// The printed text as numbered lines.
struct TPrintedLines {
    int Count = 0;
    std::function<std::string(int index)> Line;  // index 0 .. Count-1
};

// Every display line of `editor1` (prAllPages); the highlighted lines of `active`, the
// part before the highlight blanked on its first line and the part after it cut from its
// last (prSelection); nothing otherwise or when nothing is highlighted. Columns count
// characters of the printable line, tabs expanded.
TPrintedLines PrintedLines(const TEditorPane& editor1, const TEditorPane& active,
                           TPrintRange range);

// The highlighted part of one printable line (UTF-8, no tabs), counted in cells: the
// characters in the first `blankTo` - 1 cells become as many spaces when `first`, and only
// the characters in the first `keepTo` - 1 cells stay when `last`.
std::string SelectedPart(std::string text, bool first, int blankTo, bool last, int keepTo);

// Where the jobs of a print go.
class TPrintDevice {
  public:
    virtual ~TPrintDevice() = default;

    // Starts a job on a fresh page; false when it cannot start.
    virtual bool StartJob() = 0;
    virtual TPrintSurface& Surface() = 0;
    // Ends the job; its last page is ejected.
    virtual void EndJob() = 0;
};

// Prints `lines`, each followed by a line end, once per copy, every copy a job of its
// own. Stops at a job that cannot start and returns false.
bool PrintCopies(TPrintDevice& device, const TPrintedLines& lines, int copies);

}  // namespace wendax
