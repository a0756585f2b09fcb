#pragma once
#include <string>
#include <string_view>

// String functions of the Basic language on Windows-1252 text (one byte per
// character). Positions are 1-based; counts below 1 give empty results.
namespace basic {

// Removes leading and/or trailing blanks (0x20 only; tabs stay).
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// The first / last n characters (all of s when n >= Len(s)).
std::string Left(std::string_view s, long n);
std::string Right(std::string_view s, long n);

// Up to length characters from position start; "" when start lies beyond the
// end. A start below 1 counts as 1.
std::string Mid(std::string_view s, long start, long length);
// Everything from position start on.
std::string Mid(std::string_view s, long start);

long Len(std::string_view s);

// Case mapping of one Windows-1252 character (letters with accents included).
// Inline: searches and sorts run it for every character they look at.
inline char UpperChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 'a') return c;
    if (b <= 'z') return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);
        case 0x9C: return static_cast<char>(0x8C);
        case 0x9E: return static_cast<char>(0x8E);
        case 0xFF: return static_cast<char>(0x9F);
        default: return c;
    }
}
char LowerChar(char c);
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);

// Position of the first needle in hay at or after start, 0 when not found.
// An empty needle gives start (0 when start lies past Len(hay) + 1).
long InStr(std::string_view hay, std::string_view needle);
long InStr(long start, std::string_view hay, std::string_view needle);

// n blanks / n copies of ch.
std::string Space(long n);
std::string String(long n, char ch);

// Equal without regard to case (Windows-1252 letters).
bool EqualsNoCase(std::string_view a, std::string_view b);

// Alphabetical order without regard to case, as sorted lists show text:
// Windows-1252 letters compared by their capitals, texts equal but for case
// are equivalent.
bool LessNoCase(std::string_view a, std::string_view b);

// The text without control characters (bytes 0 to 31 and 127).
std::string RemoveControlCharacters(std::string_view s);

}  // namespace basic
