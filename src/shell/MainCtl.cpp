#include "shell/MainCtl.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include <unistd.h>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Rand.h"
#include "board/Sicho.h"
#include "engine/Fault.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Sikatu.h"
#include "engine/Yose.h"
#include "records/Kifu.h"
#include "records/KifuIg1.h"
#include "shell/IniFile.h"

namespace vorn {

namespace {

// What a display switch does on a click besides toggling and storing itself.
enum TSwitchAction { saNone, saPaint, saResize, saNavCaptions };

struct TSwitch {
    const char* menu;
    const char* key;  // under section "Form"
    TSwitchAction action;
};

// The display switches kept in VORN.INI, in the order they are read.
const TSwitch kSwitches[] = {
    {"mnuRen", "Ren", saNone},          {"mnuLocate", "Locate", saNone},
    {"mnuGun", "Gun", saNone},          {"mnuKankei", "Relation", saNone},
    {"mnuJi", "Ji", saNone},            {"mnuBanLeft", "BanLeft", saResize},
    {"mnuComment", "Comment", saNone},  {"mnuDspDeath", "Death", saPaint},
    {"mnuSemeai", "Semeai", saPaint},   {"mnuDspAtari", "Atari", saPaint},
    {"mnuNumber", "Bango", saPaint},    {"mnuDspThink", "Think", saNone},
    {"mnuDspSakiyomi", "Sakiyomi", saNone}, {"mnuDspJi", "Jiai", saPaint},
    {"mnuLink", "Link", saPaint},       {"mnuWeakGun", "WeakGun", saNone},
    {"mnuKoho", "Koho", saNone},        {"mnuToCmt", "ToComment", saNavCaptions},
    {"mnuHyoka", "Hyoka", saNone},
};

const TSwitch* FindSwitch(const std::string& menu)
{
    for (const TSwitch& s : kSwitches)
        if (menu == s.menu)
            return &s;
    return nullptr;
}

std::string Format2(const char* format, int a, int b)
{
    char buf[256];
    std::snprintf(buf, sizeof buf, format, a, b);
    return buf;
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// Moves a file to a new name that must not exist yet; never replaces a file.
// Answers 0 when moved, EEXIST when the name is taken, another errno else.
int MoveToFreeName(const std::string& from, const std::string& to)
{
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    const int err = errno;
    if (err == EEXIST)
        return EEXIST;
    // A file system without hard links: rename, after checking the name.
    if (FileExists(to))
        return EEXIST;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : (errno != 0 ? errno : EIO);
}

} // namespace

TMainCtl::TMainCtl(TMainView& view, TCanvas& canvas, TPrompt& prompt)
    : GameInfo(*this), Turn(*this), Score(*this), Ban(canvas), IniPath(VornIniPath()), view_(view), prompt_(prompt)
{
    const std::vector<TUiDesign>& design = UiDesign();
    items_.resize(design.size());
    for (std::size_t i = 0; i < design.size(); ++i) {
        const TUiDesign& d = design[i];
        items_[i].caption = d.caption;
        items_[i].visible = d.visible;
        items_[i].enabled = d.enabled;
        if (d.kind != ukSeparator)
            itemIndex_.emplace(d.name, i);
    }
}

TMainCtl::~TMainCtl()
{
    if (&Shell() == this)
        SetShellHooks(nullptr);
}

// ---------------------------------------------------------------------------
// Menu items and tool buttons

const TUiState& TMainCtl::Item(const std::string& name) const
{
    static const TUiState none;
    const auto it = itemIndex_.find(name);
    return it == itemIndex_.end() ? none : items_[it->second];
}

TUiState& TMainCtl::ItemRef(const std::string& name)
{
    static TUiState scratch;
    const auto it = itemIndex_.find(name);
    if (it == itemIndex_.end()) {
        scratch = TUiState{};
        return scratch;
    }
    return items_[it->second];
}

void TMainCtl::SetChecked(const std::string& name, bool on)
{
    ItemRef(name).checked = on;
    view_.ItemsChanged();
}

void TMainCtl::SetEnabled(const std::string& name, bool on)
{
    ItemRef(name).enabled = on;
    view_.ItemsChanged();
}

void TMainCtl::SetVisible(const std::string& name, bool on)
{
    ItemRef(name).visible = on;
    // The developer menu shown is developer mode, and the engine's trace log
    // is written exactly then.
    if (name == "mnuDev")
        DevMode = LogMode = on ? 1 : 0;
    view_.ItemsChanged();
}

void TMainCtl::Click(const std::string& name)
{
    using Handler = void (TMainCtl::*)();
    static const std::unordered_map<std::string, Handler> handlers = {
        {"mnuExit", &TMainCtl::mnuExitClick},
        {"mnuAbout", &TMainCtl::mnuAboutClick},
        {"mnuColor", &TMainCtl::mnuColorClick},
        {"mnuSound", &TMainCtl::mnuSoundClick},
        {"mnuVornMove", &TMainCtl::mnuVornMoveClick},
        {"mnuContents", &TMainCtl::mnuContentsClick},
        {"mnuHomePage", &TMainCtl::mnuHomePageClick},
        {"mnuEnglish", &TMainCtl::mnuEnglishClick},
        {"mnuJapanese", &TMainCtl::mnuJapaneseClick},
        {"mnuChinese", &TMainCtl::mnuChineseClick},
        {"mnuNumber", &TMainCtl::mnuNumberClick},
        {"mnuBanLeft", &TMainCtl::mnuBanLeftClick},
        {"mnuOneColor", &TMainCtl::mnuOneColorClick},
        {"mnuDeploy", &TMainCtl::mnuDeployClick},
        {"mnuDeployClr", &TMainCtl::mnuDeployClrClick},
        {"mnuNew", &TMainCtl::mnuNewClick},
        {"btnNew", &TMainCtl::mnuNewClick},
    };
    if (const auto it = handlers.find(name); it != handlers.end()) {
        (this->*(it->second))();
        return;
    }
    if (Nav.Click(name) || Files.Click(name) || Turn.Click(name) || Score.Click(name) || Overlay.Click(name)
        || DevMenu.Click(name) || Nintei.Click(name))
        return;
    if (FindSwitch(name) != nullptr) {
        SwitchToggle(name);
        return;
    }
    // Switches that are not stored.
    if (name == "mnuKind")
        SetChecked(name, !Checked(name));
}

void TMainCtl::SwitchToggle(const std::string& name)
{
    const TSwitch* s = FindSwitch(name);
    if (s == nullptr)
        return;
    const bool on = !Checked(name);
    SetChecked(name, on);
    DspSakiyomi = Checked("mnuDspSakiyomi") ? 1 : 0;
    {
        TIniFile ini(IniPath);
        ini.WriteOnOff("Form", s->key, on);
    }
    switch (s->action) {
    case saPaint: FormPaint(); break;
    case saResize: FormResize(); break;
    case saNavCaptions: NavCaptionLoad(ExeDir + CaptionFileName(Language)); break;
    case saNone: break;
    }
}

void TMainCtl::mnuNumberClick() { SwitchToggle("mnuNumber"); }

void TMainCtl::mnuBanLeftClick() { SwitchToggle("mnuBanLeft"); }

void TMainCtl::mnuOneColorClick()
{
    SetChecked("mnuOneColor", !Checked("mnuOneColor"));
    FormPaint();
}

void TMainCtl::mnuDeployClick()
{
    const bool on = !Checked("mnuDeploy");
    SetChecked("mnuDeploy", on);
    TIniFile ini(IniPath);
    ini.WriteOnOff("Form", "Haiti", on);
}

void TMainCtl::mnuDeployClrClick()
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (HaitiBan[x][y] != 0) {
                TShellHooks::HaitiIsi(kAki, x, y);
                Ban.BanPointPaint(x, y, Ban.BanColor);
            }
    AnalyzeBoard0();
    Ban.Canvas().Show(false);
}

void TMainCtl::mnuExitClick()
{
    if (ExamMode == 1)
        return;
    view_.CloseWindow();
}

void TMainCtl::mnuAboutClick() { view_.AboutShow(); }

void TMainCtl::mnuColorClick() { view_.ColorDialogShow(); }

void TMainCtl::mnuSoundClick() { view_.SoundDialogShow(); }

void TMainCtl::mnuVornMoveClick() { view_.UtikataShow(); }

void TMainCtl::mnuContentsClick() { view_.HelpContentsShow(); }

void TMainCtl::mnuHomePageClick()
{
    const std::string address = HomePageAddress(Language);
    if (!address.empty())
        view_.OpenDocument(address);
}

void TMainCtl::ShowHint(const std::string& hint) { view_.SetStatusText(hint); }

// ---------------------------------------------------------------------------
// Language and captions

void TMainCtl::LanguageSelect(int language)
{
    Language = language;
    {
        TIniFile ini(IniPath);
        ini.WriteInteger("Form", "Language", language);
    }
    ItemRef("mnuEnglish").checked = language == lgEnglish;
    ItemRef("mnuJapanese").checked = language == lgJapanese;
    ItemRef("mnuChinese").checked = language == lgChinese;
    LanguageLoad(ExeDir + CaptionFileName(language));
    if (language == lgEnglish || language == lgJapanese)
        for (const std::string& b : HintButtons())
            ItemRef(b).hint = ButtonHint(language, b);
    view_.ItemsChanged();
    // The move label and the windows that are open follow.
    TjnInfoCaption();
    GameInfo.LanguageChanged();
    CommntF.FormActivate();
    if (Tcp.Visible)
        Tcp.FormActivate();
    view_.LanguageChanged(language);
}

// A caption that the file lacks (or leaves empty) is the built-in one, so a
// missing or damaged caption file never leaves a menu without text.
static std::string CaptionOf(const TIniFile& f, const std::string& key)
{
    std::string v = f.ReadString("Main", key, "");
    return v.empty() ? BuiltinCaption(Language, key) : v;
}

void TMainCtl::LanguageLoad(const std::string& captionFile)
{
    const TIniFile f(captionFile);
    caption_ = CaptionOf(f, "Caption");
    view_.SetCaption(caption_);
    for (const std::string& key : CaptionKeys()) {
        if (key == "Caption" || key == "mnuPrev10" || key == "mnuNext10" || key == "mnuPrevComment"
            || key == "mnuNextComment")
            continue;
        ItemRef(key).caption = CaptionOf(f, key);
    }
    NavCaptionLoad(captionFile);
}

void TMainCtl::NavCaptionLoad(const std::string& captionFile)
{
    const TIniFile f(captionFile);
    const bool toComment = Checked("mnuToCmt");
    ItemRef("mnuPrev10").caption = CaptionOf(f, toComment ? "mnuPrevComment" : "mnuPrev10");
    ItemRef("mnuNext10").caption = CaptionOf(f, toComment ? "mnuNextComment" : "mnuNext10");
    view_.ItemsChanged();
}

// ---------------------------------------------------------------------------
// Start-up and shutdown

void TMainCtl::FormCreate(const std::string& exeDir, const std::vector<std::string>& args)
{
    FormCreated = 0;
    SetShellHooks(this);

    CreateGobanLv();
    for (int i = 1; i <= 10; ++i)
        if (!SakiyomiTejun[i])
            SakiyomiTejun[i] = std::make_unique<TTejun>();
    DictionariesCreate();
    Level = 0;

    ExeDir = exeDir;
    if (ExeDir.empty() || ExeDir.back() != '/')
        ExeDir += '/';

    IniPath = VornIniPath();
    TIniFile ini(IniPath);
    UserName = ini.ReadString("Form", "UserName", "");

    BoardSize = ini.ReadInteger("Goban", "Size", 19);
    if (BoardSize > 19)
        BoardSize = 19;
    if (BoardSize < 9)
        BoardSize = 9;
    Handicap = ini.ReadInteger("Goban", "OkiIsi", 0);
    if (Handicap < 0 || Handicap > 9)
        Handicap = 0;
    Ban.BanColor = ini.ReadInteger("Goban", "BanColor", clOlive);
    Ban.KuroIsiColor = ini.ReadInteger("Goban", "KuroIsiColor", clBlack);
    Ban.SiroIsiColor = ini.ReadInteger("Goban", "SiroIsiColor", clWhite);

    GobanLv[0]->NewGame();

    const int left = ini.ReadInteger("Form", "Left", 0);
    const int top = ini.ReadInteger("Form", "Top", 0);
    const int width = ini.ReadInteger("Form", "Width", 400);
    const int height = ini.ReadInteger("Form", "Height", 430);
    view_.SetBounds(left, top, width, height);
    if (height <= 27)
        view_.SetClientHeight(height + 323 + view_.PanelHeight() + view_.StatusHeight());

    for (const TSwitch& s : kSwitches)
        ItemRef(s.menu).checked = ini.ReadOnOff("Form", s.key);
    DspSakiyomi = Checked("mnuDspSakiyomi") ? 1 : 0;

    const int language = ini.ReadInteger("Form", "Language", lgJapanese);
    LanguageSelect(language == lgJapanese || language == lgChinese ? language : lgEnglish);

    SoundOn = ini.ReadOnOff("Form", "Sound") ? 1 : 0;

    VsComputerMode = ini.ReadInteger("Utikata", "VsComputerMode", 0) == 1 ? 1 : 0;
    YomiSikatuMode = ini.ReadInteger("Utikata", "YomiSikatuMode", 1) == 1 ? 1 : 0;
    SakiyomiMode = ini.ReadInteger("Utikata", "SakiyomiMode", 1) == 1 ? 1 : 0;
    YomiWide = ini.ReadInteger("Utikata", "YomiWide", 3);
    YomiDeep = ini.ReadInteger("Utikata", "YomiDeep", 6);
    YomiTime = ini.ReadInteger("Utikata", "YomiTime", 40);

    WhiteSound = ini.ReadString("Form", "WhiteSound", "");
    BlackSound = ini.ReadString("Form", "BlackSound", "");
    for (int i = 1; i <= 4; ++i)
        ReopenFiles[i] = ini.ReadString("Form", "File" + std::to_string(i), "");
    Files.ReopenMenu();

    SetVisible("mnuDev", DevMode == 1);
    FormCreated = 1;
    Randomize();

    RenzokuCount = 0;
    RunningRecordTake();

    if (!args.empty()) {
        ParamFile = args[0];
        view_.StartParamTimer(500);
    }
    RepaintNeeded = 0;
    HintMode = 0;
    ExamMode = 0;
    NoLastMark = 0;
    GameInfo.FormCreate();
    Com.FormCreate();
    // The dialogs made at start-up take the settings just read; the sound
    // lists are the wave files of the current directory.
    BanIsiColor.FormCreate();
    {
        std::error_code ec;
        OtoDlg.FormCreate(std::filesystem::current_path(ec).string());
    }
    CommntF.FormCreate();
    DevViews.FormCreate();
    view_.ItemsChanged();
}

void TMainCtl::RunningRecordTake()
{
    KifuRecName = ExeDir + "bug.ig1";
    // A lock that cannot be made at all (a directory without write access)
    // leaves the record to this copy, as it would be without one.
    ownsRunRecord_ = runLock_.Acquire(KifuRecName + ".lock") != TRunLock::lsBusy;
    if (!ownsRunRecord_) {
        // Another copy writes this record now: it stays as that copy has it.
        // The user is told once, in a message that stays until it is read
        // (the status bar is narrow and the next status text replaces it).
        KifuRecOn = 0;
        prompt_.Message(Msg("Another VORN is running: this one keeps no running record (bug.ig1)",
                            "VORNがもう一つ動いています：こちらは対局の記録(bug.ig1)を残しません"));
        return;
    }
    KifuRecOn = 1;
    RecoverRunningRecord();
}

void TMainCtl::RecoverRunningRecord()
{
    if (!FileExists(KifuRecName))
        return;
    if (DevMode != 1)
        prompt_.Message(Msg("Email us when the game closed inappropriately",
                            "異常終了した場合は作者までメールください"));
    // The first free number, so that older records are never overwritten.
    // Another failure than a taken name gives up and leaves the file.
    for (int n = 1; n <= 100000; ++n) {
        const int r = MoveToFreeName(KifuRecName, ExeDir + "bug" + std::to_string(n) + ".ig1");
        if (r != EEXIST)
            return;
    }
}

void TMainCtl::timParamTimer()
{
    if (ParamFile.empty())
        return;
    // A file that cannot be read has been reported and changed nothing.
    if (!Files.RecordRead(ParamFile))
        return;
    Files.ReopenAdd(ParamFile);
    Files.KifuOpened();
}

bool TMainCtl::FormCloseQuery() { return Files.CloseAsked(); }

void TMainCtl::FormClose()
{
    FormCreated = 0;
    {
        TIniFile ini(IniPath);
        ini.WriteInteger("Goban", "Size", BoardSize);
        ini.WriteInteger("Goban", "OkiIsi", Handicap);
        int left, top, width, height;
        view_.GetBounds(left, top, width, height);
        ini.WriteInteger("Form", "Left", left);
        ini.WriteInteger("Form", "Top", top);
        ini.WriteInteger("Form", "Width", width);
        ini.WriteInteger("Form", "Height", height);
        for (int i = 1; i <= 4; ++i)
            if (!ReopenFiles[i].empty())
                ini.WriteString("Form", "File" + std::to_string(i), ReopenFiles[i]);
    }
    GameInfo.FormDestroy();
    Com.FormDestroy();
    CommntF.FormDestroy();
    DevViews.FormDestroy();
    Turn.GameTimersStop();
    DictionariesClose();
    // While the engine is thinking the running record stays, and the next
    // start sets it aside.  A copy that kept none leaves it to its owner.
    if (Thinking == 0 && ownsRunRecord_)
        std::remove(KifuRecName.c_str());
    runLock_.Release();
    ownsRunRecord_ = false;
    if (&Shell() == this)
        SetShellHooks(nullptr);
}

// ---------------------------------------------------------------------------
// Painting

void TMainCtl::FormResize()
{
    Ban.Canvas().FillRect(0, 0, view_.ClientWidth(), view_.ClientHeight(), clFormBack);
    FormPaint();
}

void TMainCtl::FormPaint()
{
    if (FormCreated == 0)
        return;
    Ban.SetGeometry(CalcBanGeometry(view_.ClientWidth(), view_.ClientHeight(), view_.PanelHeight(),
                                    view_.StatusHeight(), BoardSize, Checked("mnuBanLeft")));
    Ban.OneColor = Checked("mnuOneColor");
    Ban.BoardPaint();
    Ban.IsiPaintAll();
    if (GameOver == 1)
        DeadStonesPaint();
    const Point cur = GobanLv[0]->Tejun.CurTe();
    if (cur.x > 0)
        Ban.LastMarkDraw(cur.x, cur.y);
    if (GameOver == 1) {
        JiPaint();
    } else {
        Ban.IrhLabelPaint();
        RepaintNeeded = 0;
        if (ExamMode != 1)
            OverlayPaint();
    }
    Ban.Canvas().Show(false);
}

void TMainCtl::KankeiPaint(bool linksOnly)
{
    Arr<Point, 1, kLocateCallMax> points;
    Arr<int, 1, kLocateCallMax> values;
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if (c != kKuro && c != kSiro)
                continue;
            const int n = LocateCall(x, y, points, values);
            for (int i = 1; i <= n; ++i) {
                const Point q = points[i];
                if (linksOnly && (values[i] == 0 || !b.OnBoardPt(q)))
                    continue;
                Ban.KankeiDraw(x, y, q.x, q.y, values[i]);
            }
        }
}

