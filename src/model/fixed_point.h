// SFP: signed 16.16 fixed point held in an int32 (value x 65536). Every
// per-sample quantity of the synthesis (read positions, steps, spline
// coefficients, gains) is an SFP so that rendering needs integer arithmetic
// only. Sums wrap like 32-bit integers; a product keeps the low 32 bits of
// the 64-bit product shifted right by 16.
#pragma once

#include <compare>
#include <cstdint>

class SFP {
public:
    static constexpr int32_t kOne = 65536;

    constexpr SFP() = default;

    // The stored int32 as is (file records, positions compared raw).
    static constexpr SFP FromRaw(int32_t raw) {
        SFP f;
        f.raw_ = raw;
        return f;
    }
    // n x 65536; n must lie in -32768..32767 to be representable.
    static constexpr SFP FromInt(int32_t n) {
        return FromRaw(static_cast<int32_t>(static_cast<uint32_t>(n) << 16));
    }
    // |x| >= 32767 saturates to +-32766 x 65536; |x| <= 2^-16 (and NaN)
    // gives 0; otherwise x x 65536 truncated toward zero.
    static constexpr SFP FromReal(double x) {
        double magnitude = x < 0 ? -x : x;
        if (magnitude >= 32767.0) return FromRaw(x < 0 ? -32766 * kOne : 32766 * kOne);
        if (magnitude > 1.0 / 65536.0) return FromRaw(static_cast<int32_t>(x * 65536.0));
        return SFP();
    }

    constexpr int32_t Raw() const { return raw_; }
    // The integer part, rounded toward minus infinity.
    constexpr int32_t Floor() const { return raw_ >> 16; }
    constexpr double ToReal() const { return raw_ / 65536.0; }

    friend constexpr SFP operator+(SFP a, SFP b) {
        return FromRaw(
            static_cast<int32_t>(static_cast<uint32_t>(a.raw_) + static_cast<uint32_t>(b.raw_)));
    }
    friend constexpr SFP operator-(SFP a, SFP b) {
        return FromRaw(
            static_cast<int32_t>(static_cast<uint32_t>(a.raw_) - static_cast<uint32_t>(b.raw_)));
    }
    friend constexpr SFP operator*(SFP a, SFP b) {
        return FromRaw(static_cast<int32_t>((static_cast<int64_t>(a.raw_) * b.raw_) >> 16));
    }
    constexpr SFP& operator+=(SFP b) { return *this = *this + b; }
    constexpr SFP& operator-=(SFP b) { return *this = *this - b; }
    constexpr SFP& operator*=(SFP b) { return *this = *this * b; }

    friend constexpr auto operator<=>(SFP, SFP) = default;
    friend constexpr bool operator==(SFP, SFP) = default;

private:
    int32_t raw_ = 0;
};
static_assert(sizeof(SFP) == 4);
