// The candidate table: every move generator reports its ideas here and every
// stage of the move choice picks its move from here.  A candidate is a point
// with a value (25 a big point, 26 and above urgent, below 1 a bad but playable
// move), a bonus byte that breaks ties within a value, a reason code naming the
// generator, and a related point.  Its score is value * 10 + bonus.
//
// Also here: the ko park (a candidate on the point where we may not retake a
// ko at once is remembered instead of added), the prepared answers (a follow-up
// for the opponent's expected reply, consulted first at the next move) and the
// display copy read by the developer candidate view.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"
#include "engine/Joseki.h"

namespace vorn {

constexpr int kMaxKoho = 120;
constexpr int kMaxPreparedTe = 30;
constexpr int kMaxKohoTie = 20; // tied points the selection chooses among

// Reason codes: which generator proposed a candidate.  Codes 6, 7, 8, 11 and 23
// are not used.  Codes 1 to 5 keep their reason when another generator raises
// the value of their point.
enum : std::uint8_t {
    kkToru = 1,          // capture or escape of a chain short of liberties
    kkNigeru = 2,        // escape of an own two-liberty chain
    kkKiri = 3,          // move on a link; the related point is the other cutting point
    kkTugi = 4,          // move on an own link
    kkKankei = 5,        // answer to a relation pair
    kkSikatu = 9,        // life and death without pondering
    kkSikatuYomi = 10,   // life and death found by pondering
    kkJoseki = 12,       // joseki continuation
    kkWeakGun = 13,      // weak group
    kkNozoki = 14,       // peeps and urgent shapes
    kkWeakGunKankei = 15, // relations of own weak or living groups
    kkJoban = 16,        // opening patterns
    kkJoban2 = 17,       // opening and middle-game big points
    kkGunKankei = 18,    // relation moves of unsettled groups
    kkCenter19 = 19,     // centre moves on 19x19
    kkKankei6 = 20,      // two-space relations of own stones
    kkHokyo = 21,        // second pass over relations
    kkKeimaHokyo = 22,   // knight's-move and large-knight reinforcement
    kkYose = 24,         // endgame
    kkPreparedTe = 25,   // prepared answer (carried by the stage-1 joseki points)
    kkGunDame = 26,      // liberty moves on a group's chains
    kkKeima27 = 27,      // one knight's-move pattern
    kkToru28 = 28,       // two-liberty chain tactics
    kkLink2ken29 = 29,   // two-space link patterns at the edge and two lines out
    kkJoban30 = 30,      // one opening pattern
    kkAiteKankei = 31,   // relations of the opponent's stones
    kkSikatuSettle = 32, // life-and-death settling patterns
    kkSikatuUrgent = 33, // second urgent life-and-death pass
};

// Selection thresholds (scores).
constexpr int kSelectUrgent = 260; // end of stage 2, peeps, a weak group's single answer
constexpr int kSelectHigh = 220;   // urgent life and death, chain answers, opening, centre, territory
constexpr int kSelectMiddle = 160; // pair answers, weak groups, ko, relation stages
constexpr int kSelectLow = 110;    // second passes over the relations
constexpr int kSelectYose = 10;    // endgame (then 0)
constexpr int kSelectLast = 1;     // the last moves

// The table, as parallel arrays 1..kMaxKoho; KohoCount entries are in use.
struct TKohoTable {
    Arr<Point, 1, kMaxKoho> Pt{};
    Arr<int, 1, kMaxKoho> Value{};
    Arr<std::uint8_t, 1, kMaxKoho> Bonus{};
    Arr<std::uint8_t, 1, kMaxKoho> Kind{};
    Arr<Point, 1, kMaxKoho> RelPt{};

