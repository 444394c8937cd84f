// The CASM editor's side panel: it shows the entry of the current row and
// changes that entry alone, each control only when its value differs.
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "casm/cntt.h"
#include "casm/masks.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/casm_table_model.h"
#include "casm/ui/mute_dialogs.h"
#include "casm/ui/open_casm.h"
#include "casm/ui/qt_text.h"
#include "casm/values.h"

namespace casm::ui {
namespace {

// Replaces a combo box's items only when they differ, so the list a user has open stays.
void setItems(QComboBox* box, const QStringList& items) {
    QStringList present;
    for (int i = 0; i < box->count(); ++i) present << box->itemText(i);
    if (present == items) return;
    box->clear();
    box->addItems(items);
}

QToolButton* pictureButton(QWidget* parent, const char* name, const char* hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText("...");
    b->setToolTip(hint);
    return b;
}

bool hasCtb2(const std::vector<Entry>& entries) {
    return std::any_of(entries.begin(), entries.end(), [](const Entry& e) { return e.kind() == TableKind::Ctb2; });
}

}  // namespace

void CasmEditorWindow::buildPanel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    int column = 0;
    int row = 0;
    // A caption above its control (and the control's buttons).
    auto cell = [&](const char* caption, std::initializer_list<QWidget*> widgets, int span = 1) {
        auto* label = new QLabel(caption, Panel1);
        grid->addWidget(label, row * 2, column, 1, span);
        auto* h = new QHBoxLayout;
        h->setSpacing(2);
        for (auto* w : widgets) h->addWidget(w, w == *widgets.begin() ? 1 : 0);
        grid->addLayout(h, row * 2 + 1, column, 1, span);
        column += span;
        return label;
    };

