#pragma once
// Who the program is: its names, its makers' contacts and its version, as
// every part of it shows or writes them.

#include <string>

#include "generated/Version.h"

namespace sahdict {

// The makers: the team's name leads every window title; the author signs the
// message window's title; the contacts close the about text.
inline const std::u16string kMakerName = u"Korvane";
inline const std::u16string kAuthorName = u"Orlen";
inline const std::u16string kContactAddress = u"sahdict@example.org";
inline const std::u16string kWebAddress = u"http://www.example.org/sahdict/";

// The program's name, and that of its word-forms window.
inline const std::u16string kProgramName = u"Sah Dictionary";
inline const std::u16string kWordFormsName = u"Sah WordForms Generator";
// "Korvane - Sah Dictionary": the lookup window's title, the article window's
// title after the word.
inline const std::u16string kProgramTitle = kMakerName + u" - " + kProgramName;
// "Korvane - Sah WordForms Generator": the word-forms window's title.
inline const std::u16string kWordFormsTitle = kMakerName + u" - " + kWordFormsName;
// The author a compiled dictionary's header names, before the version.
inline const std::string kCompiledAuthor = "SahDictionary";

// The version as the program shows it: major, ".", minor with two digits, " b",
// revision ("1.04 b27").
std::u16string VersionNumberText();

}  // namespace sahdict
