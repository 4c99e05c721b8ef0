#include "app/dialogs/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wendax {
namespace {

const QColor kNavy(0, 0, 128);

QLabel* NewLabel(const char* name, const char* text, int points, bool bold = false) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    if (points > 0) font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QFrame* NewPanel(const char* name, QFrame::Shadow shadow) {
    auto* panel = new QFrame;
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | shadow);
    return panel;
}

}  // namespace

TFM_About::TFM_About(QWidget* parent) : TProgramDialog(parent, "FM_About", "About", 385, 292) {
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(Banner());
    layout->addWidget(Information(), 1);
    layout->addWidget(Rights());
    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("BT_Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->setCenterButtons(true);
    layout->addWidget(buttons);
}

QWidget* TFM_About::Banner() {
    QFrame* banner = NewPanel("PL_Morvathen", QFrame::Raised);
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(4, 2, 4, 2);
    QLabel* maker = NewLabel("", kMakerName, 13, true);
    maker->setAlignment(Qt::AlignCenter);
    layout->addWidget(maker);
    return banner;
}

QWidget* TFM_About::Information() {
    QFrame* information = NewPanel("", QFrame::Raised);
    auto* outer = new QHBoxLayout(information);
    outer->setContentsMargins(4, 4, 4, 4);
    QFrame* logo = NewPanel("PL_Logo", QFrame::Sunken);
    logo->setAutoFillBackground(true);
    QPalette white = logo->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, kNavy);
    logo->setPalette(white);
    auto* layout = new QHBoxLayout(logo);
    layout->setContentsMargins(6, 2, 6, 2);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("IE_Morvathen"));
    picture->setPixmap(QPixmap::fromImage(AboutPicture()));
    picture->setFixedSize(91, 125);
    layout->addWidget(picture);
    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(NewLabel("LL_ProgramName", "WENDAX", 24, true));
    texts->addWidget(NewLabel("LL_Description", "32-bit text editor", 0));
    texts->addWidget(NewLabel("LL_Version", "Version 2.1 for Windows 95/NT", 0));
    texts->addStretch();
    layout->addLayout(texts, 1);
    outer->addWidget(logo);
    return information;
}

QWidget* TFM_About::Rights() {
    QFrame* bottom = NewPanel("", QFrame::Raised);
    auto* layout = new QVBoxLayout(bottom);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (QLabel* label : {NewLabel("", "Copyright \u00A9 the Wendax developers", 0),
                          NewLabel("LL_Rights", "All Rights Reserved", 0)}) {
        label->setAlignment(Qt::AlignRight);
        layout->addWidget(label);
    }
    return bottom;
}

void TFM_About::ShowCentered(const QWidget& main) {
    CenterOver(main);
    exec();
}

}  // namespace wendax
