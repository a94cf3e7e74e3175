// The relation-pair dispatch: the stage-2 generator that works through the
// board's list of pending threats (cuttable links, chains short of
// liberties, nets, double ataris) once per decision, hands every entry not yet
// answered to the handler of its kind, and then looks among the small link
// candidates for pairs that together make a double threat.
//
// Links (pair kinds below 20) go to the link generators' relation handlers
// under reason kkKankei; nets and double ataris (23, 24) to the capture
// answers under reason kkToru.  Chains in atari and ladders (21, 22) are
// answered by the chain tactics, and inside a weak group's area by the
// weak-group generator through PairAnswerKind2.
#pragma once

#include <cstdint>

#include "board/Point.h"

namespace vorn {

// Answers every pair not yet answered, runs the double-threat scans and the
// relation moves, and selects at 160.  The flags of the answered pairs stay
// set until the next decision's prologue clears them.
void PairAnswer(Point& out);
// A link pair: a the threatened stone, b its partner.
void PairAnswerKind(int kind, Point a, Point b);
// A capture pair (kinds 20 and above): a the liberty, ladder move, net point
// or single point, b a stone of the chain.
void PairAnswerCapture(int kind, Point a, Point b);
// The capture answers of kinds 21 to 24 under the reason code in force.
void PairAnswerKind2(int kind, Point a, Point b);
// The link generators' relation handler of a link kind (2, 3, 4, 5, 6, 7, 8,
// 10, 11, 13); the other kinds have none.
void PairRelationHandler(int kind, Point a, Point b);

// What the dispatch calls for a link pair: PairRelationHandler in the
// program; tests put a recorder in its place.
struct TPairSources {
    void (*Relation)(int kind, Point a, Point b);
};
extern TPairSources PairSources;

// Pairs of small candidates of reason kkKiri or kkTugi that make a double
// threat when one side plays both: both points are raised.
void KohoDoubleScan(std::uint8_t reason);

// Back to start-up values.
void PairAnswerReset();

} // namespace vorn
