#include "tools/Tool.h"

namespace sahdict::tool {

std::vector<Command> DictCommands() { return {}; }

}  // namespace sahdict::tool
