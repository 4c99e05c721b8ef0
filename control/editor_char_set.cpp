// Converting the text into the other character set through the editor.
#include "control/custom_editor.h"

namespace wendax {

TCharSetConversion TOvcCustomEditor::ConvertCharSet(TCharSet to) {
    if (ReadOnly()) return {};
    const TCharSetConversion result = FStore->ConvertCharSet(this, to, CaretParaPos());
    if (!result.Converted) return result;
    ShowEdit(true);
    SetCaretParaPos(CaretParaPos());
    return result;
}

}  // namespace wendax
