#pragma once

#include <QByteArray>
#include <QStringList>

#include <thread>

namespace reelmoor {

// What the game asks of fontconfig, the system's font configuration, which
// Qt reads too. Languages are fontconfig's names: "ja", "zh-tw", "ar".

// Reads the configuration on a thread of its own, while Qt connects to the
// display. Reading it is most of what Qt's font database costs before the
// window's first text. Start it before QApplication, and join it (when
// joinable) before the first window: a font asked for earlier would make Qt
// read it all a second time.
[[nodiscard]] std::jthread loadFontConfiguration();

// The installed families with a face that covers the language, every name of
// each, the first name of the first font first.
QStringList familiesCovering(const QByteArray& lang);

// The face for a language among the families that cover it: the first that
// fontconfig prefers for sans-serif text in that language, whatever other
// language the locale prefers, or else any; empty if none covers it.
QString preferredFace(const QStringList& covering, const QByteArray& lang);

} // namespace reelmoor