// ---------------------------------------------------------------------------
// Playing

void TMainCtl::FormMouseDown(int button, int px, int py)
{
    if (Checked("mnuDeploy")) {
        if (button == mbLeft)
            HaitiClick(px, py, kKuro);
        else if (button == mbRight)
            HaitiClick(px, py, kSiro);
        return;
    }
    if (button == mbLeft)
        MouseUtu(px, py);
    else if (button == mbRight)
        SichoQuery(px, py);
}

bool TMainCtl::HaitiFree(int x, int y) const
{
    const TTejun& t = GobanLv[0]->Tejun;
    for (int n = 1; n <= t.Current(); ++n)
        if (t.GetTe(n) == Point(x, y))
            return false;
    return true;
}

bool TMainCtl::HaitiKeepsLiberties(int colour, int x, int y)
{
    TGoban& b = *GobanLv[0];
    b.SetIro(x, y, colour);
    bool ok = true;
    FloodFillOn(b, x, y);
    if (FloodNoKuuOn(b))
        ok = false;
    for (int d = 1; d <= 4 && ok; ++d)
        if (b.GetIro(x + Dir4X[d], y + Dir4Y[d]) == Aite(colour)) {
            FloodFillOn(b, x + Dir4X[d], y + Dir4Y[d]);
            if (FloodNoKuuOn(b))
                ok = false;
        }
    b.SetIro(x, y, kAki);
    return ok;
}

