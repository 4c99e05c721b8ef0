#include "control/fixed_font.h"

#include <algorithm>
#include <cctype>

#include "base/exceptions.h"
#include "platform/services.h"

namespace wendax {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The installed family of that name, or nullptr.
const std::string* FindFixedName(const std::string& name) {
    const std::vector<std::string>& names = FixedFontNames();
    const auto it = std::find_if(names.begin(), names.end(),
                                 [&name](const std::string& n) { return SameName(n, name); });
    return it == names.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<std::string>& FixedFontNames() {
    static std::vector<std::string> names;
    static bool read = false;
    if (!read && PlatformInstalled()) {
        names = Platform().FixedPitchFamilies();
        read = true;
    }
    return names;
}

TOvcFixedFont::TOvcFixedFont() {
    if (!FixedFontNames().empty()) FRequest.Name = FixedFontNames().front();
}

void TOvcFixedFont::SetName(const std::string& name) {
    const std::string* fixed = FindFixedName(name);
    if (fixed == nullptr || *fixed == FRequest.Name) return;
    FRequest.Name = *fixed;
    Changed();
}

void TOvcFixedFont::SetSize(int size) {
    if (size <= 0 || size == FRequest.Size) return;
    FRequest.Size = size;
    Changed();
}

std::uint8_t TOvcFixedFont::Style() const {
    return static_cast<std::uint8_t>((FRequest.Bold ? fsBold : 0) |
                                     (FRequest.Italic ? fsItalic : 0));
}

void TOvcFixedFont::SetStyle(std::uint8_t style) {
    if (style == Style()) return;
    FRequest.Bold = (style & fsBold) != 0;
    FRequest.Italic = (style & fsItalic) != 0;
    Changed();
}

void TOvcFixedFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed();
}

void TOvcFixedFont::Assign(const TOvcPersistent& source) {
    const auto* font = dynamic_cast<const TOvcFixedFont*>(&source);
    if (font == nullptr) throw EInvalidFontParam();
    if (font == this || (font->FRequest == FRequest && font->FColor == FColor)) return;
    FRequest = font->FRequest;
    FColor = font->FColor;
    Changed();
}

void TOvcFixedFont::Assign(const TFontRequest& font, TColor color) {
    const std::string* fixed = FindFixedName(font.Name);
    if (fixed == nullptr) throw EInvalidFixedFont();
    TFontRequest request = font;
    request.Name = *fixed;
    if (request == FRequest && color == FColor) return;
    FRequest = request;
    FColor = color;
    Changed();
}

void TOvcFixedFont::Changed() {
    if (OnChange) OnChange();
}

}  // namespace wendax
