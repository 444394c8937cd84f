#pragma once
// File names as text: a folder ends at the last "\", "/" or ":", an extension
// starts at the last "." after it.
#include <string>
#include <string_view>

namespace base {

// The folder with its trailing separator ("" when there is none).
std::string_view folderOf(std::string_view name);
// The name without its folder.
std::string_view baseNameOf(std::string_view name);
// The extension with its dot ("" when there is none).
std::string_view extensionOf(std::string_view name);
// The name with its extension replaced, or with `extension` appended when it has none.
std::string replaceExtension(std::string_view name, std::string_view extension);

}  // namespace base
