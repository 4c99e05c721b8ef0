// A window client for the Qt platform tests: it records every event it receives as one
// line of text, and paints with whatever function the test gives it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"

namespace wendax {

class TRecordingClient : public TWindowClient {
  public:
    using TPainter = std::function<void(TDrawingSurface&, const TRect&)>;

    void Paint(TDrawingSurface& surface, const TRect& clip) override;
    void Resized() override { Record("Resized"); }
    void FocusGained() override { Record("FocusGained"); }
    void FocusLost() override { Record("FocusLost"); }
    bool KeyDown(const TKeyMessage& key) override;
    void SysKeyDown(const TKeyMessage& key) override;
    void CharTyped(char32_t ch) override;
    void TextCommitted(std::u32string_view text) override;
    void MouseDown(TMouseButton button, TPoint pos, std::uint8_t shift) override;
    void MouseMove(TPoint pos, std::uint8_t shift) override;
    void MouseUp(TMouseButton button, TPoint pos, std::uint8_t shift) override;
    void DoubleClick(TMouseButton button, TPoint pos, std::uint8_t shift) override;
    void CursorQuery(TPoint pos) override;
    bool MouseActivate() override;
    void ScrollBarAction(TScrollBarKind bar, TScrollCode code, int pos) override;
    void MessageArrived(const TPostedMessage& message) override;
    void TimerTick(int id) override;

    // The recorded lines starting with `prefix`, and forgetting everything recorded.
    std::vector<std::string> Lines(const std::string& prefix = "") const;
    void Clear() { FLines.clear(); }

    TPainter OnPaint;                                    // paints nothing when unset
    std::function<bool(const TKeyMessage&)> ConsumeKey;  // no key is consumed when unset
    std::function<void(const TPostedMessage&)> OnMessage;
    std::function<void(TScrollBarKind, TScrollCode, int)> OnScroll;
    std::function<void(TPoint)> OnCursorQuery;
    bool ActivateOnClick = true;

  private:
    void Record(std::string line) { FLines.push_back(std::move(line)); }
    std::vector<std::string> FLines;
};

}  // namespace wendax
