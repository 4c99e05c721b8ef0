#include "app/dialogs/search_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wendax {

// Layout from top to bottom: the text box, the option groups, the buttons.
TFM_Search::TFM_Search(QWidget* parent)
    : TProgramDialog(parent, "FM_Search", "Find text", 411, 265) {
    auto* layout = new QVBoxLayout(this);
    auto* texts = new QGridLayout;
    FSearchText = &AddTextBox(*this, *texts, 0, "LL_SearchText", "&Text to find", "CB_SearchText");
    layout->addLayout(texts);
    auto* groups = new QGridLayout;
    FOptions = std::make_unique<TSearchOptionControls>(*groups);
    layout->addLayout(groups);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* find = buttons->addButton(QStringLiteral("&Find"), QDialogButtonBox::AcceptRole);
    find->setObjectName(QStringLiteral("BT_Find"));
    find->setDefault(true);
    SetHint(*find, "Perform seach");
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BT_Cancel"));
    SetHint(*cancel, "Cancel search");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TFM_Search::~TFM_Search() = default;

bool TFM_Search::ShowCentered(const QWidget& main) {
    CenterOver(main);
    FSearchText->setFocus();
    FSearchText->lineEdit()->selectAll();
    if (exec() != QDialog::Accepted) return false;
    FLastFindText = FSearchText->currentText();
    RememberText(*FSearchText, FLastFindText);
    return true;
}

}  // namespace wendax
