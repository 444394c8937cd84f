#include "casm/ui/assign_dialogs.h"
#include "casm/ui/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "casm/ui/mute_dialogs.h"
#include "casm/ui/note_picker.h"
#include "casm/values.h"

namespace casm::ui {
namespace {

// A radio group of `items` in `columns` columns, preset to `checked`.
QButtonGroup* radioGroup(QWidget* parent, QGroupBox* box, const QStringList& items, int columns, int checked) {
    auto* group = new QButtonGroup(parent);
    auto* grid = new QGridLayout(box);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        group->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    if (auto* b = group->button(checked)) b->setChecked(true);
    return group;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// The NTT items of a kind: the six Ctab names (the combo's spelling has a
// blank after the two "M-m Only"), or the Ctb2 names of the NTR.
QStringList nttItems(TableKind kind, int ntr) {
    if (kind == TableKind::Ctb2) return names(ctb2NttNames(ntr));
    QStringList items = names(nttNames());
    items[4] += " ";
    items[5] += " ";
    return items;
}

QStringList rtrItems(TableKind kind) {
    if (kind == TableKind::Ctb2) return names(ctb2RtrNames());
    return names(rtrNames());  // the assignment dialog spells the fourth "Retriger", as the grid does
}

}  // namespace

// ---------------------------------------------------------------- chord root and type

ChordAssignDialog::ChordAssignDialog(QWidget* parent, const DialogContext& context, const char* settingsSection,
                                     int captionId, bool withRoot, bool withType, const Entry& current,
                                     const QString& suffix)
    : RememberedDialog(parent, context.settingsFile, settingsSection), context_(context), captions_(context.language) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    if (withRoot) {
        auto* box = new QGroupBox("Chord Root", this);
        box->setObjectName("RadioGroupRoot");
        RadioGroupRoot = radioGroup(this, box, names(keyNames()), 2, current[ChordRoot]);
        row->addWidget(box);
    }
    if (withType) {
        auto* box = new QGroupBox("Chord Type", this);
        box->setObjectName("RadioGroupType");
        RadioGroupType = radioGroup(this, box, names(chordTypeNames()), 3, current[ChordType]);
        row->addWidget(box, 1);
        ButtonPicture = button(this, "ButtonPicture", "Chords...");
        ButtonPicture->setToolTip("Press to view Chord Types");
        connect(ButtonPicture, &QPushButton::clicked, this, [this] {
            const int checked = std::max(RadioGroupType->checkedId(), 0);
            if (const auto picked = pickChordType(this, context_, checked))
                if (auto* b = RadioGroupType->button(*picked)) b->setChecked(true);
        });
    }
    layout->addLayout(row);
    auto* bottom = new QHBoxLayout;
    CheckBoxAll = new QCheckBox(this);
    CheckBoxAll->setObjectName("CheckBoxAll");
    bottom->addWidget(CheckBoxAll);
    if (ButtonPicture) bottom->addWidget(ButtonPicture);
    bottom->addStretch();
    ButtonAssign = button(this, "ButtonAssign");
    ButtonAssign->setDefault(true);
    ButtonCancel = button(this, "ButtonCancel");
    bottom->addWidget(ButtonAssign);
    bottom->addWidget(ButtonCancel);
    layout->addLayout(bottom);
    captions_.add(captionId, [this, suffix](const QString& t) { setWindowTitle(t + suffix); });
    captions_.add(211, [this](const QString& t) { CheckBoxAll->setText(t); });
    captions_.add(210, [this](const QString& t) { ButtonAssign->setText(t); });
    captions_.add(81, [this](const QString& t) { ButtonCancel->setText(t); });
    connect(ButtonAssign, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

std::optional<std::uint8_t> ChordAssignDialog::root() const {
    if (!RadioGroupRoot || RadioGroupRoot->checkedId() < 0) return std::nullopt;
    return static_cast<std::uint8_t>(RadioGroupRoot->checkedId());
}

std::optional<std::uint8_t> ChordAssignDialog::type() const {
    if (!RadioGroupType || RadioGroupType->checkedId() < 0) return std::nullopt;
    return static_cast<std::uint8_t>(RadioGroupType->checkedId());
}

bool ChordAssignDialog::useForAll() const { return CheckBoxAll->isChecked(); }

ChordRootDialog::ChordRootDialog(QWidget* parent, const DialogContext& context, const Entry& current, const QString& suffix)
    : ChordAssignDialog(parent, context, "ChordRoot", 209, true, false, current, suffix) {}

ChordTypeDialog::ChordTypeDialog(QWidget* parent, const DialogContext& context, const Entry& current, const QString& suffix)
    : ChordAssignDialog(parent, context, "ChordType", 214, false, true, current, suffix) {}

ChordRootTypeDialog::ChordRootTypeDialog(QWidget* parent, const DialogContext& context, const Entry& current,
                               const QString& suffix)
    : ChordAssignDialog(parent, context, "ChordRootType", 212, true, true, current, suffix) {}

// ---------------------------------------------------------------- RuleAssignDialog

RuleAssignDialog::RuleAssignDialog(QWidget* parent, const DialogContext& context, const Entry& current, Zone shown,
                   bool channelVariant, const QString& caption)
    : RememberedDialog(parent, context.settingsFile, "FAssign"),
      context_(context),
      captions_(context.language),
      kind_(current.kind()),
      noteMask_(noteMaskOf(current)),
      chordMask_(chordMaskOf(current)) {
    const bool ctb2 = kind_ == TableKind::Ctb2;
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    auto box = [&](const char* name, int textId) {
        auto* b = new QCheckBox(this);
        b->setObjectName(name);
        if (textId != 0) captions_.add(textId, [b](const QString& t) { b->setText(t); });
        boxes_.push_back(b);
        connect(b, &QCheckBox::toggled, this, [this] { ticked(); });
        grid->addWidget(b, row, 0);
        return b;
    };
    auto control = [&](QWidget* w) {
        grid->addWidget(w, row++, 1);
        w->setEnabled(false);
    };

    if (ctb2) {
        grid->addWidget(new QLabel("Zone", this), row, 0);
        ComboBoxZone = new QComboBox(this);
        ComboBoxZone->setObjectName("ComboBoxZone");
        ComboBoxZone->addItems({"All zones", "Low zone", "Middle zone", "High zone"});
        ComboBoxZone->setCurrentIndex(static_cast<int>(shown) + 1);
        grid->addWidget(ComboBoxZone, row++, 1);
    }
    const Zone zone = ctb2 ? shown : Zone::Middle;

    CheckBoxNTR = box("CheckBoxNTR", 240);
    auto* ntrBox = new QGroupBox("NTR", this);
    ntrBox->setObjectName("RadioGroupNTR");
    const QStringList ntrItems = ctb2 ? names(ctb2NtrNames()) : QStringList{"Trans.", "Fixed"};
    const int ntr = current.rule(zone, Rule::NTR);
    RadioGroupNTR = radioGroup(this, ntrBox, ntrItems, static_cast<int>(ntrItems.size()), ctb2 ? ntr : (ntr == 0 ? 0 : 1));
    control(ntrBox);

    CheckBoxNTT = box("CheckBoxNTT", 241);
    auto* nttRow = new QWidget(this);
    auto* nttLayout = new QHBoxLayout(nttRow);
    nttLayout->setContentsMargins(0, 0, 0, 0);
    ComboBoxNTT = new QComboBox(nttRow);
    ComboBoxNTT->setObjectName("ComboBoxNTT");
    nttLayout->addWidget(ComboBoxNTT, 1);
    const int ntt = current.rule(zone, Rule::NTT);
    if (ctb2) {
        CheckBoxBass = new QCheckBox("Bass", nttRow);
        CheckBoxBass->setObjectName("CheckBoxBass");
        CheckBoxBass->setChecked((ntt & kBassBit) != 0);
        nttLayout->addWidget(CheckBoxBass);
        connect(RadioGroupNTR, &QButtonGroup::idClicked, this, [this](int id) { fillNtt(id); });
    }
    fillNtt(RadioGroupNTR->checkedId());
    ComboBoxNTT->setCurrentIndex(ctb2 ? (ntt & ~kBassBit) : ntt);
    control(nttRow);

    CheckBoxHK = box("CheckBoxHK", 242);
    ComboBoxHK = new QComboBox(this);
    ComboBoxHK->setObjectName("ComboBoxHK");
    ComboBoxHK->addItems(names(keyNames()));
    ComboBoxHK->setCurrentIndex(current.rule(zone, Rule::HighestKey));
    control(ComboBoxHK);

    CheckBoxRTR = box("CheckBoxRTR", 243);
    ComboBoxRTR = new QComboBox(this);
    ComboBoxRTR->setObjectName("ComboBoxRTR");
    ComboBoxRTR->addItems(rtrItems(kind_));
    ComboBoxRTR->setCurrentIndex(current.rule(zone, Rule::RTR));
    control(ComboBoxRTR);

    auto limit = [&](const char* name, const char* title, QSpinBox*& spin, QPushButton*& pick, int low, int high,
                     int value) {
        auto* group = new QGroupBox(title, this);
        group->setObjectName(name);
        auto* h = new QHBoxLayout(group);
        spin = new QSpinBox(group);
        spin->setRange(low, high);
        spin->setValue(value);
        pick = button(group, "ButtonNote", "...");
        pick->setToolTip("Select Note");
        h->addWidget(spin, 1);
        h->addWidget(pick);
        QSpinBox* s = spin;
        connect(pick, &QPushButton::clicked, this, [this, s] { pickNote(s); });
        control(group);
    };
    CheckBoxLow = box("CheckBoxLow", 244);
    limit("GroupLow", "Low Limit", SpinLow, ButtonLowNote, 0, 116, current.rule(zone, Rule::LowLimit));
    SpinLow->setObjectName("SpinLow");
    CheckBoxHigh = box("CheckBoxHigh", 245);
    limit("GroupHigh", "High Limit", SpinHigh, ButtonHighNote, 39, 127, current.rule(zone, Rule::HighLimit));
    SpinHigh->setObjectName("SpinHigh");

    CheckBoxNoteMute = box("CheckBoxNoteMute", 247);
    ButtonNoteMute = button(this, "ButtonNoteMute");
    captions_.add(249, [this](const QString& t) { ButtonNoteMute->setText(t); });
    connect(ButtonNoteMute, &QPushButton::clicked, this, [this] {
        NoteMuteDialog dialog(this, context_, noteMask_);
        if (dialog.exec() == QDialog::Accepted) noteMask_ = dialog.mask();
    });
    control(ButtonNoteMute);

    CheckBoxChordMute = box("CheckBoxChordMute", 246);
    ButtonChordMute = button(this, "ButtonChordMute");
    captions_.add(249, [this](const QString& t) { ButtonChordMute->setText(t); });
    connect(ButtonChordMute, &QPushButton::clicked, this, [this] {
        ChordMuteDialog dialog(this, context_, chordMask_);
        if (dialog.exec() == QDialog::Accepted) chordMask_ = dialog.mask();
    });
    control(ButtonChordMute);

    CheckBoxAutoStart = box("CheckBoxAutoStart", 248);
    AutoStart = new QCheckBox("AutoStart", this);
    AutoStart->setObjectName("AutoStart");
    AutoStart->setChecked(current.autoStart());
    grid->addWidget(AutoStart, row++, 1);  // always enabled

    if (ctb2) {
        CheckBoxMiddle = box("CheckBoxMiddle", 0);
        CheckBoxMiddle->setText("Assign Middle Range");
        auto* range = new QWidget(this);
        auto* h = new QHBoxLayout(range);
        h->setContentsMargins(0, 0, 0, 0);
        SpinMidLow = new QSpinBox(range);
        SpinMidLow->setObjectName("SpinMidLow");
        SpinMidHigh = new QSpinBox(range);
        SpinMidHigh->setObjectName("SpinMidHigh");
        for (auto* s : {SpinMidLow, SpinMidHigh}) s->setRange(0, 127);
        SpinMidLow->setValue(current[MiddleLow]);
        SpinMidHigh->setValue(current[MiddleHigh]);
        h->addWidget(SpinMidLow);
        h->addWidget(new QLabel("-", range));
        h->addWidget(SpinMidHigh);
        control(range);
    }
    layout->addLayout(grid);

    auto* bottom = new QHBoxLayout;
    ComboBoxChan = new QComboBox(this);
    ComboBoxChan->setObjectName("ComboBoxChan");
    ComboBoxChan->addItems(channelItems(captions_.text(50)));
    ComboBoxChan->addItem(captions_.text(250));
    ComboBoxChan->setCurrentIndex(current[MidiChan] % 16);
    ComboBoxChan->setVisible(channelVariant);
    connect(ComboBoxChan, &QComboBox::currentIndexChanged, this, [this](int index) {
        setWindowTitle(index == 16 ? QStringLiteral("Assign ... to all") : captions_.text(239) + QString::number(index + 1));
    });
    bottom->addWidget(ComboBoxChan);
    bottom->addStretch();
    ButtonAssign = button(this, "ButtonAssign");
    ButtonAssign->setDefault(true);
    ButtonAssign->setEnabled(false);
    ButtonCancel = button(this, "ButtonCancel");
    bottom->addWidget(ButtonAssign);
    bottom->addWidget(ButtonCancel);
    layout->addLayout(bottom);
    captions_.add(210, [this](const QString& t) { ButtonAssign->setText(t); });
    captions_.add(81, [this](const QString& t) { ButtonCancel->setText(t); });
    connect(ButtonAssign, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    setWindowTitle(caption);
    restorePlace();
}

void RuleAssignDialog::fillNtt(int ntr) {
    const int index = ComboBoxNTT->currentIndex();
    ComboBoxNTT->clear();
    ComboBoxNTT->addItems(nttItems(kind_, ntr));
    ComboBoxNTT->setCurrentIndex(std::clamp(index, 0, ComboBoxNTT->count() - 1));
}

void RuleAssignDialog::pickNote(QSpinBox* spin) {
    NotePicker picker(this, context_, spin->value());
    if (picker.exec() == QDialog::Accepted) spin->setValue(picker.note());
}

void RuleAssignDialog::ticked() {
    // Each box enables the control in its row; "&Assign" needs one box ticked.
    auto enable = [](QCheckBox* b, QWidget* w) {
        if (b && w) w->setEnabled(b->isChecked());
    };
    enable(CheckBoxNTR, RadioGroupNTR->buttons().front()->parentWidget());
    enable(CheckBoxNTT, ComboBoxNTT->parentWidget());
    enable(CheckBoxHK, ComboBoxHK);
    enable(CheckBoxRTR, ComboBoxRTR);
    enable(CheckBoxLow, SpinLow->parentWidget());
    enable(CheckBoxHigh, SpinHigh->parentWidget());
    enable(CheckBoxNoteMute, ButtonNoteMute);
    enable(CheckBoxChordMute, ButtonChordMute);
    if (CheckBoxMiddle) enable(CheckBoxMiddle, SpinMidLow->parentWidget());
    bool any = false;
    for (auto* b : boxes_) any = any || b->isChecked();
    ButtonAssign->setEnabled(any);
}

RuleAssignment RuleAssignDialog::assignment() const {
    RuleAssignment a;
    a.kind = kind_;
    auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
    if (CheckBoxNTR->isChecked()) a[Rule::NTR] = byte(RadioGroupNTR->checkedId());
    if (CheckBoxNTT->isChecked())
        a[Rule::NTT] = byte(ComboBoxNTT->currentIndex() | (CheckBoxBass && CheckBoxBass->isChecked() ? kBassBit : 0));
    if (CheckBoxHK->isChecked()) a[Rule::HighestKey] = byte(ComboBoxHK->currentIndex());
    if (CheckBoxRTR->isChecked()) a[Rule::RTR] = byte(ComboBoxRTR->currentIndex());
    if (CheckBoxLow->isChecked()) a[Rule::LowLimit] = byte(SpinLow->value());
    if (CheckBoxHigh->isChecked()) a[Rule::HighLimit] = byte(SpinHigh->value());
    if (CheckBoxNoteMute->isChecked()) a.noteMute = noteMask_;
    if (CheckBoxChordMute->isChecked()) a.chordMute = chordMask_;
    if (CheckBoxAutoStart->isChecked()) a.autoStart = AutoStart->isChecked();
    if (CheckBoxMiddle && CheckBoxMiddle->isChecked()) {
        a.middleLow = byte(SpinMidLow->value());
        a.middleHigh = byte(SpinMidHigh->value());
    }
    if (ComboBoxZone && ComboBoxZone->currentIndex() > 0) a.zone = static_cast<Zone>(ComboBoxZone->currentIndex() - 1);
    return a;
}

std::optional<int> RuleAssignDialog::channel() const {
    const int index = ComboBoxChan->currentIndex();
    if (index < 0 || index >= 16) return std::nullopt;
    return index;
}

// ---------------------------------------------------------------- SectionChooser

SectionChooser::SectionChooser(QWidget* parent, const DialogContext& context, const std::vector<std::string>& sections,
                 const std::string& current)
    : RememberedDialog(parent, context.settingsFile, "SelSec"), captions_(context.language) {
    auto* layout = new QVBoxLayout(this);
    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setObjectName("CheckListBox1");
    for (const auto& name : sections) {
        auto* item = new QListWidgetItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(name == current ? Qt::Checked : Qt::Unchecked);
    }
    ButtonOK = button(this, "ButtonOK");
    ButtonOK->setDefault(true);
    layout->addWidget(CheckListBox1);
    layout->addWidget(ButtonOK, 0, Qt::AlignRight);
    captions_.add(313, [this](const QString& t) { setWindowTitle(t); });
    captions_.add(80, [this](const QString& t) { ButtonOK->setText(t); });
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    restorePlace();
}

std::vector<std::string> SectionChooser::ticked() const {
    std::vector<std::string> out;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        if (CheckListBox1->item(i)->checkState() == Qt::Checked)
            out.push_back(CheckListBox1->item(i)->text().toLatin1().toStdString());
    return out;
}

}  // namespace casm::ui
