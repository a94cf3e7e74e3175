#include "records/Kifu.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

#include "board/GameKeep.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/KifuBinary.h"
#include "records/KifuIg1.h"
#include "records/KifuLines.h"
#include "records/KifuSgf.h"

namespace vorn {

namespace {

// Larger files are no game records; refusing them keeps a mistaken open cheap.
constexpr long kMaxFileBytes = 4L << 20;

// The formats in the order of the open dialog.  A reader or writer that is
// not there yet reports the format as unreadable (or read-only).
const TKifuFormat kFormats[] = {
    {".sgf", "SGF", KifuParseSgf, KifuSaveSgf},
    {".ig1", ".ig1", KifuParseIg1, KifuSaveIg1},
    {".gw1", ".gw1", KifuParseGw1, nullptr},
    {".re3", ".re3", KifuParseRe3, nullptr},
    {".wwg", ".wwg", KifuParseWwg, nullptr},
    {".ugf", ".ugf", KifuParseUgf, nullptr},
    {".icf", ".icf", KifuParseIcf, nullptr},
};

std::string LowerExtension(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string();
    std::string ext = fileName.substr(dot);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

// Reads a file into a checked record with the given reader; reports every
// failure.
bool ParseFile(TKifuParser parse, const std::string& fileName, TKifuRecord& record)
{
    std::string bytes;
    if (!KifuReadFile(fileName, bytes))
        return false;
    std::string why;
    bool parsed = false;
    // A reader that fails on a file it was not made for refuses the file
    // like any other fault of it.
    try {
        parsed = parse(bytes, record, why);
    } catch (const std::exception& e) {
        why = e.what();
    } catch (...) {
        why = Msg("unknown error", "原因不明のエラー");
    }
    if (!parsed) {
        Shell().ShowMessage(fileName + Msg(" is not a valid game record (", " は正しい棋譜ではありません（") + why
                            + Msg("). The current game is kept.", "）。現在の対局はそのままです。"));
        return false;
    }
    return true;
}

// The same with the reader chosen by the file name.
bool ReadRecord(const std::string& fileName, TKifuRecord& record)
{
    const TKifuFormat* format = KifuFormatOf(fileName);
    if (format == nullptr) {
        Shell().ShowMessage(Msg("This file is not a game record of a known format: ", "棋譜として読めない形式のファイルです: ")
                            + fileName);
        return false;
    }
    if (format->parse == nullptr) {
        Shell().ShowMessage(std::string(Msg("Records in the format ", "")) + format->name
                            + Msg(" cannot be read yet: ", " 形式の棋譜はまだ読み込めません: ") + fileName);
        return false;
    }
    return ParseFile(format->parse, fileName, record);
}

// A fresh board 0 for a loaded record: the move record's reset keeps the
// comment before the first move, which belongs to the game being replaced.
void NewRecordBoard()
{
    GobanLv[0]->NewGame();
    GobanLv[0]->Tejun.SetComment(0, std::string());
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
}

// Replays a checked record; an error on the way puts the game back as it
// was, and the file is refused with the message.
template <class Apply>
bool ApplyKept(const std::string& fileName, Apply apply)
{
    const TGameKeep keep;
    std::string why;
    try {
        apply();
        return true;
    } catch (const std::exception& e) {
        why = e.what();
    } catch (...) {
        why = Msg("unknown error", "原因不明のエラー");
    }
    keep.Restore();
    Shell().ShowMessage(fileName + Msg(" could not be loaded (", " を読み込めませんでした（") + why
                        + Msg("). The current game is kept.", "）。現在の対局はそのままです。"));
    return false;
}

struct TLastMarkOff {
    TLastMarkOff() { NoLastMark = 1; }
    ~TLastMarkOff() { NoLastMark = 0; }
};

bool WriteBytes(const std::string& fileName, const std::string& bytes, const char* mode, std::string& error)
{
    std::FILE* f = std::fopen(fileName.c_str(), mode);
    if (f == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    const std::size_t n = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), f);
    const int e = errno;
    const bool closed = std::fclose(f) == 0;
    if (n != bytes.size() || !closed) {
        error = std::strerror(n != bytes.size() ? e : errno);
        return false;
    }
    return true;
}

} // namespace

void TKifuRecord::Add(TKifuEvent::EKind kind, int x, int y, int colour, const std::string& text)
{
    TKifuEvent e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.colour = colour;
    e.text = text;
    events.push_back(std::move(e));
}

bool TKifuRecord::BoardOf(int& size, int& handicap) const
{
    bool found = false;
    for (const TKifuEvent& e : events)
        if (e.kind == TKifuEvent::evReset) {
            size = e.x;
            handicap = e.y;
            found = true;
        }
    return found;
}

void TKifuRecord::CutShort(const std::string& part)
{
    note = Msg("The file is cut short (", "ファイルが途中で切れています（") + part
           + Msg("); what came before it was read.", "）。その前までを読み込みました。");
}

bool TKifuRecord::TooLarge(std::string& why) const
{
    if (events.size() <= kKifuMaxEvents)
        return false;
    why = Msg("far more entries than a game record holds", "棋譜としては項目が多すぎます");
    return true;
}

const TKifuFormat* KifuFormatOf(const std::string& fileName)
{
    const std::string ext = LowerExtension(fileName);
    for (const TKifuFormat& f : kFormats)
        if (ext == f.ext)
            return &f;
    return nullptr;
}

bool KifuLoadHeader(const std::string& fileName)
{
    TKifuRecord record;
    if (!ReadRecord(fileName, record))
        return false;
    return ApplyKept(fileName, [&record] { KifuApplyBoard(record); });
}

bool KifuLoad(const std::string& fileName)
{
    TLastMarkOff lastMarkOff;
    TKifuRecord record;
    if (!ReadRecord(fileName, record))
        return false;
    return ApplyKept(fileName, [&record] { KifuApply(record); });
}

bool KifuLoadWith(TKifuParser parse, const std::string& fileName, bool boardOnly)
{
    TLastMarkOff lastMarkOff;
    TKifuRecord record;
    if (!ParseFile(parse, fileName, record))
        return false;
    return ApplyKept(fileName, [&record, boardOnly] {
        if (boardOnly)
            KifuApplyBoard(record);
        else
            KifuApply(record);
    });
}

bool KifuSave(const std::string& fileName)
{
    const TKifuFormat* format = KifuFormatOf(fileName);
    if (format == nullptr || format->write == nullptr) {
        Shell().ShowMessage(Msg("Records are saved only as .sgf or .ig1 files; nothing was written to ",
                                "棋譜は .sgf か .ig1 のファイルにだけ保存できます。保存しませんでした: ")
                            + fileName);
        return false;
    }
    return format->write(fileName);
}

void KifuApplyBoard(const TKifuRecord& record)
{
    int size = BoardSize, handicap = Handicap;
    if (record.BoardOf(size, handicap)) {
        BoardSize = size;
        Handicap = handicap;
    }
    NewRecordBoard();
}

void KifuApply(const TKifuRecord& record)
{
    // Each record starts from an empty header: no field of the game shown
    // before stays with it.
    for (std::string* s : KifuGameStrings())
        s->clear();
    for (const auto& [target, value] : record.header)
        *target = value;

    TGoban& b = *GobanLv[0];
    TTejun& t = b.Tejun;
    std::string refused, offBoard;
    int refusedCount = 0, offBoardCount = 0;
    bool full = false;
    // The last move of the record was skipped: what belongs to it goes too.
    bool lastSkipped = true;
    auto pass = [&]() {
        if (t.Last() >= kMaxTe) {
            full = true;
            return;
        }
        b.Pass();
        lastSkipped = false;
        if (KifuRecOn == 1)
            KifuRecAddMove();
    };
    auto listed = [](std::string& list, int& count, int x, int y) {
        if (++count <= 10)
            list += " " + KifuPointText(x, y);
    };
    for (const TKifuEvent& e : record.events) {
        switch (e.kind) {
        case TKifuEvent::evReset:
            BoardSize = e.x;
            Handicap = e.y;
            NewRecordBoard();
            lastSkipped = true;
            break;
        case TKifuEvent::evRecBegin:
            if (KifuRecOn == 1)
                KifuRecBegin();
            break;
        case TKifuEvent::evMove: {
            // A move of the wrong colour follows a pass of the side to move.
            if (e.colour != 0 && e.colour != t.NextColor())
                pass();
            if (!full && t.Last() >= kMaxTe)
                full = true;
            if (full)
                break;
            lastSkipped = true;
            if (!b.OnBoard(e.x, e.y)) {
                listed(offBoard, offBoardCount, e.x, e.y);
                break;
            }
            const int code = b.CheckUtu(t.NextColor(), e.x, e.y);
            if (code == kUtuOccupied)
                break; // an occupied point is skipped without a word
            if (code != kUtuOk) {
                listed(refused, refusedCount, e.x, e.y);
                break;
            }
            lastSkipped = !Shell().BanUtu(e.x, e.y, 1);
            break;
        }
        case TKifuEvent::evPass:
            pass();
            break;
        case TKifuEvent::evTakeBack:
            if (t.Current() > 0) {
                b.Matta();
                if (KifuRecOn == 1)
                    KifuRecAddLine("MAT ");
            }
            lastSkipped = true;
            break;
        case TKifuEvent::evComment:
            t.SetComment(t.Current(), e.text);
            break;
        case TKifuEvent::evMark:
            if (t.Current() >= 1 && b.OnBoard(e.x, e.y))
                t.AddMark(t.Current(), e.text, e.x, e.y);
            break;
        case TKifuEvent::evSetup:
            Shell().HaitiIsi(e.colour, e.x, e.y);
            break;
        case TKifuEvent::evFileTeai:
            t.SetFileTeai(e.x);
            break;
        case TKifuEvent::evCommentOf:
            if (e.x >= 0 && e.x <= t.Last())
                t.SetComment(e.x, e.text);
            break;
        case TKifuEvent::evPlayedComment:
            if (!lastSkipped)
                t.SetComment(t.Last(), e.text);
            break;
        case TKifuEvent::evPlayedMark:
            if (!lastSkipped && b.OnBoard(e.x, e.y))
                t.AddMark(t.Last(), e.text, e.x, e.y);
            break;
        }
        if (full)
            break;
    }

    if (KifuKomi.empty())
        KifuKomi = KifuHandicap() == 0 ? "6.5" : "0";

    std::string report = record.note;
    auto line = [&report](const std::string& text) {
        if (!report.empty())
            report += "\n";
        report += text;
    };
    auto pointList = [](const std::string& list, int count) {
        return list + (count > 10 ? " ..." : "") + " (" + std::to_string(count) + ")";
    };
    if (refusedCount > 0)
        line(Msg("Moves of the record that the board does not allow were skipped:",
                 "打てない手（禁じ手）を飛ばしました:")
             + pointList(refused, refusedCount));
    if (offBoardCount > 0)
        line(Msg("Moves of the record outside the board were skipped:", "盤の外の着手を飛ばしました:")
             + pointList(offBoard, offBoardCount));
    if (full)
        line(Msg("The record holds more moves than the board keeps (600); reading stopped there.",
                 "手数が上限（600手）を超えたため、そこで読み込みを止めました。"));
    if (!report.empty())
        Shell().ShowMessage(report);
}

int KifuHandicap()
{
    const int named = GobanLv[0]->Tejun.FileTeai();
    return named != 0 ? named : Handicap;
}

bool KifuNoMoveOnAStone(const TKifuRecord& record, std::string& why)
{
    // The board follows the globals of the size and handicap: they are the
    // record's while it is replayed and the game's again afterwards.
    struct TSizeKeep {
        int size = BoardSize, handicap = Handicap;
        ~TSizeKeep()
        {
            BoardSize = size;
            Handicap = handicap;
        }
    } keep;
    const auto board = std::make_unique<TGoban>();
    TGoban& b = *board;
    b.NewGame();
    TTejun& t = b.Tejun;
    // A suicide the board does not play leaves stones that the file's rules
    // took off: a later move there fails because of the suicide, as long as
    // the stone there is still one the suicide left.
    struct TSuicide {
        int move;
        Point at;
        std::vector<Point> stones;
    };
    std::vector<TSuicide> suicides;
    // A stone put on a point takes that point out of every suicide's stones.
    auto newStone = [&suicides](int x, int y) {
        for (TSuicide& s : suicides)
            s.stones.erase(std::remove(s.stones.begin(), s.stones.end(), Point(x, y)), s.stones.end());
    };
    // Moves and passes as the file numbers them (passes put in before a
    // move of the wrong colour are not counted).
    int fileMove = 0;
    for (const TKifuEvent& e : record.events) {
        if (t.Last() >= kMaxTe)
            break; // the replay stops here too
        switch (e.kind) {
        case TKifuEvent::evReset:
            BoardSize = e.x;
            Handicap = e.y;
            b.NewGame();
            break;
        case TKifuEvent::evSetup:
            b.SetIro(e.x, e.y, e.colour);
            newStone(e.x, e.y);
            break;
        case TKifuEvent::evPass:
            ++fileMove;
            b.Pass();
            break;
        case TKifuEvent::evTakeBack:
            if (t.Current() > 0)
                b.Matta();
            break;
        case TKifuEvent::evMove: {
            ++fileMove;
            if (e.colour != 0 && e.colour != t.NextColor()) {
                b.Pass();
                if (t.Last() >= kMaxTe)
                    break;
            }
            if (!b.OnBoard(e.x, e.y))
                break;
            if (b.GetIro(e.x, e.y) != kAki) {
                for (const TSuicide& s : suicides)
                    if (std::find(s.stones.begin(), s.stones.end(), Point(e.x, e.y)) != s.stones.end()) {
                        why = std::string(Msg("move ", "")) + std::to_string(s.move) + Msg(" at ", " 手目 ")
                              + KifuPointText(s.at.x, s.at.y)
                              + Msg(" is a suicide, which this program does not play",
                                    " は自殺手で、このプログラムでは打てません");
                        return false;
                    }
                why = std::string(Msg("move ", "")) + std::to_string(fileMove)
                      + Msg(" is played on a stone at ", " 手目が石のある点 ") + KifuPointText(e.x, e.y)
                      + Msg("", " に打たれています");
                return false;
            }
            const int colour = t.NextColor();
            // A ko is skipped as the replay skips it.
            const int code = b.Utu(e.x, e.y);
            if (code == kUtuOk)
                newStone(e.x, e.y);
            if (code == kUtuSuicide) {
                TSuicide s{fileMove, Point(e.x, e.y), {Point(e.x, e.y)}};
                for (int d = 0; d < 4; ++d) {
                    const int nx = e.x + Dir4X.v[d], ny = e.y + Dir4Y.v[d];
                    if (b.GetIro(nx, ny) != colour)
                        continue;
                    FloodFillOn(b, nx, ny);
                    for (int k = 1; k <= FloodSu; ++k)
                        s.stones.emplace_back(FloodX[k], FloodY[k]);
                }
                suicides.push_back(std::move(s));
            }
            break;
        }
        default:
            break;
        }
    }
    return true;
}

bool KifuReadFile(const std::string& fileName, std::string& bytes)
{
    bytes.clear();
    std::FILE* f = std::fopen(fileName.c_str(), "rb");
    if (f == nullptr) {
        Shell().ShowMessage(Msg("Cannot open the file ", "ファイルを開けません: ") + fileName + " (" + std::strerror(errno)
                            + ")");
        return false;
    }
    char buffer[65536];
    bool tooLarge = false, failed = false;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
        bytes.append(buffer, n);
        if (static_cast<long>(bytes.size()) > kMaxFileBytes) {
            tooLarge = true;
            break;
        }
        if (n < sizeof buffer) {
            failed = std::ferror(f) != 0;
            break;
        }
    }
    std::fclose(f);
    if (tooLarge || failed) {
        Shell().ShowMessage((tooLarge ? Msg("The file is too large for a game record: ", "棋譜としては大きすぎるファイルです: ")
                                      : Msg("Cannot read the file ", "ファイルを読めません: "))
                            + fileName);
        bytes.clear();
        return false;
    }
    return true;
}

