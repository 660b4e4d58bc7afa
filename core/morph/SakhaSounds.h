#pragma once
// Sakha sounds and the rules at a morpheme seam. Words are handled in real
// Sakha letters, lower case (ҥ ҕ ө ү һ as themselves, дь and нь as two
// letters, long vowels and diphthongs as two vowels), which keeps one letter
// per sound for the rules below.
//
// A suffix is written as a template:
// - lower-case letters stand for themselves;
// - "A" is a low vowel and "I" a high vowel that take the harmony of the
//   last vowel before them (A: а э о ө, low rounded only after о ө;
//   I: ы и у ү), "E" a diphthong (ыа иэ уо үө);
// - the capitals "Л", "Т", "Г", "Б" are the alternating first consonants
//   (л/т/д/н, т/л/д/н, ҕ/г/ҥ/к, б/м/п), chosen by the sound before them;
// - a leading "~" drops the final vowels of the word first (long-vowel
//   contraction: олохтоо + ~IIр -> олохтуур);
// - a trailing "*" marks the last high vowel of the suffix as one that drops
//   before a vowel (тэбилин + эр -> тэбиллэр).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sahdict::morph {

// The Sakha vowels, the loan vowels е ё ю я included.
inline bool IsVowel(char16_t c) {
  // Bit k stands for U+0430 + k: а е и о у ы э ю я.
  constexpr uint64_t kVowels = (1ull << 0) | (1ull << 5) | (1ull << 8) | (1ull << 14) | (1ull << 19) | (1ull << 27) |
                               (1ull << 29) | (1ull << 30) | (1ull << 31);
  if (c >= u'а' && c <= u'я') return (kVowels >> (c - u'а')) & 1;
  return c == u'ө' || c == u'ү' || c == u'ё';
}

// The notation (canonical form, or the code form's digits) in real letters:
// "н'" -> ҥ, "5" -> ҕ, Latin "O"/Cyrillic "О" -> ө, Latin "Y"/Cyrillic "У" ->
// ү, "h" -> һ, Latin "n" -> ҥ. Other characters pass unchanged.
std::u16string NotationToLetters(std::u16string_view notation);

// The letters of a word being built, kept in place (analysis copies them at
// every step). Letters beyond the capacity are dropped: no form of a word
// that long is analysed or generated.
class Letters {
 public:
  static constexpr size_t kCapacity = 160;

  Letters() = default;
  Letters(const Letters& o) : size_(o.size_) { std::copy(o.chars_, o.chars_ + o.size_, chars_); }
  Letters& operator=(const Letters& o) {
    size_ = o.size_;
    std::copy(o.chars_, o.chars_ + o.size_, chars_);
    return *this;
  }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  char16_t back() const { return chars_[size_ - 1]; }
  char16_t& back() { return chars_[size_ - 1]; }
  char16_t operator[](size_t i) const { return chars_[i]; }
  char16_t& operator[](size_t i) { return chars_[i]; }
  void pop_back() { --size_; }
  void resize(size_t n) { size_ = n < size_ ? n : size_; }
  Letters& operator+=(char16_t c) {
    if (size_ < kCapacity) chars_[size_++] = c;
    return *this;
  }
  void assign(std::u16string_view s) {
    size_ = s.size() < kCapacity ? s.size() : kCapacity;
    s.copy(chars_, size_);
  }
  operator std::u16string_view() const { return {chars_, size_}; }
  std::u16string_view view() const { return {chars_, size_}; }

 private:
  char16_t chars_[kCapacity];
  size_t size_ = 0;
};

// A word being built: its letters, the vowel that sets the harmony of the next
// suffix (it survives a contraction that drops the vowel itself), and whether
// its last high vowel drops before a vowel.
// A stem that ends in two consonants (тахс- of таҕыс, сылдь- of сырыт) takes
// a high vowel before a consonant: тахсыбыт, сылдьыбыт.
struct WordState {
  Letters text;
  char16_t harmony = u'а';
  bool elidable = false;
  bool cluster = false;
};

// The state of a bare word: its last vowel sets the harmony.
WordState StartWord(std::u16string_view letters, bool elidable);

// True when the word ends in vowel, consonant, short high vowel, consonant
// (таҕыс, көрүс): the shape whose last vowel may drop before a vowel.
bool HasElidableShape(std::u16string_view letters);

// The word of that shape with its last vowel dropped, as a stem that ends in
// two consonants (таҕыс -> тахс-).
WordState ElidedStem(std::u16string_view letters);

// Joins a suffix template to the word. `variant` 0 is the regular spelling;
// 1 and 2 ask for the other spellings that real texts use at this seam (р + л
// -> лл as in дьахталлар, or тт as in доҕоттор; ҕ written г after a vowel),
// 3 for an elidable vowel dropped before a consonant with a high vowel
// linking (тэбилин + бит -> тэбиллибит); when there is none the word is
// left alone and false is returned. `changedFrom` receives the first
// position of the word that the join changed or added, `suffixStart` the
// position where the suffix's own letters begin.
bool JoinSuffix(WordState& word, std::u16string_view suffix, int variant, size_t& changedFrom, size_t& suffixStart);

// Whether JoinSuffix has a variant 1 (and perhaps 2) for this suffix after this word.
bool HasOtherSpelling(const WordState& word, std::u16string_view suffix);

// A quick test before JoinSuffix: false when the suffix's first letter
// cannot stand where the join would put it in `form` (true when unsure).
bool SuffixMayFit(const WordState& word, std::u16string_view suffix, std::u16string_view form);

}  // namespace sahdict::morph
