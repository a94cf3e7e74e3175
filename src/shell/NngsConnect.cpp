#include "shell/NngsConnect.h"

#include "records/Charset.h"
#include "shell/IniFile.h"
#include "shell/NngsF.h"

namespace vorn {

void TNngsConnectForm::Changed()
{
    if (view_ != nullptr)
        view_->Changed();
}

void TNngsConnectForm::FormCreate()
{
    const TIniFile ini(nngs_.IniPath());
    Left = ini.ReadInteger("FormNngsConnect", "Left", 340);
    Top = ini.ReadInteger("FormNngsConnect", "Top", 0);
    edtHost = nngs_.Host;
    Changed();
}

void TNngsConnectForm::FormDestroy()
{
    TIniFile ini(nngs_.IniPath());
    ini.WriteInteger("FormNngsConnect", "Left", Left);
    ini.WriteInteger("FormNngsConnect", "Top", Top);
}

void TNngsConnectForm::Show()
{
    edtHost = nngs_.Host;
    Visible = true;
    Changed();
}

void TNngsConnectForm::SetHost(const std::string& text) { edtHost = CutChars(text, kHostMax); }

void TNngsConnectForm::OKBtnClick()
{
    Visible = false;
    Changed();
    nngs_.ConnectTo(edtHost);
}

void TNngsConnectForm::CancelBtnClick()
{
    Visible = false;
    Changed();
}

} // namespace vorn
