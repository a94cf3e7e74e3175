#include "shell/BanIsi.h"

#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

int BanSwatchColor(int n)
{
    static constexpr int kBan[4] = {0x008080, 0x00C7FF, 0x00C1C1, 0x99CCFF};
    return n >= 1 && n <= 4 ? kBan[n - 1] : 0;
}

int KuroSwatchColor(int n) { return n == 2 ? 0x008000 : 0x000000; }

int SiroSwatchColor(int n) { return n == 2 ? 0x00FF00 : 0xFFFFFF; }

void TBanIsiColor::FormCreate()
{
    const TBanDraw& ban = main_.Ban;
    for (int n = 1; n <= 4; ++n)
        rbBan[n].Checked = ban.BanColor == BanSwatchColor(n);
    rbIsi[1].Checked = ban.KuroIsiColor == 0;
    rbIsi[2].Checked = !rbIsi[1].Checked;
}

void TBanIsiColor::FormActivate()
{
    const bool english = Language == lgEnglish;
    Caption = english ? "Color" : "盤石の色";
    gbBan.Text = english ? "Board Color" : "盤の色";
    gbIsi.Text = english ? "Stone Color" : "石の色";
    btnOK.Text = "OK";
}

void TBanIsiColor::shpBanMouseDown(int n)
{
    if (n < 1 || n > 4)
        return;
    for (int i = 1; i <= 4; ++i)
        rbBan[i].Checked = i == n;
}

void TBanIsiColor::btnOKClick()
{
    TBanDraw& ban = main_.Ban;
    for (int n = 1; n <= 4; ++n)
        if (rbBan[n].Checked) {
            ban.BanColor = BanSwatchColor(n);
            break;
        }
    for (int n = 1; n <= 2; ++n)
        if (rbIsi[n].Checked) {
            ban.KuroIsiColor = KuroSwatchColor(n);
            ban.SiroIsiColor = SiroSwatchColor(n);
            break;
        }
    {
        TIniFile ini(main_.IniPath);
        ini.WriteInteger("Goban", "BanColor", ban.BanColor);
        ini.WriteInteger("Goban", "KuroIsiColor", ban.KuroIsiColor);
        ini.WriteInteger("Goban", "SiroIsiColor", ban.SiroIsiColor);
    }
    main_.FormPaint();
}

} // namespace vorn
