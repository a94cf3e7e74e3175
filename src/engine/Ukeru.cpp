#include "engine/Ukeru.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Ren.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Toru.h"

namespace vorn {

int CaptureSwing(int col, Point a, Point b)
{
    TYomiKeep keep;
    int x = 0, y = 0;
    if (ToruPlay(col, a)) {
        x = Hyoka(col);
        YomiModosu();
    }
    if (ToruPlay(Aite(col), b)) {
        y = Hyoka(col);
        YomiModosu();
    }
    return x + y;
}

void CounterCapture(Point& out)
{
    out = Point();
    const TGoban& b = *GobanLv[0];
    if (LastTe.x == 0 || !b.OnBoardPt(LastTe))
        return;
    TRen* last = b.RenList.RenAtPt(LastTe);
    if (last == nullptr || (last->GetIro() != kKuro && last->GetIro() != kSiro))
        return;
    const int col = last->GetIro();
    TYomiKeep keep;
    // A chain of ours (more than one stone) in atari next to the last move,
    // and next to it a chain of the mover's in atari: take that one.
    for (int i = 1; i <= last->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(last->Mren(i));
        if (m == nullptr || m->Kuu() != 1 || m->IsiCount() <= 1)
            continue;
        const Point a = m->GetKuu(1);
        for (int j = 1; j <= m->MrenCount(); ++j) {
            TRen* n = b.RenList.Items(m->Mren(j));
            if (n == nullptr || n->Kuu() != 1 || n->IsiCount() <= 1)
                continue;
            const Point take = n->GetKuu(1);
            if (CaptureSwing(col, a, take) >= kCounterCaptureSwing) {
                out = take;
                return;
            }
        }
    }
}

} // namespace vorn
