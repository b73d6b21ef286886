#include "fontconfig.h"

#include <fontconfig/fontconfig.h>
#include <locale.h>

#include <memory>
#include <system_error>

namespace reelmoor {

namespace {
template <auto destroy> struct Destroy {
    template <typename T> void operator()(T* object) const { destroy(object); }
};
using Pattern = std::unique_ptr<FcPattern, Destroy<FcPatternDestroy>>;
using FontSet = std::unique_ptr<FcFontSet, Destroy<FcFontSetDestroy>>;
using ObjectSet = std::unique_ptr<FcObjectSet, Destroy<FcObjectSetDestroy>>;
using StrSet = std::unique_ptr<FcStrSet, Destroy<FcStrSetDestroy>>;
using StrList = std::unique_ptr<FcStrList, Destroy<FcStrListDone>>;

const FcChar8* text(const char* string) {
    return reinterpret_cast<const FcChar8*>(string);
}

// Every family name a pattern holds, in its order.
QStringList families(const FcPattern* pattern, QStringList list = {}) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        list << QString::fromUtf8(reinterpret_cast<const char*>(family));
    }
    return list;
}

// The families fontconfig would try for sans-serif text in a language, best
// first. Beside the language asked for, fontconfig weighs the languages of the
// process's locale too.
QStringList sansSerifFamilies(const QByteArray& lang) {
    const Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, text("sans-serif"));
    FcPatternAddString(pattern.get(), FC_LANG, text(lang.constData()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    return families(pattern.get());
}

// Whether fontconfig's own languages, from the locale, name another language
// written with Han characters, whose faces it would then put first.
bool localeHasOtherHan(const QByteArray& lang) {
    const StrSet langs(FcGetDefaultLangs());
    const StrList list(FcStrListCreate(langs.get()));
    bool other = false;
    while (FcChar8* each = FcStrListNext(list.get())) {
        const QByteArray name(reinterpret_cast<const char*>(each));
        other = other || (name != lang && (name == "ja" || name == "ko" || name.startsWith("zh")));
    }
    return other;
}
} // namespace

std::jthread loadFontConfiguration() {
    try {
        return std::jthread([] {
            // QApplication sets the process's locale meanwhile, and fontconfig
            // reads the numbers in its files by the locale: this thread keeps
            // to the C locale, which setlocale() does not reach.
            const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
            const locale_t previous = c ? uselocale(c) : locale_t(nullptr);
            FcInit();
            if (c) {
                uselocale(previous);
                freelocale(c);
            }
        });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself, as it would anyway.
        return {};
    }
}

QStringList familiesCovering(const QByteArray& lang) {
    // fontconfig reads a language given as text as the set of that one language.
    const Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_LANG, text(lang.constData()));
    const ObjectSet objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    const FontSet fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    QStringList found;
    // Every name of each, as a font may be listed under any of them.
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        found = families(fonts->fonts[i], found);
    }
    return found;
}

QString preferredFace(const QStringList& covering, const QByteArray& lang) {
    if (covering.isEmpty()) {
        return {};
    }
    const QStringList preferred = sansSerifFamilies(lang);
    // First what fontconfig prefers for this language alone, not for the
    // locale's: on a Chinese desktop Japanese still gets a Japanese face.
    const QStringList forAnyLanguage =
        localeHasOtherHan(lang) ? sansSerifFamilies("en") : QStringList();
    for (const QStringList& passedOver : {forAnyLanguage, QStringList()}) {
        for (const QString& family : preferred) {
            if (covering.contains(family) && !passedOver.contains(family)) {
                return family;
            }
        }
    }
    return covering.first();
}

} // namespace reelmoor
