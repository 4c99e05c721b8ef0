// The window of one editor control in Qt: a scroll area that hosts a TWindowClient and
// is its TWindowPeer. Its event handlers only translate Qt's events and forward them;
// scrolling, painting decisions and the caret's place belong to the client. A failure
// (exception) that escapes the client ends the event and shows in an error box afterwards.
#pragma once

#include <map>

#include <QAbstractScrollArea>
#include <QCursor>
#include <QFont>
#include <QRegion>
#include <QString>

#include "platform/qt/qt_caret.h"
#include "platform/qt/qt_font_cache.h"
#include "platform/qt/qt_scroll_bar_mirror.h"
#include "platform/window.h"

class QTimer;

namespace wendax {

class TQtEditorWidget : public QAbstractScrollArea, public TWindowPeer {
  public:
    explicit TQtEditorWidget(QWidget* parent = nullptr);
    ~TQtEditorWidget() override;

    // The client that receives this window's events (not owned); nullptr detaches it.
    void SetClient(TWindowClient* client) { FClient = client; }
    TWindowClient* Client() const { return FClient; }

    // While on, Tab and Shift+Tab move the focus on instead of reaching the client (a
    // client that does not want Tab asks for this through SetWantTab). Off at first.
    void SetTabChangesFocus(bool on) { FTabChangesFocus = on; }

    const TQtCaret& Caret() const { return FCaret; }
    const TQtScrollBarMirror& ScrollBar(TScrollBarKind bar) const;

    TSize ClientSize() const override;
    void SetFrame(const TWindowFrame& frame) override;
    bool HasFocus() const override;
    bool CanFocus() const override;
    void SetFocus() override;
    void SetWantTab(bool wanted) override { SetTabChangesFocus(!wanted); }
    void Invalidate(const TRect& rect) override;
    void InvalidateAll() override;
    void UpdateNow() override;
    void ScrollPixels(const TRect& rect, int dx, int dy) override;
    void SetRedraw(bool on) override;
    // Equal ends hide the bar like (0, 0): there is nothing to scroll.
    void SetScrollRange(TScrollBarKind bar, int min, int max) override;
    void SetScrollPos(TScrollBarKind bar, int pos) override;
    // Qt grabs the mouse for the widget while a button is held, which is all a drag needs;
    // while captured the client is not asked for the cursor shape.
    void SetMouseCapture(bool on) override { FMouseCaptured = on; }
    void SetCursorShape(TCursorShape shape) override;
    TPoint CursorPos() const override;
    // The buttons held as this window's mouse events last reported them.
    bool IsButtonDown(TMouseButton button) const override;
    void PostMessage(const TPostedMessage& message) override;
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;
    TTextMetrics FontMetrics(const TFontRequest& font) override;
    void CreateCaret(int width, int height, bool gray) override;
    void CreateBitmapCaret(const TBitmap& bitmap) override;
    void DestroyCaret() override { FCaret.Destroy(); }
    void ShowCaret() override { FCaret.Show(); }
    void HideCaret() override { FCaret.Hide(); }
    void SetCaretPos(TPoint pos) override { FCaret.SetPos(pos); }

  protected:
    bool focusNextPrevChild(bool next) override;
    void customEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    TQtScrollBarMirror& Mirror(TScrollBarKind bar);
    template <typename Call>
    void Forward(Call&& call);
    void PaintPreedit(QPainter& painter) const;
    bool ClickReachesClient(TWindowClient& client);
    void ForwardScrollAction(TScrollBarKind bar, TScrollCode code, int pos);
    void ForwardWheelSteps(TScrollBarKind bar, int& accumulated, int delta);

    TWindowClient* FClient = nullptr;
    TQtFontCache FFonts;
    TQtCaret FCaret;
    TQtScrollBarMirror FHorzBar;
    TQtScrollBarMirror FVertBar;
    std::map<int, QTimer*> FTimers;  // children of the widget, kept once made
    QRegion FDirty;                  // invalidated and not yet painted
    QCursor FMarginCursor;
    TCursorShape FCursorShape = crIBeam;
    TSize FLastSize;  // client size last reported through Resized
    Qt::MouseButtons FButtons;
    int FWheelX = 0;  // wheel turns not yet worth a line, in eighths of a degree
    int FWheelY = 0;
    bool FMouseCaptured = false;
    bool FTabChangesFocus = false;
    bool FFocusFromClick = false;  // the focus came with the click being handled
    bool FPainting = false;
    bool FResizing = false;  // a new client size is being reported
    QString FPreedit;        // an input method's text being composed, drawn at the caret
    QFont FTextFont;         // the font the client last painted its text with
};

}  // namespace wendax
