// Helpers of the dialog and side-window tests: a fake sound player, and a
// headless main window whose comment window and move sounds run the real
// logic (TCommntF, OtoPlay) with that player.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ShellUtil.h"
#include "shell/Oto.h"

namespace vorn::test {

// Remembers what it was asked to play: "beep" or the file name.
class TFakePlayer : public TOtoPlayer {
public:
    void Beep() override { played.push_back("beep"); }
    void Play(const std::string& fileName) override { played.push_back(fileName); }
    std::vector<std::string> played;
};

class TDialogView : public TRecordingView {
public:
    bool CommentShown() const override { return commentShown; }
    void CommentSave() override { ctl->CommntF.CommentSave(); }
    void CommentClear() override { ctl->CommntF.CommentClear(); }
    void CommentShow() override { ctl->CommntF.CommentShow(); }
    void CommentWindowShow(bool on) override
    {
        commentShown = on;
        ctl->CommntF.Visible = on;
    }
    void OtoPlay(int colour) override { vorn::OtoPlay(*ctl, player, colour); }

    TMainCtl* ctl = nullptr;
    bool commentShown = false;
    TFakePlayer player;
};

// The main window's logic with TDialogView; Restart ends the program (the
// settings written) and starts it again on the same VORN.INI.
class DialogTest : public ShellTest {
protected:
    void TearDown() override;
    void Start(const std::string& ini = "");
    void Restart();
    // Plays the side to move at (x, y) through the one move entry.
    void Play(int x, int y);
    // Types into the comment window: the text box's text, marked as changed.
    void Type(const std::string& text);
    std::string Ini() const { return ReadText(IniFile()); }

    TDialogView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    std::unique_ptr<TMainCtl> ctl;
};

} // namespace vorn::test
