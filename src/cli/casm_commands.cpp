#include "cli/commands.h"

namespace cli {

// The CASM commands (casm, casm-rewrite, create-casm, check).
std::vector<Command> casmCommands() { return {}; }

}  // namespace cli
