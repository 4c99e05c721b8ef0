// Platform services without a display, for tests and benchmarks: every call is recorded
// or answered from fields a test sets.
#pragma once

#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace wendax {

class THeadlessPlatform : public TPlatformServices {
  public:
    // Installs itself on construction and uninstalls on destruction.
    THeadlessPlatform();
    ~THeadlessPlatform() override;

    void Beep() override { ++Beeps; }
    void PushBusyCursor() override;
    void PopBusyCursor() override { --BusyDepth; }

    bool ClipboardHasText() override { return Clipboard.has_value(); }
    // Clipboard holds the exact bytes (or, from another program, the plain text).
    std::optional<TClipboardText> ClipboardText() override {
        if (!Clipboard) return std::nullopt;
        return TClipboardText{ClipboardPlain.value_or(*Clipboard), Clipboard, ClipboardIsUtf8};
    }
    void SetClipboardText(const TClipboardText& text) override {
        if (ClipboardFails) throw std::bad_alloc();
        Clipboard = text.Exact.value_or(text.Plain);
        ClipboardIsUtf8 = !text.Exact || text.ExactIsUtf8;
        ClipboardPlain = text.Plain;
    }

    bool SupportsPrimarySelection() override { return HasPrimarySelection; }
    std::optional<TClipboardText> PrimarySelectionText() override {
        return HasPrimarySelection ? PrimarySelection : std::nullopt;
    }
    void SetPrimarySelectionText(const TClipboardText& text) override {
        if (HasPrimarySelection) PrimarySelection = text;
        ++PrimarySelectionSets;
    }

    std::uint32_t TickCount() override { return Now; }
    int HorzScrollBarHeight() override { return ScrollBarHeight; }
    std::uint32_t CaretBlinkTime() override { return BlinkTime; }
    void SetCaretBlinkTime(std::uint32_t ms) override { BlinkTime = ms; }
    std::vector<std::string> FixedPitchFamilies() override { return FixedFamilies; }
    void ShowErrorBox(std::string_view text) override { ErrorBoxes.emplace_back(text); }
    TFileSystem& Files() override { return *FileSystem; }

    int Beeps = 0;
    int BusyDepth = 0;
    int BusyShown = 0;  // how many times the busy cursor appeared
    std::optional<std::string> Clipboard;
    bool ClipboardIsUtf8 = true;
    std::optional<std::string> ClipboardPlain;  // when it differs from Clipboard
    bool ClipboardFails = false;                // SetClipboardText runs out of memory
    bool HasPrimarySelection = true;
    std::optional<TClipboardText> PrimarySelection;
    int PrimarySelectionSets = 0;  // calls of SetPrimarySelectionText
    std::uint32_t Now = 0;
    int ScrollBarHeight = 16;
    std::uint32_t BlinkTime = 530;
    std::vector<std::string> FixedFamilies{"Fixedsys", "Courier New", "Terminal"};
    std::vector<std::string> ErrorBoxes;
    TFileSystem* FileSystem;

  private:
    TPlatformServices* FPrevious;
};

}  // namespace wendax
