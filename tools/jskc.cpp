// jskc: compiles the joseki dictionaries from their SGF sources, checks them,
// and prints a compiled dictionary back as SGF.
//
//   jskc compile corner|whole SOURCE.sgf OUT.JSK
//   jskc check   corner|whole SIZE FILE.JSK
//   jskc print   corner|whole SIZE FILE.JSK
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/JosekiBook.h"

using namespace vorn;

namespace {

int Usage()
{
    std::cerr << "usage: jskc compile corner|whole SOURCE.sgf OUT.JSK\n"
                 "       jskc check   corner|whole SIZE FILE.JSK\n"
                 "       jskc print   corner|whole SIZE FILE.JSK\n";
    return 2;
}

int Report(const std::string& name, const std::vector<std::string>& errors)
{
    for (const std::string& e : errors)
        std::cerr << name << ": " << e << '\n';
    return errors.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
        return Usage();
    const std::string cmd = argv[1], kind = argv[2];
    if (kind != "corner" && kind != "whole")
        return Usage();
    const int mode = kind == "corner" ? kJskCorner : kJskWhole;

    if (cmd == "compile") {
        std::ifstream in(argv[3], std::ios::binary);
        if (!in) {
            std::cerr << argv[3] << ": cannot be read\n";
            return 1;
        }
        std::stringstream text;
        text << in.rdbuf();
        TJosekiBook book(mode);
        std::vector<std::string> errors;
        if (!book.ParseSgf(text.str(), errors))
            return Report(argv[3], errors);
        const std::vector<TJskNode> recs = book.Compile();
        JskValidate(recs, mode, book.Size, errors);
        if (Report(argv[3], errors) != 0)
            return 1;
        if (!JskWriteFile(argv[4], recs)) {
            std::cerr << argv[4] << ": cannot be written\n";
            std::remove(argv[4]);
            return 1;
        }
        return 0;
    }

    const int size = std::atoi(argv[3]);
    if (size != 9 && size != 13 && size != 19)
        return Usage();
    std::vector<TJskNode> recs;
    if (!JskReadFile(argv[4], recs)) {
        std::cerr << argv[4] << ": cannot be read\n";
        return 1;
    }
    if (cmd == "check") {
        std::vector<std::string> errors;
        JskValidate(recs, mode, size, errors);
        return Report(argv[4], errors);
    }
    if (cmd == "print") {
        std::cout << JskToSgf(recs, mode, size);
        return 0;
    }
    return Usage();
}
