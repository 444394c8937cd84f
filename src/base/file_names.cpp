#include "base/file_names.h"

namespace base {
namespace {

std::size_t folderLength(std::string_view name) {
    const auto sep = name.find_last_of("\\/:");
    return sep == std::string_view::npos ? 0 : sep + 1;
}

}  // namespace

std::string_view folderOf(std::string_view name) { return name.substr(0, folderLength(name)); }

std::string_view baseNameOf(std::string_view name) { return name.substr(folderLength(name)); }

std::string_view extensionOf(std::string_view name) {
    const auto base = baseNameOf(name);
    const auto dot = base.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : base.substr(dot);
}

std::string replaceExtension(std::string_view name, std::string_view extension) {
    const auto ext = extensionOf(name);
    return std::string(name.substr(0, name.size() - ext.size())) + std::string(extension);
}

}  // namespace base
