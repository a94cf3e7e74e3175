// Proverbs of the status line: the fixed rows of both tables, the random
// choice with its empty draws, and the status texts by language.
#include <set>

#include "GameUtil.h"
#include "board/Rand.h"
#include "shell/Kakugen.h"

namespace vorn::test {
namespace {

TEST(KakugenTest, TablesHoldTheirFixedRows)
{
    EXPECT_STREQ(KakugenEnglishRow(0), "Don't make empty triangles");
    EXPECT_STREQ(KakugenEnglishRow(1), "Empty triangles are bad");
    EXPECT_STREQ(KakugenEnglishRow(2), "Atari, atari is vulgar play");
    EXPECT_STREQ(KakugenEnglishRow(9), "Corner, side, center");
    EXPECT_STREQ(KakugenEnglishRow(26), "If you don't understand the ladders, don't play go");
    EXPECT_STREQ(KakugenEnglishRow(45), "The 3rd line is for territory, the 4th for influence");
    EXPECT_STREQ(KakugenEnglishRow(46), "");
    EXPECT_STREQ(KakugenJapaneseRow(0), "シチョウを知らずに碁を打つな");
    EXPECT_STREQ(KakugenJapaneseRow(1), "アタリアタリはヘボ碁の見本");
    EXPECT_STREQ(KakugenJapaneseRow(2), "厚みに近寄るな");
    EXPECT_STREQ(KakugenJapaneseRow(13), "攻める石にツケるな");
    EXPECT_STREQ(KakugenJapaneseRow(130), "攻める石にツケるな");
    EXPECT_STREQ(KakugenJapaneseRow(163), "ポン抜き３０目");
    EXPECT_STREQ(KakugenJapaneseRow(164), "初碁にコウなし");
    EXPECT_STREQ(KakugenJapaneseRow(165), "");
    EXPECT_STREQ(KakugenJapaneseRow(-1), "");

    // Every row has a text, and apart from the one repeated row each is distinct.
    std::set<std::string> english, japanese;
    for (int i = 0; i < kKakugenEnglishCount; ++i) {
        EXPECT_STRNE(KakugenEnglishRow(i), "") << i;
        english.insert(KakugenEnglishRow(i));
    }
    for (int i = 0; i < kKakugenJapaneseCount; ++i) {
        EXPECT_STRNE(KakugenJapaneseRow(i), "") << i;
        japanese.insert(KakugenJapaneseRow(i));
    }
    EXPECT_EQ(english.size(), 46u);
    EXPECT_EQ(japanese.size(), 164u);
}

TEST(KakugenTest, TheDrawPicksTheRowOrNothing)
{
    int emptyEnglish = 0, emptyJapanese = 0;
    std::set<std::string> seen;
    for (std::uint64_t seed = 1; seed <= 600; ++seed) {
        RandSeed(seed);
        const int r = Random(kKakugenEnglishRange);
        RandSeed(seed);
        std::string text;
        KakugenEnglish(text);
        EXPECT_EQ(text, r < kKakugenEnglishCount ? KakugenEnglishRow(r) : "") << "seed " << seed;
        emptyEnglish += text.empty();
        seen.insert(text);

        RandSeed(seed);
        const int q = Random(kKakugenJapaneseRange);
        RandSeed(seed);
        KakugenJapanese(text);
        EXPECT_EQ(text, q < kKakugenJapaneseCount ? KakugenJapaneseRow(q) : "") << "seed " << seed;
        emptyJapanese += text.empty();
    }
    // 14 draws in 60 and 6 in 171 show no proverb.
    EXPECT_GT(emptyEnglish, 100);
    EXPECT_LT(emptyEnglish, 180);
    EXPECT_GT(emptyJapanese, 5);
    EXPECT_LT(emptyJapanese, 45);
    EXPECT_GT(seen.size(), 40u);
}

TEST(KakugenTest, StatusTextsByLanguage)
{
    // A seed whose first draw is empty shows the bare texts.
    std::uint64_t seed = 1;
    for (;; ++seed) {
        RandSeed(seed);
        if (Random(kKakugenEnglishRange) >= kKakugenEnglishCount)
            break;
    }
    RandSeed(seed);
    EXPECT_EQ(StatusLineText(true, lgEnglish), "Your Turn...");
    RandSeed(seed);
    EXPECT_EQ(StatusLineText(false, lgEnglish), "Vorn thinks...");
    RandSeed(1);
    const int r = Random(kKakugenJapaneseRange);
    RandSeed(1);
    EXPECT_EQ(StatusLineText(false, lgJapanese), std::string("ＶＯＲＮ思考中...") + KakugenJapaneseRow(r));
    RandSeed(1);
    EXPECT_EQ(StatusLineText(true, lgChinese), std::string("あなたの番です...") + KakugenJapaneseRow(r));
}

using StatusTest = GameTest;

TEST_F(StatusTest, TheStatusLineSpeaksOnlyInGamesAgainstTheEngine)
{
    Open(lgJapanese);
    Start("人間", "VORN");
    ClickPoint(3, 3);  // the engine passes
    EXPECT_TRUE(StartsWith(view.status, "あなたの番です..."));
    ctl.GameStop();
    dlg.Hide();
    Start("人間", "人間");
    view.status = "";
    ClickPoint(4, 4);
    for (int i = 0; i < 20; ++i)
        ctl.Turn.timThinkTimer();
    EXPECT_EQ(view.status, "");
}

} // namespace
} // namespace vorn::test
