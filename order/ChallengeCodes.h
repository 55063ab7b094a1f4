#pragma once

#include <array>

// The six-character codes shown by the code pictures 2 to 9 (Image2 ... Image9). Pictures 6 and 8 use
// only lower-case letters and digits; the others mix upper case, lower case and digits.
inline constexpr int FirstPicture = 2;
inline constexpr int LastPicture = 9;
inline constexpr std::array<const char*, 8> PictureCodes = {
    "Kx7Pm3", // 2
    "bR4tW9", // 3
    "H2qz8L", // 4
    "m9FeT4", // 5
    "p7kx2d", // 6
    "Zc5Nw8", // 7
    "r3hq6v", // 8
    "Wy4gB7", // 9
};

inline const char* PictureCode(int picture) {
    return PictureCodes.at(static_cast<std::size_t>(picture - FirstPicture));
}
