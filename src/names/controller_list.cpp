#include "names/controller_list.h"

#include <algorithm>
#include <charconv>

namespace names {

std::vector<std::string> controllerList(const base::Profile& controlIni) {
    std::vector<std::string> items;
    for (int key = 0; key <= 255; ++key) {
        auto value = controlIni.value("Controllers", std::to_string(key));
        if (value && !value->empty()) items.push_back(std::move(*value));
    }
    return items;
}

int itemController(std::string_view item) {
    std::size_t end = 0;
    while (end < item.size() && item[end] >= '0' && item[end] <= '9' && end < 9) ++end;
    if (end == 0) return -1;
    int number = 0;
    std::from_chars(item.data(), item.data() + end, number);
    return number;
}

std::size_t itemIndexFor(const std::vector<std::string>& items, int controller) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (itemController(items[i]) == controller) return i;
    return 0;
}

int valueOfTrackPosition(int position) { return 127 - std::clamp(position, 0, 127); }

int trackPositionOf(int value) { return 127 - std::clamp(value, 0, 127); }

int typedControllerValue(std::string_view text) {
    const auto number = base::Profile::parseInt(text);
    return number ? std::clamp(*number, 0, 127) : 0;
}

}  // namespace names
