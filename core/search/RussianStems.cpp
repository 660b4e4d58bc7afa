#include "core/search/RussianStems.h"

#include <algorithm>

#ifdef SAHDICT_HAVE_HUNSPELL
#include <exception>
#include <filesystem>
#include <hunspell.hxx>
#include <memory>
#include <new>

#include "core/text/mdlCommon.h"
#endif

namespace sahdict {

#ifdef SAHDICT_HAVE_HUNSPELL

namespace {

// Loaded once, on first use; null when the files are missing.
Hunspell* Dictionary() {
  static const std::unique_ptr<Hunspell> dictionary = []() -> std::unique_ptr<Hunspell> {
    const std::filesystem::path base = SAHDICT_RUSSIAN_DICTIONARY;
    std::filesystem::path aff = base, dic = base;
    aff += ".aff";
    dic += ".dic";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(aff, ec) || !std::filesystem::is_regular_file(dic, ec)) return nullptr;
    // A dictionary that cannot be loaded (memory runs out) offers no forms.
    try {
      return std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
    } catch (const std::exception&) {
      return nullptr;
    }
  }();
  return dictionary.get();
}

}  // namespace

bool RussianStemsAvailable() { return Dictionary() != nullptr; }

std::vector<std::u16string> RussianStems(const std::u16string& word) {
  std::vector<std::u16string> stems;
  Hunspell* dictionary = Dictionary();
  if (dictionary == nullptr || word.empty()) return stems;
  try {
    for (const std::string& stem : dictionary->stem(ToUtf8(word))) {
      std::u16string s = FromUtf8(stem);
      if (std::find(stems.begin(), stems.end(), s) == stems.end()) stems.push_back(std::move(s));
    }
  } catch (const std::bad_alloc&) {
    stems.clear();
  }
  return stems;
}

#else

bool RussianStemsAvailable() { return false; }

std::vector<std::u16string> RussianStems(const std::u16string&) { return {}; }

#endif

}  // namespace sahdict
