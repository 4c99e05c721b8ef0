// ProcessCommand: one table from command codes to the editor's operations.
#include <array>

#include "control/custom_editor.h"

namespace wendax {

struct TOvcCustomEditor::TCommandEntry {
    TCommandCode Code;
    void (*Run)(TOvcCustomEditor& editor, std::uint32_t charCode);
    // OnChange follows the command, whether or not it changed the text.
    bool ReportsChange;
};

// The ten set-marker and go-to-marker codes share one entry each.
const TOvcCustomEditor::TCommandEntry* TOvcCustomEditor::FindCommand(TCommandCode cmd) {
    using E = TOvcCustomEditor;
    using C = std::uint32_t;
    static constexpr TCommandEntry kCommands[] = {
        {ccLeft, [](E& e, C) { e.MoveLeft(false); }, false},
        {ccExtendLeft, [](E& e, C) { e.MoveLeft(true); }, false},
        {ccRight, [](E& e, C) { e.MoveRight(false); }, false},
        {ccExtendRight, [](E& e, C) { e.MoveRight(true); }, false},
        {ccUp, [](E& e, C) { e.MoveLines(-1, false, false); }, false},
        {ccExtendUp, [](E& e, C) { e.MoveLines(-1, true, false); }, false},
        {ccDown, [](E& e, C) { e.MoveLines(1, false, false); }, false},
        {ccExtendDown, [](E& e, C) { e.MoveLines(1, true, false); }, false},
        {ccPrevPage, [](E& e, C) { e.MovePage(-1, false); }, false},
        {ccExtendPgUp, [](E& e, C) { e.MovePage(-1, true); }, false},
        {ccNextPage, [](E& e, C) { e.MovePage(1, false); }, false},
        {ccExtendPgDn, [](E& e, C) { e.MovePage(1, true); }, false},
        {ccHome, [](E& e, C) { e.MoveHome(false); }, false},
        {ccExtendHome, [](E& e, C) { e.MoveHome(true); }, false},
        {ccEnd, [](E& e, C) { e.MoveEnd(false); }, false},
        {ccExtendEnd, [](E& e, C) { e.MoveEnd(true); }, false},
        {ccWordLeft, [](E& e, C) { e.MoveWordLeft(false); }, false},
        {ccExtWordLeft, [](E& e, C) { e.MoveWordLeft(true); }, false},
        {ccWordRight, [](E& e, C) { e.MoveWordRight(false); }, false},
        {ccExtWordRight, [](E& e, C) { e.MoveWordRight(true); }, false},
        {ccFirstPage, [](E& e, C) { e.MoveFirstPage(false); }, false},
        {ccExtFirstPage, [](E& e, C) { e.MoveFirstPage(true); }, false},
        {ccLastPage, [](E& e, C) { e.MoveLastPage(false); }, false},
        {ccExtLastPage, [](E& e, C) { e.MoveLastPage(true); }, false},
        {ccTopOfPage, [](E& e, C) { e.MoveTopOfPage(false); }, false},
        {ccExtTopOfPage, [](E& e, C) { e.MoveTopOfPage(true); }, false},
        {ccBotOfPage, [](E& e, C) { e.MoveBotOfPage(false); }, false},
        {ccExtBotOfPage, [](E& e, C) { e.MoveBotOfPage(true); }, false},
        {ccScrollUp, [](E& e, C) { e.ScrollLines(-1); }, false},
        {ccScrollDown, [](E& e, C) { e.ScrollLines(1); }, false},
        {ccIns, [](E& e, C) { e.SetInsertMode(!e.InsertMode()); }, false},
        {ccInsertChar, [](E& e, C c) { e.TypeChar(static_cast<char32_t>(c)); }, true},
        {ccTab, [](E& e, C) { e.Tab(); }, true},
        {ccNewLine, [](E& e, C) { e.NewLine(); }, false},
        {ccBack, [](E& e, C) { e.Back(); }, true},
        {ccDel, [](E& e, C) { e.Del(); }, true},
        {ccDelBol, [](E& e, C) { e.DelBol(); }, true},
        {ccDelEol, [](E& e, C) { e.DelEol(); }, true},
        {ccDelLine, [](E& e, C) { e.DelLine(); }, true},
        {ccDelWord, [](E& e, C) { e.DelWord(); }, true},
        {ccCopy, [](E& e, C) { e.CopyToClipboard(); }, false},
        {ccCut, [](E& e, C) { e.CutToClipboard(); }, true},
        {ccPaste, [](E& e, C) { e.PasteFromClipboard(); }, true},
        {ccUndo, [](E& e, C) { e.Undo(); }, true},
        {ccRedo, [](E& e, C) { e.Redo(); }, true},
        {ccSetMarker0, [](E& e, C c) { e.MoveToMarker(c, true); }, false},
        {ccGotoMarker0, [](E& e, C c) { e.MoveToMarker(c, false); }, false},
        {ccCtrlChar, [](E&, C) {}, false},
    };
    static const std::array<const TCommandEntry*, ccUserFirst> kByCode = [] {
        std::array<const TCommandEntry*, ccUserFirst> byCode{};
        for (const TCommandEntry& entry : kCommands) {
            const bool marker = entry.Code == ccSetMarker0 || entry.Code == ccGotoMarker0;
            for (int n = 0; n < (marker ? 10 : 1); ++n)
                byCode[entry.Code + static_cast<std::size_t>(n)] = &entry;
        }
        return byCode;
    }();
    return cmd < ccUserFirst ? kByCode[cmd] : nullptr;
}

bool TOvcCustomEditor::ProcessCommand(TCommandCode cmd, std::uint32_t charCode) {
    if (cmd >= ccUserFirst) {
        DoOnUserCommand(cmd);
        return true;
    }
    const TCommandEntry* entry = FindCommand(cmd);
    if (entry == nullptr) return false;
    entry->Run(*this, charCode);
    if (entry->ReportsChange) DoOnChange();
    return true;
}

}  // namespace wendax
