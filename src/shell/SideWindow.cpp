#include "shell/SideWindow.h"

#include <QWidget>

#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

const char* const kKeys[4] = {"Left", "Top", "Width", "Height"};

int* Member(TSideGeometry& g, int i)
{
    int* const members[4] = {&g.Left, &g.Top, &g.Width, &g.Height};
    return members[i];
}

} // namespace

TSideGeometry SideGeometryRead(const TIniFile& ini, const std::string& section, const TSideGeometry& def)
{
    TSideGeometry g = def;
    for (int i = 0; i < 4; ++i)
        *Member(g, i) = ini.ReadInteger(section, kKeys[i], *Member(g, i));
    return g;
}

TSideGeometry SideGeometryReadKeep(const TIniFile& ini, const std::string& section, const TSideGeometry& design)
{
    TSideGeometry g = design;
    for (int i = 0; i < 4; ++i) {
        const int v = ini.ReadInteger(section, kKeys[i], -1);
        if (v != -1)
            *Member(g, i) = v;
    }
    return g;
}

void SideGeometryWrite(TIniFile& ini, const std::string& section, const TSideGeometry& g)
{
    TSideGeometry copy = g;
    for (int i = 0; i < 4; ++i)
        ini.WriteInteger(section, kKeys[i], *Member(copy, i));
}

void SideWindowClosed(TMainCtl& ctl, const std::string& menuItem, const std::string& formKey)
{
    ctl.SetChecked(menuItem, false);
    TIniFile ini(ctl.IniPath);
    ini.WriteOnOff("Form", formKey, false);
}

void SideGeometryApply(QWidget& w, const TSideGeometry& g)
{
    w.move(g.Left, g.Top);
    // A window needs some room; a damaged setting must not make it vanish.
    w.resize(g.Width < 40 ? 40 : g.Width, g.Height < 30 ? 30 : g.Height);
}

TSideGeometry SideGeometryOf(const QWidget& w) { return TSideGeometry{w.x(), w.y(), w.width(), w.height()}; }

} // namespace vorn
