#include "shell/FileMenu.h"

#include <unordered_map>

#include "board/Goban.h"
#include "records/Kifu.h"
#include "records/KifuIg1.h"
#include "records/KifuTextOut.h"
#include "shell/MainCtl.h"

namespace vorn {

const char* KifuOpenFilter()
{
    return "Smart Go Board(*.sgf)|*.sgf|GOTERM(*.ig1)|*.ig1|ﾃﾞｼﾞﾀﾙﾌﾞｯｸ(*.re3)|*.re3|碁ﾜｰﾙﾄﾞ (*gw1)|*.gw1|"
           "WWGO(*.wwg)|*.wwg|日本棋院(*.ugf)|*.ugf|囲碁倶楽部(*.icf)|*.icf|すべてのﾌｧｲﾙ(*.*)|*.*";
}

const char* KifuSaveFilter(int language)
{
    return language == lgEnglish ? "Smart Go Board(*.sgf)|*.sgf|GOTERM(*.ig1)|*.ig1|all files(*.*)|*.*"
                                 : "Smart Go Board(*.sgf)|*.sgf|GOTERM(*.ig1)|*.ig1|すべてのﾌｧｲﾙ(*.*)|*.*";
}

const char* const kTextOutFilter = "Text files|*.TXT";

std::vector<std::string> DialogNameFilters(const std::string& filter)
{
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', begin);
        parts.push_back(filter.substr(begin, bar == std::string::npos ? std::string::npos : bar - begin));
        if (bar == std::string::npos)
            break;
        begin = bar + 1;
    }
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        // The description may name its patterns itself ("SGF(*.sgf)"); the
        // dialog names them from the pattern half, so that is dropped.
        std::string desc = parts[i];
        if (!desc.empty() && desc.back() == ')') {
            const std::size_t open = desc.rfind('(');
            if (open != std::string::npos)
                desc.erase(open);
        }
        while (!desc.empty() && desc.back() == ' ')
            desc.pop_back();
        std::string pattern = parts[i + 1];
        for (char& c : pattern)
            if (c == ';')
                c = ' ';
        out.push_back(desc + " (" + pattern + ")");
    }
    return out;
}

bool TFileMenu::Click(const std::string& name)
{
    using Handler = void (TFileMenu::*)();
    static const std::unordered_map<std::string, Handler> handlers = {
        {"mnuOpen", &TFileMenu::mnuOpenClick},         {"btnOpen", &TFileMenu::mnuOpenClick},
        {"mnuReopen1", &TFileMenu::mnuReopen1Click},   {"mnuReopen2", &TFileMenu::mnuReopen2Click},
        {"mnuReopen3", &TFileMenu::mnuReopen3Click},   {"mnuReopen4", &TFileMenu::mnuReopen4Click},
        {"mnuSave", &TFileMenu::mnuSaveClick},         {"btnSave", &TFileMenu::mnuSaveClick},
        {"mnuSaveAs", &TFileMenu::mnuSaveAsClick},     {"mnuTextOut", &TFileMenu::mnuTextOutClick},
        {"mnuInfo", &TFileMenu::mnuInfoClick},         {"mnuPrint", &TFileMenu::mnuPrintClick},
        {"mnuPrint2", &TFileMenu::mnuPrint2Click},     {"mnuPrintSet", &TFileMenu::mnuPrintSetClick},
        {"mnuTcpIp", &TFileMenu::mnuTcpIpClick},
    };
    const auto it = handlers.find(name);
    if (it == handlers.end())
        return false;
    (this->*(it->second))();
    return true;
}

// ---------------------------------------------------------------------------
// Opening

namespace {

// The game's timers while a record is chosen and read: the user has agreed
// to stop the game, so nothing is played or charged behind the dialog.
// When no record replaces the game, it goes on as it stood.
class TGamePause {
public:
    explicit TGamePause(TMainCtl& ctl) : ctl_(ctl)
    {
        TTurn& t = ctl_.Turn;
        saved_[0] = t.timThink.Enabled;
        saved_[1] = t.timVornVorn.Enabled;
        saved_[2] = t.timRenzoku.Enabled;
        if (ctl_.GameRunning == 1)
            t.GameTimersStop();
    }
    ~TGamePause()
    {
        if (ctl_.GameRunning != 1)
            return;
        TTurn& t = ctl_.Turn;
        t.TimerSet(t.timThink, saved_[0]);
        t.TimerSet(t.timVornVorn, saved_[1]);
        t.TimerSet(t.timRenzoku, saved_[2]);
    }
    TGamePause(const TGamePause&) = delete;
    TGamePause& operator=(const TGamePause&) = delete;

private:
    TMainCtl& ctl_;
    bool saved_[3] = {};
};

} // namespace

