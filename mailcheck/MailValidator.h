#pragma once
// Syntax check of an e-mail address, on its code page 1252 bytes, with the first fault reported as a
// numeric code and turned into a short English message for the order form.

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

// The 71 bytes an address may contain, indexed by byte value.
extern const std::bitset<256> MailCharSet;

// Messages for the codes 0 to 10. Code 0 is what the caller presets; it reads as "valid".
extern const std::array<const char*, 11> MailErrorTexts;

// True when the address passes every check; the code is then left as the caller preset it. On false the
// code is 1 to 10 for the first fault met, or -1 when the check itself failed.
bool ValidateMail(std::string_view address, std::int32_t& code);

// The message of a code from 0 to 10, "Invalid error code!" for any other.
std::string MailErrorText(std::int32_t code);
