// The life-and-death pattern passes on every group of seeded game positions:
// each pattern's trigger is met somewhere, every pass leaves the boards as it
// found them, proposes only empty points, and records prepared answers for
// the engine's own groups only.
#include "DecisionUtil.h"
#include "Util.h"

#include <map>

#include "board/Diagram.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/SikatuKatachi.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class SikatuKatachiTest : public VornTest {};

TEST_F(SikatuKatachiTest, PatternsOnEveryGroupOfGamePositions)
{
    using TPass = void (*)(const TGun&);
    const std::pair<const char*, TPass> passes[] = {
        {"wide extension", SettleWideHiraki},
        {"ladder in the region", SettleSichoInJi},
        {"diagonal with answers", SettleNanameAnswer},
        {"liberty in the atari map", SettleAtariDame},
        {"jump and peep", SettleIkkenNozoki},
        {"lone stone in atari", SettleAtariIsi},
        {"extension", SettleHiraki},
        {"border point", KillBorderPoint},
        {"two-liberty chain", KillNiDameRen},
        {"eye shape", SikatuMeShape},
        {"urgent eye", SikatuUrgentMe},
        {"urgent eye-stealing", SikatuUrgentSteal},
    };
    std::map<std::string, int> fired;
    for (int seed = 1; seed <= 180; ++seed) {
        const int size = seed % 5 == 0 ? 13 : 9;
        RandomPosition(size, 15 + seed % 60, static_cast<std::uint64_t>(50000 + seed));
        const TGoban& b0 = *GobanLv[0];
        PrepareDecision(DiagramRows(b0).c_str(), b0.Tejun.NextColor());
        const std::uint64_t before = StackHash();
        const std::string where = "seed " + std::to_string(seed) + "\n" + DiagramText(b0);
        for (int n = 1; n <= b0.GunList.GetCount(); ++n) {
            const TGun* g = b0.GunList.GetGun(n);
            if (g == nullptr || g->GetIsiSu() < 2)
                continue;
            for (const auto& [name, pass] : passes) {
                KohoCount = 0;
                const int prepared = PreparedTeCount;
                pass(*g);
                ASSERT_EQ(Level, 0) << name << " " << where;
                ASSERT_EQ(StackHash(), before) << name << " " << where;
                for (int i = 1; i <= KohoCount; ++i)
                    ASSERT_EQ(b0.GetIroPt(Koho.Pt[i]), kAki) << name << " " << where;
                // (The urgent eye pass also runs the relation answers, which
                // prepare answers of their own.)
                if (g->GetIsiIro() != JibunIro && pass != SikatuUrgentMe) {
                    ASSERT_EQ(PreparedTeCount, prepared) << name << " " << where;
                }
                fired[name] += KohoCount > 0 ? 1 : 0;
            }
        }
    }
    for (const auto& [name, pass] : passes)
        EXPECT_GT(fired[name], 0) << name << " never fired";
}

} // namespace
} // namespace vorn::test
