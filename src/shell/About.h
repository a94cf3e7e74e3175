// TAboutBox: the version box (ﾊﾞｰｼﾞｮﾝ情報), modal; its captions follow the
// language each time it is shown.
#pragma once

#include <string>

#include "shell/GameI.h"

namespace vorn {

class TAboutBox {
public:
    TAboutBox()
    {
        Version.Text = "Version 5.91";
        OKButton.Text = "OK";
    }
    // Captions in the language.
    void FormActivate();

    TDlgControl ProductName, Version, OKButton;
    std::string Caption;
};

} // namespace vorn