    long long Score(int i) const { return static_cast<long long>(Value[i]) * 10 + Bonus[i]; }
};

extern TKohoTable Koho;
extern int KohoCount;
extern std::uint8_t KohoKind;     // reason under which AddKoho adds; kept between decisions
extern std::uint8_t KohoKindSave; // the one save cell of PushKohoKind

// Ko: the point where the side to move may not retake at once, and the lone
// stone that has just captured there.
extern Point KouTen;
extern Point KouTenIsi;
// The ko park: the value of the last candidate that fell on KouTen, and 1 from
// the parking until a candidate at least as valuable is appended.
extern int KouKohoValue;
extern std::uint8_t KouKohoFlag;

// Result of the last selection.
extern int KohoBestScore;
extern int KohoBestValue; // best score / 10, truncated toward zero
extern std::uint8_t KohoBestKind;
extern std::uint8_t KohoBestBonus;

// The driver's running choice; after a move, the engine's previous move.
extern Point ThinkTe;

// JosekiCornerFlag (engine/Joseki.h), set by the joseki dictionaries: 1 when
// that corner (1..4) holds joseki candidates.

// Prepared answers: after our move OwnTe, the opponent's reply AiteTe is
// answered by AnswerTe.
struct TPreparedTeTable {
    Arr<Point, 1, kMaxPreparedTe> OwnTe{};
    Arr<Point, 1, kMaxPreparedTe> AiteTe{};
    Arr<Point, 1, kMaxPreparedTe> AnswerTe{};
};
extern TPreparedTeTable PreparedTe;
extern int PreparedTeCount;

// Display copy for the developer candidate view.
struct TKohoDspTable {
    Arr<Point, 1, kMaxKoho> Pt{};
    Arr<int, 1, kMaxKoho> Value{};
    Arr<std::uint8_t, 1, kMaxKoho> Bonus{};
    Arr<std::uint8_t, 1, kMaxKoho> Kind{};
};
extern TKohoDspTable KohoDsp;
extern int KohoDspCount;
// The stage that produced the last move (-1 when no stage did).
extern int ThinkStageNo;

// Adds or merges a candidate under the current KohoKind, no related point.
void AddKoho(Point p, int value, int bonus);
// Adds or merges a candidate with its own reason and related point, bonus 0.
void AddKohoEx(Point p, int value, std::uint8_t reason, Point rel);
// The bonus as the table stores it with this value: a byte, at most 9 below
// value 1, else at most value * 10.
int KohoBonusClamp(int value, int bonus);
// The one merge routine behind both: clamps, checks, caps near joseki, merges.
void AddKohoCore(int x, int y, int value, Point rel, int reason, int bonus);
// Whether (x, y) may enter the table for JibunIro; parks the ko point.
bool KohoCheck(int x, int y, int value);
// A joseki candidate lies in a corner quadrant shared with p.
bool JosekiKohoInCorner(Point p);

// Best candidate from entry `first` on: out is its point when its score
// reaches the threshold, else (0, 0).  Ties are broken at random among up to
// kMaxKohoTie points.  Sets the KohoBest* fields.
void SelectKohoFrom(int threshold, int first, Point& out);
void SelectKoho(int threshold, Point& out);
// The close of a stage generator: SelectKoho(threshold) when the table holds
// a candidate, else (0, 0).
void SelectIfAny(int threshold, Point& out);
// The selection inside the look-ahead: only candidates inside YomiArea or
// worth 50 or more take part; no threshold.
void SelectKohoNear(Point& out);
// Sorts the table by score, descending (exchange sort: two equal entries are
// never exchanged with each other).
void SortKoho();
// Some candidate of that reason is worth more than bound.
bool KohoExists(int reason, int bound);

void PushKohoKind(std::uint8_t reason);
void PopKohoKind();

// Sets KohoKind for a scope and puts the code found back when the scope ends
// (on every way out); unlike PushKohoKind it nests.
class TKohoKindKeep {
public:
    explicit TKohoKindKeep(std::uint8_t reason) : saved_(KohoKind) { KohoKind = reason; }
    ~TKohoKindKeep() { KohoKind = saved_; }
    TKohoKindKeep(const TKohoKindKeep&) = delete;
    TKohoKindKeep& operator=(const TKohoKindKeep&) = delete;

private:
    std::uint8_t saved_;
};

// Sets KouTen and KouTenIsi from the last move of the game.
void KouTenMake();

// Records a prepared answer (not while the look-ahead runs; 30 at most).
void AddPreparedTe(Point own, Point reply, Point answer);
// The prepared answer to the opponent's last move, x = 0 when none; empties
// the table.  Never offered when the engine plays both sides.
void GetPreparedTe(Point& out);
// Forgets every prepared answer: the game they were made for has changed
// (new game, moves taken back).
void PreparedTeClear();

void CopyKohoDsp();

// Empties the table and the ko park before a decision.
void KohoClear();

// Back to start-up values.
void KohoReset();

} // namespace vorn
