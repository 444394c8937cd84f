#include "roll/ui/piano_roll_window.h"

#include <QBuffer>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "base/file_io.h"
#include "base/ui/window_position.h"
#include "roll/ui/channel_colours.h"
#include "roll/ui/roll_canvas.h"

namespace roll::ui {
namespace {

constexpr const char* kSection = "PianoRoll";
constexpr int kMaxPictureWidth = 20000;

// A flat button captioned by language text `id`; `keys`, when given, is the
// shortcut the tooltip adds.
QToolButton* toolButton(QWidget* parent, const char* name, base::ui::Captions& captions, int id,
                        const QString& keys = {}) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    captions.add(id, [b, keys](const QString& t) {
        b->setText(t);
        b->setToolTip(keys.isEmpty() ? t : t + " (" + keys + ")");
    });
    return b;
}

QPixmap swatch(int channel) {
    QPixmap p(12, 12);
    p.fill(channelColour(channel));
    return p;
}

}  // namespace

// The roll's own texts.
enum Text : int {
    kTitle = 388, kSelect, kPencil, kSnap, kWider, kNarrower, kTaller, kShorter, kSavePicture, kInView, kWholeSection,
    kShow, kSolo, kPngFilter, kUnableToSave, kNotes, kVelocity, kSaved, kOff
};
constexpr int kChan = 50;
constexpr int kSectionLabel = 296;

PianoRollWindow::PianoRollWindow(QWidget* parent, DocumentLink link, base::ui::UserDialogs& dialogs,
                                 std::filesystem::path settingsFile, const base::Language& language)
    : QWidget(parent, Qt::Window),
      link_(std::move(link)),
      dialogs_(dialogs),
      settingsFile_(std::move(settingsFile)),
      captions_(language) {
    setObjectName("PianoRoll");
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    resize(1100, 640);
    base::ui::restoreOrCentre(*this, settingsFile_, kSection);
    canvas_->setWords({captions_.text(kNotes), captions_.text(kChan), captions_.text(kVelocity)});
    documentReplaced();
}

PianoRollWindow::~PianoRollWindow() = default;

