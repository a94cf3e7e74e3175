// The jump-link routines and the stone relations that the problem tables call
// by name ("call NAME ..." in tests/problems/links*.tst).
//
// Answers:
//  - "LinkGrade A B": the relations that A's record holds toward B, each as
//    "kind:grade" (grade 0 for an enemy stone), "none" without one.
//  - a pattern routine on a jump: "NAME A B [own points] [A line]...".  The
//    routine runs on the box of the jump A-B; when B is A's neighbour, the
//    relation is A's to the edge beyond B (the box reaches the point off the
//    board).  The routine's own points, as many as it takes, follow B.  The
//    points after each repeated A are a line of the row's hand working:
//    line i is played from the owner (the colour at A) for even i, from the
//    opponent for odd i, colours alternating, a point given twice in a row
//    being a pass; h_i is the evaluation for the line's first mover at its
//    end.  An empty line only keeps a place.
//    Each candidate is answered "point=e:reason": with two lines e is the
//    first of the forms of s = h0 + h1 below that the value equals ("s",
//    "2s", "s+s/2", "s/2+4-6", ..., "4(s=2)" for a sum of 2 raised to 4,
//    "cap25(2s/3)" for 26 held at 25, "cap20(s/2)" for a half above 20 held
//    at 20); with three, "o+(t-o)/3+p" (or "/2") for o = h0, p = h1, t = h2; otherwise
//    a sum of two lines or one line ("h1+h2", "h0", "-h1"); a value that no
//    form gives is answered as the number.  So a row pins the point and the arithmetic the position calls
//    for, while the evaluations come from the evaluation itself.  Without
//    lines the values are answered as numbers.  A routine that returns
//    something answers it first, as "=value" or "=point:value".
//  - VORN_SHOW_LINES=1 in the environment appends the lines' evaluations to
//    the answer, to read a failing row.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <cstdlib>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/links/IkkenEdgeNozoki.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/IkkenEdgeTuke.h"
#include "engine/links/IkkenEdgeTukeYomi.h"
#include "engine/links/IkkenKado1.h"
#include "engine/links/IkkenNozoki.h"
#include "engine/links/IkkenWariNobi.h"
#include "engine/links/Kankei6EdgeNozoki.h"
#include "engine/links/Kankei6Nozoki.h"
#include "engine/links/Kankei6Utu.h"
#include "engine/links/KankeiBox.h"

namespace vorn::test {
namespace {

// --- Stone relations ----------------------------------------------------------------

std::string LinkGrade(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("LinkGrade wants two points");
    const TLocate& l = GobanLv[0]->GetLocatePt(pts[0]);
    std::string out;
    for (int i = 1; i <= l.GetKankeiSu(); ++i)
        if (l.GetKankeiPoint(i) == pts[1])
            out += (out.empty() ? "" : " ") + std::to_string(l.GetKankeiKind(i)) + ':'
                   + std::to_string(l.GetLinkGrade(i));
    return out.empty() ? "none" : out;
}
const TProblemRoutineAdd linkGrade("LinkGrade", LinkGrade);

// --- Pattern routines on a jump ---------------------------------------------------------

// The box of the jump a-b as the handlers lay it; a b next to a stands for
// the end of a's relation to the edge beyond b.
TKankeiBox JumpBoxOf(Point a, Point b)
{
    const int dx = (b.x > a.x) - (b.x < a.x), dy = (b.y > a.y) - (b.y < a.y);
    if (std::abs(b.x - a.x) + std::abs(b.y - a.y) == 1)
        while (GobanLv[0]->GetIroPt(b) != kHen)
            b = Point(b.x + dx, b.y + dy);
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box))
        throw std::invalid_argument("the two points are no jump");
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    KankeiStripMake(box, box[1], box[3 * box.D + 1]);
    return box;
}

// Hyoka(c) after the line, colours alternating from c; a point given twice
// in a row is a pass (the colour changes, no move).
int LineHyoka(int c, const std::vector<Point>& line)
{
    TYomiTrial t;
    int col = c;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i == 0 || line[i] != line[i - 1])
            t.Play(col, line[i]);
        col ^= 3;
    }
    return Hyoka(c);
}

using TForm = std::pair<std::string, int>;

// A form that matches no value.
constexpr int kNoForm = std::numeric_limits<int>::min();

// 25 for a value of 26 (held back to 25), no form otherwise: 25 itself is
// the plain form.
int CapAt25(int v) { return v == 26 ? 25 : kNoForm; }

