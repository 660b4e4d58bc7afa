#include "core/text/SakhaOrder.h"

#include <array>
#include <cstdint>
#include <iterator>
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

// The rank of every one-character letter, by its code (-1 for the others);
// the letters' codes all lie below kCodes.
constexpr size_t kCodes = 0x460;
using RankTable = std::array<int16_t, kCodes>;

const RankTable& Ranks() {
  static const RankTable ranks = [] {
    RankTable table;
    table.fill(-1);
    for (size_t r = 0; r < std::size(kAlphabet); ++r)
      if (kAlphabet[r].size() == 1) table[kAlphabet[r][0]] = static_cast<int16_t>(r);
    return table;
  }();
  return ranks;
}

int16_t RankOf(std::u16string_view letter) {
  for (size_t r = 0; r < std::size(kAlphabet); ++r)
    if (kAlphabet[r] == letter) return static_cast<int16_t>(r);
  return -1;
}

}  // namespace

std::u16string SakhaOrderKey(const std::u16string& canonical) {
  static const int16_t kDy = RankOf(u"дь"), kNg = RankOf(u"н'"), kNy = RankOf(u"нь");
  const RankTable& ranks = Ranks();
  std::u16string key;
  key.reserve(canonical.size());
  for (size_t at = 0; at < canonical.size(); ++at) {
    const char16_t c = canonical[at];
    const char16_t next = at + 1 < canonical.size() ? canonical[at + 1] : u'\0';
    // The two-character letters first ("дь" is one letter; "ннь" reads н, нь).
    int16_t rank = c < kCodes ? ranks[c] : int16_t{-1};
    int16_t pair = -1;
    if (c == u'д' && next == u'ь') pair = kDy;
    if (c == u'н' && next == u'\'') pair = kNg;
    if (c == u'н' && next == u'ь') pair = kNy;
    if (pair >= 0) {
      rank = pair;
      ++at;
    }
    key += rank < 0 ? c : static_cast<char16_t>(kFirstLetterKey + rank);
  }
  return key;
}

}  // namespace sahdict
