#include "records/Exam.h"

#include <filesystem>

#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/Charset.h"
#include "records/Kifu.h"
#include "records/KifuIg1.h"

namespace vorn {

const Arr<const char*, 0, 16> RankNameEn = {{"8dan", "7dan", "6dan", "5dan", "4dan", "3dan", "2dan", "1dan",
                                             "1kyu", "2kyu", "3kyu", "4kyu", "5kyu", "6kyu", "7kyu", "8kyu",
                                             "9kyu"}};
const Arr<const char*, 0, 16> RankNameJa = {{"八段", "七段", "六段", "五段", "四段", "三段", "二段", "初段",
                                             "１級", "２級", "３級", "４級", "５級", "６級", "７級", "８級",
                                             "９級"}};

int ExamLevel = kExamRankLow;
std::string ExamRankText;

namespace {

// Offsets of the fields in the block.
constexpr std::size_t kOffPrevRank = 12;
constexpr std::size_t kOffRank = 13;
constexpr std::size_t kOffTeai = 14;
constexpr std::size_t kOffPassRun = 15;
constexpr std::size_t kOffFailRun = 16;
constexpr std::size_t kOffTeCount = 17;
constexpr std::size_t kOffTe = 19;
static_assert(kOffTe + 2 * kExamMaxTe == kExamFileSize);

// The engine's rank shown in the exam games: against a kyu examinee taking
// Black, and as Black against the stronger ones.
constexpr int kEngineRankAsWhite = 14;
constexpr int kEngineRankAsBlack = 12;

// A move as the block stores it, and back.
constexpr int kTeRow = 20;

void PutU16(std::string& out, std::size_t at, std::uint16_t v)
{
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
}

std::uint16_t GetU16(const std::string& in, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at])
                                      | (static_cast<unsigned char>(in[at + 1]) << 8));
}

bool TeValid(std::uint16_t v)
{
    if (v == 0)
        return true;
    const int x = v % kTeRow, y = v / kTeRow;
    return x >= 1 && x <= 19 && y >= 1 && y <= 19;
}

bool RankValid(int level) { return level >= 0 && level <= kExamRankLow; }

void Report(const std::string& what)
{
    Shell().ShowMessage(Msg("Rank exam file ", "段級位認定試験のファイル ") + ExamFileName() + ": " + what);
}

// Load, change, save.
template <class F>
bool ExamChange(F change)
{
    TExamState s;
    if (!ExamLoad(s))
        return false;
    change(s);
    return ExamSave(s);
}

} // namespace

const char* RankName(int level, int language)
{
    if (!RankValid(level))
        return "";
    return language == lgEnglish ? RankNameEn[level] : RankNameJa[level];
}

void TExamState::ClearMoves()
{
    TeCount = 0;
    Te.Fill(0);
}

std::string TExamState::NameText() const
{
    std::string bytes;
    for (const std::uint8_t b : Name) {
        if (b == 0)
            break;
        bytes += static_cast<char>(b);
    }
    return SjisToUtf8(SjisHead(bytes, kExamNameBytes));
}

std::string ExamEncode(const TExamState& s)
{
    std::string out(kExamFileSize, '\0');
    for (int i = 0; i < kExamNameBytes; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<char>(s.Name[i]);
    out[kOffPrevRank] = static_cast<char>(s.PrevRank);
    out[kOffRank] = static_cast<char>(s.Rank);
    out[kOffTeai] = static_cast<char>(s.Teai);
    out[kOffPassRun] = static_cast<char>(s.PassRun);
    out[kOffFailRun] = static_cast<char>(s.FailRun);
    PutU16(out, kOffTeCount, s.TeCount);
    for (int k = 1; k <= kExamMaxTe; ++k)
        PutU16(out, kOffTe + 2 * static_cast<std::size_t>(k - 1), s.Te[k]);
    return out;
}

bool ExamDecode(const std::string& bytes, TExamState& s, std::string& why)
{
    if (bytes.size() != kExamFileSize) {
        why = Msg("the file is not 1219 bytes long", "ファイルの長さが 1219 バイトではありません");
        return false;
    }
    TExamState t;
    for (int i = 0; i < kExamNameBytes; ++i)
        t.Name[i] = static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(i)]);
    t.PrevRank = static_cast<std::uint8_t>(bytes[kOffPrevRank]);
    t.Rank = static_cast<std::int8_t>(static_cast<unsigned char>(bytes[kOffRank]));
    t.PassRun = static_cast<std::uint8_t>(bytes[kOffPassRun]);
    t.FailRun = static_cast<std::uint8_t>(bytes[kOffFailRun]);
    t.TeCount = GetU16(bytes, kOffTeCount);
    for (int k = 1; k <= kExamMaxTe; ++k)
        t.Te[k] = GetU16(bytes, kOffTe + 2 * static_cast<std::size_t>(k - 1));
    // The series passed leaves the level below the top; nothing reads it.
    const bool finished = t.PrevRank == 0;
    if (!finished && !RankValid(t.Rank)) {
        why = Msg("no exam level ", "試験の段級位がありません ") + std::to_string(t.Rank);
        return false;
    }
    if (t.PrevRank != kExamNoRank && !RankValid(t.PrevRank)) {
        why = Msg("no passed level ", "合格した段級位がありません ") + std::to_string(t.PrevRank);
        return false;
    }
    if (t.TeCount > kExamMaxTe) {
        why = Msg("too many stored moves: ", "保存された手数が多すぎます: ") + std::to_string(t.TeCount);
        return false;
    }
    for (int k = 1; k <= t.TeCount; ++k)
        if (!TeValid(t.Te[k])) {
            why = Msg("stored move ", "保存された手 ") + std::to_string(k)
                  + Msg(" is off the board", " が盤の外です");
            return false;
        }
    t.Teai = static_cast<std::int8_t>(14 - t.Rank);
    s = t;
    return true;
}

