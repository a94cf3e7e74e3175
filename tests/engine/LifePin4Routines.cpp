// Entries of the problem table life-pin4.tst: the settling, killing and
// urgent eye passes read with the bonus of each candidate.  The answer
// format is written at each entry.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/SikatuKatachi.h"

namespace vorn::test {
namespace {

// call NAME:bonus V   one pattern pass on the group at V under the reason
// the life-and-death generators give it: each candidate as "P=K+d/b:r",
// its value counted from the group's value K, its bonus b and its reason r;
// sorted, "none" when there is none.
template <void (*Pass)(const TGun&), int Reason = kkSikatu>
std::string WithBonus(const std::vector<Point>& pts)
{
    const TGun* g = &GroupAt(pts);
    const int kati = g->GetKati();
    KohoKind = Reason;
    Pass(*g);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + Against("K", Koho.Value[i], kati) + '/'
                      + std::to_string(Koho.Bonus[i]) + ':' + std::to_string(static_cast<int>(Koho.Kind[i])));
    }
    return SortedWords(all);
}

// call KillNiDameRen:bonus V   the two-liberty chain pass on the group at
// V: each candidate as "P/b:r", its point, its bonus and its reason (the
// value is an evaluation and left out); sorted, "none" when there is none.
std::string NiDameBonus(const std::vector<Point>& pts)
{
    KohoKind = kkSikatu;
    KillNiDameRen(GroupAt(pts));
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]) + '/' + std::to_string(Koho.Bonus[i]) + ':'
                      + std::to_string(static_cast<int>(Koho.Kind[i])));
    return SortedWords(all);
}

const TProblemRoutineAdd niDame("KillNiDameRen:bonus", NiDameBonus);
const TProblemRoutineAdd urgentMe("SikatuUrgentMe:bonus", WithBonus<SikatuUrgentMe>);
const TProblemRoutineAdd urgentSteal("SikatuUrgentSteal:bonus", WithBonus<SikatuUrgentSteal, kkSikatuUrgent>);
const TProblemRoutineAdd meShape("SikatuMeShape:bonus", WithBonus<SikatuMeShape>);
const TProblemRoutineAdd killBorder("KillBorderPoint:bonus", WithBonus<KillBorderPoint>);
const TProblemRoutineAdd wideHiraki("SettleWideHiraki:bonus", WithBonus<SettleWideHiraki, kkSikatuSettle>);
const TProblemRoutineAdd hiraki("SettleHiraki:bonus", WithBonus<SettleHiraki, kkSikatuSettle>);
const TProblemRoutineAdd sichoInJi("SettleSichoInJi:bonus", WithBonus<SettleSichoInJi>);
const TProblemRoutineAdd nanameAnswer("SettleNanameAnswer:bonus", WithBonus<SettleNanameAnswer>);
const TProblemRoutineAdd atariDame("SettleAtariDame:bonus", WithBonus<SettleAtariDame>);
const TProblemRoutineAdd ikkenNozoki("SettleIkkenNozoki:bonus", WithBonus<SettleIkkenNozoki>);
const TProblemRoutineAdd atariIsi("SettleAtariIsi:bonus", WithBonus<SettleAtariIsi>);

} // namespace
} // namespace vorn::test
