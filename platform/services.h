// Process-wide platform services the editor library uses: sound, cursors, clipboard,
// clock, system metrics, fonts and files. The host installs one implementation at start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace wendax {

// Text on the clipboard. Plain is UTF-8 with CR LF between lines: what other programs read
// and give (up to its first NUL). A text the program itself put there also carries its
// exact bytes and whether they are UTF-8 (else 8-bit), so that copying and pasting within
// the program is lossless for every byte.
struct TClipboardText {
    std::string Plain;
    std::optional<std::string> Exact;
    bool ExactIsUtf8 = true;
};

class TPlatformServices {
  public:
    virtual ~TPlatformServices() = default;

    virtual void Beep() = 0;

    // The busy (hourglass) cursor shows while the count of pushes exceeds the pops.
    virtual void PushBusyCursor() = 0;
    virtual void PopBusyCursor() = 0;

    virtual bool ClipboardHasText() = 0;
    virtual std::optional<TClipboardText> ClipboardText() = 0;
    virtual void SetClipboardText(const TClipboardText& text) = 0;

    // The primary selection of window systems that have one (X11): the text last selected
    // in any program, pasted with the middle button. Where there is none, setting it does
    // nothing and it holds no text.
    virtual bool SupportsPrimarySelection() = 0;
    virtual std::optional<TClipboardText> PrimarySelectionText() = 0;
    virtual void SetPrimarySelectionText(const TClipboardText& text) = 0;

    virtual std::uint32_t TickCount() = 0;  // milliseconds, wrapping
    virtual int HorzScrollBarHeight() = 0;  // pixels

    virtual std::uint32_t CaretBlinkTime() = 0;  // milliseconds
    virtual void SetCaretBlinkTime(std::uint32_t ms) = 0;

    // Installed fixed-pitch font families, in the system's order.
    virtual std::vector<std::string> FixedPitchFamilies() = 0;

    // A modal error box with an OK button.
    virtual void ShowErrorBox(std::string_view text) = 0;

    virtual TFileSystem& Files() = 0;
};

// The installed services; installing replaces the previous ones (not owned).
TPlatformServices& Platform();
void InstallPlatform(TPlatformServices* services);
bool PlatformInstalled();

// Shows the busy cursor for the lifetime of the object.
class TBusyCursor {
  public:
    TBusyCursor() { Platform().PushBusyCursor(); }
    ~TBusyCursor() { Platform().PopBusyCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

}  // namespace wendax
