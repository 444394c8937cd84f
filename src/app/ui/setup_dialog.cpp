#include "app/ui/setup_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "base/texts.h"
#include "base/ui/button_row.h"
#include "document/ui/event_row_painter.h"
#include "playback/ui/program_port.h"

namespace app::ui {
namespace {

struct ColourLabelText {
    int colourClass;
    const char* caption;
};

// In the order the page shows them; the colour labels are not translated.
constexpr ColourLabelText kColourLabels[] = {
    {18, "Note On"},        {1, "Note Off "},         {2, "Key after-touch"},
    {3, "Control change"},  {7, "Sysex Event"},       {6, "Pitch wheel change"},
    {5, "Chanel after-touch"}, {4, "Program (patch) change"}, {8, "Sequence Number"},
    {17, "Sequencer specific information"}, {9, "Text"}, {10, "Marker"},
    {11, "MIDI Chan,Port"}, {12, "Track End"},        {13, "Tempo"},
    {14, "SMTPE Offset"},   {15, "Time Signature"},   {16, "Key Signature"},
};

// Text numbers of the association buttons; PST and PCS have none.
constexpr int kAssociateTextIds[] = {329, 379, 380, 381, 0, 0};

constexpr int kCreditText = 365;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ColourLabel::mousePressEvent(QMouseEvent* e) {
    if (clicked) clicked(e->button());
    e->accept();
}

SetupDialog::SetupDialog(QWidget* parent, SetupContext context, const app::SetupValues& values, MidiPortList ports)
    : base::ui::RememberedDialog(parent, context.settingsFile, "Setup"),
      context_(std::move(context)),
      captions_(context_.language),
      values_(values),
      ports_(std::move(ports)) {
    setModal(true);
    captions_.add(314, [this](const QString& t) { setWindowTitle(t); });
    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    layout->addWidget(PageControl1);
    const std::pair<QWidget*, int> pages[] = {{buildMidiPage(), 315}, {buildGlobalPage(), 319},
                                              {buildColourPage(), 325}, {buildAssociationPage(), 328},
                                              {buildLanguagePage(), 362}};
    for (const auto& [page, id] : pages) {
        const int index = PageControl1->addTab(page, QString());
        captions_.add(id, [this, index](const QString& t) { PageControl1->setTabText(index, t); });
    }

    base::ui::okCancelButtons(*this, captions_, ButtonOK, ButtonCancel);
    layout->addLayout(base::ui::rightAlignedRow(ButtonOK, ButtonCancel));

    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    // Wide enough for the five page tabs side by side.
    setMinimumWidth(std::max(PageControl1->tabBar()->sizeHint().width() + 40, 420));
    restorePlace();
}

SetupDialog::~SetupDialog() = default;

QWidget* SetupDialog::buildMidiPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    GroupBoxOut = new QGroupBox(page);
    GroupBoxOut->setObjectName("GroupBoxOut");
    captions_.add(316, [this](const QString& t) { GroupBoxOut->setTitle(t); });
    auto* g = new QHBoxLayout(GroupBoxOut);
    ListBoxOut = new QListWidget(GroupBoxOut);
    ListBoxOut->setObjectName("ListBoxOut");
    for (const auto& name : ports_.names) ListBoxOut->addItem(QString::fromStdString(name));
    ButtonTest = new QPushButton(GroupBoxOut);
    ButtonTest->setObjectName("ButtonTest");
    captions_.add(318, [this](const QString& t) { ButtonTest->setText(t); });
    g->addWidget(ListBoxOut, 1);
    g->addWidget(ButtonTest, 0, Qt::AlignTop);
    v->addWidget(GroupBoxOut);
    LabelNoSound = playback::ui::makeAudioNoticeLabel(page);
    v->addWidget(LabelNoSound);
    // The input port group of older versions; kept for its text number, never shown.
    GroupBoxIn = new QGroupBox(page);
    GroupBoxIn->setObjectName("GroupBoxIn");
    captions_.add(317, [this](const QString& t) { GroupBoxIn->setTitle(t); });
    GroupBoxIn->hide();

