#include <cstdlib>
#include <string>
#include <vector>

#include "VornCore.h"
#include "board/Hooks.h"
#include "shell/SDIMain.h"
#include "shell/VornApp.h"

int main(int argc, char** argv)
{
    vorn::TVornApp app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VORN"));
    QApplication::setApplicationDisplayName(QStringLiteral("VORN"));
    vorn::ResetProgramState();
    // The developer menu is shown when VORN_DEV is 1.
    if (const char* dev = std::getenv("VORN_DEV"); dev != nullptr && std::string(dev) == "1")
        vorn::DevMode = 1;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    vorn::TSDIAppForm form(args);
    form.show();
    return app.exec();
}
