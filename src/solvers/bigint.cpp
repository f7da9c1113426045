#include "solvers/bigint.h"

#include <algorithm>

namespace {
constexpr std::uint32_t kBase = 1000000000u;
constexpr int kBaseDigits = 9;
}  // namespace

BigInt BigInt::fromDigits(std::string_view digits, bool negative)
{
    BigInt result;
    // Nine digits per limb, taken from the least significant end.
    for (auto end = digits.size(); end > 0;) {
        const auto begin = end > size_t(kBaseDigits) ? end - kBaseDigits : 0;
        std::uint32_t limb = 0;
        for (auto i = begin; i < end; ++i)
            limb = limb * 10 + std::uint32_t(digits[i] - '0');
        result.limbs_.push_back(limb);
        end = begin;
    }
    trim(result.limbs_);
    result.negative_ = negative && !result.limbs_.empty();
    return result;
}

BigInt BigInt::negated() const
{
    BigInt result = *this;
    result.negative_ = !negative_ && !limbs_.empty();
    return result;
}

std::string BigInt::magnitudeDigits() const
{
    if (limbs_.empty())
        return "0";
    std::string out = std::to_string(limbs_.back());
    for (auto i = limbs_.size() - 1; i > 0; --i) {
        const std::string limb = std::to_string(limbs_[i - 1]);
        out.append(size_t(kBaseDigits) - limb.size(), '0');
        out += limb;
    }
    return out;
}

BigInt operator*(const BigInt &x, const BigInt &y)
{
    BigInt result;
    if (x.isZero() || y.isZero())
        return result;
    std::vector<std::uint64_t> sums(x.limbs_.size() + y.limbs_.size(), 0);
    for (size_t i = 0; i < x.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (size_t j = 0; j < y.limbs_.size(); ++j) {
            // < 1e9 * 1e9 + 1e9 + 1e9: fits in 64 bits.
            const std::uint64_t t = sums[i + j] + std::uint64_t(x.limbs_[i]) * y.limbs_[j] + carry;
            sums[i + j] = t % kBase;
            carry = t / kBase;
        }
        for (size_t k = i + y.limbs_.size(); carry != 0; ++k) {
            const std::uint64_t t = sums[k] + carry;
            sums[k] = t % kBase;
            carry = t / kBase;
        }
    }
    result.limbs_.assign(sums.begin(), sums.end());
    BigInt::trim(result.limbs_);
    result.negative_ = x.negative_ != y.negative_;
    return result;
}

BigInt operator-(const BigInt &x, const BigInt &y)
{
    BigInt result;
    if (x.negative_ != y.negative_) {
        // x - (-|y|) = x + |y|, keeping the sign of x.
        result.limbs_ = BigInt::addMagnitudes(x.limbs_, y.limbs_);
        result.negative_ = x.isZero() ? !y.negative_ : x.negative_;
    } else {
        const int order = BigInt::compareMagnitudes(x.limbs_, y.limbs_);
        if (order == 0)
            return result;
        if (order > 0) {
            result.limbs_ = BigInt::subtractMagnitudes(x.limbs_, y.limbs_);
            result.negative_ = x.negative_;
        } else {
            result.limbs_ = BigInt::subtractMagnitudes(y.limbs_, x.limbs_);
            result.negative_ = !x.negative_;
        }
    }
    BigInt::trim(result.limbs_);
    if (result.limbs_.empty())
        result.negative_ = false;
    return result;
}

int BigInt::compareMagnitudes(const Limbs &x, const Limbs &y)
{
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (auto i = x.size(); i > 0; --i) {
        if (x[i - 1] != y[i - 1])
            return x[i - 1] < y[i - 1] ? -1 : 1;
    }
    return 0;
}

BigInt::Limbs BigInt::addMagnitudes(const Limbs &x, const Limbs &y)
{
    Limbs out(std::max(x.size(), y.size()) + 1, 0);
    std::uint32_t carry = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const std::uint32_t t = (i < x.size() ? x[i] : 0) + (i < y.size() ? y[i] : 0) + carry;
        out[i] = t % kBase;
        carry = t / kBase;
    }
    trim(out);
    return out;
}

BigInt::Limbs BigInt::subtractMagnitudes(const Limbs &larger, const Limbs &smaller)
{
    Limbs out(larger.size(), 0);
    std::uint32_t borrow = 0;
    for (size_t i = 0; i < larger.size(); ++i) {
        const std::uint32_t take = (i < smaller.size() ? smaller[i] : 0) + borrow;
        if (larger[i] >= take) {
            out[i] = larger[i] - take;
            borrow = 0;
        } else {
            out[i] = larger[i] + kBase - take;
            borrow = 1;
        }
    }
    trim(out);
    return out;
}

void BigInt::trim(Limbs &limbs)
{
    while (!limbs.empty() && limbs.back() == 0)
        limbs.pop_back();
}
