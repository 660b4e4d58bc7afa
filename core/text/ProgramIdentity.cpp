#include "core/text/ProgramIdentity.h"

#include "core/text/mdlCommon.h"

namespace sahdict {

std::u16string VersionNumberText() {
  const auto number = [](int32_t n) { return FromUtf8(std::to_string(n)); };
  return number(kVersionMajor) + u"." + PadLeft(number(kVersionMinor), 2, u"0") + u" b" + number(kVersionRevision);
}

}  // namespace sahdict
