#include "core/text/SakhaOrder.h"

#include <string_view>

namespace sahdict {
namespace {

// The alphabet, one letter per entry, in its order, as the canonical form spells it.
constexpr std::u16string_view kAlphabet[] = {
    u"а", u"б", u"в", u"г", u"5", u"д", u"дь", u"е", u"ё", u"ж", u"з", u"и", u"й", u"к", u"л", u"м", u"н",
    u"н'", u"нь", u"о", u"O", u"п", u"р", u"с", u"h", u"т", u"у", u"Y", u"ф", u"х", u"ц", u"ч", u"ш", u"щ",
    u"ъ", u"ы", u"ь", u"э", u"ю", u"я"};

// Letters sort above every character a word may hold otherwise.
constexpr char16_t kFirstLetterKey = 0xE000;

}  // namespace

std::u16string SakhaOrderKey(const std::u16string& canonical) {
  std::u16string key;
  key.reserve(canonical.size());
  const std::u16string_view text = canonical;
  for (size_t at = 0; at < text.size();) {
    // The longest letter that begins here ("дь" before "д"; "ннь" reads н, нь).
    size_t rank = std::size(kAlphabet), length = 0;
    for (size_t r = 0; r < std::size(kAlphabet); ++r) {
      if (kAlphabet[r].size() > length && text.substr(at).starts_with(kAlphabet[r])) {
        rank = r;
        length = kAlphabet[r].size();
      }
    }
    if (length == 0) {
      key += text[at++];
      continue;
    }
    key += static_cast<char16_t>(kFirstLetterKey + rank);
    at += length;
  }
  return key;
}

}  // namespace sahdict
