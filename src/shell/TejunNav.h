// TTejunNav: walking through the move record of board 0.  The board shows
// the position after the record's current move; this unit steps it back and
// forth (one move, ten moves or to the next commented move, to the first and
// the last move), replays a record automatically, deletes the moves after the
// one shown, and takes moves back in a game ("待った").  It keeps the
// navigation buttons and menu items enabled exactly when they can act.
//
// A part of the main window kept in a unit of its own: it works on the
// state of its TMainCtl and talks to the user through the same view and
// prompt.
#pragma once

#include <string>

namespace vorn {

class TMainCtl;

class TTejunNav {
public:
    explicit TTejunNav(TMainCtl& ctl) : ctl_(ctl) {}
    TTejunNav(const TTejunNav&) = delete;
    TTejunNav& operator=(const TTejunNav&) = delete;

    // Runs the handler of a navigation item by its name; false when the name
    // is none of this unit's.
    bool Click(const std::string& name);

    void mnuFirstClick();
    // Ten moves back, or to the previous comment while mnuToCmt is checked.
    void mnuPrev10Click();
    void mnuPrevClick();
    void mnuNextClick();
    // Ten moves forward, or to the next comment while mnuToCmt is checked.
    void mnuNext10Click();
    void mnuLastClick();
    // Deletes the moves after the one shown, after asking.
    void mnuDelClick();
    void mnuToCmtClick();
    void mnuCommentClick();
    // Takes back the last move of a game; against the engine its move too.
    void mnuUndoClick();
    // Takes back the last move of the record, shown at its end (a move the
    // other side of a link refused).
    void TakeBackLast();
    // Switches the automatic replay on or off.
    void mnuAutoClick();
    // One tick of the replay timer: one move forward; at the last move the
    // replay ends.
    void timAutoTimer();
    // The main window became active.
    void FormActivate();

    // One step back or forward on board 0 and on the screen.
    void BackDraw();
    void ForwardDraw();
    // The navigation controls for the move shown: back while a move is
    // shown, forward (and delete) while later moves are recorded.
    void ButtonsUpdate();

private:
    // Labels of the shown move erased; the stones under them drawn again.
    void LabelsErase();
    // One move back or forward, the command of the back and forward items.
    void OneStep(bool forward);
    // What follows every navigation command: the comment window, analysis,
    // overlays, the move label and the controls.
    void StepDone();
    // Move s, the last and shown, leaves the board, the record and the
    // running record.
    void BackOne(int s);
    // What follows a take-back: pass count, dictionaries, controls, analysis.
    void TakenBack();
    // The running record loses its last n moves.
    void RunningRecordTakeBack(int n);
    // The game's pass count as the record now ends: its passes in a row
    // up to the move shown, so that two passes still end the game.
    void PassCountFromRecord();
    // Calls into units built elsewhere.
    void DictionariesRewind();
    void YoseCacheClear();

    TMainCtl& ctl_;
};

} // namespace vorn
