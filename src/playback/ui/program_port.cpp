#include "playback/ui/program_port.h"

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

void playTestNote(CMIDIOUT& out, int index, QObject* context) {
    testNoteOn(out, index);
    QTimer::singleShot(kTestNoteMs, context, [&out] { testNoteOff(out); });
}

}  // namespace playback::ui
