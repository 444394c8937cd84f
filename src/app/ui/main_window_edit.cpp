// The main window's commands that edit one event: the edit dispatcher with
// each kind's property dialog, and Edit Tick+.

#include "app/ui/main_window.h"

#include <QAction>
#include <QDialog>

#include "app/ui/open_document.h"
#include "events/edit_names.h"
#include "events/navigation.h"
#include "events/program_edit.h"
#include "events/row_commands.h"
#include "events/ui/key_aftertouch_dialog.h"
#include "events/ui/meta_dialogs.h"
#include "events/ui/number_dialogs.h"
#include "events/ui/sequencer_data_dialog.h"
#include "events/ui/sysex_dialog.h"
#include "events/ui/text_event_dialog.h"
#include "names/controller_list.h"
#include "names/ui/controller_chooser.h"
#include "names/ui/instrument_chooser.h"
#include "names/ui/patch_chooser.h"

namespace app::ui {

// The event commands this window runs, and their dialogs.
using namespace ::events;
using namespace ::events::ui;

void MainWindow::mEditEventClick() {
    if (reading_ || lastMouseRow_ < 1) return;
    switch (lastMouseCol_) {
        case document::ColN:
        case document::ColSel:
            if (events::flipSelected(doc_.events, lastMouseRow_)) redrawRow(lastMouseRow_);
            showSelectionCount();
            return;
        case document::ColTick:
        case document::ColMbt: mEditTickClick(); return;
        case document::ColCh:
            if (auto* channel = findChild<QAction*>("mEditChannel"); channel && channel->isEnabled()) channel->trigger();
            return;
        default: editEventAt(currentRow());
    }
}

void MainWindow::editEventAt(int row) {
    if (reading_ || row < 1 || row > doc_.events.eventCount()) return;
    const auto before = doc_.events.row(row);
    const auto settings = ws_.settings();
    std::optional<document::EventRow> after;
    auto accepted = [](QDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    switch (editKindOf(before)) {
        case EditKind::None: return;
        case EditKind::Program: return editProgramAt(row);
        case EditKind::KeyAfterTouch: {
            const auto preset = keyAfterTouchPreset(before);
            KeyAftertouchDialog dialog(preset.note, preset.value, settings, language_, this);
            if (accepted(dialog)) after = withKeyAfterTouch(before, {dialog.note(), dialog.value()});
            break;
        }
        case EditKind::ChannelAfterTouch: {
            KeyAftertouchDialog dialog(-1, channelAfterTouchPreset(before), settings, language_, this);
            if (accepted(dialog)) after = withChannelAfterTouch(before, dialog.value());
            break;
        }
        case EditKind::Controller: {
            const auto preset = controllerPreset(before);
            ControllerChooser dialog(names::controllerList(base::Profile(ws_.file(base::files::controllers))), preset.controller,
                            preset.value, settings, language_, this);
            if (accepted(dialog)) after = withController(before, {dialog.controller(), dialog.value()});
            break;
        }
        case EditKind::Pitch: {
            PitchBendDialog dialog(pitchPreset(before), settings, language_, this);
            if (accepted(dialog)) after = withPitch(before, dialog.value());
            break;
        }
        case EditKind::SystemExclusive: {
            const auto descriptions = names::SysexDescriptions::fromFile(ws_.file(base::files::xgSystem));
            const auto eventData = dataOf(before);
            SysexDialog dialog({eventData.begin(), eventData.end()}, document::cellText(doc_, row, document::ColComment), descriptions,
                          dialogs_, settings, language_, this);
            if (accepted(dialog))
                after = withSystemExclusive(before, dialog.bytes(), descriptions.describe(dialog.bytes()));
            break;
        }
        case EditKind::MidiChannel:
        case EditKind::MidiPort: {
            ChannelDialog dialog(positionPreset(before), settings, language_, this);
            if (editKindOf(before) == EditKind::MidiPort) dialog.setWindowTitle(lookup(59, "MIDI Port"));
            if (accepted(dialog)) after = withPosition(before, dialog.value());
            break;
        }
        case EditKind::Smpte: {
            SmpteOffsetDialog dialog(smptePreset(before), settings, language_, this);
            if (accepted(dialog)) after = withSmpte(before, dialog.values());
            break;
        }
        case EditKind::TimeSignature: {
            TimeSignatureDialog dialog(timeSignaturePreset(before), settings, language_, this);
            if (accepted(dialog)) after = withTimeSignature(before, dialog.values());
            break;
        }
        case EditKind::KeySignature: {
            KeySignatureDialog dialog(keySignaturePreset(before), settings, language_, this);
            if (accepted(dialog)) after = withKeySignature(before, dialog.values());
            break;
        }
        case EditKind::Tempo: {
            TempoDialog dialog(tempoPreset(before), settings, language_, this);
            if (accepted(dialog)) after = withTempo(before, dialog.value());
            break;
        }
        case EditKind::Text: {
            TextEventDialog dialog(textPreset(before), ws_.file(base::files::genres), settings, language_, this);
            if (accepted(dialog)) after = withText(before, dialog.values());
            break;
        }
        case EditKind::SequencerSpecific: {
            const auto eventData = dataOf(before);
            events::ui::SequencerDataDialog dialog({eventData.begin(), eventData.end()}, dialogs_, settings, language_, this);
            if (accepted(dialog)) after = withSequencerData(before, dialog.bytes());
            break;
        }
    }
    if (after) open_->apply(document::replaceRow(doc_.events, row, std::move(*after), std::string(kEditEvent)));
}

void MainWindow::editProgramAt(int row) {
    const auto before = doc_.events.row(row);
    const int program = programPreset(before);
    const auto settings = ws_.settings();
    if (!definitions_->hasFile()) {
        PatchChooser dialog(program, settings, language_, this);
        if (dialog.exec() != QDialog::Accepted) return;
        open_->apply(document::replaceRow(doc_.events, row,
                                          withProgram(before, dialog.program(), gmProgramComment(dialog.program())),
                                          std::string(kEditEvent)));
        return;
    }
    const auto found = lookUpBank(doc_.events, row, doc_.events.status(row) & 0x0F);
    InstrumentChooser dialog(*definitions_, found.bank(), program, dialogs_, settings, language_, this);
    // OK without an instrument chosen changes nothing.
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
    const auto comment = definitions_->patchName(dialog.bank(), dialog.program());
    open_->apply(programEdit(doc_.events, row, dialog.program(), comment, found, dialog.bank()));
}

void MainWindow::mEditTickClick() {
    const int row = currentRow();
    if (reading_ || row < 1 || row > doc_.events.eventCount()) return;
    TickShiftDialog dialog(doc_.events.delta(row), ws_.settings(), language_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    open_->apply(deltaEdit(doc_.events, row, static_cast<std::uint32_t>(dialog.value())));
}

}  // namespace app::ui
