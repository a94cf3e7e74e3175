// Chain tactics for chains with two and three liberties: the attack on an
// opponent chain with two liberties (ladder, net, squeeze, throw-in), the
// escape of an own one, the net against a chain that escapes the ladder, the
// forced ladder through a point the attacker may not play, and the throw-in,
// ladder and net against chains with three liberties.
//
// RenAnswer (Toru) calls these for every chain of the game board.  They add
// candidates under the current reason (kkToru), except the escapes of
// RenNigeru2 (kkNigeru, with the escape point as related point) and the
// liberty-filling answers of Semeru2Tume (kkToru28).  Each starts and ends
// on the level it was called at.
#pragma once

#include "board/Point.h"

namespace vorn {

class TRen;

// The handlers: each reads one chain of the game board and adds candidates.
void RenSemeru2(TRen* ren);
void RenNigeru2(TRen* ren);
void Ren2Geta(TRen* ren);
void Ren2KinsiYomi(TRen* ren);
void Ren3Answer(TRen* ren);

// Routines of the attack on a two-liberty chain, by its ladder status.
void Semeru2ToruAtari(TRen* ren); // escapes: a throw-in that captures
void Semeru2Tume(TRen* ren);      // escapes: fill a liberty, our chain in atari laddered
void GetaKoho(TRen* ren);         // caught by a net
void Ren2Shibori(TRen* ren);      // can be squeezed

// Routines of the escape of an own two-liberty chain.
void EdgeSichoNige(TRen* ren);
// Two two-liberty chains sharing a liberty: s the shared one, u and v the
// other liberty of each; false when they share none.
bool SharedDame2(TRen* a, TRen* b, Point& s, Point& u, Point& v);
// The first pair of the opponent's two-liberty chains next to ren with a
// shared liberty that ren's owner may play.
bool RyoAtariPt(TRen* ren, Point& s, Point& u, Point& v);
// The last liberty of a two-liberty chain that has two or more empty
// neighbours; (0, 0) when none.
Point Dame2OpenPt(TRen* ren);
// After rebuilding the chains: the liberty of the last chain in atari next
// to the chain at p; (0, 0) when none.
Point TonariAtariKuuAt(Point p);
// An escape by capture through another neighbour: see Toru2.cpp.
Point NigeToruPt(Point s, Point l1, Point m);

// The three-liberty attacks.
void Ren3Horikomi(TRen* ren);
void Ren3Sicho(TRen* ren);
void Ren3Geta(TRen* ren);
// The throw-in at l against the chain of s, then the ladder: the attacker's
// value, -1 when it does not work.
int HorikomiSicho(Point s, Point l);
// The three-liberty throw-in test of the chain at p (for the endgame).
bool Ren3HorikomiCheck(Point p);

} // namespace vorn
