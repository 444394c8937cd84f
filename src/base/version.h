#pragma once
// The program's version, as the build names it.
#include <string_view>

namespace base {

std::string_view programVersion();

}  // namespace base
