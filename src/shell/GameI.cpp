#include "shell/GameI.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "board/Goban.h"
#include "records/Kifu.h"
#include "records/KifuIg1.h"
#include "shell/GameClock.h"
#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

const char* const kTeaiNames[] = {"互い先", "先",   "２子", "３子", "４子",   "５子", "６子", "７子",
                                  "８子",   "９子", "中四目", "風鈴", "風鈴中", "20子", "25子"};
constexpr int kTeaiMax = 14;
constexpr int kTeaiSmallMax = 9;  // the most a board smaller than 19x19 takes
constexpr const char* kEven = "互い先";

std::string Trim(const std::string& s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t'))
        --b;
    return s.substr(a, b - a);
}

// The size as the size list shows it: its name in Japanese, else the number.
std::string BanSizeText(int size, bool names)
{
    const char* name = BanSizeName(size);
    return names && name[0] != '\0' ? std::string(name) : std::to_string(size);
}

std::string HamaText(int n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", n);
    return buf;
}

} // namespace

const char* TeaiName(int handicap) { return handicap >= 0 && handicap <= kTeaiMax ? kTeaiNames[handicap] : ""; }

const char* BanSizeName(int size)
{
    switch (size) {
    case 19: return "19路盤";
    case 13: return "13路盤";
    case 9: return "９路盤";
    default: return "";
    }
}

bool TeaiValid(int size, int handicap)
{
    return handicap >= 0 && (handicap <= kTeaiSmallMax || (size == 19 && handicap <= kTeaiMax));
}

int ParseBanSize(const std::string& text)
{
    const std::string t = Trim(text);
    for (int size : {19, 13, 9})
        if (t == BanSizeName(size))
            return size;
    int n = 0;
    return KifuParseInt(t, n) && KifuValidSize(n) ? n : 0;
}

int ParseTeai(const std::string& text, int size)
{
    const std::string t = Trim(text);
    int h = -1;
    for (int i = 0; i <= kTeaiMax && h < 0; ++i)
        if (t == kTeaiNames[i])
            h = i;
    if (h < 0 && !KifuParseInt(t, h))
        return -1;
    return TeaiValid(size, h) ? h : -1;
}

float ParseKomi(const std::string& text)
{
    const std::string t = Trim(text);
    if (t.empty())
        return 0.0f;
    // Read with a decimal point whatever the user's locale says: a record, a
    // peer or another machine wrote the text the same way.
    const char* first = t.data();
    const char* const last = t.data() + t.size();
    if (*first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    double v = 0.0;
    const auto r = std::from_chars(first, last, v, std::chars_format::general);
    // Only a plain finite number of sensible size: "nan", "inf" and the like are no komi.
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(v) || std::fabs(v) > 1000.0)
        return 0.0f;
    return static_cast<float>(v);
}

std::string NumberText(double v)
{
    // As "%g" prints in the C locale, so a result reads "B+0.5" everywhere.
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, r.ec == std::errc() ? r.ptr : buf);
}

// ---------------------------------------------------------------------------

TGameInfo::TGameInfo(TMainCtl& main) : main_(main)
{
    // The design: the player edits, the handicap and size edits and the
    // result are hidden; the clocks, prisoners and ranks are read-only.
    for (TDlgControl* c : {&edtWhitePlayer, &edtBlackPlayer, &edtTeai, &edtBan, &edtResult, &lblResult})
        c->Visible = false;
    for (TDlgControl* c : {&edtWhitePlayer, &edtBlackPlayer, &edtWhiteKyu, &edtBlackKyu, &edtWhiteHama,
                           &edtBlackHama, &edtWhiteTime, &edtBlackTime, &edtTeai, &edtBan})
        c->ReadOnly = true;
    edtWhiteHama.Text = edtBlackHama.Text = "  0";
    edtWhiteTime.Text = edtBlackTime.Text = "00:00:00.0";
    edtKomi.Text = "6.5";
    rdoCom1.Checked = true;
    CaptionsSet(true);
}

void TGameInfo::Changed() { main_.view_.GameDialogChanged(); }

