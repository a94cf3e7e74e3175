// What the board model and the engine read of the application shell, and the
// few calls they make into it.  Everything here has a harmless default, so the
// core runs headless in tests and tools; the main window installs its own
// hooks and writes the flags.
#pragma once

#include <array>
#include <string>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// The record header of a game (UTF-8): players, ranks, times, komi, result.
struct TKifuHeader {
    std::string GameName, Date, Place, Komi, Result;
    std::string BlackPlayer, WhitePlayer, BlackKyu, WhiteKyu, BlackTime, WhiteTime;
};

// Calls from the core into the shell.  The defaults do nothing.
class TShellHooks {
public:
    virtual ~TShellHooks() = default;
    // Thinking display: a stone played or put back on a look-ahead board.
    virtual void ThinkIsiDraw(int colour, Point p) { (void)colour, (void)p; }
    // Thinking display: a stone taken away on a look-ahead board.
    virtual void ThinkIsiErase(Point p) { (void)p; }
    // Number n drawn on the stone at (x, y) by the look-ahead search.
    virtual void BangoDraw(int colour, int n, int x, int y) { (void)colour, (void)n, (void)x, (void)y; }
    // Progress text in the status bar ("" clears it).
    virtual void StatusText(const std::string& text) { (void)text; }
    // A message the user must see (UTF-8, already in the selected language).
    virtual void ShowMessage(const std::string& text) { (void)text; }

    // The one entry by which a move from a record, a peer or the exam reaches
    // the game board: plays the side to move at (x, y) on board 0; true when
    // the move was legal and played.  With noAnalyze 1 the position is not
    // re-analysed (record replay).  Without a shell: the move is played on
    // board 0 and nothing else happens.
    virtual bool BanUtu(int x, int y, int noAnalyze);
    // A pass already appended to board 0's record: shown and counted; true
    // when it was the second pass in a row and ended the game.
    virtual bool Pass() { return false; }
    // A setup stone (colour 0 clears the point) on board 0 and in HaitiBan.
    virtual void HaitiIsi(int colour, int x, int y);
    // Draws a stone of that colour on the board view.
    virtual void IsiDraw(int colour, int x, int y) { (void)colour, (void)x, (void)y; }
    // The header that the record writers save: the game dialog's fields as
    // they stand, so that a header edited there is what is written.  Without
    // a shell: the game strings below.
    virtual TKifuHeader GameInfoFields();
};

// The hooks in force: the shell's, or the silent defaults.
TShellHooks& Shell();
// Installs the shell's hooks; nullptr restores the silent defaults.
void SetShellHooks(TShellHooks* hooks);

// Player kinds per colour.
enum { pkHuman = 0, pkComputer = 1, pkSerial = 2, pkTcp = 3, pkNngs = 4 };

// Languages.
enum { lgEnglish = 1, lgJapanese = 2, lgChinese = 3 };

// Game flags and settings that the shell owns and the core reads.
extern unsigned char GameOver;       // 1 after the end of a game, while dead chains are marked
extern int Language;                 // lgEnglish, lgJapanese (default), lgChinese
extern Arr<int, 1, 2> PlayerKind;    // by colour
extern unsigned char HintMode;       // 1 while the hint command runs the engine
extern Point LastTe;                 // the game's current move, (0, 0) for none or a pass
extern Arr<int, 1, 2> Jikan;         // time used by colour, tenths of a second
extern float Komi;
extern unsigned char RenzokuMode;    // continuous games ticked in the game dialog
extern unsigned char DevMode;        // developer menu visible
extern unsigned char DspSakiyomi;    // look-ahead display switched on
extern unsigned char LogMode;        // engine trace log on: follows DevMode

// Engine settings (INI section "Utikata"); read-only for the engine.
extern int YomiWide;
extern int YomiDeep;
extern int YomiTime;
extern unsigned char SakiyomiMode;
extern unsigned char YomiSikatuMode;
extern unsigned char VsComputerMode;

// Game strings: the record header that the game dialog shows and the record
// readers, writers and links fill and read (UTF-8).
extern std::string KifuGameName;
extern std::string KifuDate;
extern std::string KifuPlace;
extern std::string KifuKomi;
extern std::string KifuResult;
extern std::string KifuBlackPlayer;
extern std::string KifuWhitePlayer;
extern std::string KifuBlackKyu;
extern std::string KifuWhiteKyu;
extern std::string KifuBlackTime;
extern std::string KifuWhiteTime;
// The eleven game strings, in the order above.
std::array<std::string*, 11> KifuGameStrings();

// Setup stones of the current record, [x][y]: 0 none, 1 black, 2 white.
extern Grid<unsigned char, 1, 19> HaitiBan;

// The program's directory, ending in '/', where the running record, the
// caption files and the dictionaries live.
extern std::string ExeDir;
extern unsigned char KifuRecOn;    // 1 while the running record is written
extern std::string KifuRecName;    // ExeDir + "bug.ig1"
extern unsigned char NoLastMark;   // 1: moves are drawn without the last-move mark
extern unsigned char GameInfoLock; // 1 while the game dialog is up for a new or loaded game
extern int GameInfoMode;           // 0 new game, 1 record loaded, 2 rank exam
extern std::string UserName;       // the local player's name

// The English twin when the language is English, the Japanese one otherwise.
inline const char* Msg(const char* english, const char* japanese)
{
    return Language == lgEnglish ? english : japanese;
}

// Puts every flag above back to its start-up value and removes installed hooks.
void HooksReset();

} // namespace vorn
