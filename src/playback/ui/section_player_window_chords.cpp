// The section player's chord mode: the controls, and the feeding of bars
// computed by chords::BarFeeder to the player thread through a BarQueue.
#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "chords/chord_types.h"
#include "chords/section_plan.h"
#include "chords/why_rows.h"
#include "playback/ui/chord_following_why_list.h"
#include "playback/ui/section_player_window.h"

namespace playback::ui {
namespace {

constexpr std::size_t kBarsAhead = 2;
constexpr int kFeedEveryMs = 10;
constexpr int kMinBpm = 10;
constexpr int kMaxBpm = 500;

QString pitchClassText(int pc) {
    const auto name = chords::pitchClassName(pc);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

void SectionPlayerWindow::buildChordControls(QLayout* into) {
    GroupChords = new QGroupBox(tr("Follow chords"), this);
    GroupChords->setObjectName("GroupChords");
    GroupChords->setCheckable(true);
    GroupChords->setChecked(false);
    auto* grid = new QGridLayout(GroupChords);

    RadioProgression = new QRadioButton(tr("Progression"), GroupChords);
    RadioProgression->setObjectName("RadioProgression");
    RadioProgression->setChecked(true);
    EditProgression = new QLineEdit("C Am7 | F G7", GroupChords);
    EditProgression->setObjectName("EditProgression");
    EditProgression->setToolTip(tr("Bars with |, beats with :n, % / . repeat the chord before"));
    RadioHold = new QRadioButton(tr("Hold"), GroupChords);
    RadioHold->setObjectName("RadioHold");
    ComboRoot = new QComboBox(GroupChords);
    ComboRoot->setObjectName("ComboRoot");
    ComboType = new QComboBox(GroupChords);
    ComboType->setObjectName("ComboType");
    ComboBass = new QComboBox(GroupChords);
    ComboBass->setObjectName("ComboBass");
    ComboBass->addItem(tr("no bass"));
    for (int pc = 0; pc < 12; ++pc) {
        ComboRoot->addItem(pitchClassText(pc));
        ComboBass->addItem("/" + pitchClassText(pc));
    }
    for (int t = 0; t < chords::kTypeCount; ++t) {
        const auto name = chords::typeName(t);
        ComboType->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    ComboType->setCurrentIndex(chords::kMaj7);

    CheckBoxUnsaved = new QCheckBox(tr("Play the CASM editor's unsaved entries (A), not the saved ones (B)"),
                                    GroupChords);
    CheckBoxUnsaved->setObjectName("CheckBoxUnsaved");
    CheckBoxUnsaved->setEnabled(static_cast<bool>(casm_.unsaved));
    CheckBoxUnsaved->setChecked(static_cast<bool>(casm_.unsaved));

    SpinTempo = new QSpinBox(this);
    SpinTempo->setObjectName("SpinTempo");
    SpinTempo->setRange(kMinBpm, kMaxBpm);
    SpinTempo->setSuffix(tr(" BPM"));
    SpinTempo->setValue(std::clamp(static_cast<int>(60'000'000 / std::max<std::uint32_t>(timing_.tempo, 1)), kMinBpm,
                                   kMaxBpm));
    LabelChords = new QLabel(GroupChords);
    LabelChords->setObjectName("LabelChords");
    LabelChords->setWordWrap(true);

    grid->addWidget(RadioProgression, 0, 0);
    grid->addWidget(EditProgression, 0, 1, 1, 4);
    grid->addWidget(RadioHold, 1, 0);
    grid->addWidget(ComboRoot, 1, 1);
    grid->addWidget(ComboType, 1, 2);
    grid->addWidget(ComboBass, 1, 3);
    grid->addWidget(new QLabel(tr("Tempo"), GroupChords), 1, 4, Qt::AlignRight);
    grid->addWidget(SpinTempo, 1, 5);
    grid->addWidget(CheckBoxUnsaved, 2, 0, 1, 6);
    grid->addWidget(LabelChords, 3, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    into->addWidget(GroupChords);

    WhyList = new ChordFollowingWhyList(this);
    WhyList->setMinimumHeight(120);
    WhyList->onEntryChosen = [this](std::size_t entry) {
        if (casm_.select) casm_.select(entry);
    };
    into->addWidget(WhyList);

    connect(GroupChords, &QGroupBox::toggled, this, [this] {
        if (!playing()) RGSectionClick();
    });
    feedTimer_ = new QTimer(this);
    connect(feedTimer_, &QTimer::timeout, this, &SectionPlayerWindow::feedBars);
    connect(EditProgression, &QLineEdit::editingFinished, this, &SectionPlayerWindow::chordsChanged);
    for (auto* radio : {RadioProgression, RadioHold})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on) chordsChanged();
        });
    for (auto* combo : {ComboRoot, ComboType, ComboBass})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (RadioHold->isChecked()) chordsChanged();
        });
    connect(CheckBoxUnsaved, &QCheckBox::toggled, this, &SectionPlayerWindow::entriesChanged);
    connect(SpinTempo, &QSpinBox::valueChanged, this, &SectionPlayerWindow::tempoChanged);
}

bool SectionPlayerWindow::chordMode() const { return GroupChords->isChecked(); }

QString SectionPlayerWindow::chordMessage() const { return LabelChords->text(); }

void SectionPlayerWindow::setChordMessage(const QString& message) { LabelChords->setText(message); }

