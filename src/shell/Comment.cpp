#include "shell/Comment.h"

#include "board/Goban.h"
#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

const char* const kSection = "CommentF";

// Lines in the record end in CR LF; the text box separates them by LF.
std::string ToRecordLines(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string ToBoxLines(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                continue;
            out += '\n';
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace

void TCommntF::FormCreate()
{
    int left, top, width, height;
    main_.View().GetBounds(left, top, width, height);
    const TIniFile ini(main_.IniPath);
    Geometry = SideGeometryRead(ini, kSection, TSideGeometry{left, top + height, width, kDefaultHeight});
    FontColor = ini.ReadInteger(kSection, "FontColor", kSystemTextColor);
    FontSize = ini.ReadInteger(kSection, "FontSize", 9);
    FontName = ini.ReadString(kSection, "FontName", "ＭＳ Ｐゴシック");
}

void TCommntF::FormActivate()
{
    const bool english = Language == lgEnglish;
    Caption = english ? "Comment" : "コメント";
    FontCaption = english ? "Font" : "フォント";
}

void TCommntF::FormClose()
{
    Visible = false;
    SideWindowClosed(main_, "mnuComment", "Comment");
}

void TCommntF::FormDestroy()
{
    TIniFile ini(main_.IniPath);
    SideGeometryWrite(ini, kSection, Geometry);
    ini.WriteInteger(kSection, "FontColor", FontColor);
    ini.WriteInteger(kSection, "FontSize", FontSize);
    ini.WriteString(kSection, "FontName", FontName);
}

void TCommntF::CommentSave()
{
    if (!Modified)
        return;
    TTejun& t = GobanLv[0]->Tejun;
    t.SetComment(t.Current(), Memo.empty() ? std::string() : ToRecordLines(Memo));
}

void TCommntF::CommentShow()
{
    const TTejun& t = GobanLv[0]->Tejun;
    Memo = ToBoxLines(t.GetComment(t.Current()));
    Modified = false;
}

void TCommntF::CommentClear()
{
    Memo.clear();
    Modified = false;
}

int TypedExcess(int length, int removed, int added, int limit)
{
    const int grown = added - removed;
    const int over = length - limit;
    if (grown <= 0 || over <= 0)
        return 0;
    return over < grown ? over : grown;
}

} // namespace vorn