void TMainCtl::HaitiClick(int px, int py, int colour)
{
    if (GameRunning != 1 || Thinking == 1)
        return;
    Point p;
    if (!Ban.PixelToPoint(px, py, p))
        return;
    const TGoban& b = *GobanLv[0];
    if (HaitiBan[p.x][p.y] != 0) {
        // Removal, only while the placed stone is still there.
        if (b.GetIro(p.x, p.y) != HaitiBan[p.x][p.y])
            return;
        colour = kAki;
    } else {
        // A setup stone goes on an empty point only, and never leaves a
        // chain of either colour without a liberty.
        if (!HaitiFree(p.x, p.y) || b.GetIro(p.x, p.y) != kAki || !HaitiKeepsLiberties(colour, p.x, p.y))
            return;
    }
    HaitiIsi(colour, p.x, p.y);
    AnalyzeBoard0();
}

void TMainCtl::MouseUtu(int px, int py)
{
    if (GameRunning != 1 || Thinking == 1)
        return;
    const TGoban& b = *GobanLv[0];
    const int c = b.Tejun.NextColor();
    if (GameOver != 1 && PlayerKind[c] != pkHuman)
        return;
    if (b.Tejun.Current() != b.Tejun.Last())
        return;
    if (px < Ban.BanX || py < Ban.BanY)
        return;
    Point p;
    if (!Ban.PixelToPoint(px, py, p)) {
        FormPaint();
        return;
    }
    if (!BanUtu(p.x, p.y, 0))
        return;
    ExamAddMove(b.Tejun.Current(), p);
    if (GameOver != 0)
        return;
    switch (const int kind = PlayerKind[Aite(c)]) {
    case pkComputer: ComUtu(); break;
    case pkSerial:
    case pkTcp:
    case pkNngs: view_.SendMove(kind, p.x, p.y, c); break;
    default: break;
    }
}

