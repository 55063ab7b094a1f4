#pragma once

#include <optional>

// Windows code page 1252, the single-byte text of the order file and of the e-mail checks.
namespace platform {

// The byte for a character, or nothing when the code page has no byte for it. The five bytes that
// the code page leaves undefined (81, 8D, 8F, 90, 9D) stand for the C1 controls of the same value,
// as Windows maps them, so every byte has exactly one character and back.
std::optional<unsigned char> Cp1252FromUnicode(char32_t c);
char32_t UnicodeFromCp1252(unsigned char b);
bool IsCp1252Representable(char32_t c);

} // namespace platform