void PianoRollWindow::buildControls() {
    canvas_ = new RollCanvas(this);
    canvas_->setLink(link_);

    auto* bar = new QHBoxLayout;
    SectionBox = new QComboBox(this);
    SectionBox->setObjectName("SectionBox");
    SectionBox->setMinimumContentsLength(12);
    auto* sectionLabel = new QLabel(this);
    captions_.add(kSectionLabel, [sectionLabel](const QString& t) { sectionLabel->setText(t + ':'); });
    bar->addWidget(sectionLabel);
    bar->addWidget(SectionBox);
    bar->addSpacing(12);

    SelectTool = toolButton(this, "SelectTool", captions_, kSelect);
    PencilTool = toolButton(this, "PencilTool", captions_, kPencil);
    for (auto* b : {SelectTool, PencilTool}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        bar->addWidget(b);
    }
    SelectTool->setChecked(true);
    PencilChannel = new QComboBox(this);
    PencilChannel->setObjectName("PencilChannel");
    for (int c = 0; c < 16; ++c) PencilChannel->addItem(swatch(c), QString());
    bar->addWidget(PencilChannel);
    bar->addSpacing(12);

    SnapBox = new QComboBox(this);
    SnapBox->setObjectName("SnapBox");
    for (const Snap& s : snapChoices()) SnapBox->addItem(QString::fromStdString(snapText(s)));
    SnapBox->setCurrentIndex(5);  // 1/16
    captions_.add(kOff, [this](const QString& t) { SnapBox->setItemText(0, t); });
    auto* snapLabel = new QLabel(this);
    captions_.add(kSnap, [snapLabel](const QString& t) { snapLabel->setText(t); });
    bar->addWidget(snapLabel);
    bar->addWidget(SnapBox);
    bar->addSpacing(12);

    auto* timeIn = toolButton(this, "ZoomInTime", captions_, kWider, "Ctrl+wheel");
    auto* timeOut = toolButton(this, "ZoomOutTime", captions_, kNarrower, "Ctrl+wheel");
    auto* keysIn = toolButton(this, "ZoomInKeys", captions_, kTaller, "Shift+wheel");
    auto* keysOut = toolButton(this, "ZoomOutKeys", captions_, kShorter, "Shift+wheel");
    for (auto* b : {timeIn, timeOut, keysIn, keysOut}) bar->addWidget(b);
    bar->addStretch(1);

    auto* picture = toolButton(this, "SavePicture", captions_, kSavePicture);
    picture->setPopupMode(QToolButton::InstantPopup);
    auto* pictureMenu = new QMenu(picture);
    auto* inView = pictureMenu->addAction(QString(), this, [this] { savePictureClick(false); });
    auto* whole = pictureMenu->addAction(QString(), this, [this] { savePictureClick(true); });
    captions_.add(kInView, [inView](const QString& t) { inView->setText(t); });
    captions_.add(kWholeSection, [whole](const QString& t) { whole->setText(t); });
    picture->setMenu(pictureMenu);
    bar->addWidget(picture);

    ChannelList = new QTreeWidget(this);
    ChannelList->setObjectName("ChannelList");
    ChannelList->setColumnCount(2);
    captions_.add(kShow, [this](const QString& t) { ChannelList->headerItem()->setText(0, t); });
    captions_.add(kSolo, [this](const QString& t) { ChannelList->headerItem()->setText(1, t); });
    ChannelList->setRootIsDecorated(false);
    ChannelList->header()->setStretchLastSection(false);
    ChannelList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ChannelList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    ChannelList->setFixedWidth(184);
    ChannelList->setFocusPolicy(Qt::NoFocus);
    for (int c = 0; c < 16; ++c) {
        auto* item = new QTreeWidgetItem(ChannelList);
        item->setIcon(0, swatch(c));
        item->setCheckState(0, Qt::Checked);
        item->setCheckState(1, Qt::Unchecked);
    }

    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    vScroll_ = new QScrollBar(Qt::Vertical, this);
    status_ = new QLabel(this);
    status_->setObjectName("RollStatus");

    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    grid->addWidget(canvas_, 0, 0);
    grid->addWidget(vScroll_, 0, 1);
    grid->addWidget(hScroll_, 1, 0);
    auto* middle = new QHBoxLayout;
    middle->addWidget(ChannelList);
    middle->addLayout(grid, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addLayout(middle, 1);
    column->addWidget(status_);

    connect(SectionBox, &QComboBox::activated, this,
            [this](int i) { showSection(SectionBox->itemText(i).toStdString()); });
    connect(SelectTool, &QToolButton::toggled, this,
            [this](bool on) { canvas_->setTool(on ? Tool::Select : Tool::Pencil); });
    connect(PencilChannel, &QComboBox::currentIndexChanged, this, [this](int c) { canvas_->setPencilChannel(c); });
    connect(SnapBox, &QComboBox::currentIndexChanged, this,
            [this](int i) { canvas_->setSnap(snapChoices().at(static_cast<std::size_t>(std::max(i, 0)))); });
    connect(timeIn, &QToolButton::clicked, this, [this] { canvas_->zoomTime(1.5); });
    connect(timeOut, &QToolButton::clicked, this, [this] { canvas_->zoomTime(1 / 1.5); });
    connect(keysIn, &QToolButton::clicked, this, [this] { canvas_->zoomKeys(2); });
    connect(keysOut, &QToolButton::clicked, this, [this] { canvas_->zoomKeys(-2); });
    connect(ChannelList, &QTreeWidget::itemChanged, this, [this] { channelsChanged(); });
    connect(canvas_, &RollCanvas::viewChanged, this, [this] { syncScrollBars(); });
    connect(canvas_, &RollCanvas::status, status_, &QLabel::setText);
    connect(hScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        Geometry g = canvas_->geometry();
        g.firstTick = static_cast<std::uint64_t>(std::max(v, 0));
        canvas_->setGeometry(g);
    });
    connect(vScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        Geometry g = canvas_->geometry();
        g.top = v;
        canvas_->setGeometry(g);
    });
    if (link_.undoStack) {
        auto* undo = new QShortcut(QKeySequence::Undo, this);
        connect(undo, &QShortcut::activated, link_.undoStack, &QUndoStack::undo);
        auto* redo = new QShortcut(QKeySequence::Redo, this);
        connect(redo, &QShortcut::activated, link_.undoStack, &QUndoStack::redo);
    }
}

void PianoRollWindow::translate() {
    captions_.apply();
    canvas_->setWords({captions_.text(kNotes), captions_.text(kChan), captions_.text(kVelocity)});
    showTitle();
    fillChannelTexts();
}

void PianoRollWindow::showTitle() {
    const auto& name = link_.document->fileName;
    const QString title = captions_.text(kTitle);
    setWindowTitle(name.empty() ? title : title + " - " + QString::fromStdString(name));
}

void PianoRollWindow::documentChanged() {
    score_ = scoreOf(*link_.document, std::move(score_));
    canvas_->setScore(score_.get());
    syncScrollBars();
}

void PianoRollWindow::documentReplaced() {
    documentChanged();
    fillSections();
    fillChannels();
    if (SectionBox->count() > 0) {
        showSection(SectionBox->itemText(0).toStdString());
    } else {
        canvas_->showTick(0);
        canvas_->centreKey(60);
    }
    showTitle();
}