bool TMainCtl::BanUtu(int x, int y, int noAnalyze)
{
    // Moves come from clicks, the engine, records and peers: a point off the
    // board is refused before it indexes anything.
    if (x < 1 || y < 1 || x > BoardSize || y > BoardSize)
        return false;
    TGoban& b = *GobanLv[0];
    if (view_.CommentShown())
        view_.CommentSave();
    const int c = b.Tejun.NextColor();
    const int r = b.Utu(x, y);
    if (r != kUtuOk) {
        Refuse(r, x, y);
        return false;
    }
    if (view_.CommentShown())
        view_.CommentClear();
    const int n = b.Tejun.Current();
    if (n > 1) {
        const Point prev = b.Tejun.GetTe(n - 1);
        if (prev.x > 0)
            Ban.IsiDraw(Aite(c), prev.x, prev.y);
    }
    Ban.IsiDraw(c, x, y);
    view_.OtoPlay(c);
    for (int i = 1; i <= ToruListSu; ++i)
        Ban.IsiErase(ToruListX[i], ToruListY[i]);
    Ban.LastMarkDraw(x, y);
    TjnInfoShow();
    if (noAnalyze == 0) {
        AnalyzeBoard0();
        DspRefresh();
        FollowMove(Point(x, y), c);
    }
    BackButtons(true);
    PassCount = 0;
    if (KifuRecOn == 1)
        KifuRecAddMove();
    Ban.Canvas().Show(false);
    return true;
}

