// Every modal dialog and message box the program shows goes through TDialogs, so the
// program runs the same against the real dialogs and against a script in tests.
#pragma once

#include <QFont>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

namespace wendax {

enum TMessageKind { mkWarning, mkError, mkInformation, mkConfirmation };

enum TMessageButton : unsigned { mbOK = 1, mbCancel = 2, mbYes = 4, mbNo = 8 };
using TMessageButtons = unsigned;  // TMessageButton bits

// mrCancel is also the answer when a box is closed without pressing a button.
enum TModalResult { mrOk, mrCancel, mrYes, mrNo };

struct TMessageRequest {
    TMessageKind Kind = mkInformation;
    QString Text;
    TMessageButtons Buttons = mbOK;
    QString Caption;  // empty: the kind's own caption ("Warning", "Error", ...)
    // Buttons shown with a text of their own (mbYes shown as "Recover"); each still gives
    // its own answer.
    QList<QPair<TMessageButton, QString>> ButtonTexts = {};
};

// A message box whose buttons carry their own texts ("Reload", "Keep"); the first button is
// the default.
struct TChoiceRequest {
    TMessageKind Kind = mkConfirmation;
    QString Text;
    QStringList Buttons;
};

// The open dialog always takes existing files, several at a time, and shows no
// read-only box; the save dialog asks before overwriting.
struct TFileDialogRequest {
    QString Title;   // empty: the dialog's usual title
    QString Filter;  // the "name|mask|name|mask|" list of the settings
    QString InitialDir;
    QString FileName;  // the name shown in the dialog at first
};

struct TInputRequest {
    QString Title;
    QString Prompt;
    QString Value;  // shown at first
};

class TDialogs {
  public:
    virtual ~TDialogs() = default;

    virtual TModalResult Message(const TMessageRequest& request) = 0;
    // The index of the button pressed; -1 when the box was closed without one.
    virtual int Choose(const TChoiceRequest& request) = 0;
    // The chosen files in the dialog's order; nothing when cancelled.
    virtual std::optional<QStringList> OpenFiles(const TFileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const TFileDialogRequest& request) = 0;
    // A directory chooser that can also create a new directory.
    virtual std::optional<QString> ChooseDirectory(const QString& initialDir) = 0;
    // Offers fixed-pitch fonts only.
    virtual std::optional<QFont> ChooseFixedFont(const QFont& current) = 0;
    virtual std::optional<QString> InputText(const TInputRequest& request) = 0;
    // The print dialog sets copies, the range (all or, when offered, the selection) and
    // the printer on `printer`; page ranges are never offered. False when cancelled.
    virtual bool Print(QPrinter& printer, bool offerSelection) = 0;
    // The printer setup dialog configures `printer` for later jobs. False when cancelled.
    virtual bool PrintSetup(QPrinter& printer) = 0;
};

// The caption of a message box of `kind` when its request names none.
QString MessageCaption(TMessageKind kind);

// Shows a message box and returns the button pressed.
TModalResult ShowMessage(TDialogs& dialogs, TMessageKind kind, const QString& text,
                         TMessageButtons buttons = mbOK);

// Turns the "name|mask|name|mask|" filter list into the file dialogs' name filters:
// "name (masks)" with "*.*" standing for every file and ";" between masks.
QStringList DialogNameFilters(const QString& filter);

}  // namespace wendax
