// The place of a side window (the comment window, the evaluation window, the
// developer views): each keeps its own section of VORN.INI with the integer
// keys Left, Top, Width and Height, read when the window is made and written
// back, unconditionally, when the program ends.  Closing a side window by its
// close box unticks its menu item in the main window and stores "OFF" under
// its switch in section Form.
//
// Two ways of reading: with a default per key (a missing key gives the
// default), or "design" reading, where a key is applied only when it holds a
// value other than -1, so that a missing key keeps the window's designed
// place (SideGeometryReadKeep).
//
// Left and Top are the place of the window's frame on the screen, Width and
// Height the size of its client area, as the main window keeps its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace vorn {

class TIniFile;
class TMainCtl;

struct TSideGeometry {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TSideGeometry&) const = default;
};

// What the logic of a side window keeps of it: its place and whether it is
// shown.
struct TSideForm {
    TSideGeometry Geometry;
    bool Visible = false;
};

// A control of an information window (the developer views) as its logic
// holds it: a read-only edit field beside its label, a list under its label,
// a button with its caption, or a bare label.  The Qt window lays them out
// in the order given and shows the texts the logic fills.
struct TInfoControl {
    enum TKind { kEdit, kList, kButton, kLabel };
    const char* name;
    TKind kind;
    std::string label;                          // beside an edit, above a list; a label's text
    std::string* text = nullptr;                // an edit's text, a button's caption
    std::vector<std::string>* items = nullptr;  // a list's lines
    std::function<void()> click = {};           // a button's handler
};

// The four keys of the section; a missing key gives the member of def.
TSideGeometry SideGeometryRead(const TIniFile& ini, const std::string& section, const TSideGeometry& def);
// The four keys read with the default -1; a key other than -1 replaces that
// member of design, -1 (or a missing key) keeps it.
TSideGeometry SideGeometryReadKeep(const TIniFile& ini, const std::string& section, const TSideGeometry& design);
void SideGeometryWrite(TIniFile& ini, const std::string& section, const TSideGeometry& g);

// The close box of a side window: its menu item of the main window unticked
// and "OFF" written under its key of section Form.
void SideWindowClosed(TMainCtl& ctl, const std::string& menuItem, const std::string& formKey);

// A window placed at the geometry, and the geometry a window has now.
void SideGeometryApply(QWidget& w, const TSideGeometry& g);
TSideGeometry SideGeometryOf(const QWidget& w);

} // namespace vorn
