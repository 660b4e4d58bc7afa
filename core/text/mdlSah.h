#pragma once
// The Sakha letter notation: Sakha letters that the Russian alphabet lacks are
// written with Latin letters, digits and letter pairs. Every operation changes
// the caller's text in place.

#include <string>

namespace sahdict {

// Rewrites any accepted spelling into the code form, where each Sakha letter,
// letter pair and long vowel is one character. Returns the changed text.
std::u16string& ToCodeNotation(std::u16string& text);

// Rewrites any accepted spelling into the canonical form under which Sakha
// words are stored and searched. Returns the changed text.
std::u16string& NormalizeSakha(std::u16string& text);

// Replace every character outside the Sakha alphabet by "?" (length unchanged).
void MarkNonSakha(std::u16string& text);
// MarkNonSakha, then delete every "?" (also those that stood there before).
void StripNonSakha(std::u16string& text);
// Replace every character outside the Russian alphabet by "?" (length unchanged).
void MarkNonRussian(std::u16string& text);
// MarkNonRussian, then delete every "?".
void StripNonRussian(std::u16string& text);

// The help text on the notation shown by "О сокращениях" (lines joined by CR LF).
const std::u16string& NotationHelpText();

}  // namespace sahdict
