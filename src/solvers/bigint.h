#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A signed whole number of any length: just enough arithmetic to compare and
// subtract products of typed coefficients without rounding.
class BigInt {
public:
    BigInt() = default;

    // `digits` holds decimal digits only; an empty text is 0.
    static BigInt fromDigits(std::string_view digits, bool negative = false);

    bool isZero() const { return limbs_.empty(); }
    int sign() const { return isZero() ? 0 : (negative_ ? -1 : 1); }
    BigInt negated() const;

    // Decimal digits of the magnitude, "0" for zero.
    std::string magnitudeDigits() const;

    friend BigInt operator*(const BigInt &x, const BigInt &y);
    friend BigInt operator-(const BigInt &x, const BigInt &y);
    friend bool operator==(const BigInt &x, const BigInt &y)
    {
        return x.negative_ == y.negative_ && x.limbs_ == y.limbs_;
    }
    friend bool operator!=(const BigInt &x, const BigInt &y) { return !(x == y); }

private:
    using Limbs = std::vector<std::uint32_t>;  // base 1e9, least significant first

    static int compareMagnitudes(const Limbs &x, const Limbs &y);
    static Limbs addMagnitudes(const Limbs &x, const Limbs &y);
    static Limbs subtractMagnitudes(const Limbs &larger, const Limbs &smaller);
    static void trim(Limbs &limbs);

    bool negative_ = false;  // never set for zero
    Limbs limbs_;
};
