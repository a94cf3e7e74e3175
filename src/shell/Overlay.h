// TOverlay: the engine's analysis of board 0 shown on the board.  Overlays
// (territory, capturing races, dead and weak stones, weak groups' death
// levels, chains in atari, the values of the engine's look-ahead lines) are
// switched by checked menu items and drawn by every full repaint over the
// stones; analysis commands (position judgement, false eyes, stones to
// reinforce, ko shapes, the pair list, joseki continuations) draw once over
// the picture until the next repaint.  Also here: the candidates of the
// engine's last move, the hint's best three, and the look-ahead lines that
// the engine leaves in the comment of the move it played.
//
// Everything reads the analysis of board 0 as the last TGoban::Analyze left
// it; nothing here analyses again, except the commands that rebuild a table
// they show.
#pragma once

#include <memory>
#include <string>

#include "board/Array.h"
#include "board/Point.h"
#include "board/Tejun.h"

namespace vorn {

class TMainCtl;

constexpr int kSakiyomiLines = 10;
constexpr int kKouDateMax = 20;

// The look-ahead lines kept for display, one record each, and their values.
using TSakiyomiTejun = Arr<std::unique_ptr<TTejun>, 1, kSakiyomiLines>;
using TSakiyomiValue = Arr<int, 1, kSakiyomiLines>;

// One candidate of the engine's move (value v, bonus b, reason code k) as
// the candidate display writes it: its text and IrhTextOut colour code; with
// kinds the reason code instead of the value.
void DspSelectText(int v, int b, int k, bool kinds, std::string& text, int& code);
// A ko threat of value v.
void KouDateText(int v, std::string& text, int& code);
// The value v of a look-ahead line, written at its first move.
void SakiyomiText(int v, std::string& text, int& code);
// The position judgement v (half points from Black's side, komi included)
// as the result field of the game dialog shows it: "Black3.5superior",
// "黒3目半優勢です", "equal", "互角".
std::string SituationText(int v, int language);

// Reads the engine's look-ahead lines from a comment: per line, for each move
// "<x,y>", then the line's value and a line end ("=" before the value, and
// carriage returns, are skipped).  The ten records are cleared first; a line
// is kept only when it ends with its line end and every move lies on the
// board; blank lines are passed over; at most ten lines.  A number that does
// not read ends the scan: bad then holds its text, and the lines completed
// before it stay.  Answers the number of lines kept.
int SakiyomiScan(const std::string& comment, TSakiyomiTejun& lines, TSakiyomiValue& values, std::string& bad);

class TOverlay {
public:
    explicit TOverlay(TMainCtl& main) : main_(main) {}
    TOverlay(const TOverlay&) = delete;
    TOverlay& operator=(const TOverlay&) = delete;

    // Runs the handler of a menu item of this unit; false for other names.
    bool Click(const std::string& name);

    // The overlays switched on, in the full repaint's order, and last, always,
    // the values of the look-ahead lines.
    void Paint();
    void JiaiPaint();
    void SemeaiPaint();
    void DeathPaint();
    void WeakGunPaint();
    void AtariPaint();
    void SakiyomiPaint();

    // After the engine's move, while mnuKoho is checked: its candidates, and
    // its ko threats.
    void DspSelect();
    // After the hint: the candidates ordered by value, the best three marked.
    void HintKohoPaint();
    // The look-ahead lines that start at (x, y), played out and numbered on
    // the board (the right click).
    void SakiyomiLineShow(int x, int y);

    // Analysis commands.
    void mnuSakiyomiClick();
    void mnuSituationClick();
    void mnuKakemeClick();
    void mnuTeireClick();
    void mnuKouClick();
    void mnuKohoLocateClick();
    void mnuJosekiClick();
    void PairPaint();
    void JosekiPaint();

    TSakiyomiValue SakiyomiValue{};
    int SakiyomiCount = 0;  // lines loaded, 0..10

private:
    TMainCtl& main_;
};

} // namespace vorn
