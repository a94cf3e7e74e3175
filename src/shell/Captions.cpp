#include "shell/Captions.h"

#include <cstring>

namespace vorn {

namespace {

// Captions of the caption-file keys: key, English, Japanese.
struct TCaptionText {
    const char* key;
    const char* english;
    const char* japanese;
};

const TCaptionText kCaptions[] = {
    {"Caption", "VORN - Go", "VORN 囲碁"},
    {"mnuFile", "&File", "ファイル(&F)"},
    {"mnuPlay", "&Game", "対局(&G)"},
    {"mnuTejun", "&Moves", "手順(&M)"},
    {"mnuShow", "&View", "表示(&V)"},
    {"mnuSetting", "&Settings", "設定(&S)"},
    {"mnuOption", "&Tools", "補助(&T)"},
    {"mnuHelp", "&Help", "ﾍﾙﾌﾟ(&H)"},
    {"mnuDev", "&Developer", "開発(&D)"},
    {"mnuNew", "&New Game...", "新規対局(&N)..."},
    {"mnuOpen", "&Open...", "棋譜読込(&O)..."},
    {"mnuReOpen", "&Reopen", "開き直す(&R)"},
    {"mnuSave", "&Save", "上書き保存(&S)"},
    {"mnuSaveAs", "Save &As...", "名前を付けて保存(&A)..."},
    {"mnuTextOut", "Text Diagram...", "テキスト出力"},
    {"mnuExam", "Rank Exam", "段級位認定試験"},
    {"mnuPrint", "Print Window Image", "画面ｲﾒｰｼﾞ印刷"},
    {"mnuPrint2", "&Print Record", "棋譜印刷(&P)"},
    {"mnuPrintSet", "Prin&ter Setup...", "ﾌﾟﾘﾝﾀの設定(&T)..."},
    {"mnuExit", "E&xit", "終了(&X)"},
    {"mnuPass", "&Pass", "パス(&P)"},
    {"mnuUndo", "Take &Back", "待った(&M)"},
    {"mnuResign", "&Resign", "投了(&R)"},
    {"mnuSituation", "&Judge Position", "形成判断(&J)"},
    {"mnuEnd", "&End of Game", "終局(&E)"},
    {"mnuFirst", "&First Move", "最初へ(&F)"},
    {"mnuPrev", "&Back", "1手戻す(&B)"},
    {"mnuNext", "&Forward", "1手進む(&N)"},
    {"mnuLast", "&Last Move", "最終手へ(&L)"},
    {"mnuDel", "&Delete Later Moves", "以降の手を削除(&D)"},
    {"mnuToCmt", "Jump by &Comments", "コメントへ移動(&C)"},
    {"mnuEnglish", "English", "English"},
    {"mnuJapanese", "Japanese", "Japanese"},
    {"mnuChinese", "Chinese", "Chinese"},
    {"mnuInfo", "Game &Information", "対局情報(&I)"},
    {"mnuComment", "&Comment", "コメント"},
    {"mnuDspAtari", "&Atari", "アタリ"},
    {"mnuDspDeath", "&Dead Stones", "死石"},
    {"mnuDspJi", "&Territory", "地合"},
    {"mnuSemeai", "Capturing &Races", "攻合"},
    {"mnuNumber", "Move &Numbers", "番号"},
    {"mnuDspThink", "&Thinking", "思考"},
    {"mnuLink", "Stone &Links", "石連結"},
    {"mnuOneColor", "&One Colour", "白一色"},
    {"mnuColor", "Board and Stone &Colours...", "盤と石の色(&C)..."},
    {"mnuSound", "Move &Sound...", "着手音..."},
    {"mnuAuto", "&Automatic Replay", "自動再生"},
    {"mnuVornMove", "VORN's &Play...", "VORNの打ち方..."},
    {"mnuStatus", "&Status", "状態"},
    {"mnuHint", "&Hint", "ヒント(&H)"},
    {"mnuDeploy", "&Place Stones", "配置"},
    {"mnuDeployClr", "&Clear Placed Stones", "配置クリア"},
    {"mnuContents", "&Contents", "目次(&C)"},
    {"mnuAbout", "&About VORN...", "バージョン情報(&A)..."},
    {"mnuHomePage", "&Home Page", "ホームページ"},
    {"mnuToru", "Capturing Points", "取る"},
    {"mnuAtari", "Atari Points", "アタリ"},
    {"mnuKiri", "Cutting Points", "切り"},
    {"mnuNozoki", "Peeps", "ノゾキ"},
    {"mnuKakeme", "False Eyes", "欠目"},
    {"mnuUtenai", "Forbidden Points", "打てない"},
    {"mnuUtuTrr", "Self-Atari Points", "打取られ"},
    {"mnuPrev10", "10 Moves Back", "10手戻す"},
    {"mnuNext10", "10 Moves Forward", "10手進む"},
    {"mnuPrevComment", "Previous Comment", "前のコメントへ"},
    {"mnuNextComment", "Next Comment", "次のコメントへ"},
};

// Designed captions of items that no caption-file key names.
struct TDesignCaption {
    const char* name;
    const char* caption;
};

const TDesignCaption kDesignOnly[] = {
    {"mnuReopen1", ""},
    {"mnuReopen2", ""},
    {"mnuReopen3", ""},
    {"mnuReopen4", ""},
    {"mnuLanguage", "Language(&L)"},
    {"mnuDspSakiyomi", "先読み"},
    {"mnuBanLeft", "盤を左に寄せる"},
    {"mnuTusin", "通信対局"},
    {"mnuTcpIp", "TCP/IP"},
    {"mnuRen", "連"},
    {"mnuGun", "群"},
    {"mnuLocate", "位置"},
    {"mnuJi", "地"},
    {"mnuHyoka", "評価"},
    {"mnuKankei", "石関係"},
    {"mnuWeakGun", "弱い群"},
    {"mnuKoho", "候補手"},
    {"mnuKind", "候補手種類"},
    {"mnuKohoLocate", "候補位置"},
    {"mnuJoseki", "定石"},
    {"mnuTeire", "手入れ"},
    {"mnuKou", "コウ"},
    {"mnuSakiyomi", "先読結果"},
    {"mnuDevStatus", "状態"},
    {"mnuKiri2", "切り２"},
    {"mnuHoko", "方向"},
    {"mnuComUtu", "VORN打つ"},
    {"btnNew", "新規対局"},
    {"btnOpen", "棋譜読込"},
    {"btnSave", "保存"},
    {"btnFirst", "最初へ"},
    {"btnPrev10", "10手戻す"},
    {"btnPrev", "1手戻す"},
    {"btnNext", "1手進む"},
    {"btnNext10", "10手進む"},
    {"btnLast", "最終手へ"},
};

const TCaptionText* FindCaption(const std::string& key)
{
    for (const TCaptionText& c : kCaptions)
        if (key == c.key)
            return &c;
    return nullptr;
}

const char* DesignCaption(const char* name)
{
    if (const TCaptionText* c = FindCaption(name))
        return c->japanese;
    for (const TDesignCaption& d : kDesignOnly)
        if (std::strcmp(d.name, name) == 0)
            return d.caption;
    return "";
}

struct TItemRow {
    const char* name;
    const char* parent;
    TUiKind kind;
    const char* shortcut;
    bool checkable;
    bool visible;
    bool enabled;
};

constexpr bool kOn = true;
constexpr bool kOff = false;

// The window's design in menu order.  Navigation starts disabled; the
// Chinese item, the recent-file items and the developer menu start hidden.
const TItemRow kItems[] = {
    {"mnuFile", "", ukMenu, "", kOff, kOn, kOn},
    {"mnuNew", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"mnuOpen", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"mnuReOpen", "mnuFile", ukMenu, "", kOff, kOn, kOn},
    {"mnuReopen1", "mnuReOpen", ukItem, "F9", kOff, kOff, kOn},
    {"mnuReopen2", "mnuReOpen", ukItem, "", kOff, kOff, kOn},
    {"mnuReopen3", "mnuReOpen", ukItem, "", kOff, kOff, kOn},
    {"mnuReopen4", "mnuReOpen", ukItem, "", kOff, kOff, kOn},
    {"mnuSave", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"mnuSaveAs", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"mnuTextOut", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuFile", ukSeparator, "", kOff, kOn, kOn},
    {"mnuExam", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuFile", ukSeparator, "", kOff, kOn, kOn},
    {"mnuPrint", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"mnuPrint2", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"mnuPrintSet", "mnuFile", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuFile", ukSeparator, "", kOff, kOn, kOn},
    {"mnuExit", "mnuFile", ukItem, "Alt+X", kOff, kOn, kOn},

    {"mnuPlay", "", ukMenu, "", kOff, kOn, kOn},
    {"mnuPass", "mnuPlay", ukItem, "", kOff, kOn, kOn},
    {"mnuUndo", "mnuPlay", ukItem, "Ctrl+M", kOff, kOn, kOn},
    {"mnuResign", "mnuPlay", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuPlay", ukSeparator, "", kOff, kOn, kOn},
    {"mnuSituation", "mnuPlay", ukItem, "", kOff, kOn, kOn},
    {"mnuEnd", "mnuPlay", ukItem, "", kOn, kOn, kOn},

    {"mnuTejun", "", ukMenu, "", kOff, kOn, kOn},
    {"mnuFirst", "mnuTejun", ukItem, "F1", kOff, kOn, kOff},
    {"mnuPrev10", "mnuTejun", ukItem, "F2", kOff, kOn, kOff},
    {"mnuPrev", "mnuTejun", ukItem, "F3", kOff, kOn, kOff},
    {"mnuNext", "mnuTejun", ukItem, "F4", kOff, kOn, kOff},
    {"mnuNext10", "mnuTejun", ukItem, "F5", kOff, kOn, kOff},
    {"mnuLast", "mnuTejun", ukItem, "F6", kOff, kOn, kOff},
    {"-", "mnuTejun", ukSeparator, "", kOff, kOn, kOn},
    {"mnuDel", "mnuTejun", ukItem, "", kOff, kOn, kOff},
    {"mnuToCmt", "mnuTejun", ukItem, "", kOn, kOn, kOn},

    {"mnuShow", "", ukMenu, "", kOff, kOn, kOn},
    {"mnuInfo", "mnuShow", ukItem, "", kOff, kOn, kOn},
    {"mnuComment", "mnuShow", ukItem, "", kOn, kOn, kOn},
    {"-", "mnuShow", ukSeparator, "", kOff, kOn, kOn},
    {"mnuNumber", "mnuShow", ukItem, "Ctrl+N", kOn, kOn, kOn},
    {"mnuDspAtari", "mnuShow", ukItem, "", kOn, kOn, kOn},
    {"mnuDspDeath", "mnuShow", ukItem, "Ctrl+D", kOn, kOn, kOn},
    {"mnuDspJi", "mnuShow", ukItem, "Ctrl+J", kOn, kOn, kOn},
    {"mnuSemeai", "mnuShow", ukItem, "Ctrl+S", kOn, kOn, kOn},
    {"mnuLink", "mnuShow", ukItem, "", kOn, kOn, kOn},
    {"-", "mnuShow", ukSeparator, "", kOff, kOn, kOn},
    {"mnuDspThink", "mnuShow", ukItem, "", kOn, kOn, kOn},
    {"mnuDspSakiyomi", "mnuShow", ukItem, "", kOn, kOn, kOn},
    {"-", "mnuShow", ukSeparator, "", kOff, kOn, kOn},
    {"mnuOneColor", "mnuShow", ukItem, "", kOn, kOn, kOn},
    {"mnuBanLeft", "mnuShow", ukItem, "", kOn, kOn, kOn},

    {"mnuSetting", "", ukMenu, "", kOff, kOn, kOn},
    {"mnuLanguage", "mnuSetting", ukMenu, "", kOff, kOn, kOn},
    {"mnuEnglish", "mnuLanguage", ukItem, "", kOn, kOn, kOn},
    {"mnuJapanese", "mnuLanguage", ukItem, "", kOn, kOn, kOn},
    {"mnuChinese", "mnuLanguage", ukItem, "", kOn, kOff, kOn},
    {"mnuColor", "mnuSetting", ukItem, "", kOff, kOn, kOn},
    {"mnuSound", "mnuSetting", ukItem, "", kOff, kOn, kOn},
    {"mnuAuto", "mnuSetting", ukItem, "", kOn, kOn, kOn},
    {"mnuVornMove", "mnuSetting", ukItem, "", kOff, kOn, kOn},

    {"mnuOption", "", ukMenu, "", kOff, kOn, kOn},
    {"mnuHint", "mnuOption", ukItem, "", kOff, kOn, kOn},
    {"mnuStatus", "mnuOption", ukMenu, "", kOff, kOn, kOn},
    {"mnuToru", "mnuStatus", ukItem, "", kOff, kOn, kOn},
    {"mnuUtenai", "mnuStatus", ukItem, "", kOff, kOn, kOn},
    {"mnuUtuTrr", "mnuStatus", ukItem, "", kOff, kOn, kOn},
    {"mnuAtari", "mnuStatus", ukItem, "", kOff, kOn, kOn},
    {"mnuKiri", "mnuStatus", ukItem, "", kOff, kOn, kOn},
    {"mnuNozoki", "mnuStatus", ukItem, "", kOff, kOn, kOn},
    {"mnuKakeme", "mnuStatus", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuOption", ukSeparator, "", kOff, kOn, kOn},
    {"mnuDeploy", "mnuOption", ukItem, "", kOn, kOn, kOn},
    {"mnuDeployClr", "mnuOption", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuOption", ukSeparator, "", kOff, kOn, kOn},
    {"mnuTusin", "mnuOption", ukItem, "", kOff, kOn, kOn},
    {"mnuTcpIp", "mnuOption", ukItem, "", kOff, kOn, kOn},

    {"mnuHelp", "", ukMenu, "", kOff, kOn, kOn},
    {"mnuContents", "mnuHelp", ukItem, "", kOff, kOn, kOn},
    {"mnuHomePage", "mnuHelp", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuHelp", ukSeparator, "", kOff, kOn, kOn},
    {"mnuAbout", "mnuHelp", ukItem, "", kOff, kOn, kOn},

    {"mnuDev", "", ukMenu, "", kOff, kOff, kOn},
    {"mnuRen", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuGun", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuJi", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuLocate", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuHyoka", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"-", "mnuDev", ukSeparator, "", kOff, kOn, kOn},
    {"mnuKankei", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuWeakGun", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuKoho", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuKind", "mnuDev", ukItem, "", kOn, kOn, kOn},
    {"mnuKohoLocate", "mnuDev", ukItem, "", kOff, kOn, kOn},
    {"mnuJoseki", "mnuDev", ukItem, "", kOff, kOn, kOn},
    {"mnuTeire", "mnuDev", ukItem, "", kOff, kOn, kOn},
    {"mnuKou", "mnuDev", ukItem, "", kOff, kOn, kOn},
    {"mnuSakiyomi", "mnuDev", ukItem, "", kOff, kOn, kOn},
    {"mnuDevStatus", "mnuDev", ukMenu, "", kOff, kOn, kOn},
    {"mnuKiri2", "mnuDevStatus", ukItem, "", kOff, kOn, kOn},
    {"mnuHoko", "mnuDevStatus", ukItem, "", kOff, kOn, kOn},
    {"-", "mnuDev", ukSeparator, "", kOff, kOn, kOn},
    {"mnuComUtu", "mnuDev", ukItem, "F8", kOff, kOn, kOn},

    {"btnNew", "", ukButton, "", kOff, kOn, kOn},
    {"btnOpen", "", ukButton, "", kOff, kOn, kOn},
    {"btnSave", "", ukButton, "", kOff, kOn, kOn},
    {"btnFirst", "", ukButton, "", kOff, kOn, kOff},
    {"btnPrev10", "", ukButton, "", kOff, kOn, kOff},
    {"btnPrev", "", ukButton, "", kOff, kOn, kOff},
    {"btnNext", "", ukButton, "", kOff, kOn, kOff},
    {"btnNext10", "", ukButton, "", kOff, kOn, kOff},
    {"btnLast", "", ukButton, "", kOff, kOn, kOff},
};

std::vector<TUiDesign> MakeDesign()
{
    std::vector<TUiDesign> out;
    for (const TItemRow& r : kItems)
        out.push_back(TUiDesign{r.name, r.parent, r.kind, r.kind == ukSeparator ? "" : DesignCaption(r.name),
                                r.shortcut, r.checkable, r.visible, r.enabled});
    return out;
}

struct THint {
    const char* button;
    const char* english;
    const char* japanese;
};

const THint kHints[] = {
    {"btnNew", "New Game|Increase including a game newly", "新規対局|新しく対局を始めます"},
    {"btnOpen", "Open|Increase including game from the middle", "棋譜読込|途中から対局を始めます"},
    {"btnSave", "Save|", "保存|"},
    {"btnFirst", "First|", "最初へ|"},
    {"btnPrev10", "10 Moves Back|", "10手戻す|"},
    {"btnPrev", "Back|", "1手戻す|"},
    {"btnNext", "Forward|", "1手進む|"},
    {"btnNext10", "10 Moves Forward|", "10手進む|"},
    {"btnLast", "Last|", "最終手へ|"},
};

} // namespace

const std::vector<TUiDesign>& UiDesign()
{
    static const std::vector<TUiDesign> design = MakeDesign();
    return design;
}

const std::vector<std::string>& CaptionKeys()
{
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (const TCaptionText& c : kCaptions)
            k.emplace_back(c.key);
        return k;
    }();
    return keys;
}

std::string BuiltinCaption(int language, const std::string& key)
{
    const TCaptionText* c = FindCaption(key);
    if (c == nullptr)
        return "";
    return language == 1 ? c->english : c->japanese;
}

const char* CaptionFileName(int language)
{
    switch (language) {
    case 2: return "JAPANESE.INI";
    case 3: return "CHINESE.INI";
    default: return "ENGLISH.INI";
    }
}

const std::vector<std::string>& HintButtons()
{
    static const std::vector<std::string> buttons = [] {
        std::vector<std::string> b;
        for (const THint& h : kHints)
            b.emplace_back(h.button);
        return b;
    }();
    return buttons;
}

std::string HomePageAddress(int language)
{
    // The project has no home page yet; the help menu item opens nothing.
    static const char* const kEnglish = "";
    static const char* const kJapanese = "";
    return language == 1 ? kEnglish : kJapanese;
}

std::string ButtonHint(int language, const std::string& button)
{
    for (const THint& h : kHints)
        if (button == h.button)
            return language == 1 ? h.english : h.japanese;
    return "";
}

} // namespace vorn
