#include "records/KifuTextOut.h"

#include <cstdio>

#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/Charset.h"
#include "records/Kifu.h"

namespace vorn {

namespace {

const char* const kEol = "\r\n";

// The glyph of one point.  Empty points take the first that applies:
// corner, left or right edge, top or bottom edge, star point, other.
const char* Glyph(const TGoban& b, int x, int y, Point shown)
{
    const bool marked = shown.x == x && shown.y == y;
    switch (b.GetIro(x, y)) {
    case kKuro: return marked ? "◆" : "●";
    case kSiro: return marked ? "◇" : "○";
    default: break;
    }
    const int n = BoardSize;
    const bool side = x == 1 || x == n;
    const bool topBottom = y == 1 || y == n;
    if (side && topBottom)
        return "・";
    if (side)
        return "｜";
    if (topBottom)
        return "－";
    auto star = [](int v) { return v == 4 || v == 10 || v == 16; };
    if (n == 19 && star(x) && star(y))
        return "・";
    return "＋";
}

} // namespace

std::string KifuTextDiagram()
{
    const TGoban& b = *GobanLv[0];
    const TTejun& t = b.Tejun;
    const Point shown = t.CurTe();
    char buffer[64];

    // "黒" or "白": the colour of the move shown, the opponent of the side to move.
    std::string out = t.NextColor() == kKuro ? "白" : "黒";
    std::snprintf(buffer, sizeof buffer, "%3d", t.Current());
    out += std::string(buffer) + "手";
    out += static_cast<char>(shown.x <= 8 ? 64 + shown.x : 65 + shown.x);
    out += "-" + std::to_string(shown.y) + "まで  ";
    std::snprintf(buffer, sizeof buffer, "%3d", t.Hama(kKuro));
    out += "ハマ  黒" + std::string(buffer) + "目";
    std::snprintf(buffer, sizeof buffer, "%3d", t.Hama(kSiro));
    out += "  白" + std::string(buffer) + "目" + kEol;

    if (BoardSize == 9 || BoardSize == 13 || BoardSize == 19) {
        // The blank stands above the row numbers; "Ｉ" is skipped.
        static const char* const kLetters[] = {"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ", "Ｊ", "Ｋ",
                                               "Ｌ", "Ｍ", "Ｎ", "Ｏ", "Ｐ", "Ｑ", "Ｒ", "Ｓ", "Ｔ"};
        out += "　";
        for (int x = 0; x < BoardSize; ++x)
            out += kLetters[x];
        out += kEol;
    }
    for (int y = 1; y <= BoardSize; ++y) {
        std::snprintf(buffer, sizeof buffer, "%2d", y);
        out += buffer;
        for (int x = 1; x <= BoardSize; ++x)
            out += Glyph(b, x, y, shown);
        out += kEol;
    }
    return Utf8ToSjis(out);
}

bool KifuTextOut(const std::string& fileName) { return KifuWriteFile(fileName, KifuTextDiagram()); }

} // namespace vorn
