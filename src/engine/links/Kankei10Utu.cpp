#include "engine/links/Kankei10Utu.h"

#include "engine/links/Kankei10EdgeFree.h"
#include "engine/links/Kankei10EdgeNi.h"
#include "engine/links/Kankei10EdgeSan.h"
#include "engine/links/Kankei10Nozoki.h"
#include "engine/links/Kankei10Soto.h"
#include "engine/links/Kankei10Warikomi.h"

namespace vorn {

namespace {

constexpr TKankeiTest kBoxTests[] = {
    {{BoxCells({7})}},
    {{BoxCells({4}), BoxCells({10})}},
    {{BoxCells({6}), BoxCells({8})}},
    {{BoxCells({3}), BoxCells({5}), BoxCells({9}), BoxCells({11})}},
    {{BoxCells({0}), BoxCells({2}), BoxCells({12}), BoxCells({14})}},
};

constexpr TKankeiTest kStripTests[] = {
    {{StripCells({4}), StripCells({5})}},
    {{StripCells({2}), StripCells({6}), StripCells({3}), StripCells({7})}},
    {{StripCells({0}), StripCells({1}), StripCells({8}), StripCells({9})}},
};

constexpr TKankeiTest kEdgeTests[] = {
    {{BoxCells({4})}},
    {{BoxCells({7})}},
    {{BoxCells({3}), BoxCells({5})}},
    {{BoxCells({6}), BoxCells({8})}},
    {{BoxCells({0}), BoxCells({2})}},
};

// Opponent stones on the cells the edge routines read.
int EdgeOppCount(const TKankeiBox& box)
{
    int n = 0;
    for (int i = 0; i <= 11; ++i)
        n += box.IsOpp(i) ? 1 : 0;
    return n;
}

} // namespace

int Kankei10Shape(const TKankeiBox& box) { return KankeiFirstMatch(box, kBoxTests); }

int Kankei10SotoShape(const TKankeiBox& box) { return KankeiFirstMatch(box, kStripTests); }

// The edge tests read only the stone's row and the next two rows.
int Kankei10EdgeShape(const TKankeiBox& box) { return KankeiFirstMatch(box, kEdgeTests); }

void Kankei10Utu(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiPrologue(a, b, Kankei10EdgeUtu, box) || box.D != 4)
        return;
    switch (Kankei10Shape(box)) {
    case kKankei10Warikomi:
        Kankei10Warikomi(box);
        return;
    case kKankei10WariHasi:
        Kankei10WariHasi(box);
        return;
    case kKankei10NakaNozoki:
        Kankei10NakaNozoki(box);
        return;
    case kKankei10Nozoki:
        Kankei10Nozoki(box);
        return;
    case kKankei10Kado:
        return;
    default:
        break;
    }
    KankeiStripMake(box, box[1], box[13]);
    switch (Kankei10SotoShape(box)) {
    case kKankei10SotoNaka:
        Kankei10SotoNaka(box);
        break;
    case kKankei10SotoSoba:
        Kankei10SotoSoba(box);
        break;
    case kKankei10SotoKata:
        Kankei10SotoKata(box);
        break;
    default:
        break;
    }
}

void Kankei10EdgeUtu(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 4)
        return;
    // The gate sees the box as laid: the stone's row and the next two, or
    // the off-board row and the first two lines when a is the off-board end.
    if (!KankeiInArea(box, 8))
        return;
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    if (box.Own < 0 || box.IsHen(0) || box.IsHen(2))
        return;
    if (EdgeOppCount(box) == 0) {
        Kankei10EdgeFree(box);
        return;
    }
    // The outer strip runs from the stone toward the edge whichever end
    // came first: the patterns read its rows in that order.
    if (CurGoban().OnBoardPt(a))
        KankeiStripMake(box, a, b);
    else
        KankeiStripMake(box, b, a);
    switch (Kankei10EdgeShape(box)) {
    case kKankei10EdgeSan:
        Kankei10EdgeSan(box);
        break;
    case kKankei10EdgeNi:
        Kankei10EdgeNi(box);
        break;
    case kKankei10EdgeSanYoko:
        Kankei10EdgeSanYoko(box);
        break;
    case kKankei10EdgeNiYoko:
        Kankei10EdgeNiYoko(box);
        break;
    case kKankei10EdgeKata:
        Kankei10EdgeKata(box);
        break;
    default:
        break;
    }
}

} // namespace vorn