void PianoRollWindow::documentBusy() {
    canvas_->setScore(nullptr);
    score_.reset();
}

void PianoRollWindow::selectionChanged() { canvas_->update(); }

void PianoRollWindow::fillSections() {
    SectionBox->clear();
    if (!score_) return;
    for (const auto& band : score_->bands) SectionBox->addItem(QString::fromStdString(band.name));
}

void PianoRollWindow::fillChannelTexts() {
    const QString chan = captions_.text(kChan), notes = captions_.text(kNotes);
    const QSignalBlocker block(ChannelList);
    for (int c = 0; c < 16; ++c) {
        const QString name = chan + ' ' + QString::number(c + 1);
        ChannelList->topLevelItem(c)->setText(0, name);
        ChannelList->topLevelItem(c)->setToolTip(0, QString::number(noteCounts_[static_cast<std::size_t>(c)]) + ' ' + notes);
        PencilChannel->setItemText(c, name);
    }
}

void PianoRollWindow::fillChannels() {
    std::array<int, 16>& counts = noteCounts_;
    counts.fill(0);
    if (score_)
        for (const Note& n : score_->notes) ++counts[n.channel];
    fillChannelTexts();
    const QSignalBlocker block(ChannelList);
    for (int c = 0; c < 16; ++c)
        ChannelList->topLevelItem(c)->setForeground(0, counts[static_cast<std::size_t>(c)] ? palette().text()
                                                                                           : palette().placeholderText());
    // The pencil starts on the first channel that plays.
    const auto first = std::find_if(counts.begin(), counts.end(), [](int n) { return n > 0; });
    if (first != counts.end()) PencilChannel->setCurrentIndex(static_cast<int>(first - counts.begin()));
}

void PianoRollWindow::channelsChanged() {
    std::uint16_t shown = 0, solo = 0;
    for (int c = 0; c < 16; ++c) {
        const auto* item = ChannelList->topLevelItem(c);
        if (item->checkState(0) == Qt::Checked) shown |= static_cast<std::uint16_t>(1u << c);
        if (item->checkState(1) == Qt::Checked) solo |= static_cast<std::uint16_t>(1u << c);
    }
    canvas_->setChannels(solo ? solo : shown);
}

bool PianoRollWindow::showSection(const std::string& name) {
    if (!score_) return false;
    const auto it = std::find_if(score_->bands.begin(), score_->bands.end(),
                                 [&](const SectionBand& b) { return b.name == name; });
    if (it == score_->bands.end()) return false;
    SectionBox->setCurrentText(QString::fromStdString(name));
    Geometry g = canvas_->geometry();
    const int width = std::max(100, canvas_->scene().layout.notes().width() - 20);
    g.pixelsPerTick = std::clamp(width / static_cast<double>(std::max<std::uint64_t>(it->end - it->start, 1)),
                                 Geometry::kMinPixelsPerTick, Geometry::kMaxPixelsPerTick);
    g.firstTick = it->start;
    canvas_->setGeometry(g);
    // The section's notes in the middle.
    int low = 127, high = 0;
    score_->index.forEachIn(it->start, it->end, [&](std::size_t i) {
        low = std::min<int>(low, score_->notes[i].key);
        high = std::max<int>(high, score_->notes[i].key);
    });
    canvas_->centreKey(low <= high ? (low + high) / 2 : 60);
    return true;
}

void PianoRollWindow::syncScrollBars() {
    if (!score_) return;
    syncing_ = true;
    const Geometry& g = canvas_->geometry();
    const RollLayout& layout = canvas_->scene().layout;
    const auto page = static_cast<std::uint64_t>(layout.notes().width() / g.pixelsPerTick);
    const std::uint64_t last = std::max(score_->end + page / 2, g.firstTick);
    hScroll_->setRange(0, static_cast<int>(std::min<std::uint64_t>(last, INT_MAX)));
    hScroll_->setPageStep(static_cast<int>(std::min<std::uint64_t>(std::max<std::uint64_t>(page, 1), INT_MAX)));
    hScroll_->setSingleStep(std::max(1, static_cast<int>(std::min<std::uint64_t>(page / 10, INT_MAX))));
    hScroll_->setValue(static_cast<int>(std::min<std::uint64_t>(g.firstTick, INT_MAX)));
    vScroll_->setRange(0, std::max(0, g.fullHeight() - layout.noteHeight()));
    vScroll_->setPageStep(std::max(1, layout.noteHeight()));
    vScroll_->setSingleStep(g.keyHeight);
    vScroll_->setValue(g.top);
    syncing_ = false;
}

