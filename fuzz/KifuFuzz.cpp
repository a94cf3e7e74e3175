// libFuzzer entry for the record readers: every input goes through each
// reader, and an accepted record is replayed on board 0.
// Built by "make fuzz" with clang; the seed corpus is fuzz/corpus.
#include <cstddef>
#include <cstdint>
#include <string>

#include "VornCore.h"
#include "records/Kifu.h"
#include "records/KifuBinary.h"
#include "records/KifuIg1.h"
#include "records/KifuLines.h"
#include "records/KifuSgf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = [] {
        vorn::ResetProgramState();
        return true;
    }();
    (void)ready;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (vorn::TKifuParser parse : {vorn::KifuParseSgf, vorn::KifuParseIg1, vorn::KifuParseGw1, vorn::KifuParseRe3,
                                    vorn::KifuParseWwg, vorn::KifuParseUgf, vorn::KifuParseIcf}) {
        vorn::TKifuRecord record;
        std::string why;
        if (parse(bytes, record, why))
            vorn::KifuApply(record);
    }
    return 0;
}