bool TFileMenu::GameGiveUpAsked()
{
    return ctl_.GameRunning != 1 || ctl_.prompt_.YesNo(Msg("Do you stop this Game?", "対局を中止してもいいですか？"));
}

bool TFileMenu::RecordRead(const std::string& fileName)
{
    // The header half reads and checks the whole file; a file that cannot
    // be read has been reported and left the game, running or not, alone.
    if (!KifuLoadHeader(fileName))
        return false;
    ctl_.GameStop();
    ctl_.Ban.IrhLabelsReset();
    // Laid out and painted for the record's board size before its stones.
    ctl_.FormResize();
    if (!KifuLoad(fileName)) {
        ctl_.BanClear();
        return false;
    }
    ctl_.ParamFile = fileName;
    ctl_.view_.CommentShow();
    ctl_.Nav.ButtonsUpdate();
    // The move label shows the last move, a pass included.
    ctl_.TjnInfoShow();
    MarkSaved();
    return true;
}

void TFileMenu::KifuOpened()
{
    // The game dialog shows the record's header; confirming it starts the game.
    GameInfoLock = 1;
    GameInfoMode = 1;
    ctl_.GameInfo.Show();
    ctl_.GameInfo.KifuInfoShow();
}

void TFileMenu::mnuOpenClick()
{
    if (GameInfoLock == 1 || ctl_.ExamMode == 1)
        return;
    if (!GameGiveUpAsked())
        return;
    const TGamePause pause(ctl_);
    TFileQuery query;
    query.filter = KifuOpenFilter();
    query.defaultExt = "ig1";
    if (!ctl_.prompt_.FileDialog(query))
        return;
    if (!RecordRead(query.fileName))
        return;
    ReopenAdd(ctl_.ParamFile);
    KifuOpened();
}

void TFileMenu::ReopenFile(const std::string& fileName)
{
    if (GameInfoLock == 1 || ctl_.ExamMode == 1 || fileName.empty())
        return;
    if (!GameGiveUpAsked())
        return;
    // The engine's look-ahead lines loaded for display belong to the game
    // that goes.
    ctl_.Overlay.SakiyomiCount = 0;
    {
        // A refusal of the file is a message box: the game waits behind it.
        const TGamePause pause(ctl_);
        if (!RecordRead(fileName))
            return;
    }
    KifuOpened();
    ReopenAdd(fileName);
}

void TFileMenu::mnuReopen1Click() { ReopenFile(ctl_.ReopenFiles[1]); }

void TFileMenu::mnuReopen2Click() { ReopenFile(ctl_.ReopenFiles[2]); }

void TFileMenu::mnuReopen3Click() { ReopenFile(ctl_.ReopenFiles[3]); }

void TFileMenu::mnuReopen4Click() { ReopenFile(ctl_.ReopenFiles[4]); }

void TFileMenu::ReopenAdd(std::string fileName)
{
    Arr<std::string, 1, 4>& files = ctl_.ReopenFiles;
    int i = 1;
    while (i <= 4 && files[i] != fileName)
        ++i;
    // Found: the names above it move down one place; not found: the whole
    // list does, and the oldest drops out.
    for (int k = i <= 4 ? i : 4; k >= 2; --k)
        files[k] = files[k - 1];
    files[1] = fileName;
    ReopenMenu();
}

void TFileMenu::ReopenMenu()
{
    // The list only ever grows during a run, so items once shown stay shown.
    for (int i = 1; i <= 4 && !ctl_.ReopenFiles[i].empty(); ++i) {
        TUiState& item = ctl_.ItemRef("mnuReopen" + std::to_string(i));
        item.caption = "&" + std::to_string(i) + " " + ctl_.ReopenFiles[i];
        item.visible = true;
    }
    ctl_.view_.ItemsChanged();
}

// ---------------------------------------------------------------------------
// Saving

