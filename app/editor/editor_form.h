// An editor window: an MDI child that edits one text file in Editor1. It can be split into
// two panes that show the same text (Editor1 below, SecondEditor above, a bar between them
// that the user drags), asks before a modified file is closed, shows the editor's errors,
// reports every status change of its editors to the main window and reports changes of
// its file by other programs (TDiskWatch).
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "app/editor/editor_window.h"
#include "app/editor/hosted_editor.h"

class QMenu;

namespace wendax {

class TDiskWatch;
class TFM_Main;
class TRecoveryKeeper;
class TSplitterBar;
struct TJournal;

class TFM_Editor : public QWidget, public TEditorWindow {
    Q_OBJECT
  public:
    static constexpr int kSplitterHeight = 5;
    static constexpr int kBookmarks = 10;

    // Editor1 with its design values, bound to the main window's controller and set up
    // with the main window's settings.
    explicit TFM_Editor(TFM_Main& main);
    ~TFM_Editor() override;

    // Editor1 takes `fileName` and, unless `isNew`, loads it. A failed load raises what
    // loading raised and leaves the text empty.
    void Open(const std::string& fileName, bool isNew);
    // Editor1 takes `fileName` and the text of `journal`, modified and not yet saved; this
    // window's own journal is written at once. A failure raises what reading raised and
    // leaves the text empty.
    void Recover(const std::string& fileName, const TJournal& journal);
    // Whether the window may close. A modified text asks "... has changed, do you wish to
    // save?": Yes saves as File > Save does and allows the close only when the file was
    // written; No allows it; Cancel keeps the window open.
    bool CloseQuery();

    // The caption: the title of the MDI child around this window.
    QString Caption() const;
    void SetCaption(const QString& caption);

    // ---- TEditorWindow
    TEditorPane& Editor1() override { return *FEditor1; }
    TEditorPane& ActiveEditor() override { return *FActiveEditor; }
    bool IsSplit() const override { return FSecondEditor != nullptr; }
    void ToggleSplit() override;
    void ApplySettings(const TSettings& settings) override;
    void SetFileName(const std::string& fileName) override;
    void Revert() override;

    // ---- The parts, for the window's own commands and for tests
    THostedEditor& Pane1() const { return *FEditor1; }
    // The upper pane while split, else nullptr.
    THostedEditor* SecondPane() const { return FSecondEditor.get(); }
    // The bar between the panes while split, else nullptr.
    TSplitterBar* Splitter() const { return FSplitter; }
    QMenu& PopupMenu() const { return *FPopupMenu; }
    // The keeper of the text's recovery journal, or nullptr when journals are not kept.
    TRecoveryKeeper* Recovery() const { return FRecovery.get(); }
    TDiskWatch& DiskWatch() const { return *FDiskWatch; }
    // Client height when the window was made or last resized.
    int LastClientHeight() const { return FLastClientHeight; }

    // ---- Bookmarks 0..9 of the text, through the pane that last had the focus
    void SetBookmark(int n);
    void GotoBookmark(int n);
    void ClearBookmarks();

    // ---- Dragging the bar (screen coordinates): a press starts a drag, each move draws a
    // line where the boundary would go (within 3 pixels of the client's top and bottom it
    // stays where it was), and the release moves the boundary to the line.
    void SplitterPressed(int screenY);
    void SplitterMoved(QPoint screenPoint);
    void SplitterReleased();
    // The drag line now shown, in client coordinates, or nullptr.
    QWidget* DragLine() const;

    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetDesignValues(TOvcTextFileEditor& editor);
    void ConnectPane(THostedEditor& pane);
    void ApplySettingsTo(TOvcTextFileEditor& editor, const TSettings& settings);
    void ShowError(std::uint16_t code);
    void ReloadChanged();
    QMenu* BuildPopupMenu();
    void ShowPopupMenu(THostedEditor& pane, QPoint at);
    void CloseFromPopup();
    void Split();
    void Unsplit();
    void SetEditor1Height(int height);
    void LayOut();
    void WrapToWindow();
    void DrawDragLine(QPoint screenPoint);
    void RemoveDragLine();

    TFM_Main& FMain;
    std::unique_ptr<THostedEditor> FEditor1;
    std::unique_ptr<THostedEditor> FSecondEditor;  // the upper pane, only while split
    THostedEditor* FActiveEditor;                  // the pane that last had the focus
    std::unique_ptr<TRecoveryKeeper> FRecovery;    // goes before Editor1
    TSplitterBar* FSplitter = nullptr;             // only while split
    QMenu* FPopupMenu = nullptr;                   // Z_PopupMenu
    TDiskWatch* FDiskWatch = nullptr;              // a child of this window
    int FEditor1Height = 0;                        // while split
    int FLastClientHeight = 0;
    bool FDragging = false;
    bool FLineDrawn = false;
    QWidget* FDragLine = nullptr;  // shown while FLineDrawn
    int FDragStartY = 0;           // screen y of the press on the bar
    int FLineY = 0;                // screen y of the line now drawn
};

}  // namespace wendax
