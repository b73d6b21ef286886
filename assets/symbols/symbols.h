#pragma once

#include <QtGlobal>

namespace reelmoor {

// The reel's symbols in their places, from 1; place 0 is the blank picture.
// A symbol's drawing is symbols/<place>-<drawing>.svg, which
// assets/tools/drawsymbols.py writes and the build compiles in; both read
// this table. Its spoken name is translated in the context "Symbol".
struct Symbol {
    const char* drawing;
    const char* name; // spoken, in lower case
};
// clang-format off
inline constexpr Symbol kSymbols[] = {
    {"cherries", QT_TRANSLATE_NOOP("Symbol", "cherries")},
    {"grapes", QT_TRANSLATE_NOOP("Symbol", "grapes")},
    {"lemon", QT_TRANSLATE_NOOP("Symbol", "lemon")},
    {"orange", QT_TRANSLATE_NOOP("Symbol", "orange")},
    {"apple", QT_TRANSLATE_NOOP("Symbol", "apple")},
    {"knobfruit", QT_TRANSLATE_NOOP("Symbol", "yellow fruit")},
    {"pineapple", QT_TRANSLATE_NOOP("Symbol", "pineapple")},
};
// clang-format on

} // namespace reelmoor
