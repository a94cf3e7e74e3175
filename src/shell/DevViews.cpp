#include "shell/DevViews.h"

#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

TDevViews::TDevViews(TMainCtl& main)
    : RenInfo(main),
      GunInfo(main),
      GunForm(main, GunInfo),
      places_{
          {&Hyoka, "FormHyoka", THyokaF::kDefault, false, "mnuHyoka", "Hyoka"},
          {&RenForm, "RenForm", TRenForm::kDefault, false, "mnuRen", "Ren"},
          {&RenInfo, "RenInfo", TRenInfo::kDesign, true, nullptr, nullptr},
          {&GunForm, "GunForm", TGunForm::kDefault, false, "mnuGun", "Gun"},
          {&GunInfo, "GunInfo", TGunInfo::kDesign, true, nullptr, nullptr},
          {&JiForm, "JiForm", TJiForm::kDefault, false, "mnuJi", "Ji"},
          {&JiInfo, "JiInfo", TJiInfo::kDesign, true, nullptr, nullptr},
          {&LocateForm, "FormLocate", TLocateForm::kDefault, false, "mnuLocate", "Locate"},
      },
      main_(main)
{
}

void TDevViews::FormCreate()
{
    const TIniFile ini(main_.IniPath);
    for (TPlace& p : places_)
        p.form->Geometry = p.design ? SideGeometryReadKeep(ini, p.section, p.place)
                                    : SideGeometryRead(ini, p.section, p.place);
}

void TDevViews::FormDestroy()
{
    TIniFile ini(main_.IniPath);
    for (const TPlace& p : places_)
        SideGeometryWrite(ini, p.section, p.form->Geometry);
}

void TDevViews::FormClose(const std::string& menuItem)
{
    for (TPlace& p : places_)
        if (p.menuItem != nullptr && menuItem == p.menuItem) {
            p.form->Visible = false;
            SideWindowClosed(main_, p.menuItem, p.formKey);
        }
}

TSideForm* TDevViews::Window(const std::string& menuItem)
{
    for (TPlace& p : places_)
        if (p.menuItem != nullptr && menuItem == p.menuItem)
            return p.form;
    return nullptr;
}

} // namespace vorn