void TMainCtl::Refuse(int code, int x, int y)
{
    switch (code) {
    case kUtuOccupied:
        if (GameOver == 1)
            SiIsiToggle(x, y);
        if (Thinking == 1)
            prompt_.Message(Format2(Msg("Forbidden move：<%d,%d>The point is already occupied",
                                        "禁じ手：<%d,%d>既に打たれています"),
                                    x, y));
        break;
    case kUtuSuicide:
        prompt_.Message(Format2(Msg("Forbidden move：<%d,%d>A move taken up right after you made a move",
                                    "禁じ手：<%d,%d>打ったと同時に取られてしまう手"),
                                x, y));
        break;
    case kUtuKou:
        prompt_.Message(Format2(Msg("Forbidden move：<%d,%d>Ko cannot be regained immediately",
                                    "禁じ手：<%d,%d>コウはすぐ取り返せません"),
                                x, y));
        break;
    default:
        // A full record has shown its own message.
        break;
    }
}

void TMainCtl::SichoQuery(int px, int py)
{
    if (GameRunning != 1 || Thinking == 1)
        return;
    const TGoban& b = *GobanLv[0];
    if (GameOver != 1 && PlayerKind[b.Tejun.NextColor()] != pkHuman)
        return;
    Point p;
    if (!Ban.PixelToPoint(px, py, p))
        return;
    SakiyomiLineShow(p.x, p.y);
    // After the end of a game the analysis stands with the user's dead-chain
    // marks, which the count shows: a new one would drop them.
    if (GameOver != 1)
        AnalyzeBoard0();
    TRen* ren = b.RenList.RenAt(p.x, p.y);
    if (ren == nullptr || ren->GetIro() == kAki)
        return;
    const int libs = ren->Kuu();
    if (libs > 2 || ExamMode == 1)
        return;
    if (RepaintNeeded == 1)
        FormPaint();
    int result = 0, kind = 0;
    if (!SichoRead(libs, ren->GetIsi(1), result, kind))
        return;
    // The reading's sequence, numbered on the board.
    int col = libs == 1 ? ren->GetIro() : Aite(ren->GetIro());
    for (int i = 1; i <= ren->SichoCount(); ++i) {
        const Point q = ren->SichoTe(i);
        if (q.x == 0)
            break;
        Ban.NumberedIsiDraw(col, i, q);
        col = Aite(col);
    }
    RepaintNeeded = 1;
    std::string text;
    if (result != 1) {
        text = Msg("You cannot get by the ladder", "シチョウで取れません");
        if (kind == 4)
            text += Msg(". But you can narrow", "がシボル事ができます");
    } else {
        switch (ren->GetSicho()) {
        case 1: text = Msg("You can get by the ladder", "シチョウで取れます"); break;
        case 2: text = Msg("You can get by Geta", "ゲタで取れます"); break;
        case 3: text = Msg("You can get by Atari Geta", "アタリゲタで取れます"); break;
        default: break;
        }
    }
    view_.SetStatusText(text);
    Ban.Canvas().Show(false);
}

