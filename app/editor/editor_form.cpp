#include "app/editor/editor_form.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMdiSubWindow>
#include <algorithm>

#include "app/commands/file_names.h"
#include "app/dialogs/dialogs.h"
#include "app/editor/disk_watch.h"
#include "app/editor/editor_error_texts.h"
#include "app/editor/recovery_journal.h"
#include "app/editor/recovery_keeper.h"
#include "app/editor/window_caption.h"
#include "app/frame/main_window.h"
#include "app/settings/settings.h"
#include "control/caret.h"
#include "engine/char_set.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {
namespace {

constexpr int kDesignWidth = 600;
constexpr int kDesignHeight = 260;
constexpr std::uint16_t kUndoBufferSize = 16384;

// The insert caret: a line 2 pixels high at the bottom of the cell, 10 wide.
TOvcCaret* InsertCaret() {
    auto* caret = new TOvcCaret;
    caret->SetShape(csHorzLine);
    caret->SetAlign(caBottom);
    caret->SetCaretHeight(2);
    caret->SetCaretWidth(10);
    return caret;
}

// The screen font in the font colour. The main window has already put an installed
// fixed-pitch family in place of a face that is none.
TOvcFixedFont ScreenFontOf(const TSettings& settings) {
    TOvcFixedFont font;
    font.SetName(settings.SFontName);
    font.SetSize(settings.SFontSize);
    font.SetStyle(static_cast<std::uint8_t>((settings.SFontBold ? fsBold : 0) |
                                            (settings.SFontItalic ? fsItalic : 0)));
    font.SetColor(settings.FontColor);
    return font;
}

// The status-line text for a typed or pasted character that an 8-bit text has no byte for.
QString CharWithoutByteText(char32_t code) {
    const QString hex = QString::number(static_cast<uint>(code), 16).toUpper();
    return QStringLiteral("The 8-bit character set has no \"%1\" (U+%2); nothing was inserted")
        .arg(QString::fromUcs4(&code, 1), hex.rightJustified(4, QLatin1Char('0')));
}

TOvcCaret* OverwriteCaret() {
    auto* caret = new TOvcCaret;
    caret->SetShape(csBlock);
    return caret;
}

}  // namespace

TFM_Editor::TFM_Editor(TFM_Main& main)
    : FMain(main),
      FEditor1(std::make_unique<THostedEditor>(*this, main.MainController())),
      FActiveEditor(FEditor1.get()) {
    setObjectName(QStringLiteral("FM_Editor"));
    resize(kDesignWidth, kDesignHeight);
    TOvcTextFileEditor& editor1 = FEditor1->Editor();
    SetDesignValues(editor1);
    editor1.OnError = [this](TOvcCustomEditor&, std::uint16_t& code) { ShowError(code); };
    ConnectPane(*FEditor1);
    if (!main.Recovery().Folder.empty()) {
        FRecovery = std::make_unique<TRecoveryKeeper>(editor1, main.Recovery());
        FEditor1->OnSaved = [this] { FRecovery->TextTouched(); };
    }
    FDiskWatch = new TDiskWatch(editor1, *this, FMain.Dialogs(), [this] { ReloadChanged(); });
    FPopupMenu = BuildPopupMenu();
    FLastClientHeight = height();
    ApplySettingsTo(editor1, FMain.Settings());
    LayOut();
    setFocusProxy(&FEditor1->Widget());
}

// The journal, removed when the window goes, and the panes go before the widgets they live in.
TFM_Editor::~TFM_Editor() {
    FRecovery.reset();
    FSecondEditor.reset();
    FEditor1.reset();
}

void TFM_Editor::SetDesignValues(TOvcTextFileEditor& editor) {
    editor.SetBackupExt("BAK");
    editor.SetBorderStyle(bsNone);
    editor.SetCaretIns(InsertCaret());
    editor.SetCaretOvr(OverwriteCaret());
    editor.HighlightColors().SetBackColor(SystemColor(sciHighlight));
    editor.HighlightColors().SetTextColor(SystemColor(sciHighlightText));
    editor.SetRightMargin(5);
    editor.SetTrimWhiteSpace(false);
    editor.SetUndoBufferSize(kUndoBufferSize);
    editor.SetWantTab(true);
}

// Both panes: the focus makes a pane the active one, every status report refreshes the
// main window and lets the journal see whether the text changed, and the right button
// opens the pop-up menu.
void TFM_Editor::ConnectPane(THostedEditor& pane) {
    pane.Editor().OnShowStatus = [this](TOvcCustomEditor&, std::int32_t, std::int32_t) {
        if (FRecovery) FRecovery->TextTouched();
        FMain.UpdateStatusAndCommands();
    };
    pane.Editor().OnCharWithoutByte = [this](TOvcCustomEditor&, char32_t code) {
        FMain.ShowHintText(CharWithoutByteText(code));
    };
    TQtEditorWidget& widget = pane.Widget();
    widget.installEventFilter(this);
    // The scroll area takes its viewport's context-menu events (right button, Menu key)
    // itself, so the request comes from the area, at a point of the viewport.
    widget.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&widget, &QWidget::customContextMenuRequested, this,
            [this, &pane](QPoint at) { ShowPopupMenu(pane, at); });
}

