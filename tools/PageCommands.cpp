#include "tools/Tool.h"

namespace sahdict::tool {

std::vector<Command> PageCommands() { return {}; }

}  // namespace sahdict::tool
