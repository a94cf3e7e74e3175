#include "records/Log.h"

#include <cstdio>

#include "board/Goban.h"
#include "board/Hooks.h"

namespace vorn {

std::string LogGameFileName;

namespace {

constexpr const char* kLogFile = "log.txt";
constexpr const char* kLineEnd = "\r\n";

// Creates the file or cuts it to nothing.
void Truncate(const std::string& fileName)
{
    if (std::FILE* f = std::fopen(fileName.c_str(), "wb"))
        std::fclose(f);
}

// The game name as part of a file name in the current directory: path
// separators (a name read from a record may hold any text) become '_'.
std::string FileNamePart(const std::string& name)
{
    std::string s = name;
    for (char& ch : s)
        if (ch == '/' || ch == '\\' || ch == '\0')
            ch = '_';
    return s;
}

} // namespace

void LogAppend(const std::string& text, const std::string& fileName, bool newLine)
{
    if (LogMode == 0 || fileName.empty())
        return;
    std::FILE* f = std::fopen(fileName.c_str(), "ab");
    if (f == nullptr)
        return;
    std::fwrite(text.data(), 1, text.size(), f);
    if (newLine)
        std::fputs(kLineEnd, f);
    std::fclose(f);
}

void LogClear()
{
    if (LogMode == 0)
        return;
    Truncate(kLogFile);
}

void LogNewGameFile()
{
    if (LogMode == 0)
        return;
    const int next = GobanLv[0] ? GobanLv[0]->Tejun.Current() + 1 : 1;
    LogGameFileName = FileNamePart(KifuGameName) + "_" + std::to_string(next) + ".txt";
    Truncate(LogGameFileName);
}

void LogWrite(const std::string& text) { LogAppend(text, kLogFile, true); }

void LogWriteGame(const std::string& text, bool newLine) { LogAppend(text, LogGameFileName, newLine); }

void ItiToStr(Point p, std::string& out)
{
    out = "<" + std::to_string(p.x) + "," + std::to_string(p.y) + ">";
}

std::string ItiToStr(Point p)
{
    std::string s;
    ItiToStr(p, s);
    return s;
}

void LogReset() { LogGameFileName.clear(); }

} // namespace vorn