    EditName = new QLineEdit(Panel1);
    EditName->setObjectName("EditName");
    EditName->setMaxLength(static_cast<int>(kNameLength));
    cell("Name", {EditName});
    ComboBoxChan = new QComboBox(Panel1);
    ComboBoxChan->setObjectName("ComboBoxChan");
    cell("MIDI Chan", {ComboBoxChan});
    ComboBoxRoot = new QComboBox(Panel1);
    ComboBoxRoot->setObjectName("ComboBoxRoot");
    ComboBoxRoot->addItems(names(keyNames()));
    cell("S.Chord Root", {ComboBoxRoot});
    ComboBoxType = new QComboBox(Panel1);
    ComboBoxType->setObjectName("ComboBoxType");
    ComboBoxType->addItems(names(chordTypeNames()));
    ButtonChords = pictureButton(Panel1, "ButtonChords", "Chords from Root C");
    cell("S.Chord Type", {ComboBoxType, ButtonChords});
    auto* ntrBox = new QWidget(Panel1);
    ntrBox->setObjectName("RadioGroupNTR");
    auto* ntrLayout = new QHBoxLayout(ntrBox);
    ntrLayout->setContentsMargins(0, 0, 0, 0);
    RadioGroupNTR = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(ntrBox);
        radio->setObjectName(QString("RadioNTR%1").arg(i));
        ntrButtons[static_cast<std::size_t>(i)] = radio;
        RadioGroupNTR->addButton(radio, i);
        ntrLayout->addWidget(radio);
    }
    cell("NTR", {ntrBox}, 2);
    ComboBoxNTT = new QComboBox(Panel1);
    ComboBoxNTT->setObjectName("ComboBoxNTT");
    CheckBoxBass = new QCheckBox("Bass", Panel1);
    CheckBoxBass->setObjectName("CheckBoxBass");
    cell("NTT", {ComboBoxNTT, CheckBoxBass}, 2);
    ComboBoxZone = new QComboBox(Panel1);
    ComboBoxZone->setObjectName("ComboBoxZone");
    ComboBoxZone->addItems({"Low", "Middle", "High"});
    ComboBoxZone->setCurrentIndex(static_cast<int>(Zone::Middle));
    ComboBoxZone->setToolTip("The zone of SFF2 entries that the rule columns and controls show");
    auto* zoneLabel = cell("SFF2 zone", {ComboBoxZone});
    zoneLabel->setObjectName("LabelZone");

    row = 1;
    column = 0;
    ComboBoxHK = new QComboBox(Panel1);
    ComboBoxHK->setObjectName("ComboBoxHK");
    ComboBoxHK->addItems(names(keyNames()));
    cell("Highest Key", {ComboBoxHK});
    SpinLow = new QSpinBox(Panel1);
    SpinLow->setObjectName("SpinLow");
    SpinLow->setRange(0, 116);
    SpinLow->setValue(28);
    ButtonLow = pictureButton(Panel1, "ButtonLow", "Select Note");
    cell("Low Limit", {SpinLow, ButtonLow});
    SpinHigh = new QSpinBox(Panel1);
    SpinHigh->setObjectName("SpinHigh");
    SpinHigh->setRange(39, 127);
    SpinHigh->setValue(127);
    ButtonHigh = pictureButton(Panel1, "ButtonHigh", "Select Note");
    cell("High Limit", {SpinHigh, ButtonHigh});
    ComboBoxRTR = new QComboBox(Panel1);
    ComboBoxRTR->setObjectName("ComboBoxRTR");
    cell("RTR", {ComboBoxRTR});
    ButtonNoteMute = new QPushButton(Panel1);
    ButtonNoteMute->setObjectName("ButtonNoteMute");
    cell("Note Mute", {ButtonNoteMute});
    ButtonChordMute = new QPushButton(Panel1);
    ButtonChordMute->setObjectName("ButtonChordMute");
    cell("Chord Mute", {ButtonChordMute});
    CheckBoxAutoStart = new QCheckBox("Auto Start", Panel1);
    CheckBoxAutoStart->setObjectName("CheckBoxAutoStart");
    CheckBoxReadOnly = new QCheckBox(Panel1);
    CheckBoxReadOnly->setObjectName("CheckBoxReadOnly");
    cell("", {CheckBoxAutoStart, CheckBoxReadOnly});
    SpinCntt = new QSpinBox(Panel1);
    SpinCntt->setObjectName("SpinCntt");
    SpinCntt->setRange(0, 255);
    ButtonCnttDelete = pictureButton(Panel1, "ButtonCnttDelete", "Remove the Cntt value");
    ButtonCnttDelete->setText("x");
    cell("Cntt", {SpinCntt, ButtonCnttDelete});
    SpinMidLow = new QSpinBox(Panel1);
    SpinMidLow->setObjectName("SpinMidLow");
    SpinMidHigh = new QSpinBox(Panel1);
    SpinMidHigh->setObjectName("SpinMidHigh");
    for (auto* s : {SpinMidLow, SpinMidHigh}) s->setRange(0, 127);
    auto* midLabel = cell("SFF2 middle range", {SpinMidLow, SpinMidHigh}, 2);
    midLabel->setObjectName("LabelMiddle");
    for (auto* s : {SpinLow, SpinHigh, SpinCntt, SpinMidLow, SpinMidHigh}) s->setKeyboardTracking(false);

    captions_.add(249, [this](const QString& t) {
        ButtonNoteMute->setText(t);
        ButtonChordMute->setText(t);
    });
    captions_.add(383, "Read Only", [this](const QString& t) { CheckBoxReadOnly->setText(t); });
}

Zone CasmEditorWindow::shownZone() const { return model_->shownZone(); }

void CasmEditorWindow::setShownZone(Zone zone) {
    model_->setShownZone(zone);
    ComboBoxZone->setCurrentIndex(static_cast<int>(zone));
    if (auto* a = zoneGroup_->actions().value(static_cast<int>(zone))) a->setChecked(true);
    showEntry();
}

void CasmEditorWindow::fillRuleNames(const Entry* e) {
    const bool ctb2 = e && e->kind() == TableKind::Ctb2;
    const QStringList ntr = ctb2 ? names(ctb2NtrNames()) : QStringList{"Trans.", "Fixed"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = ntrButtons[static_cast<std::size_t>(i)];
        radio->setVisible(i < ntr.size());
        if (i < ntr.size()) radio->setText(ntr[i]);
    }
    QStringList ntt;
    if (ctb2) {
        ntt = names(ctb2NttNames(e->rule(shownZone(), Rule::NTR)));
    } else {
        ntt = names(nttNames());
        ntt[4] += " ";  // the panel's spelling
        ntt[5] += " ";
    }
    setItems(ComboBoxNTT, ntt);
    QStringList rtr = names(ctb2 ? ctb2RtrNames() : rtrNames());
    if (!ctb2) rtr[3] = "Retrigger";
    setItems(ComboBoxRTR, rtr);
}

