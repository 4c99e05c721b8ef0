#include "scripted_dialogs.h"

#include <gtest/gtest.h>

namespace wendax {
namespace {

const char* KindName(TDialogKind kind) {
    static const char* const names[] = {"message box",       "open dialog",       "save dialog",
                                        "directory chooser", "font dialog",       "input box",
                                        "print dialog",      "print setup dialog"};
    return names[kind];
}

QString Describe(const TDialogCall& call) {
    QString text = QString::fromLatin1(KindName(call.Kind));
    if (call.Kind == dkMessage) text += QStringLiteral(" \"%1\"").arg(call.Message.Text);
    if (!call.File.Title.isEmpty()) text += QStringLiteral(" \"%1\"").arg(call.File.Title);
    return text;
}

}  // namespace

TScriptedDialogs::~TScriptedDialogs() {
    for (const TDialogAnswer& answer : FAnswers)
        ADD_FAILURE() << "expected a " << KindName(answer.Kind) << " that never appeared";
}

void TScriptedDialogs::ExpectMessage(TModalResult result) {
    TDialogAnswer answer;
    answer.Result = result;
    Expect(answer);
}

void TScriptedDialogs::ExpectOpen(const QStringList& files) {
    TDialogAnswer answer;
    answer.Kind = dkOpenFiles;
    answer.Files = files;
    Expect(answer);
}

void TScriptedDialogs::ExpectSave(const QString& file) {
    TDialogAnswer answer;
    answer.Kind = dkSaveFile;
    answer.Files = {file};
    Expect(answer);
}

void TScriptedDialogs::ExpectInput(const QString& text) {
    TDialogAnswer answer;
    answer.Kind = dkInput;
    answer.Text = text;
    Expect(answer);
}

void TScriptedDialogs::ExpectCancel(TDialogKind kind) {
    TDialogAnswer answer;
    answer.Kind = kind;
    answer.Accept = false;
    answer.Result = mrCancel;
    Expect(answer);
}

QStringList TScriptedDialogs::MessageTexts() const {
    QStringList texts;
    for (const TDialogCall& call : FCalls)
        if (call.Kind == dkMessage) texts << call.Message.Text;
    return texts;
}

std::optional<TDialogAnswer> TScriptedDialogs::Next(const TDialogCall& call) {
    FCalls.push_back(call);
    if (FAnswers.empty()) {
        ADD_FAILURE() << "unexpected " << Describe(call).toStdString();
        return std::nullopt;
    }
    TDialogAnswer answer = std::move(FAnswers.front());
    FAnswers.pop_front();
    if (answer.Kind != call.Kind) {
        ADD_FAILURE() << "expected a " << KindName(answer.Kind) << " but got "
                      << Describe(call).toStdString();
        return std::nullopt;
    }
    return answer;
}

TModalResult TScriptedDialogs::Message(const TMessageRequest& request) {
    TDialogCall call(dkMessage);
    call.Message = request;
    const auto answer = Next(call);
    return answer ? answer->Result : mrCancel;
}

int TScriptedDialogs::Choose(const TChoiceRequest& request) {
    TDialogCall call(dkMessage);
    call.Message.Kind = request.Kind;
    call.Message.Text = request.Text;
    call.Choices = request.Buttons;
    const auto answer = Next(call);
    if (!answer) return -1;
    return answer->Result == mrYes ? 0 : answer->Result == mrNo ? 1 : -1;
}

std::optional<QStringList> TScriptedDialogs::OpenFiles(const TFileDialogRequest& request) {
    TDialogCall call(dkOpenFiles);
    call.File = request;
    const auto answer = Next(call);
    if (!answer || !answer->Accept) return std::nullopt;
    return answer->Files;
}

std::optional<QString> TScriptedDialogs::SaveFile(const TFileDialogRequest& request) {
    TDialogCall call(dkSaveFile);
    call.File = request;
    const auto answer = Next(call);
    if (!answer || !answer->Accept || answer->Files.isEmpty()) return std::nullopt;
    return answer->Files.constFirst();
}

std::optional<QString> TScriptedDialogs::ChooseDirectory(const QString& initialDir) {
    TDialogCall call(dkDirectory);
    call.InitialDir = initialDir;
    const auto answer = Next(call);
    if (!answer || !answer->Accept || answer->Files.isEmpty()) return std::nullopt;
    return answer->Files.constFirst();
}

std::optional<QFont> TScriptedDialogs::ChooseFixedFont(const QFont& current) {
    TDialogCall call(dkFont);
    call.Font = current;
    const auto answer = Next(call);
    if (!answer || !answer->Accept) return std::nullopt;
    return answer->Font;
}

std::optional<QString> TScriptedDialogs::InputText(const TInputRequest& request) {
    TDialogCall call(dkInput);
    call.Input = request;
    const auto answer = Next(call);
    if (!answer || !answer->Accept) return std::nullopt;
    return answer->Text;
}

bool TScriptedDialogs::Print(QPrinter& printer, bool offerSelection) {
    TDialogCall call(dkPrint);
    call.OfferSelection = offerSelection;
    const auto answer = Next(call);
    if (!answer || !answer->Accept) return false;
    if (answer->SetUpPrinter) answer->SetUpPrinter(printer);
    return true;
}

bool TScriptedDialogs::PrintSetup(QPrinter& printer) {
    const auto answer = Next(TDialogCall(dkPrintSetup));
    if (!answer || !answer->Accept) return false;
    if (answer->SetUpPrinter) answer->SetUpPrinter(printer);
    return true;
}

}  // namespace wendax