// The value as an expression of the lines' evaluations h0, h1, ...: of
// s = h0 + h1 for two lines, of o = h0, p = h1 and t = h2 for three, of
// sums of two of them ("h0+h3") for more, or of one line ("h1", "-h1": an
// evaluation for the other side is its negation); else the number itself.
std::string Expression(int v, const std::vector<int>& h, const std::vector<bool>& used)
{
    std::vector<TForm> forms;
    const bool sum = h.size() == 2 && used[0] && used[1];
    if (sum) {
        const int s = h[0] + h[1];
        forms = {
            {"s", s},
            // A sum of 2 raised to 4 (read before "2s", which gives 4 too).
            {"4(s=2)", s == 2 ? 4 : kNoForm},
            {"2s", 2 * s},
            {"s+s/2", s + s / 2},
            {"s+s/2+s/3", s + s / 2 + s / 3},
            {"s/2", s / 2},
            {"s/3", s / 3},
            {"2s/3", 2 * s / 3},
            {"s+2", s + 2},
            {"s+4", s + 4},
            {"s/2+4", s / 2 + 4},
            {"2s/3+4", 2 * s / 3 + 4},
            {"s/2/3", s / 2 / 3},
            {"2s/3/3", 2 * s / 3 / 3},
            {"s-6", s - 6},
            {"s+4-6", s + 4 - 6},
            {"s/2-6", s / 2 - 6},
            {"s/2+4-6", s / 2 + 4 - 6},
            {"2s/3-6", 2 * s / 3 - 6},
            {"2s/3+4-6", 2 * s / 3 + 4 - 6},
            // A value held at 25 from 26, and one held at 20 from a larger
            // half: named by the part that was cut.
            {"cap25(s)", CapAt25(s)},
            {"cap25(s/2)", CapAt25(s / 2)},
            {"cap25(2s/3)", CapAt25(2 * s / 3)},
            {"cap20(s/2)", s / 2 > 20 ? 20 : kNoForm},
            {"s+3", s + 3},
            // A half held at 5 on top of the sum.
            {"s+5", s + 5},
        };
    } else if (h.size() > 2) {
        if (h.size() == 3) {
            // The owner's part moved a third of the way toward t.
            const int m = h[0] + (h[2] - h[0]) / 3 + h[1];
            forms = {{"o+(t-o)/3+p", m}, {"o+(t-o)/3+p+2", m + 2},
                     // Moved half of the way instead.
                     {"o+(t-o)/2+p", h[0] + (h[2] - h[0]) / 2 + h[1]},
                     {"o+(t-o)/2+p+2", h[0] + (h[2] - h[0]) / 2 + h[1] + 2},
                     {"o+(t-o)/2+p+3", h[0] + (h[2] - h[0]) / 2 + h[1] + 3}};
        }
        for (std::size_t i = 0; i < h.size(); ++i)
            for (std::size_t j = i + 1; j < h.size(); ++j)
                if (used[i] && used[j])
                    forms.emplace_back('h' + std::to_string(i) + "+h" + std::to_string(j), h[i] + h[j]);
    }
    if (!sum)
        for (std::size_t i = 0; i < h.size(); ++i)
            if (used[i]) {
                forms.emplace_back('h' + std::to_string(i), h[i]);
                forms.emplace_back("-h" + std::to_string(i), -h[i]);
            }
    for (const auto& [name, value] : forms)
        if (value == v)
            return name;
    return std::to_string(v);
}

} // namespace

// Runs the routine on the box, after the lines' evaluations, and answers
// its candidates in terms of s (or plainly without lines).
// `run` answers a value the routine returned, or "" when it returns none.
std::string Expressed(const std::vector<Point>& pts, std::size_t own,
                      const std::function<std::string(const TKankeiBox&, const std::vector<Point>&)>& run)
{
    if (pts.size() < 2 + own)
        throw std::invalid_argument("the routine wants the jump and its points");
    const TKankeiBox box = JumpBoxOf(pts[0], pts[1]);
    const std::vector<Point> args(pts.begin() + 2, pts.begin() + 2 + static_cast<long>(own));
    std::vector<std::vector<Point>> lines;
    for (std::size_t i = 2 + own; i < pts.size(); ++i)
        if (pts[i] == pts[0])
            lines.emplace_back();
        else if (lines.empty())
            throw std::invalid_argument("a line starts with the jump's first point");
        else
            lines.back().push_back(pts[i]);
    // An empty line only skips a place: it takes part in no sum.
    std::vector<int> h;
    std::vector<bool> used;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        h.push_back(LineHyoka(i % 2 == 1 ? box.Opp : box.Own, lines[i]));
        used.push_back(!lines[i].empty());
    }
    KohoKind = kkKankei;
    const std::string result = run(box, args);
    // A returned value, alone or after "point:", is expressed like a value.
    std::string out;
    if (!result.empty()) {
        const std::size_t colon = result.rfind(':');
        const std::string head = colon == std::string::npos ? "" : result.substr(0, colon + 1);
        const std::string value = result.substr(head.size());
        out = "=" + head + (lines.empty() ? value : Expression(std::stoi(value), h, used));
    }
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i];
        out += (out.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + '='
               + (lines.empty() ? std::to_string(v) : Expression(v, h, used)) + ':'
               + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    if (std::getenv("VORN_SHOW_LINES") != nullptr)
        for (int v : h)
            out += ' ' + std::to_string(v);
    return out.empty() ? "none" : out;
}