namespace {

// The name the dialog offers for a human player in a language.
const char* DefaultHuman(int language) { return language == lgEnglish ? "Man" : "人間"; }

// A default human name of another language becomes this language's.
void HumanNameFollows(std::string& name)
{
    const std::string own = DefaultHuman(Language);
    if (name != own && (name == DefaultHuman(lgEnglish) || name == DefaultHuman(lgJapanese)))
        name = own;
}

} // namespace

void TGameInfo::FormCreate()
{
    const TIniFile ini(main_.IniPath);
    Left = ini.ReadInteger("FormTaikyoku", "Left", 340);
    Top = ini.ReadInteger("FormTaikyoku", "Top", 0);
    const char* def = DefaultHuman(Language);
    KifuBlackPlayer = ini.ReadString("GameInfo", "Black", def);
    KifuWhitePlayer = ini.ReadString("GameInfo", "White", def);
    HumanNameFollows(KifuBlackPlayer);
    HumanNameFollows(KifuWhitePlayer);
    NngsConnected = 0;
    Changed();
}

void TGameInfo::LanguageChanged()
{
    // The default human name follows, in the strings and in the lists.
    HumanNameFollows(KifuBlackPlayer);
    HumanNameFollows(KifuWhitePlayer);
    for (TDlgControl* c : {&cmbWhitePlayer, &cmbBlackPlayer}) {
        HumanNameFollows(c->Text);
        for (std::string& item : c->Items)
            HumanNameFollows(item);
    }
    // The size and handicap chosen stay chosen, named in the new language.
    const int size = ParseBanSize(cmbBan.Text);
    const int teai = ParseTeai(cmbTeai.Text, size != 0 ? size : BoardSize);
    CaptionsSet(Language != lgEnglish);
    if (size != 0) {
        TeaiListFill(size);
        cmbBan.Text = BanSizeText(size, Language == lgJapanese);
    }
    if (teai >= 0)
        cmbTeai.Text = Language == lgJapanese ? TeaiName(teai) : std::to_string(teai);
    if (edtTeai.Visible || edtBan.Visible)
        TeaiBanShow();
    Changed();
}

void TGameInfo::FormDestroy()
{
    TIniFile ini(main_.IniPath);
    ini.WriteInteger("FormTaikyoku", "Left", Left);
    ini.WriteInteger("FormTaikyoku", "Top", Top);
    // Players are remembered once a game has named them.
    if (!edtBlackPlayer.Text.empty())
        ini.WriteString("GameInfo", "Black", edtBlackPlayer.Text);
    if (!edtWhitePlayer.Text.empty())
        ini.WriteString("GameInfo", "White", edtWhitePlayer.Text);
}

void TGameInfo::FormShow()
{
    const std::string man = !UserName.empty() ? UserName : DefaultHuman(Language);
    cmbWhitePlayer.Items = {man, "VORN"};
    cmbBlackPlayer.Items = {man, "VORN"};
    if (KifuWhitePlayer.empty())
        KifuWhitePlayer = man;
    if (KifuBlackPlayer.empty())
        KifuBlackPlayer = "VORN";
    cmbWhitePlayer.Text = KifuWhitePlayer;
    cmbBlackPlayer.Text = KifuBlackPlayer;
    Changed();
}

void TGameInfo::FormActivate()
{
    cmbBan.Text = BanSizeText(BoardSize, true);
    cmbTeai.Text = TeaiName(Handicap);
    CaptionsSet(Language != lgEnglish);
    Changed();
}

void TGameInfo::FormClose()
{
    GameInfoLock = 0;
    Visible = false;
    Changed();
}

void TGameInfo::Show()
{
    // The form's show and activation run as it appears, not while it stays up.
    if (Visible) {
        Changed();
        return;
    }
    Visible = true;
    FormShow();
    FormActivate();
}

void TGameInfo::Hide()
{
    Visible = false;
    Changed();
}

void TGameInfo::TeaiListFill(int size)
{
    const bool names = Language == lgJapanese;
    cmbTeai.Items.clear();
    const int last = size == 19 ? kTeaiMax : kTeaiSmallMax;
    for (int h = 0; h <= last; ++h)
        cmbTeai.Items.push_back(names ? kTeaiNames[h] : std::to_string(h));
    cmbTeai.Text = names ? kEven : "0";
}

