// The platform services of the editor library on a Qt desktop. The host makes one after
// the QApplication and installs it with InstallPlatform.
#pragma once

#include "platform/services.h"

namespace wendax {

class TQtPlatform : public TPlatformServices {
  public:
    void Beep() override;

    // Nested: the busy cursor shows from the first push until the matching last pop; a pop
    // without a push is ignored.
    void PushBusyCursor() override;
    void PopBusyCursor() override;

    bool ClipboardHasText() override;
    std::optional<TClipboardText> ClipboardText() override;
    void SetClipboardText(const TClipboardText& text) override;
    bool SupportsPrimarySelection() override;
    std::optional<TClipboardText> PrimarySelectionText() override;
    void SetPrimarySelectionText(const TClipboardText& text) override;

    // Milliseconds of the system's monotonic clock, wrapping at 2^32.
    std::uint32_t TickCount() override;
    int HorzScrollBarHeight() override;

    // The desktop's caret blink time: half of Qt's cursor flash period, which every editor
    // window follows at once when it is set.
    std::uint32_t CaretBlinkTime() override;
    void SetCaretBlinkTime(std::uint32_t ms) override;

    std::vector<std::string> FixedPitchFamilies() override;

    // Modal, over the active window, captioned with the application's display name; the
    // 8-bit text is read as plain text (see ToPlainText).
    void ShowErrorBox(std::string_view text) override;

    TFileSystem& Files() override { return LocalFileSystem(); }

  private:
    int FBusyDepth = 0;
};

}  // namespace wendax