void CasmEditorWindow::showEntry() {
    showing_ = true;
    const Entry* e = current();
    Panel1->setEnabled(e != nullptr);
    if (const auto items = channelItems(text(50)); ComboBoxChan->count() == 0 || ComboBoxChan->itemText(0) != items[0]) {
        ComboBoxChan->clear();
        ComboBoxChan->addItems(items);
    }
    fillRuleNames(e);
    const bool anyCtb2 = hasCtb2(casm_->entries());
    for (auto* w : std::initializer_list<QWidget*>{ComboBoxZone, CheckBoxBass, SpinMidLow, SpinMidHigh,
                                                   findChild<QLabel*>("LabelZone"), findChild<QLabel*>("LabelMiddle")})
        w->setVisible(anyCtb2);
    if (e) {
        const bool ctb2 = e->kind() == TableKind::Ctb2;
        const Zone zone = shownZone();
        auto setIndex = [](QComboBox* box, int value) { box->setCurrentIndex(value < box->count() ? value : -1); };
        EditName->setText(base::ui::qtext(e->name()).trimmed());
        setIndex(ComboBoxChan, (*e)[MidiChan]);
        setIndex(ComboBoxRoot, (*e)[ChordRoot]);
        setIndex(ComboBoxType, (*e)[ChordType]);
        const int ntr = e->rule(zone, Rule::NTR);
        const int ntrIndex = ctb2 ? ntr : (ntr == 0 ? 0 : 1);
        // A value beyond the names leaves no item ticked.
        RadioGroupNTR->setExclusive(false);
        for (auto* b : RadioGroupNTR->buttons()) b->setChecked(RadioGroupNTR->id(b) == ntrIndex);
        RadioGroupNTR->setExclusive(true);
        const int ntt = e->rule(zone, Rule::NTT);
        setIndex(ComboBoxNTT, ctb2 ? (ntt & ~kBassBit) : ntt);
        CheckBoxBass->setChecked(ctb2 && (ntt & kBassBit) != 0);
        CheckBoxBass->setEnabled(ctb2);
        setIndex(ComboBoxHK, e->rule(zone, Rule::HighestKey));
        SpinLow->setValue(e->rule(zone, Rule::LowLimit));
        SpinHigh->setValue(e->rule(zone, Rule::HighLimit));
        setIndex(ComboBoxRTR, e->rule(zone, Rule::RTR));
        CheckBoxAutoStart->setChecked(e->autoStart());
        CheckBoxReadOnly->setChecked((*e)[ReadOnly] != 0);
        SpinCntt->setValue(e->cntt);
        ButtonCnttDelete->setVisible(e->hasCntt);
        SpinMidLow->setEnabled(ctb2);
        SpinMidHigh->setEnabled(ctb2);
        SpinMidLow->setValue(ctb2 ? (*e)[MiddleLow] : 0);
        SpinMidHigh->setValue(ctb2 ? (*e)[MiddleHigh] : 0);
        ComboBoxZone->setEnabled(ctb2);
    }
    showing_ = false;
}

