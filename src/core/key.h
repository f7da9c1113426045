#pragma once

#include <bitset>

// The keys of the calculator windows, by what they do. A key's caption,
// shortcut and place belong to the window that shows it.
namespace core {

enum class Key {
    // Digit keys by value: 0-9, then A-F (10-15) of the informatics view.
    Digit0,
    DigitF = Digit0 + 15,
    Point,
    Sign,
    // The four operators, in the order of their keys.
    Add,
    Subtract,
    Multiply,
    Divide,
    Equals,
    Clear,
    // M+, MR, MC.
    MemoryStore,
    MemoryRecall,
    MemoryClear,
    // The scientific function keys, in the order of their key array.
    Power,
    Root,
    Factorial,
    Reciprocal,
    Gcd,
    Lcm,
    Lg,
    Ln,
    Sin,
    Cos,
    Tg,
    Percent,
    Ctg,
    Pi,
    E,
    Inverse,
    // The two keys that open the equation solvers.
    Quadratic,
    Linear,
    Count
};

constexpr int kKeyCount = int(Key::Count);
using KeySet = std::bitset<kKeyCount>;

constexpr Key digitKey(int value) { return Key(int(Key::Digit0) + value); }
constexpr bool isDigit(Key key) { return key >= Key::Digit0 && key <= Key::DigitF; }
constexpr int digitOf(Key key) { return int(key) - int(Key::Digit0); }
constexpr Key operatorKey(int index) { return Key(int(Key::Add) + index); }
constexpr Key memoryKey(int index) { return Key(int(Key::MemoryStore) + index); }
constexpr Key functionKey(int index) { return Key(int(Key::Power) + index); }
constexpr int functionIndex(Key key) { return int(key) - int(Key::Power); }
constexpr bool isFunction(Key key) { return key >= Key::Power && key <= Key::Ctg; }

inline KeySet keyRange(Key first, Key last)
{
    KeySet set;
    for (int k = int(first); k <= int(last); ++k)
        set.set(size_t(k));
    return set;
}

// What the display hands over besides typing: Enter and the keypad's
// operators (their characters never reach the text).
enum class DisplayKey { Enter, Add, Subtract, Multiply, Divide };

}  // namespace core