void TGameInfo::CaptionsSet(bool japanese)
{
    struct TCaption {
        TDlgControl* control;
        const char* japanese;
        const char* english;
    };
    const TCaption captions[] = {
        {&lblGameName, "対局名：", "Game Name"},   {&lblPlayer, "対局者", "Player Name"},
        {&lblKyu, "級位", "Kyu"},                  {&lblHama, "揚浜", "Hama"},
        {&lblTime, "使用時間", "Time"},            {&lblSiro, "白：", "White"},
        {&lblKuro, "黒：", "Black"},               {&lblTeai, "手合い", "Handicap"},
        {&lblKomi, "コミ", "Komi"},                {&lblDate, "日時", "Date"},
        {&lblPlace, "場所", "Place"},              {&lblBanSize, "盤の大きさ", "Size"},
        {&lblResult, "結果", "Result"},            {&btnOK, "開始", "Start"},
        {&btnCancel, "ｷｬﾝｾﾙ", "Cancel"},           {&chkComm, "通信を使用", "Use Communication"},
        {&chkAiteWhite, "自分は黒番", "Black MyColor"}, {&chkRenzoku, "連続対局", "continue"},
        {&RadioGroup1, "通信の種類", "Communication"},
    };
    Caption = japanese ? "対局情報" : "Game Infomation";
    for (const TCaption& c : captions)
        c.control->Text = japanese ? c.japanese : c.english;
    rdoCom1.Text = "COM1";
    rdoCom2.Text = "COM2";
    rdoTcpip.Text = "TCP/IP";
    rdoNNGS.Text = "NNGS";

    edtGameName.Left = japanese ? 72 : 94;
    edtGameName.Width = japanese ? 237 : 215;
    for (TDlgControl* c : {&lblPlayer, &edtWhitePlayer, &cmbWhitePlayer, &edtBlackPlayer, &cmbBlackPlayer})
        c->Left = japanese ? 40 : 54;
    edtWhitePlayer.Width = edtBlackPlayer.Width = japanese ? 105 : 91;
    cmbWhitePlayer.Width = cmbBlackPlayer.Width = japanese ? 121 : 107;

    TeaiListFill(BoardSize);
    cmbBan.Items.clear();
    for (int size : {19, 13, 9})
        cmbBan.Items.push_back(BanSizeText(size, japanese));
    cmbBan.Text = BanSizeText(BoardSize, Language == lgJapanese);
}

void TGameInfo::cmbWhitePlayerChange()
{
    PlayerKind[kSiro] = cmbWhitePlayer.Text == "VORN" ? pkComputer : pkHuman;
    Changed();
}

void TGameInfo::cmbBlackPlayerChange()
{
    PlayerKind[kKuro] = cmbBlackPlayer.Text == "VORN" ? pkComputer : pkHuman;
    Changed();
}

void TGameInfo::cmbTeaiChange()
{
    edtKomi.Text = cmbTeai.Text == kEven ? "6.5" : "0";
    Changed();
}

void TGameInfo::cmbBanChange()
{
    // The size is only read here to offer the handicaps of that board; it
    // becomes the game's size when the dialog is confirmed.
    const std::string keep = cmbTeai.Text;
    TeaiListFill(ParseBanSize(cmbBan.Text));
    for (const std::string& item : cmbTeai.Items)
        if (item == keep)
            cmbTeai.Text = keep;
    Changed();
}

void TGameInfo::NewGameShow()
{
    for (TDlgControl* c : {&btnOK, &btnCancel, &cmbWhitePlayer, &cmbBlackPlayer, &cmbTeai, &cmbBan})
        c->Visible = true;
    for (TDlgControl* c : {&lblResult, &edtResult, &edtWhitePlayer, &edtBlackPlayer, &edtTeai, &edtBan})
        c->Visible = false;
    cmbBan.Text = BanSizeText(BoardSize, Language == lgJapanese);
    edtGameName.Text.clear();
    edtPlace.Text.clear();
    edtDate.Text = KifuToday();
    // Nothing of the game before: its result, clocks, ranks or prisoners.
    for (TDlgControl* c : {&edtBlackTime, &edtWhiteTime, &edtBlackKyu, &edtWhiteKyu, &edtResult})
        c->Text.clear();
    edtBlackHama.Text = edtWhiteHama.Text = HamaText(0);
    edtBlackKyu.ReadOnly = edtWhiteKyu.ReadOnly = false;
    Jikan[kKuro] = Jikan[kSiro] = 0;
    DesignWidth = 460;
    Changed();
}

