// Fixed-capacity arrays with the index ranges of the Go domain (1-based points,
// border rows 0 and size+1, moves 1..600).  Every index is range-tested: an index
// out of range stops the operation by throwing ERangeError, so a fault never
// writes past an array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace vorn {

class ERangeError : public std::out_of_range {
public:
    explicit ERangeError(const char* what) : std::out_of_range(what) {}
};

[[noreturn]] void RangeError(long index, long lo, long hi);

template <class T, int Lo, int Hi>
struct Arr {
    static_assert(Hi >= Lo, "empty range");
    static constexpr int kLo = Lo;
    static constexpr int kHi = Hi;
    static constexpr int kSize = Hi - Lo + 1;

    T v[kSize];

    constexpr T& operator[](int i)
    {
        if (static_cast<unsigned>(i - Lo) > static_cast<unsigned>(Hi - Lo)) [[unlikely]]
            RangeError(i, Lo, Hi);
        return v[i - Lo];
    }
    constexpr const T& operator[](int i) const
    {
        if (static_cast<unsigned>(i - Lo) > static_cast<unsigned>(Hi - Lo)) [[unlikely]]
            RangeError(i, Lo, Hi);
        return v[i - Lo];
    }
    static constexpr bool InRange(int i) { return i >= Lo && i <= Hi; }
    void Fill(const T& x)
    {
        for (T& e : v)
            e = x;
    }
    T* begin() { return v; }
    T* end() { return v + kSize; }
    const T* begin() const { return v; }
    const T* end() const { return v + kSize; }
};

// Board-shaped table indexed [x][y].
template <class T, int Lo, int Hi>
using Grid = Arr<Arr<T, Lo, Hi>, Lo, Hi>;

template <class T, int Lo, int Hi>
void FillGrid(Grid<T, Lo, Hi>& g, const T& x)
{
    for (auto& col : g)
        col.Fill(x);
}

} // namespace vorn
