#include "shell/VornApp.h"

#include <QMessageBox>

#include <cstdio>
#include <exception>

#include "engine/Fault.h"

namespace vorn {

namespace {

const void* g_owner = nullptr;
TVornApp::TErrorDisplay g_display;

} // namespace

TVornApp::TVornApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool TVornApp::notify(QObject* receiver, QEvent* e)
{
    try {
        return QApplication::notify(receiver, e);
    } catch (const std::exception& ex) {
        ShowError(FaultMessage(ex));
    } catch (...) {
        ShowError(FaultMessage());
    }
    return false;
}

void TVornApp::SetErrorDisplay(const void* owner, TErrorDisplay display)
{
    g_owner = owner;
    g_display = std::move(display);
}

void TVornApp::ClearErrorDisplay(const void* owner)
{
    if (g_owner != owner)
        return;
    g_owner = nullptr;
    g_display = nullptr;
}

void TVornApp::ShowError(const std::string& message)
{
    try {
        if (g_display) {
            g_display(message);
            return;
        }
        FaultRecover();
        FaultLog(FaultReport("error", message));
        QMessageBox::critical(nullptr, QStringLiteral("VORN"), QString::fromStdString(message));
    } catch (...) {
        // The display failed too: the program is put back all the same, and
        // the message goes to the error stream.
        FaultRecover();
        std::fputs(("VORN: " + message + "\n").c_str(), stderr);
    }
}

void RunGuarded(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::exception& ex) {
        TVornApp::ShowError(FaultMessage(ex));
    } catch (...) {
        TVornApp::ShowError(FaultMessage());
    }
}

} // namespace vorn
