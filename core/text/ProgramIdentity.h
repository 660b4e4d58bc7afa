#pragma once
// Who the program is: its version, as every part of it shows or writes it.

#include <string>

#include "generated/Version.h"

namespace sahdict {

// The version as the program shows it: major, ".", minor with two digits, " b",
// revision ("1.04 b27").
std::u16string VersionNumberText();

}  // namespace sahdict
