// The dialogs of the desktop: Qt's message boxes and standard dialogs, modal to a parent.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/dialogs/dialogs.h"

namespace wendax {

class TQtDialogs : public TDialogs {
  public:
    // Dialogs are modal to `parent` and centred over it; null gives top-level dialogs.
    void SetParent(QWidget* parent) { FParent = parent; }

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
    QPointer<QWidget> FParent;
};

}  // namespace wendax
