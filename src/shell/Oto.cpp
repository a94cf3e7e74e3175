#include "shell/Oto.h"

#include <algorithm>
#include <cstdint>
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

namespace {

std::uint32_t Le(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

} // namespace

bool ParseWave(const std::string& b, TWave& w)
{
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return false;
    bool haveFormat = false;
    int tag = 0, blockAlign = 0;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = Le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > b.size())
                return false;
            tag = static_cast<int>(Le(b, body, 2));
            w.Channels = static_cast<int>(Le(b, body + 2, 2));
            w.SampleRate = static_cast<int>(Le(b, body + 4, 4));
            blockAlign = static_cast<int>(Le(b, body + 12, 2));
            w.Bits = static_cast<int>(Le(b, body + 14, 2));
            // The extensible header names the real format in its sub-format.
            if (tag == 0xFFFE && size >= 40 && body + 26 <= b.size())
                tag = static_cast<int>(Le(b, body + 24, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            const bool pcm = tag == 1 && (w.Bits == 8 || w.Bits == 16 || w.Bits == 24 || w.Bits == 32);
            const bool flt = tag == 3 && w.Bits == 32;
            if (!(pcm || flt) || w.Channels < 1 || w.Channels > 8 || w.SampleRate < 1000 || w.SampleRate > 192000
                || blockAlign != w.Channels * w.Bits / 8)
                return false;
            w.Float = flt;
            w.DataOffset = body;
            const std::size_t avail = b.size() > body ? b.size() - body : 0;
            const std::size_t bytes = size < avail ? size : avail;
            w.DataSize = bytes - bytes % static_cast<std::size_t>(blockAlign);
            return w.DataSize > 0;
        }
        // Chunks are padded to an even length.
        if (size > b.size())
            return false;
        at = body + size + (size & 1);
    }
    return false;
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
