#include "app/printing/print_layout.h"

#include <algorithm>
#include <vector>

#include "engine/char_set.h"

namespace wendax {
namespace {

constexpr int kTabChars = 8;
constexpr int kLineGap = 2;

bool IsControl(char c) {
    return c == '\r' || c == '\f' || c == '\t';
}

}  // namespace

void TPrintLayout::Write(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsControl(text[i])) continue;
        WriteRun(text.substr(start, i - start));
        start = i + 1;
        if (i == text.size()) break;
        if (text[i] == '\f') BreakPage();
        if (text[i] == '\t') Tab();
    }
}

void TPrintLayout::WriteRun(std::string_view run) {
    while (!run.empty()) {
        std::size_t length = FittingLength(run);
        if (length == run.size()) {
            Draw(run);
            return;
        }
        if (length == 0 && FX == 0) length = static_cast<std::size_t>(CharEnd(chUtf8, run, 0));
        Draw(run.substr(0, length));
        run.remove_prefix(length);
        EndLine();
    }
}

// Widths grow with the length of a leading part, so the longest part that fits is found
// by bisection over the character boundaries of the (UTF-8) run rather than by dropping
// one character at a time; a part never ends inside a character.
std::size_t TPrintLayout::FittingLength(std::string_view run) const {
    const int room = FSurface.PageWidth() - FX;
    if (FSurface.TextWidth(run) <= room) return run.size();
    std::vector<std::size_t> ends;  // ends[i]: bytes of the first i + 1 characters
    for (std::int32_t at = 0; at < static_cast<std::int32_t>(run.size());) {
        at = CharEnd(chUtf8, run, at);
        ends.push_back(static_cast<std::size_t>(at));
    }
    std::size_t fits = 0;  // characters known to fit
    std::size_t tooLong = ends.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (FSurface.TextWidth(run.substr(0, ends[middle - 1])) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    return fits == 0 ? 0 : ends[fits - 1];
}

void TPrintLayout::Draw(std::string_view run) {
    if (run.empty()) return;
    StartPendingPage();
    FSurface.DrawText(FX, FY, run);
    FX += FSurface.TextWidth(run);
    FTallest = std::max(FTallest, FSurface.TextHeight(run));
}

void TPrintLayout::Tab() {
    const int stop = kTabChars * std::max(1, FSurface.AverageCharWidth());
    FX = (FX / stop + 1) * stop;
}

void TPrintLayout::EndLine() {
    const int height = FTallest > 0 ? FTallest + kLineGap : FSurface.CharHeight();
    FX = 0;
    FY += height;
    FTallest = 0;
    if (FY > FSurface.PageHeight() - 2 * height) BreakPage();
}

// A break that is already pending is a page with nothing on it: it is started now.
void TPrintLayout::BreakPage() {
    StartPendingPage();
    FPageBreakPending = true;
    FX = 0;
    FY = 0;
    FTallest = 0;
}

void TPrintLayout::StartPendingPage() {
    if (!FPageBreakPending) return;
    FPageBreakPending = false;
    FSurface.NewPage();
}

}  // namespace wendax