void TMainCtl::ErrorShow(const std::string& message)
{
    FaultRecover();
    FaultLog(FaultReport("error", message));
    Thinking = 0;
    view_.WaitCursor(false);
    if (FormCreated == 1)
        FormPaint();
    prompt_.Message(message);
}

void TMainCtl::DspRefresh()
{
    if (Checked("mnuDspDeath") || Checked("mnuDspJi") || Checked("mnuNumber") || Checked("mnuSemeai")
        || RepaintNeeded == 1) {
        RepaintNeeded = 0;
        FormPaint();
    }
    if (DevMode == 1) {
        DevViewsRefresh();
        FormPaint();
    }
}

std::string TMainCtl::TjnInfoText(int n, int colour, Point p, int language)
{
    if (n <= 0)
        return "";
    const std::string where = std::to_string(p.x) + "-" + std::to_string(p.y);
    if (language == lgJapanese)
        return "第" + std::to_string(n) + "手 " + (colour == kKuro ? "黒" : "白") + (p.x == 0 ? "パス" : where);
    return std::to_string(n) + " " + (colour == kKuro ? "Black" : "White") + (p.x == 0 ? "Pass" : where);
}

void TMainCtl::TjnInfoCaption()
{
    if (GobanLv[0] == nullptr)
        return;
    const TTejun& t = GobanLv[0]->Tejun;
    const int n = t.Current();
    view_.SetTjnInfo(n == 0 ? "" : TjnInfoText(n, t.TeColor(n), t.GetTe(n), Language));
}