    // The saved port is chosen when it is one of the list; "Test" is enabled
    // when the saved index lies below the port count (so -1 enables it too).
    const int count = static_cast<int>(ports_.names.size());
    if (values_.midiOut >= 0 && values_.midiOut < count) ListBoxOut->setCurrentRow(values_.midiOut);
    ButtonTest->setEnabled(values_.midiOut < count);
    connect(ListBoxOut, &QListWidget::itemSelectionChanged, this, [this] {
        if (!ListBoxOut->selectedItems().isEmpty()) ButtonTest->setEnabled(true);
    });
    connect(ButtonTest, &QPushButton::clicked, this, [this] { ButtonTestClick(); });
    return page;
}

QWidget* SetupDialog::buildGlobalPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto box = [&](QCheckBox*& check, const char* name, int id, bool on) {
        check = new QCheckBox(page);
        check->setObjectName(name);
        check->setChecked(on);
        QCheckBox* target = check;
        captions_.add(id, [target](const QString& t) { target->setText(t); });
        v->addWidget(check);
    };
    box(CheckBoxClearCasm, "CheckBoxClearCasm", 324, values_.clearCasm);
    box(CheckBoxDelConfirm, "CheckBoxDelConfirm", 320, values_.delConfirm);
    box(CheckBoxDelNote, "CheckBoxDelNote", 321, values_.delNote);
    box(CheckBoxAdvanced, "CheckBoxAdvanced", 323, values_.ctabberAdvanced);
    box(CheckBoxOverWrite, "CheckBoxOverWrite", 322, values_.overWrite);
    v->addStretch();
    return page;
}

QWidget* SetupDialog::buildColourPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    int at = 0;
    for (const auto& [colourClass, caption] : kColourLabels) {
        auto* label = new ColourLabel(QString::fromUtf8(caption), page);
        label->setObjectName(QString("LabelColor%1").arg(colourClass));
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMargin(3);
        label->setCursor(Qt::PointingHandCursor);
        const int k = colourClass;
        label->clicked = [this, k](Qt::MouseButton button) { LabelClick(k, button); };
        ColourLabels[static_cast<std::size_t>(colourClass)] = label;
        paintLabel(colourClass);
        grid->addWidget(label, at % 9, at / 9);
        ++at;
    }
    v->addLayout(grid);
    for (int id : {326, 327}) {
        auto* hint = new QLabel(page);
        hint->setObjectName(QString("LabelHint%1").arg(id));
        captions_.add(id, [hint](const QString& t) { hint->setText(t); });
        v->addWidget(hint);
    }
    v->addStretch();
    return page;
}

QWidget* SetupDialog::buildAssociationPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    for (std::size_t i = 0; i < app::kStyleExtensions.size(); ++i) {
        const std::string_view extension = app::kStyleExtensions[i];
        auto* button = new QPushButton(page);
        button->setObjectName("ButtonAssociate" + fromUtf8(extension));
        const QString builtin = "Associate " + fromUtf8(extension) + " files with Ctabber";
        if (kAssociateTextIds[i] > 0)
            captions_.add(kAssociateTextIds[i], [button](const QString& t) { button->setText(t); });
        else
            button->setText(builtin);
        connect(button, &QPushButton::clicked, this, [this, extension] { AssociateClick(extension); });
        AssociateButtons[i] = button;
        v->addWidget(button);
    }
    v->addStretch();
    return page;
}