bool TFileMenu::RecordWrite(const std::string& fileName)
{
    // A comment being typed belongs to the record that is written.
    ctl_.view_.CommentSave();
    // A format that cannot hold the whole game says what it leaves out
    // first; the user may keep the game unsaved instead.
    if (const TKifuFormat* format = KifuFormatOf(fileName); format != nullptr && format->write == KifuSaveIg1) {
        const std::string losses = KifuIg1Losses();
        if (!losses.empty() && !ctl_.prompt_.YesNo(losses))
            return false;
    }
    if (!KifuSave(fileName))
        return false;
    MarkSaved();
    return true;
}

namespace {

std::vector<Point> RecordMoves()
{
    const TTejun& t = GobanLv[0]->Tejun;
    std::vector<Point> moves;
    moves.reserve(static_cast<std::size_t>(t.Last()));
    for (int n = 1; n <= t.Last(); ++n)
        moves.push_back(t.GetTe(n));
    return moves;
}

} // namespace

void TFileMenu::MarkSaved() { savedMoves_ = RecordMoves(); }

bool TFileMenu::MovesSaved() const { return GobanLv[0]->Tejun.Last() == 0 || RecordMoves() == savedMoves_; }

bool TFileMenu::CloseAsked()
{
    if (MovesSaved() || ctl_.Thinking == 1)
        return true;
    switch (ctl_.prompt_.SaveDiscardCancel(
        Msg("The moves of this game are not saved. Save them before VORN ends?",
            "この対局の手順は保存されていません。終了する前に保存しますか？"))) {
    case TPrompt::anDiscard: return true;
    case TPrompt::anCancel: return false;
    case TPrompt::anSave: break;
    }
    // Saved under the record's name, else under one asked for; a save that
    // did not happen keeps the window open.
    if (ctl_.ParamFile.empty())
        SaveUnderAskedName();
    else
        RecordWrite(ctl_.ParamFile);
    return MovesSaved();
}

void TFileMenu::mnuSaveClick()
{
    if (GameInfoLock == 1 || ctl_.Thinking == 1)
        return;
    if (ctl_.ParamFile.empty()) {
        mnuSaveAsClick();
        return;
    }
    RecordWrite(ctl_.ParamFile);
}

void TFileMenu::mnuSaveAsClick()
{
    if (GameInfoLock == 1 || ctl_.Thinking == 1)
        return;
    SaveUnderAskedName();
}

void TFileMenu::SaveUnderAskedName()
{
    TFileQuery query;
    query.save = true;
    query.filter = KifuSaveFilter(Language);
    query.defaultExt = "sgf";
    query.fileName = ctl_.ParamFile;
    if (!ctl_.prompt_.FileDialog(query))
        return;
    // A name the writers do not know has been reported; it becomes neither
    // the record's name nor a recent file.
    if (!RecordWrite(query.fileName))
        return;
    ctl_.ParamFile = query.fileName;
    ReopenAdd(ctl_.ParamFile);
}

void TFileMenu::mnuTextOutClick()
{
    TFileQuery query;
    query.save = true;
    query.filter = kTextOutFilter;
    query.fileName = TextOutFile;
    if (!ctl_.prompt_.FileDialog(query))
        return;
    TextOutFile = query.fileName;
    TextDiagramWrite(TextOutFile);
}

// ---------------------------------------------------------------------------
// Information, printing, links

void TFileMenu::mnuInfoClick()
{
    if (ctl_.GameRunning == 1)
        ctl_.GameInfo.Show();
}

void TFileMenu::mnuPrintClick()
{
    ctl_.view_.WaitCursor(true);
    ctl_.view_.FormPrint();
    ctl_.view_.WaitCursor(false);
}

void TFileMenu::mnuPrint2Click()
{
    ctl_.view_.WaitCursor(true);
    ctl_.view_.KifuPrint();
    ctl_.view_.WaitCursor(false);
}

void TFileMenu::mnuPrintSetClick() { ctl_.view_.PrinterSetupShow(); }

void TFileMenu::mnuTcpIpClick()
{
    ctl_.Tcp.Show();
}

void TFileMenu::TextDiagramWrite(const std::string& fileName)
{
    // A failure to write has been reported by the writer.
    KifuTextOut(fileName);
}

} // namespace vorn
