#include "playback/ui/program_port.h"

#include <QLabel>
#include <QTimer>

#include "playback/ports/system_ports.h"

namespace playback::ui {
namespace {

std::unique_ptr<CMIDIOUT>& instance() {
    static std::unique_ptr<CMIDIOUT> out;
    return out;
}

}  // namespace

CMIDIOUT& programMidiOut() {
    auto& out = instance();
    if (!out) out = std::make_unique<CMIDIOUT>(ports::systemPortSource());
    return *out;
}

void setProgramMidiOut(std::unique_ptr<CMIDIOUT> out) { instance() = std::move(out); }

QLabel* makeAudioNoticeLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("LabelNoSound");
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setStyleSheet("QLabel { color: #a00000; }");
    label->hide();
    return label;
}

void showAudioNotice(QLabel* label, const std::string& notice) {
    label->setText(QString::fromStdString(notice));
    label->setVisible(!notice.empty());
}

void playTestNote(CMIDIOUT& out, int index, QObject* context) {
    testNoteOn(out, index);
    QTimer::singleShot(kTestNoteMs, context, [&out] { testNoteOff(out); });
}

}  // namespace playback::ui
