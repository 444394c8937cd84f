#pragma once
// Builds small format-0 MIDI files and style files byte by byte.
#include <QByteArray>
#include <QString>
#include <initializer_list>

#include "document/smf_builder.h"

namespace smf {

inline QByteArray toQt(const base::Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

inline base::Bytes fromQt(const QByteArray& q) { return base::Bytes(q.begin(), q.end()); }

// One track chunk around `events` (delta times included).
inline QByteArray track(const QByteArray& events) { return toQt(document::chunk("MTrk", fromQt(events))); }

inline QByteArray header(int format, int tracks, int division) {
    auto b = [](int v) { return static_cast<std::uint8_t>(v); };
    return toQt(document::chunk("MThd", {b(format >> 8), b(format), b(tracks >> 8), b(tracks), b(division >> 8),
                                         b(division)}));
}

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(char(v));
    return out;
}

// A meta text event at delta 0.
inline QByteArray meta(int type, const QByteArray& text) {
    return bytes({0, 0xFF, type, static_cast<int>(text.size())}) + text;
}

// A CASM chunk with an arbitrary body.
inline QByteArray casm(const QByteArray& body) { return toQt(document::chunk("CASM", fromQt(body))); }

// A small style: two sections on channels 1, 2 and 10, a tempo, a sysex,
// texts and a bank select pair; then CASM and an add part.
inline QByteArray demoEvents() {
    QByteArray e;
    e += meta(0x03, "Test");
    e += bytes({0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20});
    e += bytes({0, 0xF0, 3, 0x7E, 0x7F, 0xF7});
    e += meta(0x06, "SFF1");
    e += meta(0x06, "Main A");
    e += bytes({0, 0xB0, 0x00, 0x00, 0, 0xB0, 0x20, 0x00});
    e += bytes({0, 0xC0, 0x05, 0, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00});
    e += bytes({0, 0x99, 0x24, 0x64});
    e += meta(0x01, "Hello");
    e += meta(0x06, "Main B");
    e += bytes({0, 0x91, 0x40, 0x50, 0x60, 0xE1, 0x00, 0x40});
    e += bytes({0, 0xFF, 0x58, 4, 4, 2, 24, 8});
    e += bytes({0, 0xFF, 0x2F, 0x00});
    return e;
}

inline QByteArray demoStyle() {
    return header(0, 1, 480) + track(demoEvents()) + casm(bytes({'C', 'S', 'E', 'G', 0, 0, 0, 0})) +
           bytes({'O', 'T', 'S', 'c', 0, 0, 0, 1, 0x42});
}

}  // namespace smf
