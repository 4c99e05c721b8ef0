// Dialogs answered from a script: each dialog the program shows takes the next answer of
// the queue; a dialog with no answer, or of another kind than the answer expects, fails
// the test and is cancelled. Every dialog shown is recorded with what it was asked.
#pragma once

#include <QPrinter>
#include <deque>
#include <functional>
#include <vector>

#include "app/dialogs/dialogs.h"

namespace wendax {

enum TDialogKind {
    dkMessage,
    dkOpenFiles,
    dkSaveFile,
    dkDirectory,
    dkFont,
    dkInput,
    dkPrint,
    dkPrintSetup
};

struct TDialogCall {
    explicit TDialogCall(TDialogKind kind) : Kind(kind) {}

    TDialogKind Kind;
    TMessageRequest Message;  // also the kind and text of a choice
    QStringList Choices;      // the buttons of a choice
    TFileDialogRequest File;
    TInputRequest Input;
    QString InitialDir;
    QFont Font;
    bool OfferSelection = false;
};

struct TDialogAnswer {
    TDialogKind Kind = dkMessage;
    bool Accept = true;          // false: the dialog is cancelled
    TModalResult Result = mrOk;  // the button of a message box; of a choice mrYes for the
                                 // first button, mrNo for the second, mrCancel for none
    QStringList Files;           // open: all; save and directory: the first
    QString Text;                // input box
    QFont Font;
    std::function<void(QPrinter&)> SetUpPrinter;  // print and print setup
};

class TScriptedDialogs : public TDialogs {
  public:
    // Fails the test when answers were left unused.
    ~TScriptedDialogs() override;

    void Expect(TDialogAnswer answer) { FAnswers.push_back(std::move(answer)); }
    void ExpectMessage(TModalResult result);
    void ExpectOpen(const QStringList& files);
    void ExpectSave(const QString& file);
    void ExpectInput(const QString& text);
    void ExpectCancel(TDialogKind kind);

    const std::vector<TDialogCall>& Calls() const { return FCalls; }
    // The texts of the message boxes and choices shown, in order.
    QStringList MessageTexts() const;
    std::size_t Pending() const { return FAnswers.size(); }

    TModalResult Message(const TMessageRequest& request) override;
    int Choose(const TChoiceRequest& request) override;
    std::optional<QStringList> OpenFiles(const TFileDialogRequest& request) override;
    std::optional<QString> SaveFile(const TFileDialogRequest& request) override;
    std::optional<QString> ChooseDirectory(const QString& initialDir) override;
    std::optional<QFont> ChooseFixedFont(const QFont& current) override;
    std::optional<QString> InputText(const TInputRequest& request) override;
    bool Print(QPrinter& printer, bool offerSelection) override;
    bool PrintSetup(QPrinter& printer) override;

  private:
    // The answer for `call`, or nothing after failing the test.
    std::optional<TDialogAnswer> Next(const TDialogCall& call);

    std::deque<TDialogAnswer> FAnswers;
    std::vector<TDialogCall> FCalls;
};

}  // namespace wendax
