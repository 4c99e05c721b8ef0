#include "app/dialogs/qt_dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>

#include "app/dialogs/program_dialog.h"

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

// The object names of the page-range controls in Qt's print dialog.
constexpr const char* kPageRangeControls[] = {
    "printRange", "from", "to", "pagesRadioButton", "pagesLineEdit", "printCurrentPage"};

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
                    FParent, FixedDialogFlags());
    for (const auto& [button, text] : request.ButtonTexts)
        if (QAbstractButton* shown =
                box.button(QMessageBox::StandardButton(static_cast<int>(ButtonsOf(button)))))
            shown->setText(text);
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
    QInputDialog dialog(FParent, FixedDialogFlags());
    dialog.setWindowTitle(request.Title);
    dialog.setLabelText(request.Prompt);
    dialog.setTextValue(request.Value);
    dialog.sizeHint();  // makes the dialog's layout, which then keeps it at its size
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

bool TQtDialogs::Print(QPrinter& printer, bool offerSelection) {
    QPrintDialog dialog(&printer, FParent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // Qt's own dialog keeps "Pages from ... to" open to choice whatever the options say;
    // only all lines or the selection can be printed, so the page controls go.
    for (const char* name : kPageRangeControls)
        if (auto* control = dialog.findChild<QWidget*>(QString::fromLatin1(name))) control->hide();
    if (auto* from = dialog.findChild<QWidget*>(QStringLiteral("from")))
        for (auto* label : from->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->text() == QCoreApplication::translate("QPrintSettingsOutput", "to"))
                label->hide();
    return dialog.exec() == QDialog::Accepted;
}

bool TQtDialogs::PrintSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, FParent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace wendax