void TMainCtl::TjnInfoShow()
{
    TjnInfoCaption();
    const TTejun& t = GobanLv[0]->Tejun;
    GameInfo.HamaShow(t.Hama(kKuro), t.Hama(kSiro));
    Ban.IrhLabelPaint();
}

void TMainCtl::BackButtons(bool enable)
{
    for (const char* name : {"btnPrev", "mnuPrev", "btnPrev10", "mnuPrev10", "btnFirst", "mnuFirst"})
        ItemRef(name).enabled = enable;
    view_.ItemsChanged();
}

void TMainCtl::ForwardButtons(bool enable)
{
    for (const char* name : {"btnNext", "mnuNext", "btnNext10", "mnuNext10", "btnLast", "mnuLast", "mnuDel"})
        ItemRef(name).enabled = enable;
    view_.ItemsChanged();
}

void TMainCtl::BanClear()
{
    GobanLv[0]->NewGame();
    TjnInfoShow();
    BackButtons(false);
    FormPaint();
}

void TMainCtl::mnuNewClick()
{
    if (GameInfoLock == 1 || ExamMode == 1)
        return;
    if (GameRunning == 1) {
        if (!prompt_.YesNo(Msg("Do you stop this Game?", "対局を中止してもいいですか？")))
            return;
        GameStop();
    }
    ParamFile.clear();
    GameInfoLock = 1;
    GameInfoMode = 0;
    GameInfo.Show();
    GameInfo.NewGameShow();
}

void TMainCtl::GameStop()
{
    if (GameRunning != 1)
        return;
    GameRunning = 0;
    Turn.GameTimersStop();
    ItemRef("mnuPlay").enabled = false;
    ItemRef("mnuEnd").checked = false;
    GameOver = 0;
    DictionariesClose();
    if (GameInfo.SerialInGame == 1)
        Com.GameStop();
    view_.ItemsChanged();
    GameInfo.Show();
}

// ---------------------------------------------------------------------------
// Game links

std::string TMainCtl::WinText(int winner, bool onTime, int language)
{
    if (language == lgEnglish)
        return std::string(winner == kKuro ? "Black" : "White") + (onTime ? " Win on time" : " Win");
    return std::string(winner == kKuro ? "黒" : "白") + (onTime ? "時間切れ勝ち" : "中押し勝ち");
}

void TMainCtl::LinkGameEnd(const std::string& status, const std::string& result, bool stop)
{
    if (GameRunning != 1)
        return;
    view_.SetStatusText(status);
    if (!result.empty()) {
        GameInfo.edtResult.Text = result;
        GameInfo.Changed();
    }
    if (stop) {
        GameStop();
        return;
    }
    GameOver = 1;
    Turn.GameTimersStop();
}