void PianoRollWindow::setPlayPosition(const std::optional<std::string>& section, std::uint64_t tick) {
    if (!section || !score_) {
        canvas_->setPlayTick(std::nullopt);
        return;
    }
    const auto it = std::find_if(score_->bands.begin(), score_->bands.end(),
                                 [&](const SectionBand& b) { return b.name == *section; });
    if (it == score_->bands.end()) return canvas_->setPlayTick(std::nullopt);
    const std::uint64_t length = std::max<std::uint64_t>(it->end - it->start, 1);
    canvas_->setPlayTick(it->start + tick % length);
}

void PianoRollWindow::addHeardBar(const playback::Bar& bar, const std::string& section) {
    if (!score_) return;
    const auto band = std::find_if(score_->bands.begin(), score_->bands.end(),
                                   [&](const SectionBand& b) { return b.name == section; });
    if (band == score_->bands.end()) return;
    const std::uint64_t from = documentTick(bar.start, *band);
    const std::uint64_t to = from + (bar.end - bar.start);
    std::erase_if(heard_, [&](const HeardNote& n) { return n.start >= from && n.start < to; });
    for (const HeardNote& n : heardNotes(bar, *band)) heard_.push_back(n);
    canvas_->setOverlay(heard_);
}

void PianoRollWindow::playStopped() {
    heard_.clear();
    canvas_->setOverlay({});
    canvas_->setPlayTick(std::nullopt);
}

QImage PianoRollWindow::picture(bool wholeSection) const {
    RollScene scene = canvas_->scene();
    if (!score_) wholeSection = false;
    scene.rubberBand.reset();
    scene.drawing.reset();
    if (wholeSection) {
        const SectionBand* band = bandAt(*score_, scene.geometry.firstTick + 1);
        if (!band && !score_->bands.empty()) band = &score_->bands.front();
        const std::uint64_t start = band ? band->start : 0, end = band ? band->end : score_->end;
        int low = 127, high = 0;
        score_->index.forEachIn(start, end, [&](std::size_t i) {
            const Note& n = score_->notes[i];
            if (!(scene.channels >> n.channel & 1)) return;
            low = std::min<int>(low, n.key);
            high = std::max<int>(high, n.key);
        });
        if (low > high) low = 48, high = 72;
        low = std::max(0, low - 2), high = std::min(127, high + 2);
        Geometry& g = scene.geometry;
        const double length = static_cast<double>(std::max<std::uint64_t>(end - start, 1));
        g.pixelsPerTick = std::min(g.pixelsPerTick, (kMaxPictureWidth - RollLayout::kKeyboardWidth) / length);
        g.firstTick = start;
        g.top = (127 - high) * g.keyHeight;
        scene.layout.size = QSize(RollLayout::kKeyboardWidth + static_cast<int>(length * g.pixelsPerTick) + 1,
                                  RollLayout::kRulerHeight + (high - low + 1) * g.keyHeight + RollLayout::kLaneHeight);
        scene.playTick.reset();
    }
    QImage image(scene.layout.size, QImage::Format_RGB32);
    QPainter p(&image);
    paintRoll(p, scene);
    return image;
}

bool PianoRollWindow::savePicture(const std::filesystem::path& file, bool wholeSection) const {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture(wholeSection).save(&buffer, "PNG")) return false;
    return base::writeFileAtomic(file, std::span(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                                  static_cast<std::size_t>(png.size())));
}

void PianoRollWindow::savePictureClick(bool wholeSection) {
    base::ui::FileRequest request;
    request.title = captions_.text(kSavePicture).remove("...");
    request.filters = {captions_.text(kPngFilter)};
    request.defaultSuffix = "png";
    const std::string section = SectionBox->currentText().toStdString();
    request.fileName = QString::fromStdString(section.empty() ? "roll" : section) + ".png";
    const auto choice = dialogs_.saveFile(this, request);
    if (!choice) return;
    const std::filesystem::path file = choice->path.toStdString();
    if (savePicture(file, wholeSection)) {
        status_->setText(captions_.text(kSaved) + choice->path);
    } else {
        dialogs_.message(this, captions_.text(kTitle), captions_.text(kUnableToSave) + choice->path,
                         base::Icon::Error, false);
    }
}

void PianoRollWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The section is fitted again once the window has its size.
    if (!shown_ && !SectionBox->currentText().isEmpty()) showSection(SectionBox->currentText().toStdString());
    if (!shown_) canvas_->setFocus();  // the roll's keys work at once
    shown_ = true;
}

void PianoRollWindow::closeEvent(QCloseEvent* e) {
    base::ui::storeWindow(*this, settingsFile_, kSection);
    QWidget::closeEvent(e);
}

}  // namespace roll::ui
