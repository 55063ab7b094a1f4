#pragma once

#include <array>

// The ten products, top to bottom as the radio buttons stand on the order form.
struct Product {
    const char* buttonName; // object name of the product's radio button
    const char* text;       // UTF-8
    int spaces;             // blanks between the text and the size in the caption
    const char* sizeText;
    const char* code; // what EdProdQRB receives, plain ASCII
    bool asksWord;    // whether the Word question is shown for it
};

inline constexpr std::array<Product, 10> Products = {{
    {"RadioBKestola", "KESTOLA Lettore vocale della lingua italiana (con sintesi vocale TTS italiano)", 1,
     "700 Mb", "KESTOLA-Lettore-vocale-della-lingua-italiana", true},
    {"RadioBPlumatto", "KESTOLA PLUMATTO (soft.per didattica con sintesi vocale TTS italiano)", 4, "900 Mb",
     "KESTOLA-PLUMATTO", true},
    {"RadioBVentaro", "KESTOLA VENTARO (con sintesi vocale TTS italiano)", 39, "750 Mb", "KESTOLA-VENTARO",
     true},
    {"RadioBLomberk", "KESTOLA Lomberk (con sintesi vocale TTS italiano)", 41, "750 Mb", "KESTOLA-Lomberk",
     true},
    {"RadioBTorvIta", "PLUMATTO TORVANE (in italiano)", 56, "40 Mb", "PLUMATTO-TORVANE-(italiano)", false},
    {"RadioBTorvIng", "PLUMATTO TORVANE (english language)", 44, "40 Mb", "PLUMATTO-TORVANE-(English)",
     false},
    {"RadioBTorvFra",
     "PLUMATTO TORVANE (language fran\xc3\xa7"
     "aises)",
     39, "40 Mb", "PLUMATTO-TORVANE-(francaises)", false},
    {"RadioBTorvEsp", "PLUMATTO TORVANE (en espa\xc3\xb1ol)", 53, "40 Mb", "PLUMATTO-TORVANE-(Espanol)",
     false},
    {"RadioBDruvella", "KESTOLA DRUVELLA (con sintesi vocale TTS italiano)", 29, "750 Mb", "KESTOLA-DRUVELLA",
     false},
    {"RadioBTiborne", "KESTOLA TIBORNE (Tastiera virtuale su schermo)", 25, "20 Mb", "KESTOLA-TIBORNE",
     false},
}};
