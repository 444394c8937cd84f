#include "playback/ui/section_player_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "base/ui/transient_message.h"
#include "events/navigation.h"
#include "playback/collect_events.h"
#include "playback/ports/timer_thread.h"
#include "playback/ui/channel_led.h"
#include "playback/ui/program_port.h"

namespace playback::ui {
namespace {

const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kOrange{0xFF, 0x80, 0x00};
const QColor kGrey{0x80, 0x80, 0x80};

QString fromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

SectionPlayerWindow::SectionPlayerWindow(const document::Document& doc, CMIDIOUT& out, base::ui::UserDialogs& dialogs,
                     const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent,
                     CasmLink casm)
    : base::ui::RememberedDialog(parent, settingsFile, "MMPlayer"),
      doc_(doc),
      out_(out),
      dialogs_(dialogs),
      language_(language),
      timing_(playerTiming(doc)),
      thread_(out, [] { ports::raiseTimerThread(); }),
      casm_(std::move(casm)) {
    setWindowTitle(text(295, "Style Player"));
    for (const auto& marker : doc_.markers)
        if (!document::isSetupMarker(marker)) sections_.push_back(marker);
    CollectEvents(startup_, doc_.events, std::nullopt);
    buildControls();
    restorePlace();
    // The program quitting ends the modal loop; the run stops with it.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { ButtonStopClick(); });
    if (!sectionItems.empty()) {
        sectionItems.front()->setChecked(true);
        RGSectionClick();
    }
}

SectionPlayerWindow::~SectionPlayerWindow() { thread_.stop(); }

QString SectionPlayerWindow::text(int id, const char* builtin) const { return QString::fromStdString(language_.text(id, builtin)); }

void SectionPlayerWindow::buildControls() {
    RGSection = new QGroupBox(text(296, "Section"), this);
    RGSection->setObjectName("RGSection");
    sectionGroup_ = new QButtonGroup(this);
    auto* sectionGrid = new QGridLayout(RGSection);
    const int rows = std::max((static_cast<int>(sections_.size()) + 2) / 3, 1);
    for (int i = 0; i < static_cast<int>(sections_.size()); ++i) {
        auto* item = new QRadioButton(fromBytes(sections_[static_cast<std::size_t>(i)]), RGSection);
        item->setObjectName(QString("RGSection%1").arg(i));
        sectionGroup_->addButton(item, i);
        sectionGrid->addWidget(item, i % rows, i / rows);
        sectionItems.push_back(item);
    }
    sectionGrid->setRowStretch(rows, 1);
    connect(sectionGroup_, &QButtonGroup::idClicked, this, [this] { RGSectionClick(); });

    auto* channels = new QGridLayout;
    const QString chan = text(301, "Chan");
    for (int c = 0; c < 16; ++c) {
        auto* led = new ChannelLed(this);
        led->setObjectName(QString("LED%1").arg(c));
        led->Tag = c;
        led->SetOnColor(kYellow);
        led->SetOffColor(kGrey);
        connect(led, &ChannelLed::mouseDown, this, &SectionPlayerWindow::channelClick);
        auto* label = new QLabel(chan + " " + QString::number(c + 1), this);
        label->setObjectName(QString("Label%1").arg(c));
        label->installEventFilter(this);
        auto* solo = new QToolButton(this);
        solo->setObjectName(QString("Solo%1").arg(c));
        solo->setText("S");
        solo->setCheckable(true);
        solo->setToolTip(QStringLiteral("Solo: only the soloed parts sound"));
        connect(solo, &QToolButton::clicked, this, [this, c] { soloClick(c); });
        LED[static_cast<std::size_t>(c)] = led;
        Label[static_cast<std::size_t>(c)] = label;
        Solo[static_cast<std::size_t>(c)] = solo;
        const int row = c % 8;
        const int column = c / 8 * 3;
        channels->addWidget(led, row, column);
        channels->addWidget(label, row, column + 1);
        channels->addWidget(solo, row, column + 2);
    }

    LabelPos = new QLabel(kStoppedPosition, this);
    LabelPos->setObjectName("LabelPos");
    LabelPos->setAlignment(Qt::AlignCenter);
    LabelPos->setStyleSheet("QLabel { background: black; color: lime; font: bold 16pt monospace; padding: 4px; }");
    LabelPos->installEventFilter(this);

    CheckBoxLoop = new QCheckBox(text(297, "Loop mode"), this);
    CheckBoxLoop->setObjectName("CheckBoxLoop");
    CheckBoxLoop->setChecked(true);
    CheckBoxEvery = new QCheckBox(text(298, "Init every loop"), this);
    CheckBoxEvery->setObjectName("CheckBoxEvery");
    connect(CheckBoxLoop, &QCheckBox::toggled, this, [this](bool on) { controls_.loop = on; });
    connect(CheckBoxEvery, &QCheckBox::toggled, this, [this](bool on) { controls_.initEveryLoop = on; });

    ButtonStart = new QPushButton(text(299, "Start"), this);
    ButtonStart->setObjectName("ButtonStart");
    ButtonStop = new QPushButton(text(300, "Stop"), this);
    ButtonStop->setObjectName("ButtonStop");
    ButtonStop->setEnabled(false);
    ButtonOK = new QPushButton(text(80, "&OK"), this);
    ButtonOK->setObjectName("ButtonOK");
    ButtonOK->setDefault(true);
    connect(ButtonStart, &QPushButton::clicked, this, &SectionPlayerWindow::ButtonStartClick);
    connect(ButtonStop, &QPushButton::clicked, this, &SectionPlayerWindow::ButtonStopClick);
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(LabelPos);
    right->addLayout(channels);
    right->addWidget(CheckBoxLoop);
    right->addWidget(CheckBoxEvery);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonStart);
    buttons->addWidget(ButtonStop);
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    right->addStretch();
    right->addLayout(buttons);
    auto* top = new QHBoxLayout;
    top->addWidget(RGSection, 1);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    buildChordControls(layout);
    // Below all: why nothing is heard, once a run has shown it.
    LabelNoSound = makeAudioNoticeLabel(this);
    layout->addWidget(LabelNoSound);
}

int SectionPlayerWindow::selectedIndex() const { return sectionGroup_->checkedId(); }

void SectionPlayerWindow::RGSectionClick() {
    const int index = selectedIndex();
    if (index < 0) return;
    const auto jump = events::findMarker(doc_.events, sections_[static_cast<std::size_t>(index)]);
    if (!jump) return;
    std::array<bool, 16> used{};
    for (int ch : jump->channels) used[static_cast<std::size_t>(ch - 1)] = true;
    // Following chords, the LEDs are the destination parts, any of which may sound.
    if (chordMode()) used.fill(true);
    for (std::size_t c = 0; c < 16; ++c) {
        LED[c]->SetState(used[c]);
        LED[c]->SetOffColor(used[c] ? kOrange : kGrey);
        LED[c]->setEnabled(used[c]);
        Label[c]->setEnabled(used[c]);
    }
    if (!ButtonStop->isEnabled()) ButtonStart->setEnabled(!jump->channels.empty());
    // Playing chords, the choice is the next section, from the next bar line.
    if (chordRun_ && playing() && feeder_ && feeder_->chooseSection(sections_[static_cast<std::size_t>(index)])) {
        updateSwitches();
        recomputeQueued();
    }
}

void SectionPlayerWindow::channelClick(int tag) {
    if (tag < 0 || tag >= 16) return;
    auto* led = LED[static_cast<std::size_t>(tag)];
    led->SetState(!led->State());
    updateSwitches();
}

void SectionPlayerWindow::soloClick(int tag) {
    if (tag < 0 || tag >= 16) return;
    if (sender() != Solo[static_cast<std::size_t>(tag)]) Solo[static_cast<std::size_t>(tag)]->toggle();
    updateSwitches();
}

void SectionPlayerWindow::updateSwitches() {
    std::uint16_t on = 0, solo = 0;
    for (std::size_t c = 0; c < 16; ++c) {
        if (LED[c]->State()) on = static_cast<std::uint16_t>(on | 1u << c);
        if (Solo[c]->isChecked()) solo = static_cast<std::uint16_t>(solo | 1u << c);
    }
    controls_.channelSwitches = partSwitches(on, solo);
}

void SectionPlayerWindow::ButtonStartClick() {
    const int index = selectedIndex();
    if (index < 0 || playing()) return;
    updateSwitches();
    if (chordMode()) {
        if (!startChords(index)) return;
        showAudioNotice(LabelNoSound, out_.audioNotice());
        ButtonStart->setEnabled(false);
        ButtonStop->setEnabled(true);
        return;
    }
    std::vector<MidiEvent> section;
    CollectEvents(section, doc_.events, sections_[static_cast<std::size_t>(index)]);
    padToBar(section, timing_.division, timing_.barNumerator);
    if (section.size() < 2) return;
    playingSection_ = sections_[static_cast<std::size_t>(index)];
    LabelPos->setText("0");
    const int run = ++run_;
    Timing timing = timing_;
    if (controls_.tempo.load() != 0) timing.tempo = controls_.tempo.load();
    if (!thread_.start(startup_, std::move(section), timing, controls_, reportsFor(run))) return;
    showAudioNotice(LabelNoSound, out_.audioNotice());
    ButtonStart->setEnabled(false);
    ButtonStop->setEnabled(true);
}

void SectionPlayerWindow::ButtonStopClick() {
    ++run_;  // what the stopped run still has queued is dropped
    if (feedTimer_) feedTimer_->stop();
    chordRun_ = false;
    if (!thread_.stop()) return;
    emit playStopped();
    ButtonStop->setEnabled(false);
    LabelPos->setText(kStoppedPosition);
    ButtonStart->setEnabled(true);
}

PlayerThread::Reports SectionPlayerWindow::reportsFor(int run) {
    PlayerThread::Reports reports;
    reports.position = [this, run](const Position& p) {
        QMetaObject::invokeMethod(this, [this, run, p] { showPosition(run, p); }, Qt::QueuedConnection);
    };
    reports.finished = [this, run] {
        QMetaObject::invokeMethod(this, [this, run] { runFinished(run); }, Qt::QueuedConnection);
    };
    return reports;
}

void SectionPlayerWindow::showPosition(int run, const Position& position) {
    if (run != run_) return;
    LabelPos->setText(QString::fromStdString(positionText(position, timing_.division, showCounter_)));
    if (chordRun_) {
        showWhy(position.tick);
        const auto bar = std::find_if(fedBars_.begin(), fedBars_.end(), [&](const chords::FedBar& b) {
            return position.tick >= b.bar.start && position.tick < b.bar.end;
        });
        if (bar != fedBars_.end()) emit playPosition(bar->section, position.tick);
    } else {
        emit playPosition(playingSection_, position.tick);
    }
    // A port that went away (a keyboard unplugged) ends the run with a word why.
    if (const auto trouble = out_.status(); !trouble.empty()) {
        ButtonStopClick();
        dialogs_.message(this, text(120, "Player message"), QString::fromStdString(trouble), base::Icon::Error, false);
    }
}

void SectionPlayerWindow::runFinished(int run) {
    if (run == run_) ButtonStopClick();
}

void SectionPlayerWindow::LabelPosClick() { showCounter_ = !showCounter_; }

bool SectionPlayerWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        if (watched == LabelPos) {
            LabelPosClick();
        } else {
            for (int c = 0; c < 16; ++c)
                if (watched == Label[static_cast<std::size_t>(c)] && Label[static_cast<std::size_t>(c)]->isEnabled())
                    channelClick(c);
        }
    }
    return RememberedDialog::eventFilter(watched, e);
}

void SectionPlayerWindow::done(int result) {
    ButtonStopClick();
    RememberedDialog::done(result);
}

void openPlayer(const document::Document& doc, int midiOutIndex, base::ui::UserDialogs& dialogs,
                const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent,
                CasmLink casm, const std::function<void(SectionPlayerWindow&)>& opened) {
    if (doc.markers.empty()) {
        base::ui::showNotice(parent, QString::fromStdString(language.text(120, "Player message")),
                            QString::fromStdString(language.text(121, "No section to play...")));
        return;
    }
    if (const auto check = checkTiming(playerTiming(doc)); !check.ok) {
        base::ui::showMessage(dialogs, parent, check.message);
        return;
    }
    auto& out = programMidiOut();
    out.refresh();
    out.SelectDevice(midiOutIndex);
    SectionPlayerWindow player(doc, out, dialogs, settingsFile, language, parent, std::move(casm));
    // Modal to the main window only, so the CASM editor beside it stays usable while playing.
    player.setWindowModality(Qt::WindowModal);
    if (opened) opened(player);
    player.exec();
}

}  // namespace playback::ui