void TGameInfo::FieldsFromGameStrings()
{
    // The game strings as the shell's default header gives them.
    const TKifuHeader h = main_.TShellHooks::GameInfoFields();
    struct TField {
        TDlgControl* control;
        const std::string* text;
    };
    for (const TField& f : {TField{&edtGameName, &h.GameName}, {&edtDate, &h.Date}, {&edtPlace, &h.Place},
                            {&edtBlackPlayer, &h.BlackPlayer}, {&cmbBlackPlayer, &h.BlackPlayer},
                            {&edtWhitePlayer, &h.WhitePlayer}, {&cmbWhitePlayer, &h.WhitePlayer},
                            {&edtBlackKyu, &h.BlackKyu}, {&edtWhiteKyu, &h.WhiteKyu}, {&edtKomi, &h.Komi},
                            {&edtResult, &h.Result}, {&edtBlackTime, &h.BlackTime}, {&edtWhiteTime, &h.WhiteTime}})
        f.control->Text = *f.text;
}

void TGameInfo::KifuInfoShow()
{
    for (TDlgControl* c : {&btnOK, &btnCancel, &cmbWhitePlayer, &cmbBlackPlayer, &edtTeai, &edtBan})
        c->Visible = true;
    for (TDlgControl* c : {&cmbTeai, &cmbBan, &edtWhitePlayer, &edtBlackPlayer, &edtResult})
        c->Visible = false;
    FieldsFromGameStrings();
    TeaiBanShow();
    cmbBan.Text = edtBan.Text;
    // The record's clocks go on from where they stood.
    if (!KifuBlackTime.empty())
        Jikan[kKuro] = JikanParse(KifuBlackTime);
    if (!KifuWhiteTime.empty())
        Jikan[kSiro] = JikanParse(KifuWhiteTime);
    Changed();
}

void TGameInfo::ExamInfoShow()
{
    for (TDlgControl* c : {&btnOK, &btnCancel, &edtWhitePlayer, &edtBlackPlayer, &edtTeai, &edtBan})
        c->Visible = true;
    for (TDlgControl* c : {&cmbWhitePlayer, &cmbBlackPlayer, &cmbTeai, &cmbBan, &edtResult})
        c->Visible = false;
    FieldsFromGameStrings();
    TeaiBanShow();
    // The size is the exam's, whatever the list showed before.
    cmbBan.Text = edtBan.Text;
    // The examinee's name can be typed only where the rank reads "none"
    // (in the language the exam was set up in).
    auto noRank = [](const TDlgControl& kyu) { return kyu.Text == "なし" || kyu.Text == "None"; };
    edtWhitePlayer.ReadOnly = !noRank(edtWhiteKyu);
    edtBlackPlayer.ReadOnly = !noRank(edtBlackKyu);
    edtBlackTime.Text.clear();
    edtWhiteTime.Text.clear();
    edtPlace.Text.clear();
    Jikan[kKuro] = Jikan[kSiro] = 0;
    DesignWidth = 300;
    Changed();
}

void TGameInfo::TeaiBanShow()
{
    if (Language != lgJapanese) {
        edtTeai.Text = std::to_string(Handicap);
        edtBan.Text = std::to_string(BoardSize);
    } else {
        edtTeai.Text = TeaiName(Handicap);
        edtBan.Text = BanSizeText(BoardSize, true);
    }
    Changed();
}

void TGameInfo::KomiShow()
{
    edtKomi.Text = NumberText(Komi);
    Changed();
}

void TGameInfo::JikanToStr(int colour, int tenths)
{
    (colour == kKuro ? edtBlackTime : edtWhiteTime).Text = JikanText(tenths);
    Changed();
}

void TGameInfo::HamaShow(int blackHama, int whiteHama)
{
    edtBlackHama.Text = HamaText(blackHama);
    edtWhiteHama.Text = HamaText(whiteHama);
    Changed();
}

int TGameInfo::PlayerKindOf(const TDlgControl& player, bool remoteSide) const
{
    if (player.Text == "VORN")
        return pkComputer;
    if (!chkComm.Checked || !remoteSide)
        return pkHuman;
    if (rdoCom1.Checked || rdoCom2.Checked)
        return pkSerial;
    if (rdoTcpip.Checked)
        return pkTcp;
    if (rdoNNGS.Checked)
        return pkNngs;
    return pkHuman;
}

