#include "shell/HyokaInf.h"

#include "engine/Hyoka.h"

namespace vorn {

namespace {

// One colour's block: its name and five terms.  Reinforcements are part of
// the report but the evaluation has no such term: always 0.
void ColourLines(std::vector<std::string>& out, const char* name, int area, int gunArea, int dead, int weak,
                 int semeai)
{
    out.push_back(name);
    out.push_back("地所:" + std::to_string(area) + "+" + std::to_string(gunArea));
    out.push_back("死石:" + std::to_string(dead));
    out.push_back("弱い:" + std::to_string(weak));
    out.push_back("攻合:" + std::to_string(semeai));
    out.push_back("手入:0");
}

} // namespace

std::vector<std::string> HyokaReport()
{
    const int total = HyokaCalc();
    std::vector<std::string> out;
    out.reserve(13);
    out.push_back("評価:" + std::to_string(total));
    ColourLines(out, "黒", AreaKuro, GunAreaKuro, DeadKuro, WeakGunKuro, SemeaiKuro);
    ColourLines(out, "白", AreaSiro, GunAreaSiro, DeadSiro, WeakGunSiro, SemeaiSiro);
    return out;
}

void THyokaF::mnuHyokaClick()
{
    for (std::string& line : HyokaReport())
        Memo.push_back(std::move(line));
}

} // namespace vorn
