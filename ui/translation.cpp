#include "translation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

#include <memory>

namespace reelmoor {

namespace {
const char* const kCatalogues = ":/i18n";
const char* const kPrefix = "reelmoor_";
const char* const kFace = "reelmoorFace";

// The game's installed catalogue, which carries the language's face.
QPointer<QTranslator> g_catalogue;

bool isCLocale(const QString& name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C."));
}

// Han characters take different forms in each of these.
bool writtenWithHan(const QString& language) {
    switch (QLocale(language).script()) {
    case QLocale::HanScript:
    case QLocale::SimplifiedHanScript:
    case QLocale::TraditionalHanScript:
    case QLocale::JapaneseScript:
    case QLocale::KoreanScript:
        return true;
    default:
        return false;
    }
}

// fontconfig's name of a language: "zh-cn" and "zh-tw" tell the two Chinese
// scripts apart; otherwise the language alone, as in "pt" for pt_BR.
QByteArray fontconfigLanguage(const QString& language) {
    if (language.startsWith(QLatin1String("zh_"))) {
        return language.toLower().replace(QLatin1Char('_'), QLatin1Char('-')).toLatin1();
    }
    return language.section(QLatin1Char('_'), 0, 0).toLatin1();
}
} // namespace

bool hasLanguage(const QString& language) {
    return QFile::exists(QLatin1String(kCatalogues) + QLatin1Char('/') + QLatin1String(kPrefix) +
                         language + QLatin1String(".qm"));
}

QString playerLanguage(const QStringList& uiLanguages) {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty()) {
            break;
        }
    }
    if (messages.isEmpty() || isCLocale(messages)) {
        return {};
    }
    for (const QString& wanted : uiLanguages) {
        // "de-Latn-AT" tries de_Latn_AT, de_Latn, de.
        QString name = wanted;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            if (name == QLatin1String("en") || isCLocale(name)) {
                return {};
            }
            if (hasLanguage(name)) {
                return name;
            }
            const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
            if (cut <= 0) {
                break;
            }
            name.truncate(cut);
        }
    }
    return {};
}

namespace {
// The families fontconfig would try for sans-serif text in a language, best
// first. Beside the language asked for, fontconfig weighs the languages of the
// process's locale too.
QStringList sansSerifFamilies(const QByteArray& lang) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(lang.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    QStringList families;
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        families << QString::fromUtf8(reinterpret_cast<const char*>(family));
    }
    FcPatternDestroy(pattern);
    return families;
}

// The installed families with a face that covers the language, the first
// name of the first font first.
QStringList familiesCovering(const QByteArray& lang) {
    FcPattern* pattern = FcPatternCreate();
    FcLangSet* langs = FcLangSetCreate();
    FcLangSetAdd(langs, reinterpret_cast<const FcChar8*>(lang.constData()));
    FcPatternAddLangSet(pattern, FC_LANG, langs);
    FcLangSetDestroy(langs);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    QStringList found;
    FcChar8* name = nullptr;
    // Every name of each, as a font may be listed under any of them.
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &name) == FcResultMatch;
             ++n) {
            found << QString::fromUtf8(reinterpret_cast<const char*>(name));
        }
    }
    if (fonts) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

// Whether fontconfig's own languages, from the locale, name another language
// written with Han characters, whose faces it would then put first.
bool localeHasOtherHan(const QByteArray& lang) {
    FcStrSet* langs = FcGetDefaultLangs();
    FcStrList* list = FcStrListCreate(langs);
    bool other = false;
    while (FcChar8* each = FcStrListNext(list)) {
        const QByteArray name(reinterpret_cast<const char*>(each));
        other = other || (name != lang && (name == "ja" || name == "ko" || name.startsWith("zh")));
    }
    FcStrListDone(list);
    FcStrSetDestroy(langs);
    return other;
}

// The face for a language among the families that cover it: the first that
// fontconfig prefers for sans-serif text in it, or else any; empty if none does.
QString faceAmong(const QStringList& covering, const QByteArray& lang) {
    if (covering.isEmpty()) {
        return {};
    }
    const QStringList families = sansSerifFamilies(lang);
    // First what fontconfig prefers for this language alone, not for the
    // locale's: on a Chinese desktop Japanese still gets a Japanese face.
    const QStringList forAnyLanguage =
        localeHasOtherHan(lang) ? sansSerifFamilies("en") : QStringList();
    for (const QStringList& passedOver : {forAnyLanguage, QStringList()}) {
        for (const QString& family : families) {
            if (covering.contains(family) && !passedOver.contains(family)) {
                return family;
            }
        }
    }
    return covering.first();
}
} // namespace

QString languageFace(const QString& language) {
    const QByteArray lang = fontconfigLanguage(language);
    return faceAmong(familiesCovering(lang), lang);
}

QString systemLanguage() {
    return playerLanguage(QLocale::system().uiLanguages());
}

void installTranslations(QCoreApplication& app) {
    const QString language = systemLanguage();
    if (!language.isEmpty()) {
        installTranslations(app, language);
    }
}

bool installTranslations(QCoreApplication& app, const QString& language) {
    // Never a row of empty boxes: without a font for the script, English.
    const QByteArray lang = fontconfigLanguage(language);
    const QStringList covering = familiesCovering(lang);
    auto game = std::make_unique<QTranslator>(&app);
    if (covering.isEmpty() ||
        !game->load(QLatin1String(kPrefix) + language, QLatin1String(kCatalogues))) {
        return false;
    }
    if (writtenWithHan(language)) {
        const QString face = faceAmong(covering, lang);
        game->setProperty(kFace, face);
        // Menus and message boxes: the language's own face first, as on a
        // desktop in that language, whatever the system locale prefers.
        if (qobject_cast<QApplication*>(&app)) {
            QFont font = QApplication::font();
            font.setFamilies({face, QFontInfo(font).family()});
            QApplication::setFont(font);
        }
    }
    g_catalogue = game.get();
    QCoreApplication::installTranslator(game.release());
    // Qt's words in its own dialogs, such as a message box's button. Without
    // Debian's qt6-translations-l10n they stay English.
    auto qt = std::make_unique<QTranslator>(&app);
    if (qt->load(QLatin1String("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.release());
    }
    return true;
}

QFont languageFont(const QFont& font) {
    const QString face = g_catalogue ? g_catalogue->property(kFace).toString() : QString();
    if (face.isEmpty()) {
        return font;
    }
    // The font's own Latin letters and digits, the face's Han. Which family
    // stands for "Arial" does not change with the size.
    static QHash<QString, QString> resolved;
    auto family = resolved.find(font.family());
    if (family == resolved.end()) {
        family = resolved.insert(font.family(), QFontInfo(font).family());
    }
    QFont withFace = font;
    withFace.setFamilies({*family, face});
    return withFace;
}

QLocale spokenLocale() {
    return g_catalogue ? QLocale(g_catalogue->language()) : QLocale(QLocale::English);
}

} // namespace reelmoor