void TGameInfo::btnOKClick()
{
    if (!Visible || !btnOK.Visible)
        return;
    TPrompt& prompt = main_.prompt_;
    // 1. Everything needed is chosen.
    const bool exam = GameInfoMode == 2;
    if (exam ? (edtWhitePlayer.Text.empty() || edtBlackPlayer.Text.empty())
             : (cmbWhitePlayer.Text.empty() || cmbBlackPlayer.Text.empty())) {
        prompt.Message(exam ? Msg("Enter match player's name", "対局者名を入力してください")
                            : Msg("Choose a match player", "対局者を選んでください"));
        return;
    }
    const char* chooseTeai = Msg("Choose handicap", "手合いを選んでください");
    const char* chooseBan = Msg("Choose boad size", "盤の大きさを選んでください");
    if (cmbTeai.Text.empty()) {
        prompt.Message(chooseTeai);
        return;
    }
    if (cmbBan.Text.empty()) {
        prompt.Message(chooseBan);
        return;
    }
    // 2. Size and handicap are read into locals and checked against what
    // the board supports; nothing program-wide changes before both pass.
    const int size = ParseBanSize(cmbBan.Text);
    if (size == 0) {
        prompt.Message(chooseBan);
        return;
    }
    int teai = Handicap;
    if (GameInfoMode == 0) {
        teai = ParseTeai(cmbTeai.Text, size);
        if (teai < 0) {
            prompt.Message(chooseTeai);
            return;
        }
    }

    KifuGameName = edtGameName.Text;
    BoardSize = size;
    if (GameInfoMode == 0) {
        Handicap = teai;
        edtTeai.Text = cmbTeai.Text;
    }
    Komi = ParseKomi(edtKomi.Text);
    if (!exam) {
        edtWhitePlayer.Text = cmbWhitePlayer.Text;
        edtBlackPlayer.Text = cmbBlackPlayer.Text;
        edtBan.Text = cmbBan.Text;
    }
    KifuWhitePlayer = edtWhitePlayer.Text;
    KifuBlackPlayer = edtBlackPlayer.Text;

    // 3. Who plays: the engine by its name, a remote opponent on the side
    // the check boxes give it, else a human.
    PlayerKind[kSiro] = PlayerKindOf(edtWhitePlayer, chkAiteWhite.Checked);
    PlayerKind[kKuro] = PlayerKindOf(edtBlackPlayer, !chkAiteWhite.Checked);
    SerialPort = rdoCom2.Checked ? 2 : 1;
    RenzokuMode = chkRenzoku.Checked ? 1 : 0;

    // A new game starts the running record afresh; an exam replayed has
    // already written its moves there, and they must survive.
    if (KifuRecOn == 1 && GameInfoMode == 0)
        KifuRecBegin();
    // A game going on from a record read: the header the reader wrote was
    // the dialog's before the record came; the running record starts again
    // with this game's header and the record's moves.
    if (KifuRecOn == 1 && GameInfoMode == 1)
        KifuRecBeginWithMoves();
    auto either = [](int kind) {
        return static_cast<unsigned char>(PlayerKind[kKuro] == kind || PlayerKind[kSiro] == kind ? 1 : 0);
    };
    EngineInGame = either(pkComputer);
    SerialInGame = either(pkSerial);
    TcpInGame = either(pkTcp);
    NngsInGame = either(pkNngs);

    if (NngsInGame != 1) {
        for (TDlgControl* c : {&btnOK, &cmbWhitePlayer, &cmbBlackPlayer, &cmbTeai, &cmbBan})
            c->Visible = false;
        for (TDlgControl* c : {&edtWhitePlayer, &edtBlackPlayer, &edtTeai, &edtBan})
            c->Visible = true;
    }
    Changed();

    if (TcpInGame == 1) {
        // The game starts when the TCP hand-shake completes.
        main_.Tcp.SetupStart(PlayerKind[kSiro] == pkTcp ? 1 : 2);
        return;
    }
    if (NngsInGame == 1) {
        // The game starts when the server reports the match.
        main_.Nngs.GameConfirmed();
        return;
    }
    StartGame();
}