void CasmEditorWindow::connectPanel() {
    // Every control goes through here: nothing while the panel is being filled.
    auto onCurrent = [this](const char* name, std::function<void(Entry&)> alter) {
        if (showing_) return;
        changeCurrent(name, alter);
        showEntry();
    };
    auto rule = [this, onCurrent](Rule r, int value) {
        onCurrent("Rule", [this, r, value](Entry& e) { e.setRule(shownZone(), r, static_cast<std::uint8_t>(value)); });
    };
    auto byte = [onCurrent](int field, int value) {
        onCurrent("Change", [field, value](Entry& e) { e[field] = static_cast<std::uint8_t>(value); });
    };
    connect(EditName, &QLineEdit::editingFinished, this, [this, onCurrent] {
        const std::string name = nameBytes(EditName->text());
        onCurrent("Name", [name](Entry& e) { e.setName(name); });
    });
    connect(ComboBoxChan, &QComboBox::activated, this, [byte](int i) { byte(MidiChan, i); });
    connect(ComboBoxRoot, &QComboBox::activated, this, [byte](int i) { byte(ChordRoot, i); });
    connect(ComboBoxType, &QComboBox::activated, this, [byte](int i) { byte(ChordType, i); });
    connect(ButtonChords, &QToolButton::clicked, this, [this, byte] {
        const Entry* e = current();
        if (!e) return;
        if (const auto type = pickChordType(this, dialogContext(), (*e)[ChordType])) byte(ChordType, *type);
    });
    connect(RadioGroupNTR, &QButtonGroup::idClicked, this, [rule](int id) { rule(Rule::NTR, id); });
    connect(ComboBoxNTT, &QComboBox::activated, this, [this, rule](int i) {
        const Entry* e = current();
        if (!e) return;
        const bool ctb2 = e->kind() == TableKind::Ctb2;
        rule(Rule::NTT, ctb2 ? (i | (e->rule(shownZone(), Rule::NTT) & kBassBit)) : i);
    });
    connect(CheckBoxBass, &QCheckBox::clicked, this, [this, rule](bool on) {
        const Entry* e = current();
        if (!e) return;
        const int ntt = e->rule(shownZone(), Rule::NTT);
        rule(Rule::NTT, on ? (ntt | kBassBit) : (ntt & ~kBassBit));
    });
    connect(ComboBoxHK, &QComboBox::activated, this, [rule](int i) { rule(Rule::HighestKey, i); });
    connect(SpinLow, &QSpinBox::valueChanged, this, [rule](int v) { rule(Rule::LowLimit, v); });
    connect(SpinHigh, &QSpinBox::valueChanged, this, [rule](int v) { rule(Rule::HighLimit, v); });
    connect(ButtonLow, &QToolButton::clicked, this, [this, rule] {
        if (const Entry* e = current())
            if (const auto note = pickNote(e->rule(shownZone(), Rule::LowLimit))) rule(Rule::LowLimit, *note);
    });
    connect(ButtonHigh, &QToolButton::clicked, this, [this, rule] {
        if (const Entry* e = current())
            if (const auto note = pickNote(e->rule(shownZone(), Rule::HighLimit))) rule(Rule::HighLimit, *note);
    });
    connect(ComboBoxRTR, &QComboBox::activated, this, [rule](int i) { rule(Rule::RTR, i); });
    connect(ButtonNoteMute, &QPushButton::clicked, this, [this, onCurrent] {
        const Entry* e = current();
        if (!e) return;
        NoteMuteDialog dialog(this, dialogContext(), noteMaskOf(*e));
        if (dialog.exec() != QDialog::Accepted) return;
        const NoteMask mask = dialog.mask();
        onCurrent("Note Mute", [mask](Entry& entry) { storeNoteMask(entry, mask); });
    });
    connect(ButtonChordMute, &QPushButton::clicked, this, [this, onCurrent] {
        const Entry* e = current();
        if (!e) return;
        ChordMuteDialog dialog(this, dialogContext(), chordMaskOf(*e));
        if (dialog.exec() != QDialog::Accepted) return;
        const ChordMask mask = dialog.mask();
        onCurrent("Chord Mute", [mask](Entry& entry) { storeChordMask(entry, mask); });
    });
    connect(CheckBoxAutoStart, &QCheckBox::clicked, this,
            [onCurrent](bool on) { onCurrent("AutoStart", [on](Entry& e) { e.setAutoStart(on); }); });
    connect(CheckBoxReadOnly, &QCheckBox::clicked, this, [byte](bool on) { byte(ReadOnly, on ? 1 : 0); });
    connect(SpinCntt, &QSpinBox::valueChanged, this, [onCurrent](int v) {
        onCurrent("Cntt", [v](Entry& e) { setCntt(e, true, static_cast<std::uint8_t>(v)); });
    });
    connect(ButtonCnttDelete, &QToolButton::clicked, this,
            [onCurrent] { onCurrent("Cntt", [](Entry& e) { setCntt(e, false, 0); }); });
    connect(ComboBoxZone, &QComboBox::activated, this, [this](int i) { setShownZone(static_cast<Zone>(i)); });
    connect(SpinMidLow, &QSpinBox::valueChanged, this, [this, byte](int v) {
        if (const Entry* e = current(); e && e->kind() == TableKind::Ctb2) byte(MiddleLow, v);
    });
    connect(SpinMidHigh, &QSpinBox::valueChanged, this, [this, byte](int v) {
        if (const Entry* e = current(); e && e->kind() == TableKind::Ctb2) byte(MiddleHigh, v);
    });
}

}  // namespace casm::ui
