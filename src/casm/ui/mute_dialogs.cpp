#include "casm/ui/mute_dialogs.h"
#include "casm/ui/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/profile.h"
#include "casm/ui/chord_picture.h"
#include "casm/values.h"

namespace casm::ui {
namespace {

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QListWidget* checkList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setUniformItemSizes(true);
    return list;
}

void addCheckItem(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
}

void okCancel(QDialog* dialog, QBoxLayout* layout, base::ui::Captions& captions, QPushButton*& ok, QPushButton*& cancel) {
    ok = button(dialog, "ButtonOK");
    ok->setDefault(true);
    cancel = button(dialog, "ButtonCancel");
    layout->addWidget(ok);
    layout->addWidget(cancel);
    captions.add(80, [ok](const QString& t) { ok->setText(t); });
    captions.add(81, [cancel](const QString& t) { cancel->setText(t); });
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

// The chord-mute lists' names: "min" and "dim" carry a trailing blank there.
QString listedChordName(int type) {
    const auto name = base::ui::qtext(valueName(chordTypeNames(), type));
    return name == "min" || name == "dim" ? name + " " : name;
}

}  // namespace

// ---------------------------------------------------------------- NoteMuteDialog

NoteMuteDialog::NoteMuteDialog(QWidget* parent, const DialogContext& context, const NoteMask& mask)
    : RememberedDialog(parent, context.settingsFile, "FNoteM"),
      captions_(context.language),
      mask_{static_cast<std::uint8_t>(mask[0] & 0x0F), mask[1]} {
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    CheckListBox1 = checkList(this, "CheckListBox1");
    for (const auto name : keyNames()) addCheckItem(CheckListBox1, base::ui::qtext(name));
    layout->addWidget(Label1);
    auto* row = new QHBoxLayout;
    row->addWidget(CheckListBox1, 1);
    auto* side = new QVBoxLayout;
    ButtonAll = button(this, "ButtonAll");
    ButtonUnselectAll = button(this, "ButtonUnselectAll");
    side->addWidget(ButtonAll);
    side->addWidget(ButtonUnselectAll);
    side->addStretch();
    okCancel(this, side, captions_, ButtonOK, ButtonCancel);
    row->addLayout(side);
    layout->addLayout(row);
    captions_.add(267, [this](const QString& t) { setWindowTitle(t); });
    captions_.add(268, [this](const QString& t) { Label1->setText(t); });
    captions_.add(251, [this](const QString& t) { ButtonAll->setText(t); });
    captions_.add(252, [this](const QString& t) { ButtonUnselectAll->setText(t); });
    connect(ButtonAll, &QPushButton::clicked, this, [this] {
        mask_ = fullNoteMask();
        showMask();
    });
    connect(ButtonUnselectAll, &QPushButton::clicked, this, [this] {
        mask_ = emptyNoteMask();
        showMask();
    });
    connect(CheckListBox1, &QListWidget::itemChanged, this, [this] {
        if (filling_) return;
        for (int n = 0; n < kNotes; ++n) setBit(mask_, n, CheckListBox1->item(n)->checkState() == Qt::Checked);
    });
    showMask();
    restorePlace();
}

void NoteMuteDialog::showMask() {
    filling_ = true;
    for (int n = 0; n < kNotes; ++n) CheckListBox1->item(n)->setCheckState(testBit(mask_, n) ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
}

// ---------------------------------------------------------------- ChordMuteDialog

ChordMuteDialog::ChordMuteDialog(QWidget* parent, const DialogContext& context, const ChordMask& mask)
    : RememberedDialog(parent, context.settingsFile, "FChordM"),
      context_(context),
      captions_(context.language),
      presets_(readChordMutePresets(base::Profile(context.settingsFile))) {
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    layout->addWidget(Label1);
    auto* row = new QHBoxLayout;
    CheckListBox1 = checkList(this, "CheckListBox1");
    CheckListBox2 = checkList(this, "CheckListBox2");
    for (int t = 0; t < 17; ++t) addCheckItem(CheckListBox1, listedChordName(t));
    for (int t = 17; t < kChordTypes; ++t) addCheckItem(CheckListBox2, listedChordName(t));
    row->addWidget(CheckListBox1, 1);
    row->addWidget(CheckListBox2, 1);

    auto* side = new QVBoxLayout;
    ButtonAll = button(this, "ButtonAll");
    ButtonUnselectAll = button(this, "ButtonUnselectAll");
    ButtonMin = button(this, "ButtonMin");
    ButtonMaj = button(this, "ButtonMaj");
    ButtonInv = button(this, "ButtonInv");
    for (auto* b : {ButtonAll, ButtonUnselectAll, ButtonMin, ButtonMaj, ButtonInv}) side->addWidget(b);
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    auto* users = new QGridLayout(GroupBox1);
    const char* saveNames[] = {"ButtonSave1", "Button1", "Button3", "Button5"};
    const char* loadNames[] = {"ButtonLoad1", "Button2", "Button4", "Button6"};
    for (int u = 0; u < 4; ++u) {
        const auto at = static_cast<std::size_t>(u);
        saveButtons[at] = button(GroupBox1, saveNames[u]);
        loadButtons[at] = button(GroupBox1, loadNames[u]);
        users->addWidget(new QLabel(QString::number(u + 1), GroupBox1), u, 0);
        users->addWidget(saveButtons[at], u, 1);
        users->addWidget(loadButtons[at], u, 2);
        captions_.add(257, [b = saveButtons[at]](const QString& t) { b->setText(t); });
        captions_.add(258, [b = loadButtons[at]](const QString& t) { b->setText(t); });
        connect(saveButtons[at], &QPushButton::clicked, this, [this, at] { presets_.user[at] = mask_; });
        connect(loadButtons[at], &QPushButton::clicked, this, [this, at] { setMask(presets_.user[at]); });
    }
    side->addWidget(GroupBox1);
    Image1 = button(this, "Image1");
    Image1->setToolTip("Chords from Root C");
    Image1->setText("Chords...");
    side->addWidget(Image1);
    side->addStretch();
    okCancel(this, side, captions_, ButtonOK, ButtonCancel);
    row->addLayout(side);
    layout->addLayout(row);

    captions_.add(260, [this](const QString& t) { setWindowTitle(t); });
    captions_.add(259, [this](const QString& t) { Label1->setText(t); });
    captions_.add(251, [this](const QString& t) { ButtonAll->setText(t); });
    captions_.add(252, [this](const QString& t) { ButtonUnselectAll->setText(t); });
    captions_.add(253, [this](const QString& t) { ButtonMin->setText(t); });
    captions_.add(254, [this](const QString& t) { ButtonMaj->setText(t); });
    captions_.add(255, [this](const QString& t) { ButtonInv->setText(t); });
    captions_.add(256, [this](const QString& t) { GroupBox1->setTitle(t); });

    connect(ButtonAll, &QPushButton::clicked, this, [this] { setMask(fullChordMask()); });
    connect(ButtonUnselectAll, &QPushButton::clicked, this, [this] { setMask(emptyChordMask()); });
    connect(ButtonMin, &QPushButton::clicked, this, [this] { setMask(presets_.minOnly); });
    connect(ButtonMaj, &QPushButton::clicked, this, [this] { setMask(presets_.majOnly); });
    connect(ButtonInv, &QPushButton::clicked, this, [this] { setMask(inverted(mask_)); });
    connect(Image1, &QPushButton::clicked, this, [this] { Image1Click(); });
    auto fromLists = [this] {
        if (filling_) return;
        for (int t = 0; t < 17; ++t) setBit(mask_, t, CheckListBox1->item(t)->checkState() == Qt::Checked);
        for (int t = 17; t < kChordTypes; ++t)
            setBit(mask_, t, CheckListBox2->item(t - 17)->checkState() == Qt::Checked);
    };
    connect(CheckListBox1, &QListWidget::itemChanged, this, fromLists);
    connect(CheckListBox2, &QListWidget::itemChanged, this, fromLists);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    auto* saveMin = PopupMenu1->addAction("Save as M&in only");
    saveMin->setObjectName("pmSaveMin");
    auto* saveMaj = PopupMenu1->addAction("Save as M&aj only");
    saveMaj->setObjectName("pmSaveMaj");
    auto* defaults = PopupMenu1->addAction("Set &default for Min only and Maj only");
    defaults->setObjectName("SetdefaultforMinonlyandMajonly1");
    connect(saveMin, &QAction::triggered, this, [this] { presets_.minOnly = mask_; });
    connect(saveMaj, &QAction::triggered, this, [this] { presets_.majOnly = mask_; });
    connect(defaults, &QAction::triggered, this, [this] { presets_.resetMinMaj(); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(mapToGlobal(at)); });

    ChordMask shown = mask;
    shown[0] &= 0x03;  // AutoStart and the unused bits are no chord bits
    setMask(shown);
    restorePlace();
}

void ChordMuteDialog::setMask(const ChordMask& mask) {
    mask_ = mask;
    filling_ = true;
    for (int t = 0; t < 17; ++t) CheckListBox1->item(t)->setCheckState(testBit(mask_, t) ? Qt::Checked : Qt::Unchecked);
    for (int t = 17; t < kChordTypes; ++t)
        CheckListBox2->item(t - 17)->setCheckState(testBit(mask_, t) ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
}

void ChordMuteDialog::Image1Click() {
    ChordTypesDialog chords(this, context_, mask_);
    if (chords.exec() != QDialog::Accepted) return;
    ChordMask next = mask_;
    const ChordMask picked = chords.checked();
    for (int t = 0; t < kChordTypes; ++t) setBit(next, t, testBit(picked, t));
    setMask(next);
}

void ChordMuteDialog::done(int result) {
    // The presets are kept whether the dialog ends with OK or Cancel.
    base::Profile settings(context_.settingsFile);
    writeChordMutePresets(settings, presets_);
    settings.save();
    RememberedDialog::done(result);
}

// ---------------------------------------------------------------- ChordTypesDialog

ChordTypesDialog::ChordTypesDialog(QWidget* parent, const DialogContext& context, const ChordMask& checked)
    : RememberedDialog(parent, context.settingsFile, "Chords"), captions_(context.language) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    constexpr int kColumns = 6;
    for (int t = 0; t < kChordTypes; ++t) {
        const auto at = static_cast<std::size_t>(t);
        auto* cell = new QVBoxLayout;
        images[at] = new ChordPicture(t, this);
        boxes[at] = new QCheckBox(base::ui::qtext(valueName(chordTypeNames(), t)), this);
        boxes[at]->setObjectName(QString("CheckBox%1").arg(t + 1));
        boxes[at]->setProperty("Tag", t);
        boxes[at]->setChecked(testBit(checked, t));
        cell->addWidget(images[at]);
        cell->addWidget(boxes[at], 0, Qt::AlignHCenter);
        grid->addLayout(cell, t / kColumns, t % kColumns);
        connect(images[at], &ChordPicture::clicked, boxes[at], &QCheckBox::click);
        connect(boxes[at], &QCheckBox::clicked, this, [this, t](bool on) {
            if (!singleChoice_ || !on) return;
            for (int other = 0; other < kChordTypes; ++other)
                if (other != t) boxes[static_cast<std::size_t>(other)]->setChecked(false);
        });
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    okCancel(this, buttons, captions_, ButtonOK, ButtonCancel);
    layout->addLayout(buttons);
    captions_.add(213, [this](const QString& t) { setWindowTitle(t); });
    restorePlace();
}

ChordMask ChordTypesDialog::checked() const {
    ChordMask mask = emptyChordMask();
    for (int t = 0; t < kChordTypes; ++t) setBit(mask, t, boxes[static_cast<std::size_t>(t)]->isChecked());
    return mask;
}

int ChordTypesDialog::firstChecked() const {
    for (int t = 0; t < kChordTypes; ++t)
        if (boxes[static_cast<std::size_t>(t)]->isChecked()) return t;
    return 0;
}

std::optional<int> pickChordType(QWidget* parent, const DialogContext& context, int type) {
    ChordMask one = emptyChordMask();
    setBit(one, type, true);
    ChordTypesDialog chords(parent, context, one);
    chords.setSingleChoice(true);
    if (chords.exec() != QDialog::Accepted) return std::nullopt;
    return chords.firstChecked();
}

}  // namespace casm::ui
