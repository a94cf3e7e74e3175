// TIniFile: the settings file of the program and the caption files.
//
// Sections and keys are matched without regard to ASCII case and keep the
// spelling they were first written with.  Values are text; integers and the
// two kinds of switches ("ON"/"OFF" and "1"/"0") are read through helpers.
// Writes are kept in memory and merged into the file on disk by UpdateFile
// (also run by the destructor), so keys that another object wrote meanwhile
// are never lost; the file is replaced atomically, so a crash leaves either
// the old or the new file, never a truncated one.
#pragma once

#include <string>
#include <vector>

namespace vorn {

class TIniFile {
public:
    // Reads the file when it exists; a missing or unreadable file is empty.
    explicit TIniFile(std::string path);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& Path() const { return path_; }

    bool KeyExists(const std::string& section, const std::string& key) const;
    // The value of the key, or def when the key is missing.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // The value as a decimal integer (optional sign, blanks around it); def
    // when the key is missing or its value is no integer.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // A switch stored as "ON"/"OFF": on only for exactly "ON".
    bool ReadOnOff(const std::string& section, const std::string& key) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteOnOff(const std::string& section, const std::string& key, bool on);

    // Merges the writes of this object into the file as it is on disk now and
    // replaces the file atomically (creating its directory).  True when there
    // was nothing to write or the file was written.
    bool UpdateFile();

    // The file's text as it would be written.
    std::string Text() const;

private:
    struct Line {
        std::string key;   // empty for a comment or blank line
        std::string value;
        std::string raw;   // the line as read, for comments and blank lines
    };
    struct Section {
        std::string name;  // "" for the lines before the first section
        std::vector<Line> lines;
    };
    struct Write {
        std::string section, key, value;
    };

    void Parse(const std::string& text);
    void Set(const std::string& section, const std::string& key, const std::string& value);
    const Line* Find(const std::string& section, const std::string& key) const;

    std::string path_;
    std::vector<Section> sections_;
    std::vector<Write> pending_;
};

// The file the program keeps its settings in: VORN.INI in
// $XDG_CONFIG_HOME/vorn/, or ~/.config/vorn/ when that variable is unset.
std::string VornIniPath();

// Case-insensitive equality of ASCII texts.
bool SameText(const std::string& a, const std::string& b);

} // namespace vorn
