// End of game and scoring.  After two passes or the end command the main
// window counts board 0 with the komi, writes the result into the game
// dialog, marks dead stones and territory, and lets the user toggle dead
// chains, counting again after each toggle.  In a continuous match the
// record is saved and the next game starts by itself.
#pragma once

#include <string>

namespace vorn {

class TMainCtl;

// The counts of board 0 as analysed after the end of a game, komi not
// included: the prisoners each side took; every empty region's points to
// its owner; twice the stones of a chain marked dead to the other side;
// less one for every point that carries the dead-chain mark (from Black
// where the region there is Black's, else from White).
void JiCount(float& kuroScore, float& siroScore);

// The result for Black's count k and White's count s (komi included), in
// English for language 1, else in Japanese: "B+3.5(B=62W=58.5)",
// "黒3.5目勝ち(黒=62白=58.5)", "ジゴ(引き分け)(黒=60白=60)".
std::string KekkaString(float k, float s, int language);

// The first free name "Play<n>.sgf" in the current directory, n counting
// up from count, so that a match never overwrites an earlier record.
std::string RenzokuFileName(int count);

class TScore {
public:
    explicit TScore(TMainCtl& main);
    TScore(const TScore&) = delete;
    TScore& operator=(const TScore&) = delete;

    // The end-of-game item: ends the game, or resumes it when it is over.
    void mnuEndClick();
    // Ends the game and shows the result.
    void GameEnd();
    // Counts again and shows the result, the dead stones and the territory.
    void ScoreShow();
    // KuroScore and SiroScore of board 0 (no komi).
    void JiCount();
    // The komi added, the result text into the game dialog.
    void KekkaText();
    // Territory on the board after the end of a game.
    void JiPaint();
    // The dead mark on every stone of a chain marked dead.
    void DeadMarkPaint();
    // The dead mark on every stone whose point carries the dead-stone mark.
    void DeadStonesPaint();
    // Toggles the dead mark of the chain on (x, y) and counts again.
    void SiIsiToggle(int x, int y);
    // The next game of a continuous match.
    void timRenzokuTimer();
    // The serial link window.
    void mnuTusinClick();
    // Runs the handler of a menu item of this unit; false for other names.
    bool Click(const std::string& name);

    float KuroScore = 0.0f;
    float SiroScore = 0.0f;

private:
    TMainCtl& main_;
};

} // namespace vorn
