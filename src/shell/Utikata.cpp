#include "shell/Utikata.h"

#include <cctype>
#include <climits>

#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

bool ParseDlgInteger(const std::string& text, int& value)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    value = static_cast<int>(v);
    return true;
}

void TUtikataDlg::FormActivate()
{
    chkSakiyomi.Checked = SakiyomiMode == 1;
    chkSikatuYomi.Checked = YomiSikatuMode == 1;
    chkVsComputer.Checked = VsComputerMode == 1;
    edtYomiWide.Text = std::to_string(YomiWide);
    edtYomiDeep.Text = std::to_string(YomiDeep);
    edtYomiTime.Text = std::to_string(YomiTime);

    const bool english = Language == lgEnglish;
    Caption = english ? "VORN's move" : "VORNの打ち方設定";
    chkSikatuYomi.Text = english ? "Death and Life " : "死活の先読み(長考します)";
    chkVsComputer.Text = english ? "vs Computer" : "相手がコンピュータ";
    chkSakiyomi.Text = english ? "consider" : "通常の先読み(長考します)";
    lblWide.Text = english ? "Think Wide" : "読みの幅：";
    lblDeep.Text = english ? "Think Deep:" : "読みの深さ：";
    lblTime.Text = english ? "Think Time:" : "持ち時間：";
    lblMinute.Text = english ? "minute" : "分";
    OKBtn.Text = "OK";
    CancelBtn.Text = english ? "Cancel" : "キャンセル";
}

bool TUtikataDlg::OKBtnClick()
{
    SakiyomiMode = chkSakiyomi.Checked ? 1 : 0;
    YomiSikatuMode = chkSikatuYomi.Checked ? 1 : 0;
    VsComputerMode = chkVsComputer.Checked ? 1 : 0;
    // Each number is taken as soon as it reads; the first that does not
    // stops here, with the ones before it already in force.
    for (auto [edit, setting] : {std::pair{&edtYomiWide, &YomiWide}, std::pair{&edtYomiDeep, &YomiDeep},
                                 std::pair{&edtYomiTime, &YomiTime}}) {
        int v = 0;
        if (!ParseDlgInteger(edit->Text, v)) {
            main_.Prompt().Message("'" + edit->Text + "' "
                                   + Msg("is not a valid integer value", "は有効な整数値ではありません"));
            return false;
        }
        *setting = v;
    }
    TIniFile ini(main_.IniPath);
    ini.WriteString("Utikata", "VsComputerMode", VsComputerMode == 1 ? "1" : "0");
    ini.WriteString("Utikata", "YomiSikatuMode", YomiSikatuMode == 1 ? "1" : "0");
    ini.WriteString("Utikata", "SakiyomiMode", SakiyomiMode == 1 ? "1" : "0");
    ini.WriteString("Utikata", "YomiWide", edtYomiWide.Text);
    ini.WriteString("Utikata", "YomiDeep", edtYomiDeep.Text);
    ini.WriteString("Utikata", "YomiTime", edtYomiTime.Text);
    return true;
}

} // namespace vorn
