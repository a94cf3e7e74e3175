// TVornApp: the application object.  An error that escapes an event handler
// (a range error in a reader, a failed conversion, a socket fault) would end
// the program; here it ends only the operation that raised it: the error
// display puts the program back at the game (engine/Fault.h) and shows the
// message in the selected language, and the event loop goes on.
#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace vorn {

class TVornApp : public QApplication {
public:
    TVornApp(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* e) override;

    // The error display of the main window; while none is set, the program
    // is put back and the message shown in a box of its own.  The owner
    // takes its display away again with ClearErrorDisplay.
    using TErrorDisplay = std::function<void(const std::string& message)>;
    static void SetErrorDisplay(const void* owner, TErrorDisplay display);
    static void ClearErrorDisplay(const void* owner);
    // Shows an error that stopped an operation.
    static void ShowError(const std::string& message);
};

// Runs f; an error that escapes it goes to the error display.  For the calls
// into the program that do not come through the event loop.
void RunGuarded(const std::function<void()>& f);

} // namespace vorn
