// Go proverbs (格言) for the status line: while a game against the engine
// runs, the status bar says whose turn it is and adds a proverb picked at
// random in the selected language.
#pragma once

#include <string>

namespace vorn {

constexpr int kKakugenEnglishCount = 46;
constexpr int kKakugenJapaneseCount = 165;
// The random ranges: draws beyond the table give no proverb.
constexpr int kKakugenEnglishRange = 60;
constexpr int kKakugenJapaneseRange = 171;

// Row i of a table (UTF-8); "" outside it.
const char* KakugenEnglishRow(int i);
const char* KakugenJapaneseRow(int i);

// A random proverb from the program's random source, or "" (14 draws in 60
// for English, 6 in 171 for Japanese show none).
void KakugenEnglish(std::string& text);
void KakugenJapanese(std::string& text);

// The status line of a game against the engine: "Your Turn..." or "Vorn
// thinks..." with a random proverb in English (language 1), the Japanese
// twins otherwise.
std::string StatusLineText(bool yourTurn, int language);

} // namespace vorn
