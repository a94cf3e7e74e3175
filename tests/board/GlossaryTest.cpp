// docs/GLOSSARY.md is the source map for newcomers: every header under src/
// has its line there, and every file it names is still there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

fs::path SourceDir()
{
    if (const char* src = std::getenv("VORN_SOURCE_DIR"); src != nullptr && *src != '\0')
        return src;
    return fs::path(__FILE__).parent_path().parent_path().parent_path();
}

// The file names in backticks ("`src/board/Goban.h`") of the glossary.
std::set<std::string> Listed(const std::string& text)
{
    std::set<std::string> names;
    for (std::size_t open = text.find("`src/"); open != std::string::npos; open = text.find("`src/", open + 1)) {
        const std::size_t close = text.find('`', open + 1);
        if (close == std::string::npos)
            break;
        const std::string name = text.substr(open + 1, close - open - 1);
        if (name.find_first_of(" \n|") == std::string::npos)
            names.insert(name);
    }
    return names;
}

TEST(GlossaryTest, EveryHeaderIsListed)
{
    const fs::path root = SourceDir();
    std::ifstream in(root / "docs" / "GLOSSARY.md");
    ASSERT_TRUE(in) << (root / "docs" / "GLOSSARY.md").string() << " cannot be read";
    std::ostringstream text;
    text << in.rdbuf();
    const std::set<std::string> listed = Listed(text.str());

    std::set<std::string> headers;
    for (const auto& entry : fs::recursive_directory_iterator(root / "src"))
        if (entry.is_regular_file() && entry.path().extension() == ".h")
            headers.insert(fs::relative(entry.path(), root).generic_string());
    ASSERT_GT(headers.size(), 40u);
    for (const std::string& h : headers)
        EXPECT_TRUE(listed.count(h) != 0) << "docs/GLOSSARY.md does not list " << h
                                          << ": add a line for it to the table of its layer";
    for (const std::string& f : listed)
        EXPECT_TRUE(fs::exists(root / f)) << "docs/GLOSSARY.md lists " << f << ", which is not in the source tree";
}

TEST(GlossaryTest, FileNamesAreTakenFromBackticks)
{
    const std::set<std::string> names
        = Listed("| Goban | `src/board/Goban.h` | board |\nsee `src/engine/Think.h`, not src/x.h or `Goban`");
    EXPECT_EQ(names, (std::set<std::string>{"src/board/Goban.h", "src/engine/Think.h"}));
}

} // namespace
} // namespace vorn::test