void TMainCtl::LinkGameStop()
{
    if (GameRunning != 1)
        return;
    GameStop();
    view_.SetStatusText(Msg("The game was stopped.", "対局を中止しました。"));
}

void TMainCtl::PeerMoveShown()
{
    if (GameRunning == 1 && GameOver == 1)
        view_.SetStatusText(Msg("Game end", "終局です"));
}

// ---------------------------------------------------------------------------
// Calls from the core

void TMainCtl::HaitiIsi(int colour, int x, int y)
{
    if (x < 1 || y < 1 || x > BoardSize || y > BoardSize || colour < kAki || colour > kSiro)
        return;
    TShellHooks::HaitiIsi(colour, x, y);
    if (colour == kAki)
        Ban.IsiErase(x, y);
    else
        Ban.IsiDraw(colour, x, y);
    Ban.Canvas().Show(false);
}

void TMainCtl::IsiDraw(int colour, int x, int y)
{
    Ban.IsiDraw(colour, x, y);
    Ban.Canvas().Show(false);
}

void TMainCtl::ThinkIsiDraw(int colour, Point p)
{
    if (!(Checked("mnuDspThink") || (Checked("mnuDspSakiyomi") && Level <= 0)))
        return;
    Ban.IsiDraw(colour, p.x, p.y);
    Ban.Canvas().Show(true);
}

void TMainCtl::ThinkIsiErase(Point p)
{
    if (!(Checked("mnuDspThink") || (Checked("mnuDspSakiyomi") && Level <= 0)))
        return;
    if (p.x > 0)
        Ban.IsiErase(p.x, p.y);
    Ban.Canvas().Show(true);
}

void TMainCtl::BangoDraw(int colour, int n, int x, int y)
{
    Ban.BangoDraw(colour, n, x, y);
    Ban.Canvas().Show(true);
}

void TMainCtl::StatusText(const std::string& text) { view_.SetStatusText(text); }

void TMainCtl::ShowMessage(const std::string& text) { prompt_.Message(text); }

// ---------------------------------------------------------------------------
// Calls into units built elsewhere.  Each function is the one place where the
// shell reaches that unit; those marked "Not built yet" do nothing until the
// unit lands.

void TMainCtl::AnalyzeBoard0()
{
    // The full analysis of board 0: chains, relations, groups, regions, life
    // and death, area map.
    GobanLv[0]->Analyze();
}

bool TMainCtl::SichoRead(int libs, Point p, int& result, int& kind)
{
    // A two-liberty chain: the ladder, then the nets (SichoKind 4 when a
    // squeeze was found); a chain in atari: its extension.
    result = libs == 2 ? SichoCheck2(p) : SichoAtariCheck(p);
    kind = libs == 2 ? SichoKind : 0;
    if (result == 1)
        if (const TRen* r = CurGoban().RenList.RenAtPt(p))
            SichoKind = r->SichoStatus();
    return true;
}

int TMainCtl::LocateCall(int x, int y, Arr<Point, 1, kLocateCallMax>& points, Arr<int, 1, kLocateCallMax>& values)
{
    const TGoban& b = *GobanLv[0];
    if (!b.OnBoard(x, y))
        return 0;
    return b.LocateCall(x, y, points, values);
}

void TMainCtl::FollowMove(Point p, int colour)
{
    JosekiFeed(p, colour);
    ZenbanFollow(p);
    // The endgame values around the move are read again.
    YoseCacheInvalidate(p);
}

void TMainCtl::ExamAddMove(int n, Point p) { Nintei.ExamAddMove(n, p); }

void TMainCtl::SakiyomiLineShow(int x, int y) { Overlay.SakiyomiLineShow(x, y); }

void TMainCtl::OverlayPaint() { Overlay.Paint(); }

void TMainCtl::DevViewsRefresh() { view_.DevViewsRefresh(); }

void TMainCtl::DictionariesCreate()
{
    // The dictionaries (ZenbanLjsk, JosekiLjsk) are the engine's own
    // program-wide objects; they start closed.
    JosekiCloseGame();
}

void TMainCtl::DictionariesStart()
{
    // Opened for the board size from the program's directory, then back to
    // their roots with the handicap stones fed to the corners.  Answers
    // prepared for the last game, its endgame values and the groups pondered
    // in it do not belong to this one.
    JosekiOpenGame();
    PreparedTeClear();
    YoseCacheClear();
    ClearSikatuGun();
}

void TMainCtl::DictionariesClose() { JosekiCloseGame(); }

} // namespace vorn
