// Helpers of the shell's tests: a scripted prompt, a canvas that draws
// nothing, and a fixture with its own settings and program directories.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QImage>

#include <memory>

#include "Util.h"
#include "board/Goban.h"
#include "shell/Canvas.h"
#include "shell/MainCtl.h"
#include "shell/SDIMain.h"

namespace vorn::test {

// Records every message; answers Yes/No questions from a script (No when
// the script is empty).
class TScriptPrompt : public TPrompt {
public:
    void Message(const std::string& text) override { messages.push_back(text); }
    bool YesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    // Answers a file dialog with the next scripted name; an empty name, or
    // none left, cancels it.
    bool FileDialog(TFileQuery& query) override
    {
        fileQueries.push_back(query);
        if (whileFileDialog)
            whileFileDialog();
        if (files.empty())
            return false;
        query.fileName = files.front();
        files.pop_front();
        return !query.fileName.empty();
    }
    // Answers an input query with the next scripted text; none left cancels it.
    bool InputQuery(const std::string& title, const std::string& prompt, std::string& value) override
    {
        inputQueries.push_back(title + "|" + prompt + "|" + value);
        if (inputs.empty())
            return false;
        value = inputs.front();
        inputs.pop_front();
        return true;
    }
    // Answers the save question from its own script (Discard when empty).
    TSaveAnswer SaveDiscardCancel(const std::string& text) override
    {
        saveQuestions.push_back(text);
        if (saveAnswers.empty())
            return anDiscard;
        const TSaveAnswer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::deque<TSaveAnswer> saveAnswers;
    std::vector<std::string> saveQuestions;
    std::deque<std::string> files;
    std::vector<TFileQuery> fileQueries;
    // Runs while a file dialog is up, as the timers' ticks would.
    std::function<void()> whileFileDialog;
    std::deque<std::string> inputs;
    std::vector<std::string> inputQueries;
};

class TNullCanvas : public TCanvas {
public:
    void FillRect(int, int, int, int, int) override {}
    void Rectangle(int, int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int, int, int) override {}
    void Line(int, int, int, int, int, bool) override {}
    void TextOut(int, int, const std::string&, int) override {}
};

// A headless window that remembers what it was told.
class TRecordingView : public TMainView {
public:
    void SetBounds(int l, int t, int w, int h) override { left = l, top = t, width = w, height = h; }
    void GetBounds(int& l, int& t, int& w, int& h) const override { l = left, t = top, w = width, h = height; }
    void SetClientHeight(int h) override { clientHeight = h; }
    void SetCaption(const std::string& text) override { caption = text; }
    void SetStatusText(const std::string& text) override { status = text; }
    void SetTjnInfo(const std::string& text) override { tjnInfo = text; }
    void StartParamTimer(int ms) override { paramTimer = ms; }
    void SendMove(int kind, int x, int y, int colour) override { sent.push_back({kind, x, y, colour}); }
    void Beep() override { ++beeps; }
    int left = 0, top = 0, width = 0, height = 0, clientHeight = 0, paramTimer = 0, beeps = 0;
    std::string caption, status, tjnInfo;
    std::vector<std::vector<int>> sent;
};

// Every shell test has a fresh settings directory ($XDG_CONFIG_HOME) and a
// fresh program directory holding the three caption files.
class ShellTest : public VornTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // VORN.INI of this test, and its contents written before start-up.
    std::string IniFile() const;
    void WriteIni(const std::string& text) const;
    std::string ReadText(const std::string& path) const;
    void WriteText(const std::string& path, const std::string& text) const;
    // Makes the folder exeDir + name the current directory until the test
    // ends; answers its path.
    std::string EnterFolder(const std::string& name);

    std::string configDir;
    std::string exeDir;  // ends in '/'
private:
    std::string root_;
    std::string savedCwd_;  // the current directory before EnterFolder
};

// A headless window that also remembers the comment window's calls, the
// replay timer and the move sounds it would play (only while *soundOn is 1,
// as the sound setting has it).
class TNavView : public TRecordingView {
public:
    void OtoPlay(int colour) override
    {
        if (soundOn == nullptr || *soundOn == 1)
            sounds.push_back(colour);
    }
    // A comment typed into the comment window goes to the move shown.
    void CommentSave() override
    {
        ++commentSaves;
        if (!typedComment.empty())
            GobanLv[0]->Tejun.SetComment(GobanLv[0]->Tejun.Current(), typedComment);
    }
    void CommentShow() override { ++commentShows; }
    void SetAutoTimer(bool enabled) override { autoTimer = enabled; }
    const unsigned char* soundOn = nullptr;
    std::string typedComment;
    std::vector<int> sounds;
    int commentSaves = 0, commentShows = 0;
    bool autoTimer = false;
};

// The main window's logic, headless, after start-up.
class CtlTest : public ShellTest {
protected:
    // Starts with the settings given (VORN.INI text).
    void Start(const std::string& ini = "");
    // Writes a record into the program directory and opens it through the
    // file menu, the game going on between two people; answers the path.
    std::string OpenRecord(const std::string& name, const std::string& text);
    // The navigation controls as "back forward delete", each 1 or 0, with a
    // check that buttons and menu items agree.
    std::string Controls() const;

    TNavView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TMainCtl ctl{view, canvas, prompt};
};

// The real main window, offscreen, with a scripted prompt.
class WindowTest : public ShellTest {
protected:
    void TearDown() override;
    // Opens the window on a board of the size, with more settings of
    // section Goban after it.
    void Open(int size, const std::string& gobanIni = "", const std::string& moreIni = "");
    // The client area as it is on the screen.
    QImage Grab();
    // The colour ($BBGGRR) of the pixel at an offset from the intersection of (x, y).
    int At(const QImage& img, int x, int y, int dx = 0, int dy = 0);
    // A mouse click on the intersection of (x, y) or at a pixel.
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    void ClickPixel(int px, int py, Qt::MouseButton button = Qt::LeftButton);
    TMainCtl& Ctl() { return form->Ctl(); }

    TScriptPrompt prompt;
    std::unique_ptr<TSDIAppForm> form;
};

// A new game between two people: the game dialog opened by the new-game
// item, both players set to the human and confirmed.
void NewHumanGame(TMainCtl& ctl);
// The game dialog, when it is up for a game to start (a new game, a record
// just opened), confirmed with both players set to the human.
void ConfirmHumanGame(TMainCtl& ctl);

// The data file of the source tree (data/<name>).
std::string SourceData(const std::string& name);

} // namespace vorn::test