std::string ExamFileName() { return ExeDir + "EXAM53.DAT"; }

bool ExamLoad(TExamState& s)
{
    std::string bytes, why;
    if (!KifuReadFile(ExamFileName(), bytes))
        return false;
    if (!ExamDecode(bytes, s, why)) {
        Report(why + Msg(". The file is left as it is.", "。ファイルはそのままにします。"));
        return false;
    }
    return true;
}

bool ExamSave(const TExamState& s)
{
    std::string error;
    if (KifuWriteAtomic(ExamFileName(), ExamEncode(s), error))
        return true;
    Report(Msg("cannot be written (", "書き込めません（") + error + Msg(")", "）"));
    return false;
}

int ExamSetup()
{
    TExamState s;
    std::error_code ec;
    if (std::filesystem::exists(ExamFileName(), ec)) {
        if (!ExamLoad(s))
            return kExamDamaged;
    } else {
        if (!ExamSave(s))
            return kExamDamaged;
        KifuBlackPlayer.clear();
        KifuWhitePlayer.clear();
    }
    if (s.PrevRank == 0)
        return kExamFinished;
    ExamLevel = s.Rank;
    KifuGameName = Language == lgEnglish ? std::string(RankNameEn[s.Rank]) + " authorization examination"
                                         : std::string(RankNameJa[s.Rank]) + "認定試験";
    ExamRankText = RankNameJa[s.Rank];
    const std::string examineeRank =
        s.PrevRank == kExamNoRank ? Msg("None", "なし") : RankName(s.PrevRank, Language);
    if (s.Teai < 1) {
        KifuWhitePlayer = "VORN";
        KifuWhiteKyu = RankName(kEngineRankAsWhite, Language);
        KifuBlackPlayer = s.NameText();
        KifuBlackKyu = examineeRank;
    } else {
        KifuBlackPlayer = "VORN";
        KifuBlackKyu = RankName(kEngineRankAsBlack, Language);
        KifuWhitePlayer = s.NameText();
        KifuWhiteKyu = examineeRank;
    }
    KifuDate = KifuToday();
    KifuPlace.clear();
    KifuResult.clear();
    Handicap = s.Teai < 0 ? -s.Teai : s.Teai;
    KifuKomi = Handicap != 0 ? "0" : "6.5";
    return s.TeCount == 0 ? kExamNewGame : Handicap;
}

bool ExamEnd()
{
    return ExamChange([](TExamState& s) {
        ++s.FailRun;
        s.PassRun = 0;
        s.ClearMoves();
    });
}

bool ExamAdvance(int& passed)
{
    passed = -1;
    return ExamChange([&](TExamState& s) {
        ++s.PassRun;
        passed = s.Rank;
        s.PrevRank = static_cast<std::uint8_t>(s.Rank);
        --s.Rank;
        s.Teai = static_cast<std::int8_t>(14 - s.Rank);
        s.FailRun = 0;
        s.ClearMoves();
    });
}

bool ExamDraw()
{
    return ExamChange([](TExamState& s) { s.ClearMoves(); });
}

bool ExamSetName(const std::string& name)
{
    const std::string bytes = Utf8ToSjis(CutSjisBytes(name, kExamNameBytes));
    return ExamChange([&](TExamState& s) {
        s.Name.Fill(0);
        for (std::size_t i = 0; i < bytes.size() && i < static_cast<std::size_t>(kExamNameBytes); ++i)
            s.Name[static_cast<int>(i)] = static_cast<std::uint8_t>(bytes[i]);
    });
}

bool ExamAddMove(int n, Point p)
{
    if (n < 1 || n > kExamMaxTe)
        return false;
    const std::uint16_t v =
        p.x == 0 && p.y == 0 ? 0 : static_cast<std::uint16_t>(p.y * kTeRow + p.x);
    if (!TeValid(v))
        return false;
    return ExamChange([&](TExamState& s) {
        s.TeCount = static_cast<std::uint16_t>(n);
        s.Te[n] = v;
    });
}

bool ExamReplay()
{
    if (KifuRecOn == 1)
        KifuRecBegin();
    TExamState s;
    if (!ExamLoad(s))
        return false;
    TGoban& b = *GobanLv[0];
    for (int k = 1; k <= s.TeCount; ++k) {
        const int v = s.Te[k];
        bool played;
        if (v == 0) {
            played = b.Pass();
            if (played) {
                if (KifuRecOn == 1)
                    KifuRecAddMove();
                Shell().Pass();
            }
        } else {
            played = Shell().BanUtu(v % kTeRow, v / kTeRow, 1);
        }
        if (!played) {
            Report(Msg("the stored game cannot be replayed beyond move ", "保存された対局は次の手から再現できません: ")
                   + std::to_string(k));
            return false;
        }
    }
    return true;
}

void ExamReset()
{
    ExamLevel = kExamRankLow;
    ExamRankText.clear();
}

} // namespace vorn
