// Jump-link pattern routines for the rows of tests/problems/links-ikken-cover.tst
// (the peep's main reading, the wedge with a gap-row stone, and the
// three-space jump's routines), answered as in LinkRoutines.cpp: the
// candidates as expressions of the row's lines.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/links/IkkenNozoki.h"
#include "engine/links/IkkenNozokiKata.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/IkkenWarikomi.h"
#include "engine/links/Kankei10EdgeNi.h"
#include "engine/links/Kankei10EdgeSan.h"
#include "engine/links/Kankei10Nozoki.h"
#include "engine/links/Kankei10Soto.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd ikWarikomiBonus("IkkenWarikomi:ik:bonus", BoxRoutineWithBonus<IkkenWarikomi>);
const TProblemRoutineAdd ikNozokiMainBonus("IkkenNozokiMain:ik:bonus", BoxRoutineWithBonus<IkkenNozokiMain>);
// IkkenNozokiKiriHyoka:ik A B [lines]: the cut value of the peep read with
// the opponent's cut at the gap and the owner's block at P on the board:
// "=G:value" (G the owner's answer it leaves).
std::string KiriAfterCut(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        const TNozoki f = NozokiFrame(box);
        TYomiTrial t;
        t.Play(box.Opp, f.Gap);
        t.Play(box.Own, f.P);
        ToruRenMake();
        Point g = f.Gap;
        const int v = IkkenNozokiKiriHyoka(box, g);
        return GtpVertex(g) + ':' + std::to_string(v);
    });
}

const TProblemRoutineAdd ikNozokiKiri("IkkenNozokiKiriHyoka:ik", KiriAfterCut);
// IkkenNozokiMae:ik A B [lines]: the end-stone reading before the peep's
// main reading, on the peep's frame.
std::string NozokiMae(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        const TNozoki f = NozokiFrame(box);
        IkkenNozokiMae(f.Gap, f.P, f.A, f.Q, f.B, f.R);
        return std::string();
    });
}

const TProblemRoutineAdd ikNozokiMae("IkkenNozokiMae:ik", NozokiMae);
const TProblemRoutineAdd ikNozokiKadoSoto("IkkenNozokiKadoSoto:ik", BoxRoutine<IkkenNozokiKadoSoto>);
const TProblemRoutineAdd ikWarikomi("IkkenWarikomi:ik", BoxRoutine<IkkenWarikomi>);
const TProblemRoutineAdd ikKadoTaikaku("IkkenKadoTaikaku:ik", BoxRoutine<IkkenKadoTaikaku>);
const TProblemRoutineAdd k10Nozoki("Kankei10Nozoki:ik", BoxRoutine<Kankei10Nozoki>);
const TProblemRoutineAdd k10NakaNozoki("Kankei10NakaNozoki:ik", BoxRoutine<Kankei10NakaNozoki>);
const TProblemRoutineAdd k10SotoNaka("Kankei10SotoNaka:ik", BoxRoutine<Kankei10SotoNaka>);
const TProblemRoutineAdd k10SotoSoba("Kankei10SotoSoba:ik", BoxRoutine<Kankei10SotoSoba>);
const TProblemRoutineAdd k10EdgeKata("Kankei10EdgeKata:ik", BoxRoutine<Kankei10EdgeKata>);
const TProblemRoutineAdd k10EdgeSanYoko("Kankei10EdgeSanYoko:ik", BoxRoutine<Kankei10EdgeSanYoko>);
const TProblemRoutineAdd k10EdgeSan("Kankei10EdgeSan:ik", BoxRoutine<Kankei10EdgeSan>);

} // namespace
} // namespace vorn::test