void TGameInfo::btnCancelClick()
{
    TcpReady = 0;
    GameInfoLock = 0;
    Visible = false;
    Changed();
    main_.BanClear();
    // The record opened for this dialog is gone from the board: a later Save
    // must not write the empty board over its file, nor its setup stones.
    main_.ParamFile.clear();
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
}

void TGameInfo::StartGame()
{
    btnCancel.Visible = false;
    lblResult.Visible = edtResult.Visible = true;
    GameInfoLock = 0;
    TGoban& b = *GobanLv[0];
    if (GameInfoMode == 0) {
        edtResult.Text.clear();
        b.NewGame();
        FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
    }
    if (GameInfoMode == 2)
        main_.Nintei.ExamSetName();
    const int s = b.Tejun.NextColor();
    main_.Thinking = PlayerKind[s] == pkComputer ? 1 : 0;
    main_.DictionariesStart();
    if (GameInfoMode == 1 || GameInfoMode == 2)
        for (int n = 1; n <= b.Tejun.Current(); ++n)
            main_.FollowMove(b.Tejun.GetTe(n), b.Tejun.TeColor(n));
    main_.AnalyzeBoard0();
    main_.GameRunning = 1;
    main_.Turn.TouryoRefused = 0;
    GameOver = 0;
    // A resumed exam game keeps the pass it was left with.
    if (GameInfoMode != 2)
        main_.PassCount = 0;
    if (GameInfoMode == 2)
        main_.ExamMode = 1;
    main_.Turn.JobanInit();

    main_.Ban.IrhLabelsReset();
    main_.ItemRef("mnuEnd").checked = false;
    main_.ItemRef("mnuPlay").enabled = true;
    main_.BackButtons(b.Tejun.Current() > 0);
    main_.ForwardButtons(b.Tejun.Current() < b.Tejun.Last());
    main_.FormResize();
    main_.TjnInfoShow();
    main_.DspRefresh();

    if (SerialInGame == 1) {
        // The clock starts with the first move of the exchange.  A port that
        // cannot be opened has been reported, and the game does not start.
        Changed();
        if (!main_.Com.GameStart(SerialPort, PlayerKind[kSiro] == pkSerial)) {
            main_.GameStop();
            SetUpAgain();
        }
        return;
    }
    DesignWidth = 330;
    Changed();
    switch (PlayerKind[s]) {
    case pkComputer: main_.ComUtu(); break;
    case pkHuman: main_.Turn.TimerSet(main_.Turn.timThink, true); break;
    default: break;  // the link drives the first move
    }
}

void TGameInfo::SetUpAgain()
{
    // What Start changed of the dialog, undone in the layout of its mode:
    // the players chosen from the lists in modes 0 and 1, handicap and size
    // too in mode 0.  The board waits for the dialog again.
    GameInfoLock = 1;
    btnOK.Visible = btnCancel.Visible = true;
    lblResult.Visible = edtResult.Visible = false;
    if (GameInfoMode != 2) {
        cmbWhitePlayer.Visible = cmbBlackPlayer.Visible = true;
        edtWhitePlayer.Visible = edtBlackPlayer.Visible = false;
    }
    if (GameInfoMode == 0) {
        cmbTeai.Visible = cmbBan.Visible = true;
        edtTeai.Visible = edtBan.Visible = false;
    }
    Changed();
}

TKifuHeader TGameInfo::Fields() const
{
    auto player = [](const TDlgControl& edt, const TDlgControl& cmb) {
        return edt.Text.empty() ? cmb.Text : edt.Text;
    };
    TKifuHeader h;
    h.GameName = edtGameName.Text;
    h.Date = edtDate.Text;
    h.Place = edtPlace.Text;
    h.Komi = edtKomi.Text;
    h.Result = edtResult.Text;
    h.BlackPlayer = player(edtBlackPlayer, cmbBlackPlayer);
    h.WhitePlayer = player(edtWhitePlayer, cmbWhitePlayer);
    h.BlackKyu = edtBlackKyu.Text;
    h.WhiteKyu = edtWhiteKyu.Text;
    h.BlackTime = edtBlackTime.Text;
    h.WhiteTime = edtWhiteTime.Text;
    return h;
}

} // namespace vorn
