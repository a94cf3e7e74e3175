#include "shell/Oto.h"

#include <algorithm>
#include <filesystem>

#include "board/Goban.h"
#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

const char* const kBeepJapanese = "ビープ音";
const char* const kBeepEnglish = "BEEP";

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

const char* BeepEntry(int language) { return language == lgEnglish ? kBeepEnglish : kBeepJapanese; }

bool IsBeepSound(const std::string& name) { return name.empty() || name == kBeepJapanese || name == kBeepEnglish; }

void OtoPlay(const TMainCtl& ctl, TOtoPlayer& player, int colour)
{
    if (ctl.SoundOn != 1 || ctl.GameRunning != 1)
        return;
    const std::string& s = colour == kKuro ? ctl.BlackSound : ctl.WhiteSound;
    if (IsBeepSound(s))
        player.Beep();
    else
        player.Play(s);
}

std::vector<std::string> WaveFiles(const std::string& dir)
{
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fec;
        if (!it->is_regular_file(fec))
            continue;
        const std::string name = it->path().filename().string();
        if (name.size() > 4 && Lower(name.substr(name.size() - 4)) == ".wav")
            files.push_back(name);
    }
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        const std::string la = Lower(a), lb = Lower(b);
        return la != lb ? la < lb : a < b;
    });
    return files;
}

void TOtoDlg::FormCreate(const std::string& dir)
{
    std::vector<std::string> items{BeepEntry(Language)};
    for (const std::string& f : WaveFiles(dir))
        items.push_back(f);
    cboSiroIsi.Items = items;
    cboKuroIsi.Items = items;
    chkOto.Checked = main_.SoundOn == 1;
    cboSiroIsi.Text = main_.WhiteSound;
    cboKuroIsi.Text = main_.BlackSound;
}

void TOtoDlg::FormActivate()
{
    const bool english = Language == lgEnglish;
    Caption = english ? "Sound" : "着手音";
    chkOto.Text = english ? "Sound Play" : "音を出す";
    lblWhite.Text = english ? "White Stone" : "白石の音";
    lblBlack.Text = english ? "Black Stone" : "黒石の音";
    OKBtn.Text = "OK";
    CancelBtn.Text = "ｷｬﾝｾﾙ";
}

void TOtoDlg::OKBtnClick()
{
    main_.SoundOn = chkOto.Checked ? 1 : 0;
    main_.WhiteSound = cboSiroIsi.Text;
    main_.BlackSound = cboKuroIsi.Text;
    TIniFile ini(main_.IniPath);
    ini.WriteOnOff("Form", "SOUND", main_.SoundOn == 1);
    ini.WriteString("Form", "WHITESOUND", main_.WhiteSound);
    ini.WriteString("Form", "BLACKSOUND", main_.BlackSound);
}

} // namespace vorn
