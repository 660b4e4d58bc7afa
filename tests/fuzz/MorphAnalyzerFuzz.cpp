// Arbitrary text to the Sakha morphology model: as a form to analyse against a
// small labelled dictionary and as a word to generate forms of. Every analysis
// must name a word of the dictionary whose Word it gives, and its stem and
// suffixes must not be longer than the form.
#include <cstdint>
#include <string>

#include "core/dict/DictStore.h"
#include "core/morph/SakhaMorphology.h"
#include "core/text/mdlCommon.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

using namespace sahdict;

using fuzz::Check;

// Words of every class and stem shape, one without a label.
const DictStore& Store() {
  static const DictStore store = [] {
    DictStore s;
    const char16_t* words[][2] = {
        {u"о5о", u"сущ."}, {u"ат", u"сущ."},  {u"ох", u"сущ."},    {u"кYн", u"сущ."}, {u"дьахтар", u"сущ."},
        {u"бар", u"гл."},  {u"аhаа", u"гл."}, {u"та5ыс", u"гл."},  {u"сиэ", u"гл."},  {u"тэп", u"гл."},
        {u"Yчэй", u""},    {u"а", u"межд."},  {u"YрYн", u"прил."}, {u"ус", u"числ."}, {u"кини", u"мест."},
    };
    for (const auto& w : words) s.AddEntry(std::u16string(w[0]) + u" (x)", u"x", w[1], u".x", u"SAH-RUS");
    s.SetEntryCount(static_cast<int32_t>(std::size(words)));
    return s;
  }();
  return store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text = FromUtf8(std::string(reinterpret_cast<const char*>(data), size));
  const morph::SakhaMorphology model(Store());
  const auto found = model.Analyze(text);
  Check(found.size() <= 64, "at most 64 analyses");
  for (const auto& a : found) {
    Check(a.Position >= 1 && a.Position <= Store().GetPairCount(u"SAH-RUS"), "the lemma's position is in the pair");
    Check(a.Word == Store().WordAt(a.Position, u"SAH-RUS").Text(), "the Word is the entry's");
    Check(a.Word.substr(0, a.Lemma.size()) == a.Lemma, "the Word begins with the lemma");
    Check(!a.Description.empty() && !a.Morphemes.empty(), "an analysis is named");
    Check(a.Segmentation().size() <= 2 * text.size() + 2, "the morphemes come from the form");
  }
  // The text as a word to inflect.
  const auto rows = model.Paradigm(text);
  for (const auto& r : rows) Check(!r.Features.empty(), "a paradigm row is named");
  for (int32_t c = 0; c <= 9; ++c) (void)model.NounForm(text, 1 + c % 2, c % 7, c);
  (void)model.Generate(text, u"наст. вр., 1 л. ед. ч.");
  return 0;
}
