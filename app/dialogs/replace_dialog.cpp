#include "app/dialogs/replace_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wendax {

TFM_Replace::TFM_Replace(QWidget* parent)
    : TProgramDialog(parent, "FM_Replace", "Replace text", 411, 300) {
    auto* layout = new QVBoxLayout(this);
    auto* texts = new QGridLayout;
    FSearchText = &AddTextBox(*this, *texts, 0, "LL_SearchText", "&Text to find", "CB_SearchText");
    FReplaceText =
        &AddTextBox(*this, *texts, 1, "LL_ReplaceText", "Re&place with", "CB_ReplaceText");
    layout->addLayout(texts);
    auto* groups = new QGridLayout;
    FOptions = std::make_unique<TSearchOptionControls>(*groups);
    layout->addLayout(groups);
    AddButtons(*layout);
}

TFM_Replace::~TFM_Replace() = default;

// Replace is the default button, so Enter in a text box replaces one occurrence. Which
// button closed the dialog is recorded by the button itself, whatever holds the focus.
void TFM_Replace::AddButtons(QVBoxLayout& layout) {
    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](const char* caption, const char* name, const char* hint, bool all) {
        QPushButton* button =
            buttons->addButton(QString::fromLatin1(caption), QDialogButtonBox::AcceptRole);
        button->setObjectName(QString::fromLatin1(name));
        SetHint(*button, hint);
        connect(button, &QPushButton::clicked, this, [this, all] { FReplaceAllClicked = all; });
        return button;
    };
    add("&Replace", "BT_Replace", "Replace one instance", false)->setDefault(true);
    add("Replace &all", "BT_ReplaceAll", "Replace all instances", true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BT_Cancel"));
    SetHint(*cancel, "Cancel replace");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout.addWidget(buttons);
}

bool TFM_Replace::ShowCentered(const QWidget& main) {
    CenterOver(main);
    FSearchText->setFocus();
    FSearchText->lineEdit()->selectAll();
    FReplaceAllClicked = false;
    if (exec() != QDialog::Accepted) return false;
    FLastSearchText = FSearchText->currentText();
    FLastReplaceText = FReplaceText->currentText();
    FReplaceAllChosen = FReplaceAllClicked;
    RememberText(*FSearchText, FLastSearchText);
    RememberText(*FReplaceText, FLastReplaceText);
    return true;
}

}  // namespace wendax
