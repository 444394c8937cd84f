#include "base/version.h"

#ifndef CTABBER_VERSION
#define CTABBER_VERSION "unknown"
#endif

namespace base {

std::string_view programVersion() { return CTABBER_VERSION; }

}  // namespace base