std::optional<chords::ChordChoice> SectionPlayerWindow::chordChoice() {
    chords::ChordChoice choice;
    choice.loop = CheckBoxLoop->isChecked();
    if (RadioHold->isChecked()) {
        choice.held.root = ComboRoot->currentIndex();
        choice.held.type = ComboType->currentIndex();
        if (const int bass = ComboBass->currentIndex() - 1; bass >= 0 && bass != choice.held.root)
            choice.held.bass = bass;
        return choice;
    }
    auto parsed = chords::parseProgression(EditProgression->text().toStdString(),
                                           chords::timeSignatureOf(doc_.events), doc_.division);
    if (auto* fault = std::get_if<std::string>(&parsed)) {
        setChordMessage(tr("Progression: %1").arg(QString::fromStdString(*fault)));
        return std::nullopt;
    }
    choice.progression = std::move(std::get<std::vector<chords::TimedChord>>(parsed));
    if (choice.progression.empty()) {
        setChordMessage(tr("Progression: type at least one chord, or hold one."));
        return std::nullopt;
    }
    return choice;
}

std::optional<std::vector<casm::Entry>> SectionPlayerWindow::playedEntries() {
    if (CheckBoxUnsaved->isChecked() && casm_.unsaved)
        if (auto unsaved = casm_.unsaved()) return unsaved;
    if (!casm_.saved) {
        setChordMessage(tr("No CASM entries to follow."));
        return std::nullopt;
    }
    auto saved = casm_.saved();
    if (!saved.fault.empty()) {
        setChordMessage(tr("The CASM section cannot be read: %1").arg(QString::fromStdString(saved.fault)));
        return std::nullopt;
    }
    if (saved.created)
        setChordMessage(tr("The style has no CASM section: its channels follow the entries "
                           "\"Create CASM section\" would make."));
    return std::move(saved.entries);
}

bool SectionPlayerWindow::startChords(int index) {
    setChordMessage({});
    auto choice = chordChoice();
    if (!choice) return false;
    auto entries = playedEntries();
    if (!entries) return false;
    entries_ = std::move(*entries);
    plans_ = std::make_shared<const chords::SectionPlans>(chords::planSections(doc_, entries_, sections_));
    feeder_ = std::make_unique<chords::BarFeeder>(sections_, chords::timeSignatureOf(doc_.events), doc_.division);
    feeder_->setPlans(plans_);
    feeder_->setChords(std::move(*choice));
    if (const auto fault = feeder_->start(sections_[static_cast<std::size_t>(index)])) {
        setChordMessage(QString::fromStdString(*fault));
        return false;
    }
    queue_ = std::make_unique<BarQueue>();
    fedBars_.clear();
    whyShown_.clear();
    feedBars();
    tempoChanged();
    LabelPos->setText("0");
    const int run = ++run_;
    if (!thread_.startBars(startup_, *queue_, timing_, controls_, reportsFor(run))) return false;
    chordRun_ = true;
    feedTimer_->start(kFeedEveryMs);
    showWhy(0);
    return true;
}

void SectionPlayerWindow::feedBars() {
    if (!feeder_ || !queue_) return;
    const std::uint64_t taken = queue_->taken();
    feeder_->forgetBefore(taken);
    while (!fedBars_.empty() && fedBars_.front().bar.index + 1 < taken) fedBars_.pop_front();
    while (queue_->pending() < kBarsAhead) {
        auto next = feeder_->next();
        if (!next) {
            queue_->close();
            return;
        }
        emit barFed(next->bar, next->section);
        auto info = *next;
        info.bar.events.clear();
        fedBars_.push_back(std::move(info));
        queue_->push(std::move(next->bar));
    }
}

void SectionPlayerWindow::recomputeQueued() {
    if (!feeder_ || !queue_) return;
    const auto back = queue_->withdraw();
    if (!back.empty()) {
        feeder_->rewindTo(back.front().index);
        while (!fedBars_.empty() && fedBars_.back().bar.index >= back.front().index) fedBars_.pop_back();
    }
    feedBars();
}

void SectionPlayerWindow::chordsChanged() {
    if (!chordRun_ || !feeder_) return;
    auto choice = chordChoice();
    if (!choice) return;  // the message says why; the chords playing go on
    setChordMessage({});
    feeder_->setChords(std::move(*choice));
    recomputeQueued();
}

void SectionPlayerWindow::entriesChanged() {
    if (!chordRun_ || !feeder_) return;
    auto entries = playedEntries();
    if (!entries) return;
    entries_ = std::move(*entries);
    plans_ = std::make_shared<const chords::SectionPlans>(chords::planSections(doc_, entries_, sections_));
    feeder_->setPlans(plans_);
    recomputeQueued();
    whyShown_.clear();
}

void SectionPlayerWindow::casmEdited() {
    if (CheckBoxUnsaved->isChecked()) entriesChanged();
}

void SectionPlayerWindow::tempoChanged() {
    controls_.tempo = static_cast<std::uint32_t>(60'000'000 / SpinTempo->value());
}

void SectionPlayerWindow::showWhy(std::uint64_t tick) {
    const auto bar = std::find_if(fedBars_.begin(), fedBars_.end(), [&](const chords::FedBar& b) {
        return tick >= b.bar.start && tick < b.bar.end;
    });
    if (bar == fedBars_.end() || !plans_) return;
    const auto chord = std::find_if(bar->chords.begin(), bar->chords.end(),
                                    [&](const chords::TimedChord& c) { return tick >= c.start && tick < c.end; });
    if (chord == bar->chords.end()) return;
    const QString shown = QString::fromStdString(bar->section + "\n" + chords::chordName(chord->chord));
    if (shown == whyShown_) return;
    whyShown_ = shown;
    const auto plan = plans_->find(bar->section);
    if (plan == plans_->end()) return;
    WhyList->setRows(chords::whyRows(plan->second, entries_, bar->section, chord->chord));
    WhyList->setToolTip(tr("Why each part plays over %1").arg(QString::fromStdString(chord->symbol)));
}

}  // namespace playback::ui
