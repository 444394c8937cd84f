#include "app/version.h"

#ifndef CTABBER_VERSION
#define CTABBER_VERSION "unknown"
#endif

namespace app {

std::string_view programVersion() { return CTABBER_VERSION; }

}  // namespace app
