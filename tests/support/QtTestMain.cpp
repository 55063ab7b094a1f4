// main() of every test program: a real application object, on the offscreen platform unless the
// environment asks for another, and the program's font substitutes.
#include "app/FormSet.h"
#include "app/ShellApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    ShellApplication app(argc, argv);
    InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
