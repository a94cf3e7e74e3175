// TGameInfo: the game dialog (対局情報), in which every game is set up and then
// described: players and what they are (a human, the engine, a remote
// opponent), ranks, handicap, komi, board size, date, place, clocks,
// prisoners and at the end the result.  It is modeless and stays beside the
// board during the game.  Its fields are the header of every record written.
//
// This is the dialog's logic without a window: each control is a small
// model (text, visibility, list, check mark) that the Qt form shows and
// edits, so tests drive the dialog through the same handlers as the user.
// Three modes: 0 a new game, 1 a record just loaded, 2 a rank exam.
#pragma once

#include <string>
#include <vector>

#include "board/Hooks.h"

namespace vorn {

class TMainCtl;

// One control of the dialog as the logic sees it.
struct TDlgControl {
    std::string Text;                // an edit's or combo's text; the caption of a label, button or box
    bool Visible = true;
    bool ReadOnly = false;
    bool Checked = false;            // check boxes and radio buttons
    std::vector<std::string> Items;  // a combo's list
    int Left = -1;                   // set with the captions; -1 keeps the designed place
    int Width = -1;
};

// The names of the handicaps 0 to 14 ("互い先" .. "25子"); "" outside.
const char* TeaiName(int handicap);
// The names of the board sizes 9, 13 and 19 ("９路盤" ..); "" for any other size.
const char* BanSizeName(int size);
// Whether the board can be set up with the handicap on the size: 0 to 9 on
// every size, 10 to 14 (the large patterns) on 19x19 only.
bool TeaiValid(int size, int handicap);
// A board size from the dialog's text, a size name or a number; 0 unless it
// names one of the sizes the board supports (9, 13, 19).
int ParseBanSize(const std::string& text);
// A handicap from the dialog's text, a handicap name or a number; -1 unless
// the board supports it on the size.
int ParseTeai(const std::string& text, int size);
// Komi from the dialog's text; 0 when it is empty or not a number.
float ParseKomi(const std::string& text);
// A number in its shortest decimal form: 6.5, 60, 0.5.
std::string NumberText(double v);

class TGameInfo {
public:
    explicit TGameInfo(TMainCtl& main);
    TGameInfo(const TGameInfo&) = delete;
    TGameInfo& operator=(const TGameInfo&) = delete;

    // --- Life of the form ---------------------------------------------------
    // The dialog's place and the remembered players from VORN.INI.
    void FormCreate();
    // Writes them back.
    void FormDestroy();
    // The player lists and the players shown.
    void FormShow();
    // Size and handicap shown, captions and lists in the selected language.
    void FormActivate();
    // The user closed the dialog.
    void FormClose();
    // Shows the dialog (FormShow, FormActivate); Hide hides it.
    void Show();
    void Hide();

    // Prepares the shown dialog for a new game, a loaded record, an exam.
    void NewGameShow();
    void KifuInfoShow();
    void ExamInfoShow();
    // Handicap and board size into edtTeai and edtBan.
    void TeaiBanShow();
    // Komi into edtKomi.
    void KomiShow();
    // The clock of a colour into its time field.
    void JikanToStr(int colour, int tenths);
    // Both prisoner counts into their fields ("%3d").
    void HamaShow(int blackHama, int whiteHama);
    // The selected language changed: captions, lists and the default player
    // name in the new one, the choices made kept.
    void LanguageChanged();

    // --- Handlers ---------------------------------------------------------------
    void cmbWhitePlayerChange();
    void cmbBlackPlayerChange();
    void cmbTeaiChange();
    void cmbBanChange();
    void btnOKClick();
    void btnCancelClick();
    // Starts the game set up in the dialog.
    void StartGame();

    // The record header as the fields stand now.
    TKifuHeader Fields() const;

    // --- Controls -----------------------------------------------------------------
    TDlgControl edtGameName;
    TDlgControl cmbWhitePlayer, cmbBlackPlayer;
    TDlgControl edtWhitePlayer, edtBlackPlayer;
    TDlgControl edtWhiteKyu, edtBlackKyu;
    TDlgControl edtWhiteHama, edtBlackHama;
    TDlgControl edtWhiteTime, edtBlackTime;
    TDlgControl cmbTeai, edtTeai;
    TDlgControl edtKomi;
    TDlgControl edtDate, edtPlace;
    TDlgControl cmbBan, edtBan;
    TDlgControl edtResult, lblResult;
    TDlgControl chkComm, chkAiteWhite, chkRenzoku;
    TDlgControl RadioGroup1, rdoCom1, rdoCom2, rdoTcpip, rdoNNGS;
    TDlgControl btnOK, btnCancel;
    TDlgControl lblGameName, lblPlayer, lblKyu, lblHama, lblTime, lblSiro, lblKuro, lblTeai, lblKomi, lblDate,
        lblPlace, lblBanSize;

    std::string Caption;
    bool Visible = false;
    int DesignWidth = 460;  // client width at 96 dots per inch
    int Left = 340, Top = 0;

    // Who plays in the running game.
    unsigned char EngineInGame = 0;
    unsigned char SerialInGame = 0;
    unsigned char TcpInGame = 0;
    unsigned char NngsInGame = 0;
    int SerialPort = 1;  // COM1 or COM2 of a serial peer

    // The window shows what changed.
    void Changed();

private:
    // A game that could not start: the dialog back in its set-up layout,
    // the choices kept, Start and Cancel offered again.
    void SetUpAgain();
    void CaptionsSet(bool japanese);
    void TeaiListFill(int size);
    int PlayerKindOf(const TDlgControl& player, bool remoteSide) const;
    void FieldsFromGameStrings();

    TMainCtl& main_;
};

} // namespace vorn