namespace {

const TProblemRoutineAdd ikkenEdgeNozoki("IkkenEdgeNozoki", BoxRoutine<IkkenEdgeNozoki>);
const TProblemRoutineAdd ikkenEdgeTukeYomi("IkkenEdgeTukeYomi", BoxRoutine<IkkenEdgeTukeYomi>);
const TProblemRoutineAdd kankei6EdgeNozoki("Kankei6EdgeNozoki", BoxRoutine<Kankei6EdgeNozoki>);
const TProblemRoutineAdd kankei6Nozoki("Kankei6Nozoki", BoxRoutine<Kankei6Nozoki>);
const TProblemRoutineAdd kankei6Soto("Kankei6Soto", BoxRoutine<Kankei6Soto>);

// Routines with points of their own after the jump's two.

// IkkenWariSoto A B P Y E PP: the wedge with an opponent stone behind the
// empty corner Y.
std::string WariSoto(const std::vector<Point>& pts)
{
    return Expressed(pts, 4, [](const TKankeiBox& box, const std::vector<Point>& p) {
        IkkenWariSoto(box, p[0], p[1], p[2], p[3]);
        return std::string();
    });
}
const TProblemRoutineAdd ikkenWariSoto("IkkenWariSoto", WariSoto);

// IkkenWariDameSicho A B T: "=value" it returns (-999 without a reading).
std::string WariDameSicho(const std::vector<Point>& pts)
{
    return Expressed(pts, 1, [](const TKankeiBox&, const std::vector<Point>& p) {
        return std::to_string(IkkenWariDameSicho(p[0]));
    });
}
const TProblemRoutineAdd ikkenWariDameSicho("IkkenWariDameSicho", WariDameSicho);

// IkkenNozokiKadoHane A B Q R: the hanes at both far corners against the
// end stones A and B, given the value 999: "=value" it returns.
std::string KadoHane(const std::vector<Point>& pts)
{
    return Expressed(pts, 2, [](const TKankeiBox& box, const std::vector<Point>& p) {
        return std::to_string(IkkenNozokiKadoHane(p[0], p[1], box[1], box[7], box.Opp, 999));
    });
}
const TProblemRoutineAdd ikkenNozokiKadoHane("IkkenNozokiKadoHane", KadoHane);

// IkkenKado1SotoTe A B: "OUT=d" (OUT "none" without a point); it adds no
// candidate.
std::string SotoTe(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        int d = 0;
        Point out;
        IkkenKado1SotoTe(box, d, out);
        return (out.x == 0 ? std::string("none") : GtpVertex(out)) + ":" + std::to_string(d);
    });
}
const TProblemRoutineAdd ikkenKado1SotoTe("IkkenKado1SotoTe", SotoTe);

// IkkenEdgeTukeHaneKiri S G K2 F: on the strip from K2 to F along the edge
// (":reversed" from F to K2).
template <bool Reversed>
std::string HaneKiri(const std::vector<Point>& pts)
{
    return Expressed(pts, 2, [](const TKankeiBox&, const std::vector<Point>& p) {
        TKankeiBox strip;
        if (!IkkenEdgeStripMake(p[0], p[1], strip))
            throw std::invalid_argument("no strip along the edge");
        if (Reversed)
            IkkenEdgeStripReverse(strip);
        IkkenEdgeTukeHaneKiri(strip);
        return std::string();
    });
}
const TProblemRoutineAdd ikkenEdgeTukeHaneKiri("IkkenEdgeTukeHaneKiri", HaneKiri<false>);
const TProblemRoutineAdd ikkenEdgeTukeHaneKiriRev("IkkenEdgeTukeHaneKiri:reversed", HaneKiri<true>);

} // namespace
} // namespace vorn::test