bool TFM_Editor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == &FEditor1->Widget()) FActiveEditor = FEditor1.get();
        if (FSecondEditor && watched == &FSecondEditor->Widget())
            FActiveEditor = FSecondEditor.get();
    }
    return QWidget::eventFilter(watched, event);
}

// The empty text of a new file was made before the settings said which character set new
// texts take.
void TFM_Editor::Open(const std::string& fileName, bool isNew) {
    TOvcTextFileEditor& editor1 = FEditor1->Editor();
    editor1.SetFileName(fileName);
    editor1.SetIsOpen(!isNew);
    if (isNew) editor1.SetCharSet(editor1.NewTextCharSet());
    FDiskWatch->Follow();
}

void TFM_Editor::Recover(const std::string& fileName, const TJournal& journal) {
    TOvcTextFileEditor& editor1 = FEditor1->Editor();
    editor1.SetFileName(fileName);
    TJournalTextFiles files(journal);
    editor1.LoadChangedText(files, journal.Path);
    if (FRecovery) FRecovery->Sync();
}

QString TFM_Editor::Caption() const {
    return CaptionOfTitle(parentWidget() != nullptr ? parentWidget()->windowTitle()
                                                    : windowTitle());
}

void TFM_Editor::SetCaption(const QString& caption) {
    const QString title = TitleForCaption(caption);
    setWindowTitle(title);
    if (parentWidget() != nullptr) parentWidget()->setWindowTitle(title);
}

void TFM_Editor::ApplySettings(const TSettings& settings) {
    ApplySettingsTo(FEditor1->Editor(), settings);
    if (FSecondEditor) ApplySettingsTo(FSecondEditor->Editor(), settings);
}

// In this order, a later step overriding an earlier one: tab size, word wrap and its
// column, indenting and backups, colours, trimming on load, the character set of new
// texts, the font, the tab type (of the tab settings that are on, the last wins; none
// leaves it), and the wrap column following the window.
void TFM_Editor::ApplySettingsTo(TOvcTextFileEditor& editor, const TSettings& settings) {
    editor.SetTabSize(static_cast<std::uint8_t>(std::clamp(settings.TabSize, 0, 255)));
    editor.SetWordWrap(settings.EnableWW);
    editor.SetWrapColumn(settings.WrapAtColumn);
    editor.SetAutoIndent(settings.AutoIndent);
    editor.SetMakeBackup(settings.MakeBackups);
    editor.SetColor(settings.EditorColor);
    editor.SetTrimWhiteSpace(settings.StripBlanks);
    editor.SetNewTextCharSet(settings.NewTextUtf8 ? chUtf8 : chEightBit);
    editor.SetFixedFont(ScreenFontOf(settings));
    if (settings.SpaceTabs) editor.SetTabType(ttFixed);
    if (settings.RealTabs) editor.SetTabType(ttReal);
    if (settings.SmartTabs) editor.SetTabType(ttSmart);
    if (settings.WrapToWindow) editor.SetWrapColumn(editor.VisibleColumns());
}

void TFM_Editor::SetFileName(const std::string& fileName) {
    FEditor1->Editor().SetFileName(fileName);
    SetCaption(FromFileName(fileName));
    FDiskWatch->Follow();
}

// Editor1 reads its file into a new text; the upper pane then joins that text, so both
// panes show one text again.
void TFM_Editor::Revert() {
    TOvcTextFileEditor& editor1 = FEditor1->Editor();
    const std::string fileName = editor1.FileName();
    editor1.LoadFromFile(fileName);
    if (FSecondEditor) FSecondEditor->Editor().Attach(&editor1);
    if (FRecovery) FRecovery->TextTouched();
}

void TFM_Editor::ReloadChanged() {
    try {
        Revert();
    } catch (const std::exception& failure) {
        ShowMessage(FMain.Dialogs(), mkError, QString::fromLocal8Bit(failure.what()));
    }
}

bool TFM_Editor::CloseQuery() {
    if (!FEditor1->Modified()) return true;
    const TModalResult answer = FMain.Dialogs().Message(
        TMessageRequest{mkInformation,
                        QStringLiteral("%1 has changed, do you wish to save?").arg(Caption()),
                        mbYes | mbNo | mbCancel,
                        {}});
    if (answer == mrYes) return FMain.SaveWindow(*this);
    return answer == mrNo;
}

// A window that may close gives back its untitled number and its journal.
void TFM_Editor::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    if (FRecovery) FRecovery->Discard();
    FMain.EditorWindowClosed(Caption());
    event->accept();
}

void TFM_Editor::ShowError(std::uint16_t code) {
    if (const auto text = EditorErrorText(code))
        ShowMessage(FMain.Dialogs(), mkError, QString::fromLatin1(text->data(), text->size()));
}

QSize TFM_Editor::sizeHint() const {
    return {kDesignWidth, kDesignHeight};
}

}  // namespace wendax
