#include "events/text_kinds.h"

namespace events {

const std::array<std::string_view, kTextKindCount>& textKindNames() {
    static constexpr std::array<std::string_view, kTextKindCount> names{
        "Text", "Copyright info", "Track name", "Track instrument", "Lyric", "Marker", "Cue point"};
    return names;
}

const std::array<std::string_view, kStandardMarkerCount>& standardMarkers() {
    static constexpr std::array<std::string_view, kStandardMarkerCount> markers{
        "SInt",     "SFF1",     "Main A",     "Fill In AA", "Fill In AB", "Intro A",  "Ending A",
        "Break AA", "Main B",   "Fill In BA", "Fill In BB", "Intro B",    "Ending B", "Break BB",
        "Main C",   "Fill In CC", "Intro C",  "Ending C",   "Main D",     "Fill In DD"};
    return markers;
}

int standardMarkerIndex(std::string_view text) {
    const auto& markers = standardMarkers();
    for (std::size_t i = 0; i < markers.size(); ++i)
        if (markers[i] == text) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> genreList(const base::Profile& genreIni) {
    std::vector<std::string> genres;
    for (int key = 0; key <= 255; ++key) {
        auto value = genreIni.readString("Genre", std::to_string(key), "");
        if (value.empty()) break;
        genres.push_back(std::move(value));
    }
    return genres;
}

std::string genreText(std::string_view genre) { return "Genre:" + std::string(genre); }

}  // namespace events
