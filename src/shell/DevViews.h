// TDevViews: the logic of the developer views and the evaluation window,
// without their windows: the chain, group and region maps with their
// information windows, the point-relation view and the evaluation window.
// Each keeps its place in a section of VORN.INI, read at start-up and
// written at exit; the maps and the evaluation window are switched by the
// developer menu, and their close boxes untick it.  The windows that draw
// (the maps and the relation view) paint through a TCanvas, so the same
// code serves the Qt windows and the tests.
#pragma once

#include <string>

#include "shell/GunForm.h"
#include "shell/GunInfo.h"
#include "shell/HyokaInf.h"
#include "shell/JiForm.h"
#include "shell/JiInfo.h"
#include "shell/LocateForm.h"
#include "shell/RenForm.h"
#include "shell/RenInfo.h"

namespace vorn {

class TMainCtl;

class TDevViews {
public:
    explicit TDevViews(TMainCtl& main);
    TDevViews(const TDevViews&) = delete;
    TDevViews& operator=(const TDevViews&) = delete;

    // Every window's place from its section: the switched windows' defaults
    // where a key is missing, the information windows' designed place
    // unless a key holds a value other than -1.
    void FormCreate();
    // Every window's place written into its section (at program exit).
    void FormDestroy();
    // The close box of the window that the menu item switches: the window
    // hidden, the item unticked and "OFF" stored under its key.
    void FormClose(const std::string& menuItem);
    // The window that the menu item switches (mnuRen, mnuGun, mnuLocate,
    // mnuJi, mnuHyoka); nullptr for any other name.
    TSideForm* Window(const std::string& menuItem);

    THyokaF Hyoka;
    TRenInfo RenInfo;
    TRenForm RenForm{RenInfo};
    TGunInfo GunInfo;
    TGunForm GunForm;
    TJiInfo JiInfo;
    TJiForm JiForm{JiInfo};
    TLocateForm LocateForm;

private:
    struct TPlace {
        TSideForm* form;
        const char* section;
        TSideGeometry place;  // default, or the designed place
        bool design;          // read by the -1 rule
        const char* menuItem; // nullptr for an information window
        const char* formKey;
    };
    static constexpr int kPlaces = 8;
    TPlace places_[kPlaces];
    TMainCtl& main_;
};

} // namespace vorn
