#pragma once
// What the main window's files share: its layout numbers, file filters and
// the Latin-1 bridge between cell bytes and Qt texts.
#include <QEvent>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "base/ui/user_dialogs.h"
#include "document/ui/event_table_model.h"

namespace app::ui::main_window {

using document::ui::EventTableModel;

// Posted while the settings are read and handled once the window is shown,
// so the stored bounds replace whatever the window system chose first.
inline const QEvent::Type kApplyMainBounds = static_cast<QEvent::Type>(QEvent::User + 2000);

inline constexpr int kRowHeight = 18;
inline constexpr int kFirstColumnWidth = 48;
// Shares of the grid's width, in per cent, of columns 1 to 8.
inline constexpr int kColumnShares[8] = {4, 4, 7, 10, 4, 20, 20, 31};
inline constexpr int kPanelWidths[6] = {170, 170, 110, 210, 90, 90};
inline constexpr int kStatusWidths[6] = {70, 70, 70, 260, 200, 50};
// Reads longer than this show the busy indicator.
inline constexpr int kBusyAfterMs = 300;

inline const QStringList& openFilters() {
    static const QStringList filters = base::ui::qtFilters({
        "MIDI files (*.mid)|*.mid", "Yamaha styles (*.sty)|*.sty", "TYROS basic style files (*.bcs)|*.bcs",
        "TYROS pro style files (*.prs)|*.prs", "TYROS session style files (*.sst)|*.sst",
        "Pianist - solo piano styles (*.pst)|*.pst", "Piano combo styles (*.pcs)|*.pcs", "All files (*.*)|*.*"});
    return filters;
}

inline QStringList saveFilters() {
    QStringList filters = openFilters();
    filters.removeLast();
    return filters;
}

inline QString fromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace app::ui::main_window
