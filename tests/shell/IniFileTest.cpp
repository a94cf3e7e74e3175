#include "shell/IniFile.h"

#include <filesystem>

#include "ShellUtil.h"

namespace vorn::test {
namespace {

class IniFileTest : public ShellTest {
protected:
    std::string Path() const { return configDir + "/t.ini"; }
};

TEST_F(IniFileTest, SectionsAndKeysIgnoreCaseAndValuesAreTrimmed)
{
    WriteText(Path(), "\xEF\xBB\xBF; settings\r\n[Goban]\r\nSize = 13 \r\nbancolor=255\r\n[FORM]\r\nLeft=\"  5\"\r\n");
    const TIniFile ini(Path());
    EXPECT_EQ(ini.ReadInteger("goban", "SIZE", 19), 13);
    EXPECT_EQ(ini.ReadInteger("Goban", "BanColor", 0), 255);
    EXPECT_EQ(ini.ReadString("form", "left", ""), "  5");
    EXPECT_TRUE(ini.KeyExists("GOBAN", "size"));
    EXPECT_FALSE(ini.KeyExists("Form", "Size"));
    EXPECT_EQ(ini.ReadString("Nowhere", "Size", "dflt"), "dflt");
}

TEST_F(IniFileTest, IntegersAndSwitchesReadStrictly)
{
    WriteText(Path(), "[S]\nA=42\nB=-7\nC=abc\nD=\nE=12x\nF=99999999999\nG=ON\nH=on\nI=1\nJ=OFF\nK= ON\n");
    const TIniFile ini(Path());
    struct Case {
        const char* key;
        int value;
    };
    for (Case c : {Case{"A", 42}, {"B", -7}, {"C", 5}, {"D", 5}, {"E", 5}, {"F", 5}, {"Missing", 5}})
        EXPECT_EQ(ini.ReadInteger("S", c.key, 5), c.value) << c.key;
    EXPECT_TRUE(ini.ReadOnOff("S", "G"));
    EXPECT_FALSE(ini.ReadOnOff("S", "H"));   // only "ON" is on
    EXPECT_FALSE(ini.ReadOnOff("S", "I"));
    EXPECT_FALSE(ini.ReadOnOff("S", "J"));
    EXPECT_TRUE(ini.ReadOnOff("S", "K"));    // blanks around a value do not count
    EXPECT_FALSE(ini.ReadOnOff("S", "Missing"));
}

TEST_F(IniFileTest, WriteBackKeepsEveryOtherKeyAndComment)
{
    WriteText(Path(), "; kept\n[Goban]\nSize=19\nOkiIsi=2\n\n[Other]\nX=1\n");
    {
        TIniFile ini(Path());
        ini.WriteInteger("goban", "size", 9);
        ini.WriteOnOff("Form", "Bango", true);
    }
    const std::string text = ReadText(Path());
    EXPECT_NE(text.find("; kept"), std::string::npos);
    const TIniFile back(Path());
    EXPECT_EQ(back.ReadInteger("Goban", "Size", 0), 9);
    EXPECT_EQ(back.ReadInteger("Goban", "OkiIsi", 0), 2);
    EXPECT_EQ(back.ReadInteger("Other", "X", 0), 1);
    EXPECT_EQ(back.ReadString("Form", "Bango", ""), "ON");
    // The key keeps the spelling it had in the file.
    EXPECT_NE(text.find("Size=9"), std::string::npos);
}

TEST_F(IniFileTest, TwoWritersInterleavedLoseNothing)
{
    TIniFile a(Path());
    TIniFile b(Path());
    a.WriteString("Form", "File1", "a.sgf");
    b.WriteString("Form", "Language", "1");
    EXPECT_TRUE(b.UpdateFile());
    EXPECT_TRUE(a.UpdateFile());
    const TIniFile back(Path());
    EXPECT_EQ(back.ReadString("Form", "File1", ""), "a.sgf");
    EXPECT_EQ(back.ReadString("Form", "Language", ""), "1");
}

TEST_F(IniFileTest, WriteIsAtomicAndCreatesItsDirectory)
{
    const std::string deep = configDir + "/a/b/VORN.INI";
    {
        TIniFile ini(deep);
        ini.WriteString("Goban", "Size", "13");
        // A value cannot smuggle in a second line.
        ini.WriteString("Form", "File1", "x\ny=1");
    }
    const TIniFile back(deep);
    EXPECT_EQ(back.ReadInteger("Goban", "Size", 0), 13);
    EXPECT_EQ(back.ReadString("Form", "File1", ""), "xy=1");
    EXPECT_FALSE(back.KeyExists("Form", "y"));
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(configDir + "/a/b")) {
        ++files;
        EXPECT_EQ(e.path().filename(), "VORN.INI");
    }
    EXPECT_EQ(files, 1);
}

TEST_F(IniFileTest, UnwritablePlaceReportsFailureAndKeepsNothingHalfWritten)
{
    WriteText(configDir + "/plain", "x");
    TIniFile ini(configDir + "/plain/VORN.INI");  // a file where the directory should be
    ini.WriteString("Goban", "Size", "13");
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_EQ(ReadText(configDir + "/plain"), "x");
}

TEST_F(IniFileTest, SettingsLiveUnderTheConfigDirectory)
{
    EXPECT_EQ(VornIniPath(), configDir + "/vorn/VORN.INI");
    EXPECT_TRUE(SameText("mnuEXIT", "MnuExit"));
    EXPECT_FALSE(SameText("mnuExit", "mnuExit2"));
}

} // namespace
} // namespace vorn::test
