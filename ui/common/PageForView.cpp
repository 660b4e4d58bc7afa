#include "ui/common/PageForView.h"

#include "core/text/mdlCommon.h"

namespace sahdict::ui {

std::u16string PageForView(std::u16string page) {
  ReplaceAll(page, u"<div style='padding: 0,0,0,20px'>", u"<div style='margin-left:20px'>");
  ReplaceAll(page, u"<font color=# ", u"<font ");
  ReplaceAll(page, u"<font color=#>", u"<font>");
  return page;
}

}  // namespace sahdict::ui
