// TCommntF: the comment window (コメント), a modeless side window in which the
// user reads and writes the comment of the move shown on the board.  The
// comments live in board 0's record, one per move number 0 to 600, so they
// travel with the record into the files.  The main window saves the text box
// into the record before it leaves the move shown and fills it again after.
//
// The window's logic without a window: the text box is Memo (lines separated
// by "\n") with its modified mark, which the Qt form keeps in step.  Its
// place and font are kept in section CommentF of VORN.INI.
#pragma once

#include <string>

#include "shell/SideWindow.h"

namespace vorn {

class TMainCtl;

class TCommntF {
public:
    explicit TCommntF(TMainCtl& main) : main_(main) {}
    TCommntF(const TCommntF&) = delete;
    TCommntF& operator=(const TCommntF&) = delete;

    // Place and font from VORN.INI; the place defaults to just below the
    // main window, as wide as it, 200 high.
    void FormCreate();
    // Captions in the language.
    void FormActivate();
    // The close box: the menu item unticked, "OFF" stored.
    void FormClose();
    // Place and font stored (at program exit).
    void FormDestroy();

    // The text box into the record as the comment of the move shown, when
    // the user changed it; an empty box removes the comment.
    void CommentSave();
    // The text box filled with the comment of the move shown.
    void CommentShow();
    // The text box emptied for a fresh move.
    void CommentClear();

    std::string Memo;
    bool Modified = false;
    bool Visible = false;
    std::string Caption = "コメント";
    std::string FontCaption = "フォント";
    TSideGeometry Geometry;
    int FontColor = kSystemTextColor;
    int FontSize = 9;
    std::string FontName = "ＭＳ Ｐゴシック";

    // Typing stops at this length; a longer comment from a record is shown
    // and kept whole.
    static constexpr int kMaxLength = 1500;
    // The stored font colour that stands for the desktop's window-text colour.
    static constexpr int kSystemTextColor = static_cast<int>(0x80000008u);
    static constexpr int kDefaultHeight = 200;

private:
    TMainCtl& main_;
};

// How many of the characters just typed must be taken back so that the text
// (now length long) keeps to the limit: only text that grew is cut, and never
// more than the growth, so a longer text read from a record may still shrink.
int TypedExcess(int length, int removed, int added, int limit);

} // namespace vorn
