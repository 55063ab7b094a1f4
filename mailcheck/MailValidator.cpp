#include "mailcheck/MailValidator.h"

#include <cstddef>
#include <new>

namespace {

std::bitset<256> MakeMailCharSet() {
    std::bitset<256> set;
    auto addRange = [&set](unsigned first, unsigned last) {
        for (unsigned b = first; b <= last; ++b)
            set.set(b);
    };
    addRange(36, 37);  // $ %
    addRange(39, 39);  // '
    addRange(43, 43);  // +
    addRange(45, 57);  // - . / 0-9
    addRange(64, 90);  // @ A-Z
    addRange(95, 95);  // _
    addRange(97, 122); // a-z
    return set;
}

constexpr std::size_t MaxLocalLength = 64;
constexpr std::size_t MaxDomainLength = 256;

bool Fail(std::int32_t& code, std::int32_t fault) {
    code = fault;
    return false;
}

bool CheckMail(std::string_view address, std::int32_t& code) {
    if (address.empty())
        return Fail(code, 2);
    const std::size_t at = address.find('@');
    if (at == std::string_view::npos)
        return Fail(code, 1);
    for (char c : address)
        if (!MailCharSet.test(static_cast<unsigned char>(c)))
            return Fail(code, 5);

    // Owned copies of the two parts: the one place where the check can run out of memory.
    const std::string local(address.substr(0, at));
    const std::string domain(address.substr(at + 1));
    if (local.empty())
        return Fail(code, 6);
    if (domain.empty())
        return Fail(code, 7);
    if (domain.size() > MaxDomainLength)
        return Fail(code, 4);
    if (local.size() > MaxLocalLength)
        return Fail(code, 3);
    if (local.front() == '.' || local.back() == '.' || local.find("..") != std::string::npos)
        return Fail(code, 5);
    if (domain.front() == '.' || domain.back() == '.')
        return Fail(code, 5);

    // Left to right, so whichever fault comes first in the domain decides. A label is judged only when a
    // dot ends it; the last label gets the length test alone.
    std::size_t labelStart = 0;
    std::size_t lastDot = std::string::npos;
    for (std::size_t j = 0; j < domain.size(); ++j) {
        const char c = domain[j];
        if (c == '.') {
            if (j + 1 < domain.size() && domain[j + 1] == '.')
                return Fail(code, 5);
            lastDot = j;
            // Never empty here: a leading dot and double dots are refused above.
            if (domain[labelStart] == '-' || domain[j - 1] == '-')
                return Fail(code, 5);
            labelStart = j + 1;
        } else if (c == '@') {
            return Fail(code, 10);
        }
    }
    if (lastDot == std::string::npos)
        return Fail(code, 8);
    if (domain.size() - (lastDot + 1) < 2)
        return Fail(code, 9);
    return true;
}

} // namespace

const std::bitset<256> MailCharSet = MakeMailCharSet();

const std::array<const char*, 11> MailErrorTexts = {
    "Unknown error occured!",                 // 0
    "Missing @ symbol!",                      // 1
    "Data to small!",                         // 2
    "User name to long!",                     // 3
    "Domain name to long!",                   // 4
    "Invalid character!",                     // 5
    "Missing user name!",                     // 6
    "Missing domain name!",                   // 7
    "Missing domain portion (.com,.net,etc)", // 8
    "Invalid general domain!",                // 9
    "To many @ symbols!",                     // 10
};

bool ValidateMail(std::string_view address, std::int32_t& code) {
    // Running out of memory for the part texts, or anything else going wrong inside, is a failed check,
    // never an error for the caller.
    try {
        return CheckMail(address, code);
    } catch (const std::bad_alloc&) {
        code = -1;
    } catch (...) {
        code = -1;
    }
    return false;
}

std::string MailErrorText(std::int32_t code) {
    if (code >= 0 && static_cast<std::size_t>(code) < MailErrorTexts.size())
        return MailErrorTexts[static_cast<std::size_t>(code)];
    return "Invalid error code!";
}