QWidget* SetupDialog::buildLanguagePage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    GroupBoxLang = new QGroupBox(page);
    GroupBoxLang->setObjectName("GroupBoxLang");
    captions_.add(363, [this](const QString& t) { GroupBoxLang->setTitle(t); });
    auto* g = new QVBoxLayout(GroupBoxLang);
    ListViewLang = new QTreeWidget(GroupBoxLang);
    ListViewLang->setObjectName("ListViewLang");
    ListViewLang->setColumnCount(2);
    ListViewLang->setHeaderHidden(true);
    ListViewLang->setRootIsDecorated(false);
    ListViewLang->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each file with its credit line, so the user sees whose language it is.
    for (const auto& name : app::languageFiles(context_.programDir)) {
        base::Language file;
        const bool readable = file.load(context_.programDir / name).ok;
        auto* item = new QTreeWidgetItem(ListViewLang, {QString::fromLocal8Bit(name),
                                                        readable ? QString::fromStdString(file.text(kCreditText, ""))
                                                                 : QString()});
        // The name's own bytes, whatever their encoding, for the setting.
        item->setData(0, Qt::UserRole, QByteArray::fromStdString(name));
        if (name == values_.language) {
            ListViewLang->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    ListViewLang->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    g->addWidget(ListViewLang);
    ButtonEnglish = new QPushButton(GroupBoxLang);
    ButtonEnglish->setObjectName("ButtonEnglish");
    captions_.add(364, [this](const QString& t) { ButtonEnglish->setText(t); });
    connect(ButtonEnglish, &QPushButton::clicked, this, [this] { ListViewLang->clearSelection(); });
    g->addWidget(ButtonEnglish, 0, Qt::AlignLeft);
    v->addWidget(GroupBoxLang);
    return page;
}

void SetupDialog::paintLabel(int colourClass) {
    auto* label = ColourLabels[static_cast<std::size_t>(colourClass)];
    const auto& pair = values_.colours[static_cast<std::size_t>(colourClass)];
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, document::ui::fromSettingsColour(pair.brush));
    palette.setColor(QPalette::WindowText, document::ui::fromSettingsColour(pair.pen));
    label->setPalette(palette);
}

void SetupDialog::LabelClick(int colourClass, Qt::MouseButton button) {
    auto& pair = values_.colours[static_cast<std::size_t>(colourClass)];
    int& value = button == Qt::LeftButton ? pair.brush : pair.pen;
    const auto chosen = context_.dialogs.chooseColour(this, document::ui::fromSettingsColour(value));
    if (!chosen) return;
    value = document::ui::toSettingsColour(*chosen);
    paintLabel(colourClass);
}

void SetupDialog::ButtonTestClick() {
    const auto selected = ListBoxOut->selectedItems();
    if (selected.isEmpty() || !ports_.startTest) return;
    // A test still sounding ends before the next one starts.
    if (countdown_ > 0 && ports_.endTest) ports_.endTest();
    ports_.startTest(ListBoxOut->row(selected.front()));
    if (ports_.audioNotice) playback::ui::showAudioNotice(LabelNoSound, ports_.audioNotice());
    countdown_ = kTestTicks;
    Timer1.start();
}

void SetupDialog::Timer1Timer() {
    if (countdown_ <= 0 || --countdown_ > 0) return;
    Timer1.stop();
    if (ports_.endTest) ports_.endTest();
}

void SetupDialog::done(int result) {
    // Closing while the test note sounds ends it rather than leaving it hanging.
    if (countdown_ > 0) {
        countdown_ = 0;
        Timer1.stop();
        if (ports_.endTest) ports_.endTest();
    }
    base::ui::RememberedDialog::done(result);
}

void SetupDialog::AssociateClick(std::string_view extension) {
    if (!context_.associate) return;
    const auto outcome = context_.associate(extension);
    base::ui::showMessage(context_.dialogs, this, outcome.message);
}

app::SetupValues SetupDialog::values() const {
    app::SetupValues v = values_;
    const auto ports = ListBoxOut->selectedItems();
    v.midiOut = ports.isEmpty() ? -1 : ListBoxOut->row(ports.front());
    v.clearCasm = CheckBoxClearCasm->isChecked();
    v.delConfirm = CheckBoxDelConfirm->isChecked();
    v.delNote = CheckBoxDelNote->isChecked();
    v.ctabberAdvanced = CheckBoxAdvanced->isChecked();
    v.overWrite = CheckBoxOverWrite->isChecked();
    const auto languages = ListViewLang->selectedItems();
    v.language = languages.isEmpty() ? std::string() : languages.front()->data(0, Qt::UserRole).toByteArray().toStdString();
    return v;
}

}  // namespace app::ui
