#include "shell/Kakugen.h"

#include <iterator>

#include "board/Hooks.h"
#include "board/Rand.h"

namespace vorn {

namespace {

// English proverbs, rows 0 to 45.
const char* const kEnglish[] = {
    // 0
    "Don't make empty triangles",
    "Empty triangles are bad",
    "Atari, atari is vulgar play",
    "Play away from thickness",
    "Don't use thickness to make territory",
    "The opponent's vital point is your own vital point",
    "Hane at the head of two stones",
    "Strike at the waist of the knight's move",
    "Urgent points before big points",
    "Corner, side, center",
    // 10
    "On the second line six die but eight live",
    "There is death in the hane",
    "Don't attach to the stone you are attacking",
    "Play the middle of three stones",
    "Capturing one stone in a ponnuki is worth thirty points",
    "There is no ko in the opening",
    "Don't try to cut a bamboo joint",
    "Strange things happen at the 1-2 point",
    "Make a fist before you strike",
    "Even a beginner connects against a peep",
    // 20
    "From a two-stone wall extend three lines",
    "Don't crawl along the second line",
    "The second line is the line of defeat",
    "Don't push along the fifth line",
    "Add a second stone before you sacrifice",
    "Capture the cutting stones",
    "If you don't understand the ladders, don't play go",
    "Play your forcing moves before you live",
    "Don't go fishing while your house is on fire",
    "Take away the base of the group you attack",
    // 30
    "Attack from a distance",
    "Light stones are hard to capture",
    "Avoid heavy shapes",
    "Give up small stones to win big ones",
    "When all four corners are lost, resign",
    "Make miai and you cannot lose both",
    "Look at the whole board",
    "Answer an attachment with a hane",
    "Extend from a crosscut",
    "A one-space jump is never bad",
    // 40
    "Know when to play elsewhere",
    "Drive weak stones toward your thickness",
    "A ko is won by the side with more threats",
    "Read before you cut",
    "A large group rarely dies",
    "The 3rd line is for territory, the 4th for influence",
};

// Japanese proverbs, rows 0 to 164 (rows 13 and 130 hold the same text).
const char* const kJapanese[] = {
    // 0
    "シチョウを知らずに碁を打つな",
    "アタリアタリはヘボ碁の見本",
    "厚みに近寄るな",
    "二目の頭は見ずにハネよ",
    "一間トビに悪手なし",
    "敵の急所は我が急所",
    "大場より急場",
    "六死八活",
    "死はハネにあり",
    "三目の真ん中は急所",
    // 10
    "左右同形中央に手あり",
    "二線は敗線",
    "一線は死線",
    "攻める石にツケるな",
    "厚みを囲うな",
    "厚みは攻めに使え",
    "弱い石を作るな",
    "攻めは遠くから",
    "根拠を奪って攻めよ",
    "小を捨てて大を取れ",
    // 20
    "二目にして捨てよ",
    "ツケにはハネよ",
    "キリチガイ一方をノビよ",
    "キリ石を取れ",
    "一に空き隅、二にシマリかカカリ、三にヒラキ",
    "空き三角は愚形",
    "亀の甲は六十目",
    "中手は急所に打て",
    "二眼あれば石は生きる",
    "利かしは生きる前に打て",
    // 30
    "下手の考え休むに似たり",
    "岡目八目",
    "勝負は最後の一手まで",
    "定石を覚えて二目弱くなり",
    "定石は覚えて忘れよ",
    "相手の打ちたい所に打て",
    "模様の接点は天王山",
    "二立三析",
    "三立四析",
    "ボウシにはケイマで受けよ",
    // 40
    "ケイマの腰を衝け",
    "眼あり眼なしは眼ありの勝ち",
    "大眼は小眼に勝つ",
    "攻め合いは外ダメから詰めよ",
    "攻め合いはダメの数で決まる",
    "セキは両者の生き",
    "隅の曲がり四目は死",
    "直四は生き",
    "板六は生き",
    "直三と曲がり三は急所が一つ",
    // 50
    "二の一に妙手あり",
    "ウッテガエシを見逃すな",
    "オイオトシに気をつけよ",
    "逃げ道のない石はゲタで取れ",
    "シチョウアタリを見落とすな",
    "厚みから遠く打て",
    "相手の薄みを衝け",
    "自分の薄みは先に守れ",
    "攻めながら地を作れ",
    "逃げながら地は作れない",
    // 60
    "石を重くするな",
    "石は軽く打て",
    "捨て石を活用せよ",
    "寄せは大きい所から",
    "先手の寄せは後手の倍",
    "両先手は逃すな",
    "逆ヨセは先手ヨセと同じ値打ち",
    "後手の寄せは最後に回せ",
    "コウ材は大事に残せ",
    "コウはコウ材の多い方が勝つ",
    // 70
    "序盤にコウなし",
    "三線は地、四線は勢力",
    "高低の配合を考えよ",
    "弱い石は厚みの方へ追え",
    "弱い石から先に手を入れよ",
    "二つの弱い石を作るな",
    "両ガラミを狙え",
    "迷ったら切れ",
    "サガリに好手多し",
    "ノゾキにツガぬバカはなし",
    // 80
    "ポン抜きは好形",
    "手厚く打て",
    "地に辛く打て",
    "欲張ると負ける",
    "勝とうと打つより負けまいと打て",
    "四隅を取られたら投了せよ",
    "模様に深入りするな",
    "消しは肩ツキから",
    "弱い時は戦うな",
    "自分を固めてから攻めよ",
    // 90
    "大石死せず",
    "利かしは打っておけ",
    "味を消すな",
    "相手の味悪を咎めよ",
    "ダメヅマリに注意せよ",
    "自分のダメを詰めるな",
    "石の生死は眼の数で決まる",
    "欠け眼は眼にあらず",
    "生きを急ぐな",
    "手割りで考えよ",
    // 100
    "碁は対話なり",
    "石の働きを考えよ",
    "一石二鳥を狙え",
    "両にらみの手を打て",
    "見合いは一方を打たずに済む",
    "先手を取れ",
    "手抜きを恐れるな",
    "着眼大局、着手小局",
    "中央に地はできにくい",
    "隅は生きやすく中央は生きにくい",
    // 110
    "金角銀辺草腹",
    "隅、辺、中央の順に打て",
    "急所は一点",
    "相手の急所に先着せよ",
    "凝り形を避けよ",
    "石を団子にするな",
    "ハネにはハネ返せ",
    "寄せは両先手から",
    "最後のダメまで気を抜くな",
    "相手の模様は大きくなる前に消せ",
    // 120
    "勝ち碁は堅く打て",
    "負け碁は勝負手を打て",
    "形勢判断を忘れるな",
    "三手先を読め",
    "根拠のない石は弱い",
    "眼のない石を作るな",
    "死んだ石は助けるな",
    "生きた石を攻めるな",
    "打ち込みは浅く",
    "石の下に手あり",
    // 130
    "攻める石にツケるな",
    "ハネにはノビよ",
    "シマリは大場",
    "カカリにはハサミか受けを",
    "三々は隅の急所",
    "小目のシマリは地に辛い",
    "星は速さ、小目は堅さ",
    "天元は打ちこなすのが難しい",
    "ヒラキは石の数に合わせよ",
    "石の強弱を見極めよ",
    // 140
    "迷えば手堅く",
    "堅ツギは手厚い",
    "カケツギは形が良い",
    "ケイマはツケコシに注意",
    "大ゲイマは切られやすい",
    "一間トビは切れない",
    "二間トビは割り込みに注意",
    "石は働く方向に打て",
    "無理を打つな",
    "相手の無理は咎めよ",
    // 150
    "手順前後に注意",
    "投了は早まるな",
    "一目でも勝ちは勝ち",
    "負けから学べ",
    "打ち碁を並べて学べ",
    "詰碁は読みの力を育てる",
    "筋は形から",
    "好形を覚えよ",
    "愚形は避けよ",
    "相手の言いなりになるな",
    // 160
    "一手の価値を数えよ",
    "地合いを数えてから戦え",
    "打つ前に全局を見よ",
    "ポン抜き３０目",
    "初碁にコウなし",
};

static_assert(std::size(kEnglish) == kKakugenEnglishCount);
static_assert(std::size(kJapanese) == kKakugenJapaneseCount);

} // namespace

const char* KakugenEnglishRow(int i) { return i >= 0 && i < kKakugenEnglishCount ? kEnglish[i] : ""; }

const char* KakugenJapaneseRow(int i) { return i >= 0 && i < kKakugenJapaneseCount ? kJapanese[i] : ""; }

void KakugenEnglish(std::string& text) { text = KakugenEnglishRow(Random(kKakugenEnglishRange)); }

void KakugenJapanese(std::string& text) { text = KakugenJapaneseRow(Random(kKakugenJapaneseRange)); }

std::string StatusLineText(bool yourTurn, int language)
{
    std::string p;
    if (language == lgEnglish) {
        KakugenEnglish(p);
        return (yourTurn ? "Your Turn..." : "Vorn thinks...") + p;
    }
    KakugenJapanese(p);
    return (yourTurn ? "あなたの番です..." : "ＶＯＲＮ思考中...") + p;
}

} // namespace vorn
