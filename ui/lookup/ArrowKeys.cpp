#include "ui/lookup/ArrowKeys.h"

namespace sahdict::ui {

int32_t ArrowRow(int32_t selected, int32_t rowCount, ArrowKey key) {
  if (rowCount <= 0) return -1;
  if (selected < 0 || selected >= rowCount) return 0;
  if (key == ArrowKey::Up) return selected == 0 ? rowCount - 1 : selected - 1;
  return selected == rowCount - 1 ? 0 : selected + 1;
}

}  // namespace sahdict::ui
