// The shell's tests run with a QApplication (offscreen) and with their own
// settings directory, so that the user's VORN.INI is never read or written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "shell/VornApp.h"

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char tmpl[] = "/tmp/vorn-shell-test-XXXXXX";
    const char* dir = mkdtemp(tmpl);
    if (dir == nullptr)
        return 2;
    setenv("XDG_CONFIG_HOME", dir, 1);
    // The program's own application object: errors that escape a handler
    // go to the error display, as in the program.
    vorn::TVornApp app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return rc;
}
