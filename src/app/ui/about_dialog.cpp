#include "app/ui/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/program_icon.h"
#include "base/texts.h"
#include "base/version.h"

namespace app::ui {

AboutDialog::AboutDialog(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile)
    : base::ui::RememberedDialog(parent, settingsFile, "AboutBox"), captions_(language) {
    setModal(true);
    captions_.add(82, [this](const QString& t) { setWindowTitle(t); });
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(programIcon().pixmap(64, 64));
    ProductName = new QLabel("Ctabber", this);
    ProductName->setObjectName("ProductName");
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    ProductName->setFont(big);
    top->addWidget(ProgramIcon);
    top->addWidget(ProductName, 1);
    layout->addLayout(top);

    const auto version = base::programVersion();
    Version = new QLabel("Version " + QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size())), this);
    Version->setObjectName("Version");
    Comments = new QLabel("Editor for Yamaha keyboard styles and Standard MIDI Files.\n"
                          "Written by the Ctabber developers.",
                          this);
    Comments->setObjectName("Comments");
    Credit = new QLabel(this);
    Credit->setObjectName("Credit");
    Credit->setWordWrap(true);
    captions_.add(base::text::credit, [this](const QString& t) { Credit->setText(t); });
    for (auto* label : {Version, Comments, Credit}) layout->addWidget(label);

    auto* buttons = new QHBoxLayout;
    OKButton = new QPushButton(this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    captions_.add(base::text::ok, "OK", [this](const QString& t) { OKButton->setText(t); });
    buttons->addStretch();
    buttons->addWidget(OKButton);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(360);
    restorePlace();
}

int AboutDialog::greyLevel(int y) { return 255 - std::min(y / 2, 255); }

void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int y = 1; y <= height() - 2; ++y) {
        const int g = greyLevel(y);
        p.setPen(QColor(g, g, g));
        p.drawLine(1, y, width() - 1, y);
    }
}

}  // namespace app::ui
