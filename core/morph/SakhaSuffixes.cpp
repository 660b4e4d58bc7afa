#include "core/morph/SakhaSuffixes.h"

#include <array>

namespace sahdict::morph {

namespace {

constexpr uint32_t Bit(Slot s) { return 1u << static_cast<uint32_t>(s); }

constexpr uint32_t kNoun = Bit(Slot::NounStem) | Bit(Slot::NounDerived);
constexpr uint32_t kPlural = Bit(Slot::NounPlural);
constexpr uint32_t kVerb = Bit(Slot::VerbStem) | Bit(Slot::VerbVoice) | Bit(Slot::VerbVoice2);

// The same template after a vowel and after a consonant.
constexpr Suffix S(std::u16string_view t, std::u16string_view name) { return {t, t, name}; }
// Different templates after a vowel and after a consonant.
constexpr Suffix VC(std::u16string_view v, std::u16string_view c, std::u16string_view name) { return {v, c, name}; }

constexpr std::u16string_view kPerson[6] = {u"1 л. ед. ч.", u"2 л. ед. ч.", u"3 л. ед. ч.",
                                            u"1 л. мн. ч.", u"2 л. мн. ч.", u"3 л. мн. ч."};
constexpr std::u16string_view kPossessor[6] = {u"1 л. ед. ч. притяж.", u"2 л. ед. ч. притяж.", u"3 л. ед. ч. притяж.",
                                               u"1 л. мн. ч. притяж.", u"2 л. мн. ч. притяж.", u"3 л. мн. ч. притяж."};
constexpr std::u16string_view kPredicate[6] = {u"сказ., 1 л. ед. ч.", u"сказ., 2 л. ед. ч.", u"",
                                               u"сказ., 1 л. мн. ч.", u"сказ., 2 л. мн. ч.", u""};

// Person endings of the predicate (мин сахабын, барбыппын).
constexpr std::array<std::u16string_view, 6> kPredicateEnding = {u"БIн", u"ГIн", u"", u"БIт", u"ГIт", u"ЛAр"};
// Possessive endings after a consonant (барбытым, барыаҕым).
constexpr std::array<std::u16string_view, 6> kPossessiveEnding = {u"Iм", u"Iҥ", u"A", u"БIт", u"ГIт", u"ЛAрA"};
// The past tense's endings after its vowel (бардым, бардылар).
constexpr std::array<std::u16string_view, 6> kPastEnding = {u"м", u"ҥ", u"", u"бIт", u"гIт", u"лAр"};
// The present tense's endings after its vowel (барабын, бараллар).
constexpr std::array<std::u16string_view, 6> kPresentEnding = {u"БIн", u"ГIн", u"р", u"БIт", u"ГIт", u"ллAр"};
// The conditional's endings after -тах (бардахпына, бардаҕына).
constexpr std::array<std::u16string_view, 6> kConditionalEnding = {u"БIнA",   u"ГIнA",   u"IнA",
                                                                   u"БIтIнA", u"ГIтIнA", u"ЛAрIнA"};

// The cases after the nominative, with no possessor (names as in the word-forms table).
constexpr std::u16string_view kCaseName[9] = {u"",        u"",         u"парт. п.", u"дат.-мест. п.", u"вин. п.",
                                              u"исх. п.", u"твор. п.", u"совм. п.", u"сравн. п."};
constexpr Suffix kCase[9] = {
    S(u"", u""),
    S(u"", u""),
    S(u"ТA", kCaseName[2]),
    S(u"ГA", kCaseName[3]),
    VC(u"нI", u"I", kCaseName[4]),
    VC(u"ттAн", u"тAн", kCaseName[5]),
    VC(u"нAн", u"IнAн", kCaseName[6]),
    S(u"ЛIIн", kCaseName[7]),
    S(u"ТAAҕAр", kCaseName[8]),
};

// The possessive part before a case ending, by person.
constexpr Suffix kPossessivePart[6] = {
    S(u"Б", kPossessor[0]),   S(u"Г", kPossessor[1]),   VC(u"т", u"", kPossessor[2]),
    S(u"БIт", kPossessor[3]), S(u"ГIт", kPossessor[4]), S(u"ЛAр", kPossessor[5]),
};

// A case ending after a possessive part; the dative after the 1st and 2nd
// person singular is -Ар (аппар), after the others -IгАр (атыгар).
Suffix PossessedCase(int person, int c) {
  switch (c) {
    case 3:
      return S(person < 2 ? u"Aр" : u"IгAр", kCaseName[3]);
    case 4:
      return S(u"Iн", kCaseName[4]);
    case 5:
      return S(u"IттAн", kCaseName[5]);
    case 6:
      return S(u"IнAн", kCaseName[6]);
    case 7:
      return S(u"IнIIн", kCaseName[7]);
    default:
      return S(u"IнAAҕAр", kCaseName[8]);
  }
}

constexpr Suffix kNegative = S(u"БA", u"отр.");

// The place of a letter in the per-letter lists.
size_t LetterSlot(char16_t c) {
  if (c >= u'а' && c <= u'я') return static_cast<size_t>(c - u'а');
  switch (c) {
    case u'ҕ':
      return 32;
    case u'ҥ':
      return 33;
    case u'ө':
      return 34;
    case u'ү':
      return 35;
    case u'һ':
      return 36;
    default:
      return 37;
  }
}

// The letters a template may put first; empty when that cannot be told.
std::u16string_view FirstLetters(std::u16string_view t) {
  if (!t.empty() && t.back() == u'*') t.remove_suffix(1);
  if (t.size() <= 1 || t[0] == u'~') return {};
  switch (t[0]) {
    case u'A':
      return u"аэоө";
    case u'I':
    case u'E':
      return u"ыиуү";
    case u'Л':
    case u'Т':
      return u"лтдн";
    case u'Г':
      return u"ҕгҥкх";
    case u'Б':
      return u"бмп";
    default:
      return t.substr(0, 1);
  }
}

}  // namespace

const std::vector<uint16_t>& SuffixTable::RootsStartingWith(Slot slot, char16_t letter) const {
  return byLetter_[static_cast<size_t>(slot)][LetterSlot(letter)];
}

void SuffixTable::IndexRoots() {
  for (size_t slot = 0; slot < static_cast<size_t>(Slot::Count); ++slot) {
    for (const uint16_t id : roots_[slot]) {
      const Suffix& s = nodes_[id].suffix;
      const std::u16string_view v = FirstLetters(s.afterVowel), c = FirstLetters(s.afterConsonant);
      if (v.empty() || c.empty()) {
        anyLetter_[slot].push_back(id);
        continue;
      }
      bool listed[kLetters] = {};
      for (const std::u16string_view letters : {v, c}) {
        for (const char16_t l : letters) {
          const size_t i = LetterSlot(l);
          if (!listed[i]) byLetter_[slot][i].push_back(id);
          listed[i] = true;
        }
      }
    }
  }
}

const SuffixTable& SuffixTable::Get() {
  static const SuffixTable table;
  return table;
}

void SuffixTable::Add(uint32_t fromSlots, Slot to, std::initializer_list<Suffix> run) {
  for (size_t slot = 0; slot < static_cast<size_t>(Slot::Count); ++slot) {
    if ((fromSlots & (1u << slot)) == 0) continue;
    std::vector<uint16_t>* level = &roots_[slot];
    uint16_t at = 0;
    for (const Suffix& s : run) {
      bool found = false;
      for (const uint16_t id : *level) {
        const Suffix& o = nodes_[id].suffix;
        if (o.afterVowel == s.afterVowel && o.afterConsonant == s.afterConsonant && o.name == s.name) {
          at = id;
          found = true;
          break;
        }
      }
      if (!found) {
        nodes_.push_back(SuffixNode{s, {}, Slot::Count});
        at = static_cast<uint16_t>(nodes_.size() - 1);
        level->push_back(at);
      }
      level = &nodes_[at].next;
    }
    nodes_[at].leadsTo = to;
    nodes_[at].order = runs_;
  }
  ++runs_;
}

SuffixTable::SuffixTable() {
  nodes_.reserve(4096);
  // Nouns: number, possessor, case, predicate.
  Add(kNoun, Slot::NounPlural, {S(u"ЛAр", u"мн. ч.")});
  for (int c = 2; c <= 8; ++c) Add(kNoun | kPlural, Slot::End, {kCase[c]});
  const Suffix possessive[6] = {
      VC(u"м", u"Iм", kPossessor[0]), VC(u"ҥ", u"Iҥ", kPossessor[1]), VC(u"тA", u"A", kPossessor[2]),
      S(u"БIт", kPossessor[3]),       S(u"ГIт", kPossessor[4]),       S(u"ЛAрA", kPossessor[5]),
  };
  for (int p = 0; p < 6; ++p) {
    Add(kNoun, Slot::End, {possessive[p]});
    Add(kPlural, Slot::End, {p == 5 ? S(u"A", kPossessor[5]) : possessive[p]});
    for (int c = 3; c <= 8; ++c) {
      Add(kNoun, Slot::End, {kPossessivePart[p], PossessedCase(p, c)});
      Add(kPlural, Slot::End, {p == 5 ? S(u"", kPossessor[5]) : kPossessivePart[p], PossessedCase(p, c)});
    }
    if (!kPredicate[p].empty()) Add(kNoun | kPlural, Slot::End, {S(kPredicateEnding[p], kPredicate[p])});
  }
  // Derivations from nouns.
  const uint32_t stem = Bit(Slot::NounStem);
  Add(stem, Slot::NounDerived, {S(u"ЛAAх", u"прил. (-лаах)")});
  Add(stem, Slot::NounDerived, {S(u"ТAҕA", u"прил. (-таҕа)")});
  Add(stem, Slot::VerbStem, {S(u"ЛAA", u"глаг. (-лаа)")});
  Add(stem, Slot::VerbStem, {S(u"ЛAн", u"глаг. (-лан)")});
  Add(stem, Slot::VerbStem, {VC(u"й", u"Iй", u"глаг. (-ый)")});
  Add(stem, Slot::NounDerived, {S(u"ТAAҕI", u"прил. (-тааҕы)")});
  Add(stem, Slot::End, {S(u"ЛII", u"нареч. (-лыы)")});
  Add(stem, Slot::End, {S(u"ТIк", u"нареч. (-тык)")});

  // Verbs: voice, at most two.
  const Suffix voices[] = {
      VC(u"лIн*", u"IлIн*", u"страд. залог"), VC(u"н", u"Iн*", u"возвр. залог"), VC(u"с", u"Iс*", u"взаимн. залог"),
      VC(u"т", u"Iт", u"понуд. залог"),       S(u"ТAр", u"понуд. залог"),
  };
  for (const Suffix& v : voices) {
    Add(Bit(Slot::VerbStem), Slot::VerbVoice, {v});
    Add(Bit(Slot::VerbVoice), Slot::VerbVoice2, {v});
  }
  // Present-future (aorist): барабын, үлэлиибин, барар; negative барбаппын.
  for (int p = 0; p < 6; ++p) {
    // The tense's vowel and the person ending read as one suffix, as the 3rd
    // person singular (the participle's own sound) does.
    static constexpr std::u16string_view kPresent[6][2] = {
        {u"~IIБIн", u"AБIн"}, {u"~IIГIн", u"AГIн"}, {u"~IIр", u"Aр"},
        {u"~IIБIт", u"AБIт"}, {u"~IIГIт", u"AГIт"}, {u"~IIллAр", u"AллAр"},
    };
    static constexpr std::u16string_view kPresentName[6] = {
        u"наст. вр., 1 л. ед. ч.", u"наст. вр., 2 л. ед. ч.", u"наст. вр., 3 л. ед. ч.",
        u"наст. вр., 1 л. мн. ч.", u"наст. вр., 2 л. мн. ч.", u"наст. вр., 3 л. мн. ч.",
    };
    Add(kVerb, Slot::End, {VC(kPresent[p][0], kPresent[p][1], kPresentName[p])});
  }
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {kNegative, S(u"т", u"наст. вр."), S(kPredicateEnding[p], kPerson[p])});
  }
  // Recent past: бардым, барда; negative барбатым, барбата.
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {S(p == 2 ? u"ТA" : u"ТI", u"прош. вр."), S(kPastEnding[p], kPerson[p])});
  }
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {kNegative, S(p == 2 ? u"тA" : u"тI", u"прош. вр."), S(kPastEnding[p], kPerson[p])});
  }
  // Perfect: барбыппын; negative барбатахпын.
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {S(u"БIт", u"перф."), S(kPredicateEnding[p], kPerson[p])});
  }
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {kNegative, S(u"тAх", u"перф."), S(kPredicateEnding[p], kPerson[p])});
  }
  // Pluperfect: барбытым, барбыта; negative барбатаҕым.
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {S(u"БIт", u"давнопрош. вр."), S(kPossessiveEnding[p], kPerson[p])});
  }
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {kNegative, S(u"тAх", u"давнопрош. вр."), S(kPossessiveEnding[p], kPerson[p])});
  }
  // Habitual past: барарым, барара, бараллара (р + л -> лл as in бараллар).
  for (int p = 0; p < 6; ++p) {
    if (p == 5) {
      Add(kVerb, Slot::End, {VC(u"~II", u"A", u"обычн. прош. вр."), S(u"ллAрA", kPerson[5])});
    } else {
      Add(kVerb, Slot::End, {VC(u"~IIр", u"Aр", u"обычн. прош. вр."), S(kPossessiveEnding[p], kPerson[p])});
    }
  }
  // Remote past: барбыттаахпын.
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {S(u"БIттAAх", u"отдал. прош. вр."), S(kPredicateEnding[p], kPerson[p])});
  }
  // Future: барыаҕым, барыа, барыахпыт.
  for (int p = 0; p < 6; ++p) {
    if (p == 2) {
      Add(kVerb, Slot::End, {VC(u"~E", u"E", u"буд. вр."), S(u"", kPerson[2])});
    } else {
      Add(kVerb, Slot::End, {VC(u"~Eх", u"Eх", u"буд. вр."), S(kPossessiveEnding[p], kPerson[p])});
    }
  }
  // Conditional: бардахпына, бардаҕына; negative барбатахпына.
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {S(u"ТAх", u"усл. накл."), S(kConditionalEnding[p], kPerson[p])});
  }
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {kNegative, S(u"тAх", u"усл. накл."), S(kConditionalEnding[p], kPerson[p])});
  }
  // Necessitative: барыахтаахпын.
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End, {VC(u"~EхтAAх", u"EхтAAх", u"долженств. накл."), S(kPredicateEnding[p], kPerson[p])});
  }
  // Desiderative: барыахтым, барыахта.
  for (int p = 0; p < 6; ++p) {
    Add(kVerb, Slot::End,
        {VC(p == 2 ? u"~EхтA" : u"~EхтI", p == 2 ? u"EхтA" : u"EхтI", u"желат. накл."), S(kPastEnding[p], kPerson[p])});
  }
  // The short future forms барыам, барыаҥ.
  Add(kVerb, Slot::End, {VC(u"~E", u"E", u"буд. вр."), S(u"м", kPerson[0])});
  Add(kVerb, Slot::End, {VC(u"~E", u"E", u"буд. вр."), S(u"ҥ", kPerson[1])});
  // The short conditional: кэллэр.
  Add(kVerb, Slot::End, {S(u"ТAр", u"усл. накл.")});
  // Imperative.
  Add(kVerb, Slot::End, {VC(u"ҥ", u"Iҥ", u"повел. накл., 2 л. мн. ч.")});
  Add(kVerb, Slot::End, {S(u"ТIн", u"повел. накл., 3 л. ед. ч.")});
  Add(kVerb, Slot::End, {S(u"ТIннAр", u"повел. накл., 3 л. мн. ч.")});
  Add(kVerb, Slot::End, {VC(u"~EҕIҥ", u"EҕIҥ", u"повел. накл., 1 л. мн. ч.")});
  Add(kVerb, Slot::End, {VC(u"р", u"AAр", u"буд. повел. накл., 2 л. ед. ч.")});
  Add(kVerb, Slot::End, {VC(u"рIҥ", u"AAрIҥ", u"буд. повел. накл., 2 л. мн. ч.")});
  Add(kVerb, Slot::End, {VC(u"мA", u"IмA", u"отр. повел. накл., 2 л. ед. ч.")});
  Add(kVerb, Slot::End, {VC(u"мAҥ", u"IмAҥ", u"отр. повел. накл., 2 л. мн. ч.")});
  Add(kVerb, Slot::End, {kNegative, S(u"тIн", u"повел. накл., 3 л. ед. ч.")});
  // Participles, which then inflect as nouns (ыллыырыгар).
  Add(kVerb, Slot::NounDerived, {VC(u"~IIр", u"Aр", u"прич. наст. вр.")});
  Add(kVerb, Slot::NounDerived, {kNegative, S(u"т", u"прич. наст. вр.")});
  Add(kVerb, Slot::NounDerived, {S(u"БIт", u"прич. прош. вр.")});
  Add(kVerb, Slot::NounDerived, {kNegative, S(u"тAх", u"прич. прош. вр.")});
  Add(kVerb, Slot::NounDerived, {VC(u"~Eх", u"Eх", u"прич. буд. вр.")});
  Add(kVerb, Slot::NounDerived, {VC(u"мEх", u"IмEх", u"прич. буд. вр., отр.")});
  Add(kVerb, Slot::NounDerived, {S(u"ТAх", u"прич. (-тах)")});
  Add(kVerb, Slot::NounDerived, {S(u"БIттAAх", u"прич. (-быттаах)")});
  // Converbs.
  Add(kVerb, Slot::End, {VC(u"н", u"Aн", u"деепр. (-ан)")});
  Add(kVerb, Slot::End, {VC(u"~II", u"A", u"деепр. (-а)")});
  Add(kVerb, Slot::End, {VC(u"мIнA", u"IмIнA", u"деепр. отр. (-ымына)")});
  Add(kVerb, Slot::End, {kNegative, S(u"ккA", u"деепр. (-бакка)")});
  Add(kVerb, Slot::End, {VC(u"~AAрI", u"AAрI", u"деепр. цели (-аары)")});
  Add(kVerb, Slot::End, {VC(u"т", u"AAт", u"деепр. (-аат)")});
  Add(kVerb, Slot::End, {S(u"БIччA", u"деепр. (-бычча)")});
  // Verbal and agent nouns.
  Add(kVerb, Slot::NounDerived, {VC(u"һIн", u"II", u"отгл. сущ.")});
  Add(kVerb, Slot::NounDerived, {VC(u"ччI", u"AAччI", u"деятель (-ааччы)")});
  IndexRoots();
}

}  // namespace sahdict::morph
