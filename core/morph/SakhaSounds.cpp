#include "core/morph/SakhaSounds.h"

#include <algorithm>

namespace sahdict::morph {

namespace {

// The sound classes that choose a suffix's first consonant.
enum class Sound { Vowel, L, Voiced, Nasal, Voiceless };

bool IsHighShort(char16_t c) { return c == u'ы' || c == u'и' || c == u'у' || c == u'ү'; }

Sound LastSound(std::u16string_view s) {
  if (s.empty()) return Sound::Vowel;
  const char16_t c = s.back();
  if (IsVowel(c)) return Sound::Vowel;
  switch (c) {
    case u'л':
      return Sound::L;
    case u'м':
    case u'н':
    case u'ҥ':
      return Sound::Nasal;
    case u'к':
    case u'п':
    case u'с':
    case u'т':
    case u'х':
    case u'ч':
    case u'ш':
    case u'щ':
    case u'ф':
    case u'ц':
      return Sound::Voiceless;
    case u'ь':
      return s.size() >= 2 && s[s.size() - 2] == u'н' ? Sound::Nasal : Sound::Voiced;
    default:
      return Sound::Voiced;  // р й and the rare voiced finals
  }
}

// л/т/д/н, т/л/д/н, ҕ/г/ҥ/к, б/м/п by the sound before them.
char16_t FirstConsonant(char16_t family, Sound before) {
  static constexpr char16_t kL[] = {u'л', u'л', u'д', u'н', u'т'};
  static constexpr char16_t kT[] = {u'т', u'л', u'д', u'н', u'т'};
  static constexpr char16_t kG[] = {u'ҕ', u'г', u'г', u'ҥ', u'к'};
  static constexpr char16_t kB[] = {u'б', u'б', u'б', u'м', u'п'};
  const auto i = static_cast<size_t>(before);
  switch (family) {
    case u'Л':
      return kL[i];
    case u'Т':
      return kT[i];
    case u'Г':
      return kG[i];
    default:
      return kB[i];
  }
}

bool IsFamily(char16_t c) { return c == u'Л' || c == u'Т' || c == u'Г' || c == u'Б'; }

// The loan vowels act as the native vowel they sound like.
char16_t HarmonyOf(char16_t v) {
  switch (v) {
    case u'е':
      return u'э';
    case u'ё':
      return u'о';
    case u'ю':
      return u'у';
    case u'я':
      return u'а';
    default:
      return v;
  }
}

char16_t LowVowel(char16_t h) {
  switch (h) {
    case u'э':
    case u'и':
    case u'ү':
      return u'э';
    case u'о':
      return u'о';
    case u'ө':
      return u'ө';
    default:
      return u'а';  // а ы у
  }
}

char16_t HighVowel(char16_t h) {
  switch (h) {
    case u'э':
    case u'и':
      return u'и';
    case u'о':
    case u'у':
      return u'у';
    case u'ө':
    case u'ү':
      return u'ү';
    default:
      return u'ы';
  }
}

char16_t Devoiced(char16_t c) {
  switch (c) {
    case u'ҕ':
      return u'х';
    case u'г':
      return u'к';
    case u'б':
      return u'п';
    case u'һ':
      return u'с';
    default:
      return c;
  }
}

char16_t Voiced(char16_t c) {
  switch (c) {
    case u'к':
      return u'г';
    case u'п':
      return u'б';
    case u'с':
      return u'һ';
    case u'х':
      return u'ҕ';
    default:
      return c;
  }
}

// The vowel that sets the harmony after `v` written after `before`: a
// diphthong acts through its first vowel (уот + ка -> уокка, туох -> туохтан).
char16_t HarmonyAfter(std::u16string_view before, char16_t v) {
  v = HarmonyOf(v);
  if (before.empty()) return v;
  const char16_t p = before.back();
  if ((p == u'ы' && v == u'а') || (p == u'и' && v == u'э') || (p == u'у' && v == u'о') || (p == u'ү' && v == u'ө')) {
    return p;
  }
  return v;
}

bool StartsWithVowel(std::u16string_view t) {
  return !t.empty() && (t[0] == u'A' || t[0] == u'I' || t[0] == u'E' || IsVowel(t[0]));
}

}  // namespace

std::u16string NotationToLetters(std::u16string_view n) {
  std::u16string out;
  out.reserve(n.size());
  for (size_t i = 0; i < n.size(); ++i) {
    const char16_t c = n[i];
    if (c == u'н' && i + 1 < n.size() && n[i + 1] == u'\'') {
      out += u'ҥ';
      ++i;
      continue;
    }
    switch (c) {
      case u'5':
        out += u'ҕ';
        break;
      case u'O':
      case u'О':
      case u'8':
        out += u'ө';
        break;
      case u'Y':
      case u'У':
        out += u'ү';
        break;
      case u'h':
        out += u'һ';
        break;
      case u'n':
      case u'4':
        out += u'ҥ';
        break;
      case u'3':
        out += u"дь";
        break;
      case u'7':
        out += u"нь";
        break;
      case u'1':
        out += u"ыа";
        break;
      case u'2':
        out += u"иэ";
        break;
      case u'6':
        out += u"уо";
        break;
      case u'9':
        out += u"үө";
        break;
      default:
        out += c;
    }
  }
  return out;
}

WordState StartWord(std::u16string_view letters, bool elidable) {
  WordState w;
  w.text.assign(letters);
  w.elidable = elidable;
  for (size_t i = letters.size(); i-- > 0;) {
    if (IsVowel(letters[i])) {
      w.harmony = HarmonyAfter(letters.substr(0, i), letters[i]);
      break;
    }
  }
  return w;
}

bool HasElidableShape(std::u16string_view s) {
  const size_t n = s.size();
  return n >= 4 && !IsVowel(s[n - 1]) && IsHighShort(s[n - 2]) && !IsVowel(s[n - 3]) && IsVowel(s[n - 4]);
}

// р + л -> лл (дьахталлар) or тт (доҕоттор), ҕ written г after a vowel.
bool OtherSpelling(std::u16string_view s, std::u16string_view t, int variant) {
  if (t.empty() || s.empty()) return false;
  if (variant == 2) return t[0] == u'Л' && s.back() == u'р';
  return (t[0] == u'Л' && s.back() == u'р') || (t[0] == u'Г' && IsVowel(s.back()));
}

bool HasOtherSpelling(const WordState& word, std::u16string_view t) {
  if (!t.empty() && t.front() == u'~') return false;
  return OtherSpelling(word.text.view(), t, 1);
}

bool JoinSuffix(WordState& word, std::u16string_view t, int variant, size_t& changedFrom, size_t& suffixStart) {
  Letters& s = word.text;
  bool elidableEnd = false;
  if (!t.empty() && t.back() == u'*') {
    elidableEnd = true;
    t.remove_suffix(1);
  }
  const bool truncate = !t.empty() && t[0] == u'~';
  if (truncate) t.remove_prefix(1);
  // The other spellings exist only at a few seams; decide before changing anything.
  // Variant 3: an elidable vowel drops before a consonant too, and a high
  // vowel links (тэбилин + бит -> тэбиллибит).
  const bool linked = variant == 3;
  if (linked && (!word.elidable || t.empty() || StartsWithVowel(t))) return false;
  if (variant > 0 && !linked && !OtherSpelling(s, t, variant)) return false;
  size_t changed = s.size();
  if (truncate) {
    for (int i = 0; i < 2 && !s.empty() && IsVowel(s.back()); ++i) s.pop_back();
    changed = s.size();
    // The contracted vowel follows the vowel before it (сөбүлээ -> сөбүлүүр),
    // or the dropped one when none is left (сиэ -> сиир).
    for (size_t i = s.size(); i-- > 0;) {
      if (IsVowel(s[i])) {
        word.harmony = HarmonyAfter(s.view().substr(0, i), s[i]);
        break;
      }
    }
  }
  if (t.empty()) {
    changedFrom = changed;
    suffixStart = s.size();
    return true;
  }
  const char16_t first = t[0];
  if ((linked || StartsWithVowel(t)) && !s.empty() && !IsVowel(s.back())) {
    const size_t n = s.size();
    if (word.elidable && n >= 3 && IsHighShort(s[n - 2]) && !IsVowel(s[n - 3])) {
      // The last high vowel drops; the consonant before it loses its voice,
      // and л + н meet as лл.
      char16_t c2 = s[n - 1];
      const char16_t c1 = Devoiced(s[n - 3]);
      if (c1 == u'л' && c2 == u'н') c2 = u'л';
      s.resize(n - 3);
      s += c1;
      s += c2;
      changed = std::min(changed, n - 3);
    } else if (!truncate && n >= 2 && IsVowel(s[n - 2])) {
      const char16_t v = Voiced(s[n - 1]);
      if (v != s[n - 1]) {
        s[n - 1] = v;
        changed = std::min(changed, n - 1);
      }
    }
  }
  char16_t h = word.harmony;
  size_t i = 0;
  if ((word.cluster || linked) && !StartsWithVowel(t)) {
    h = HighVowel(h);
    s += h;  // тахс + быт -> тахсыбыт
  }
  suffixStart = s.size();
  if (IsFamily(first)) {
    char16_t c = FirstConsonant(first, LastSound(s));
    if (!s.empty()) {
      char16_t& last = s.back();
      const char16_t before = last;
      if (variant == 2) {
        last = u'т';
        c = u'т';
      } else if (variant == 1 && first == u'Л') {
        last = u'л';
        c = u'л';
      } else if (variant == 1) {
        c = u'г';
      } else if (last == u'т' && (c == u'к' || c == u'п')) {
        last = c;  // ат + ка -> акка, ат + пыт -> аппыт
      } else if (last == u'н' && (c == u'м' || c == u'ҥ')) {
        last = c;  // дьон + мут -> дьоммут, күн + ҥэ -> күҥҥэ
      } else if (last == u'х' && c == u'к') {
        c = u'х';  // ох + ко -> оххо
      }
      if (last != before) changed = std::min(changed, s.size() - 1);
    }
    s += c;
    i = 1;
  }
  for (; i < t.size(); ++i) {
    const char16_t c = t[i];
    switch (c) {
      case u'A':
        h = LowVowel(h);
        s += h;
        break;
      case u'I':
        h = HighVowel(h);
        s += h;
        break;
      case u'E': {
        const char16_t a = HighVowel(h);
        const char16_t b = a == u'ы' ? u'а' : a == u'и' ? u'э' : a == u'у' ? u'о' : u'ө';
        s += a;
        s += b;
        h = a;
        break;
      }
      default:
        if (IsFamily(c)) {
          s += FirstConsonant(c, LastSound(s));
        } else {
          if (IsVowel(c)) h = HarmonyAfter(s, c);
          s += c;
        }
    }
  }
  word.harmony = h;
  word.elidable = elidableEnd;
  word.cluster = false;
  changedFrom = changed;
  return true;
}

WordState ElidedStem(std::u16string_view letters) {
  WordState w = StartWord(letters, true);
  size_t from = 0, start = 0;
  JoinSuffix(w, u"A", 0, from, start);
  w.text.pop_back();
  w = StartWord(w.text.view(), false);
  w.cluster = true;
  return w;
}

bool SuffixMayFit(const WordState& word, std::u16string_view t, std::u16string_view form) {
  // The last high vowel of an elidable suffix, and the consonant after it,
  // may still change: only what stands before them is checked.
  const bool elidable = !t.empty() && t.back() == u'*';
  if (elidable) t.remove_suffix(1);
  // A lone consonant may still change at the next seam (т -> п, к -> г).
  if (t.size() <= 1 || t[0] == u'~') return true;
  const Letters& s = word.text;
  const char16_t c = t[0];
  const bool vowel = c == u'A' || c == u'I' || c == u'E' || IsVowel(c);
  if (!vowel && word.cluster) return true;
  // A word whose last high vowel drops: a vowel lands where that vowel stood;
  // a consonant lands after it, or after the high vowel that links.
  const bool drops = word.elidable && !s.empty() && !IsVowel(s.back());
  // Then the suffix's letters land from the word's end on, each where the
  // join puts it: harmonic vowels as the harmony makes them, literal letters
  // as they are; an alternating consonant inside the suffix, and a final
  // consonant (which the next seam may change), may be any letter.
  size_t pos = drops && vowel ? s.size() - 1 : s.size();
  char16_t h = word.harmony;
  // A suffix of a high vowel and a consonant that may drop its vowel lands
  // with either (көр + үс -> көрүс, көрс-; аал + ын -> аалл-).
  if (elidable && t.size() == 2 && t[0] == u'I' && s.size() < form.size()) {
    const char16_t f = form[s.size()];
    return f == HighVowel(word.harmony) || f == t[1] || (t[1] == u'н' && !s.empty() && f == s.back());
  }
  // Final vowels may still be contracted away (оҕо + лоо + уур -> оҕолуур).
  size_t checked = elidable ? t.size() - 2 : t.size();
  for (int i = 0; i < 2 && checked > 0; ++i) {
    const char16_t v = t[checked - 1];
    if (v != u'A' && v != u'I' && v != u'E' && !IsVowel(v)) break;
    --checked;
  }
  for (size_t i = 0; i < checked; ++i) {
    const char16_t ch = t[i];
    if (pos >= form.size()) return false;
    const char16_t f = form[pos];
    if (ch == u'A' || ch == u'I') {
      h = ch == u'A' ? LowVowel(h) : HighVowel(h);
      if (f != h) return false;
    } else if (ch == u'E') {
      const char16_t a = HighVowel(h);
      const char16_t b = a == u'ы' ? u'а' : a == u'и' ? u'э' : a == u'у' ? u'о' : u'ө';
      if (f != a || pos + 1 >= form.size() || form[pos + 1] != b) return false;
      h = a;
      ++pos;
    } else if (IsFamily(ch)) {
      if (i == 0 && f != FirstConsonant(ch, LastSound(s)) && !(drops && f == FirstConsonant(ch, Sound::Vowel))) {
        const bool other =
            !s.empty() && ((ch == u'Л' && s.back() == u'р' && (f == u'л' || f == u'т')) ||
                           (ch == u'Г' && IsVowel(s.back()) && f == u'г') || (s.back() == u'х' && f == u'х'));
        if (!other) return false;
      }
    } else if (IsVowel(ch)) {
      if (f != ch) return false;
      h = HarmonyAfter(form.substr(0, pos), ch);
    } else if (f != ch && i + 1 < t.size()) {
      return false;
    }
    ++pos;
  }
  return true;
}

}  // namespace sahdict::morph
