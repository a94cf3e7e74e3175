// TNintei: the main window's side of the rank exam (段級位認定試験).  The
// exam item sets up the next exam game from the exam file (records/Exam),
// replays an exam game that was interrupted, and opens the game dialog in
// its exam mode.  While an exam game runs (TMainCtl::ExamMode) every move is
// stored in the file, the human has a time limit per move with a beep in its
// last three seconds, and the game ends in one verdict: passed (the next
// level is examined), failed, or, for a drawn game, none.
#pragma once

#include <string>

#include "board/Point.h"

namespace vorn {

class TMainCtl;

// Seconds the examinee may think per move at an exam level: 10 at the dan
// levels, 11 at 1 kyu up to 19 at 9 kyu.
int ExamTimeLimitSeconds(int level);

class TNintei {
public:
    explicit TNintei(TMainCtl& main) : main_(main) {}
    TNintei(const TNintei&) = delete;
    TNintei& operator=(const TNintei&) = delete;

    // Runs the handler of the exam item; false for other names.
    bool Click(const std::string& name);
    // The exam item: the next exam game set up and its dialog shown.
    void mnuExamClick();

    // The verdicts, each only while an exam game runs and each ending it:
    // passed (the result text gains the rank and the certificate), failed,
    // and a drawn game that passes no verdict.
    void NinteiShow();
    void ExamEnd();
    void ExamDraw();
    // The last step of a game-clock tick in an exam game: the beeps and
    // the loss on time.
    void ExamTimeLimit();
    // The game starts: the examinee's name from the dialog into the file.
    void ExamSetName();
    // Move n of the game (a pass as (0, 0)) into the file.
    void ExamAddMove(int n, Point p);

private:
    TMainCtl& main_;
};

} // namespace vorn
