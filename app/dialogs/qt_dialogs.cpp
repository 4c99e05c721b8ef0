#include "app/dialogs/qt_dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>

namespace wendax {
namespace {

QMessageBox::Icon IconOf(TMessageKind kind) {
    switch (kind) {
        case mkWarning:
            return QMessageBox::Warning;
        case mkError:
            return QMessageBox::Critical;
        case mkInformation:
            return QMessageBox::Information;
        case mkConfirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(TMessageButtons buttons) {
    QMessageBox::StandardButtons result;
    if (buttons & mbYes) result |= QMessageBox::Yes;
    if (buttons & mbNo) result |= QMessageBox::No;
    if (buttons & mbOK) result |= QMessageBox::Ok;
    if (buttons & mbCancel) result |= QMessageBox::Cancel;
    return result;
}

TModalResult ResultOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return mrOk;
        case QMessageBox::Yes:
            return mrYes;
        case QMessageBox::No:
            return mrNo;
        default:
            return mrCancel;
    }
}

void SetUp(QFileDialog& dialog, const TFileDialogRequest& request) {
    if (!request.Title.isEmpty()) dialog.setWindowTitle(request.Title);
    dialog.setNameFilters(DialogNameFilters(request.Filter));
    dialog.setDirectory(request.InitialDir);
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
}

}  // namespace

int TQtDialogs::Choose(const TChoiceRequest& request) {
    QMessageBox box(IconOf(request.Kind), MessageCaption(request.Kind), request.Text,
                    QMessageBox::NoButton, FParent);
    QList<QAbstractButton*> buttons;
    for (const QString& text : request.Buttons)
        buttons << box.addButton(text, QMessageBox::AcceptRole);
    if (!buttons.isEmpty()) box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

TModalResult TQtDialogs::Message(const TMessageRequest& request) {
    const QString caption =
        request.Caption.isEmpty() ? MessageCaption(request.Kind) : request.Caption;
    QMessageBox box(IconOf(request.Kind), caption, request.Text, ButtonsOf(request.Buttons),
                    FParent);
    return ResultOf(box.exec());
}

std::optional<QStringList> TQtDialogs::OpenFiles(const TFileDialogRequest& request) {
    QFileDialog dialog(FParent);
    SetUp(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> TQtDialogs::SaveFile(const TFileDialogRequest& request) {
    QFileDialog dialog(FParent);
    SetUp(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> TQtDialogs::ChooseDirectory(const QString& initialDir) {
    const QString chosen = QFileDialog::getExistingDirectory(FParent, QString(), initialDir);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

std::optional<QFont> TQtDialogs::ChooseFixedFont(const QFont& current) {
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, current, FParent, QString(), QFontDialog::MonospacedFonts);
    if (!ok) return std::nullopt;
    return chosen;
}

std::optional<QString> TQtDialogs::InputText(const TInputRequest& request) {
    bool ok = false;
    const QString text = QInputDialog::getText(FParent, request.Title, request.Prompt,
                                               QLineEdit::Normal, request.Value, &ok);
    if (!ok) return std::nullopt;
    return text;
}

bool TQtDialogs::Print(QPrinter& printer, bool offerSelection) {
    QPrintDialog dialog(&printer, FParent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

bool TQtDialogs::PrintSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, FParent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace wendax
