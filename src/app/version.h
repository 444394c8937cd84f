#pragma once
// The program's version, as the build names it.
#include <string_view>

namespace app {

std::string_view programVersion();

}  // namespace app
