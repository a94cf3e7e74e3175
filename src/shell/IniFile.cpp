#include "shell/IniFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/Kifu.h"


namespace vorn {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r'))
        --e;
    return s.substr(b, e - b);
}

bool ReadWholeFile(const std::string& path, std::string& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}

} // namespace

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::string VornIniPath()
{
    std::string dir;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x != nullptr && x[0] != '\0') {
        dir = x;
    } else {
        const char* home = std::getenv("HOME");
        dir = std::string(home != nullptr ? home : ".") + "/.config";
    }
    return dir + "/vorn/VORN.INI";
}

TIniFile::TIniFile(std::string path) : path_(std::move(path))
{
    std::string text;
    if (ReadWholeFile(path_, text))
        Parse(text);
    else
        sections_.push_back(Section{});
}

TIniFile::~TIniFile() { UpdateFile(); }

void TIniFile::Parse(const std::string& text)
{
    sections_.clear();
    sections_.push_back(Section{});
    std::size_t pos = 0;
    // A byte-order mark in front of UTF-8 text does not belong to the first line.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(pos, end - pos);
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        pos = end + 1;
        const std::string t = Trim(raw);
        if (t.size() >= 2 && t.front() == '[') {
            const std::size_t close = t.find(']');
            if (close != std::string::npos) {
                sections_.push_back(Section{Trim(t.substr(1, close - 1)), {}});
                continue;
            }
        }
        const std::size_t eq = t.find('=');
        if (t.empty() || t[0] == ';' || eq == std::string::npos || eq == 0) {
            sections_.back().lines.push_back(Line{"", "", raw});
            continue;
        }
        std::string value = Trim(t.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        sections_.back().lines.push_back(Line{Trim(t.substr(0, eq)), value, raw});
    }
}

const TIniFile::Line* TIniFile::Find(const std::string& section, const std::string& key) const
{
    for (const Section& s : sections_) {
        if (!SameText(s.name, section))
            continue;
        for (const Line& l : s.lines)
            if (!l.key.empty() && SameText(l.key, key))
                return &l;
    }
    return nullptr;
}

bool TIniFile::KeyExists(const std::string& section, const std::string& key) const
{
    return Find(section, key) != nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    const Line* l = Find(section, key);
    return l ? l->value : def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const
{
    const Line* l = Find(section, key);
    if (l == nullptr)
        return def;
    const std::string& v = l->value;
    std::size_t i = 0;
    bool neg = false;
    if (i < v.size() && (v[i] == '+' || v[i] == '-'))
        neg = v[i++] == '-';
    if (i >= v.size())
        return def;
    long long n = 0;
    for (; i < v.size(); ++i) {
        if (v[i] < '0' || v[i] > '9')
            return def;
        n = n * 10 + (v[i] - '0');
        if (n > 0x7FFFFFFFLL)
            return def;
    }
    return static_cast<int>(neg ? -n : n);
}

bool TIniFile::ReadOnOff(const std::string& section, const std::string& key) const
{
    return ReadString(section, key, "OFF") == "ON";
}

void TIniFile::Set(const std::string& section, const std::string& key, const std::string& value)
{
    for (Section& s : sections_) {
        if (s.name.empty() || !SameText(s.name, section))
            continue;
        for (Line& l : s.lines)
            if (!l.key.empty() && SameText(l.key, key)) {
                l.value = value;
                return;
            }
        // New key: after the last key of the section, before trailing blanks.
        std::size_t at = s.lines.size();
        while (at > 0 && s.lines[at - 1].key.empty() && Trim(s.lines[at - 1].raw).empty())
            --at;
        s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{key, value, ""});
        return;
    }
    sections_.push_back(Section{section, {Line{key, value, ""}}});
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    // A value is one line: line breaks would split it into a second key.
    std::string v;
    for (char c : value)
        if (c != '\n' && c != '\r')
            v += c;
    Set(section, key, v);
    pending_.push_back(Write{section, key, v});
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteOnOff(const std::string& section, const std::string& key, bool on)
{
    WriteString(section, key, on ? "ON" : "OFF");
}

std::string TIniFile::Text() const
{
    std::string out;
    for (const Section& s : sections_) {
        if (!s.name.empty()) {
            // One blank line between sections.
            if (!out.empty() && (out.size() < 2 || out.compare(out.size() - 2, 2, "\n\n") != 0))
                out += '\n';
            out += '[' + s.name + "]\n";
        }
        for (const Line& l : s.lines)
            out += (l.key.empty() ? l.raw : l.key + '=' + l.value) + '\n';
    }
    return out;
}

bool TIniFile::UpdateFile()
{
    if (pending_.empty())
        return true;
    // Start again from the file as it is now, so that keys written by others
    // since this object read it survive, and put this object's writes on top.
    std::string text;
    if (ReadWholeFile(path_, text))
        Parse(text);
    else {
        sections_.clear();
        sections_.push_back(Section{});
    }
    for (const Write& w : pending_)
        Set(w.section, w.key, w.value);
    pending_.clear();
    std::string error;
    return KifuWriteAtomic(path_, Text(), error);
}

} // namespace vorn
