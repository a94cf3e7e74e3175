#include "shell/About.h"

namespace vorn {

void TAboutBox::FormActivate()
{
    const bool english = Language == lgEnglish;
    Caption = english ? "About VORN" : "ﾊﾞｰｼﾞｮﾝ情報";
    ProductName.Text = english ? "VORN" : "対局囲碁｢ＶＯＲＮ｣";
}

} // namespace vorn
