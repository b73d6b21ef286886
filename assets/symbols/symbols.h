#pragma once

#include <QtGlobal>

namespace reelmoor {

// The reel's symbols in their places from 1 (0 is the blank picture). Each one's drawing,
// symbols/<place>-<drawing>.svg, is written by drawsymbols.py and compiled in from this table.
struct Symbol {
    const char* drawing;
    const char* name; // spoken, in lower case
};
inline constexpr Symbol kSymbols[] = {
    {"cherries", QT_TRANSLATE_NOOP("Symbol", "cherries")},
    {"grapes", QT_TRANSLATE_NOOP("Symbol", "grapes")},
    {"lemon", QT_TRANSLATE_NOOP("Symbol", "lemon")},
    {"orange", QT_TRANSLATE_NOOP("Symbol", "orange")},
    {"apple", QT_TRANSLATE_NOOP("Symbol", "apple")},
    {"knobfruit", QT_TRANSLATE_NOOP("Symbol", "yellow fruit")},
    {"pineapple", QT_TRANSLATE_NOOP("Symbol", "pineapple")},
};

} // namespace reelmoor