bool KifuWriteFile(const std::string& fileName, const std::string& bytes)
{
    std::string error;
    if (WriteBytes(fileName, bytes, "wb", error))
        return true;
    Shell().ShowMessage(Msg("Cannot write the file ", "ファイルに書き込めません: ") + fileName + " (" + error + ")");
    return false;
}

bool KifuWriteQuiet(const std::string& fileName, const std::string& bytes, bool append, std::string& error)
{
    return WriteBytes(fileName, bytes, append ? "ab" : "wb", error);
}

bool KifuWriteAtomic(const std::string& fileName, const std::string& bytes, std::string& error)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(fileName);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    const std::string tmp = fileName + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    int err = 0;
    while (left > 0 && err == 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno != EINTR)
                err = errno;
            continue;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && std::rename(tmp.c_str(), fileName.c_str()) != 0)
        err = errno;
    if (err == 0)
        return true;
    std::remove(tmp.c_str());
    error = std::strerror(err);
    return false;
}

std::string KifuToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y/%m/%d", &tm);
    return buf;
}

bool KifuValidSize(int size) { return size == 9 || size == 13 || size == 19; }

bool KifuValidHandicap(int handicap) { return handicap >= 0 && handicap <= 14; }

bool KifuBoardOk(int size, int handicap, std::string& why)
{
    if (!KifuValidSize(size))
        why = std::string(Msg("a board size other than 9, 13 or 19:", "9、13、19 路以外の盤です:")) + " " + std::to_string(size);
    else if (!KifuValidHandicap(handicap))
        why = std::string(Msg("a handicap outside 0 to 14:", "0 から 14 以外の置き石数です:")) + " " + std::to_string(handicap);
    else
        return true;
    return false;
}

bool KifuParseInt(const std::string& text, int& value)
{
    std::size_t i = 0, n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    while (n > i && (text[n - 1] == ' ' || text[n - 1] == '\t' || text[n - 1] == '\r' || text[n - 1] == '\n'))
        --n;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == n || n - i > 9)
        return false;
    int v = 0;
    for (; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = v * 10 + (text[i] - '0');
    }
    value = negative ? -v : v;
    return true;
}

std::string KifuPointText(int x, int y) { return "<" + std::to_string(x) + "," + std::to_string(y) + ">"; }

void KifuReset() { KifuIg1Reset(); }

} // namespace vorn
