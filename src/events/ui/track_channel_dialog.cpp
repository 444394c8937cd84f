#include "events/ui/track_channel_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace events::ui {
namespace {

constexpr const char* kStandard[8] = {"9 RHYTM SUB", "10 RHYTM MAIN", "11 BASS",    "12 CHORD1",
                                      "13 CHORD2",   "14 PAD",        "15 PHRASE1", "16 PHRASE2"};

}  // namespace

TrackChannelDialog::TrackChannelDialog(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile,
                   const std::array<int, 16>& channels)
    : RememberedDialog(parent, settingsFile, "TrChTbl"), captions_(language) {
    auto* layout = new QVBoxLayout(this);
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    layout->setMenuBar(MainMenu1);
    auto* file = MainMenu1->addMenu(QString());
    file->setObjectName("mFile");
    captions_.add(1, [file](const QString& t) { file->setTitle(t); });
    // "&Open" and "Save" are there and do nothing; "&Exit" closes.
    for (auto [id, text, name] : {std::tuple{2, "&Open", "mOpen"}, std::tuple{3, "Save", "mSave"}}) {
        auto* action = file->addAction(QString());
        action->setObjectName(name);
        captions_.add(id, text, [action](const QString& t) { action->setText(t); });
    }
    auto* exit = file->addAction(QString());
    exit->setObjectName("mExit");
    captions_.add(7, "&Exit", [exit](const QString& t) { exit->setText(t); });
    connect(exit, &QAction::triggered, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    StringGrid1 = new QTableWidget(16, 2, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setHorizontalHeaderLabels({captions_.text(360, "Track"), captions_.text(361, "Channel")});
    for (int t = 0; t < 16; ++t) {
        auto* track = new QTableWidgetItem(QString::number(t + 1));
        track->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(t, 0, track);
        StringGrid1->setItem(t, 1, new QTableWidgetItem(QString::number(channels[static_cast<std::size_t>(t)])));
    }
    StringGrid1->setCurrentCell(0, 1);
    StringGrid1->setMinimumSize(200, 16 * 20 + 30);
    row->addWidget(StringGrid1, 1);

    auto* side = new QVBoxLayout;
    auto* standard = new QGroupBox(this);
    standard->setObjectName("GroupBoxStandard");
    captions_.add(357, "Yamaha Standart", [standard](const QString& t) { standard->setTitle(t); });
    auto* buttons = new QVBoxLayout(standard);
    for (int b = 0; b < 8; ++b) {
        auto* button = new QPushButton(kStandard[b], standard);
        button->setObjectName(QString("Button%1").arg(b + 9));
        button->setAutoDefault(false);
        standardButtons[static_cast<std::size_t>(b)] = button;
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, b] {
            const int r = StringGrid1->currentRow();
            if (r >= 0) StringGrid1->item(r, 1)->setText(QString::number(b + 9));
        });
    }
    side->addWidget(standard);
    auto* section = new QGroupBox(this);
    section->setObjectName("RGSection");
    captions_.add(154, "Section", [section](const QString& t) { section->setTitle(t); });
    auto* radios = new QHBoxLayout(section);
    RadioCurrent = new QRadioButton(section);
    RadioCurrent->setObjectName("RadioCurrent");
    RadioCurrent->setChecked(true);
    RadioAll = new QRadioButton(section);
    RadioAll->setObjectName("RadioAll");
    captions_.add(358, "Current", [this](const QString& t) { RadioCurrent->setText(t); });
    captions_.add(359, "All", [this](const QString& t) { RadioAll->setText(t); });
    radios->addWidget(RadioCurrent);
    radios->addWidget(RadioAll);
    side->addWidget(section);
    side->addStretch();
    base::ui::okCancelButtons(*this, captions_, ButtonOK, ButtonCancel);
    ButtonCancel->setAutoDefault(false);
    side->addWidget(ButtonOK);
    side->addWidget(ButtonCancel);
    row->addLayout(side);
    layout->addLayout(row);
    captions_.add(356, "Track to Channel table", [this](const QString& t) { setWindowTitle(t); });
    restorePlace();
}

std::array<QString, 16> TrackChannelDialog::channelCells() const {
    std::array<QString, 16> cells;
    for (int t = 0; t < 16; ++t) cells[static_cast<std::size_t>(t)] = StringGrid1->item(t, 1)->text();
    return cells;
}

bool TrackChannelDialog::allSections() const { return RadioAll->isChecked(); }

}  // namespace events::ui
