#include "datacolumns.h"
#include "fakecontrols.h"
#include "frmreelmoor.h"
#include "messagebox.h"
#include "screenpixels.h"
#include "translation.h"
#include "windowrig.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

using namespace reelmoor;

namespace {

// The letter after a single "&", lower case; empty if there is none or more than one.
QString accessKey(const QString& caption) {
    QString plain = caption;
    plain.replace(QLatin1String("&&"), QString());
    return plain.count(QLatin1Char('&')) == 1
               ? plain.mid(plain.indexOf(QLatin1Char('&')) + 1, 1).toLower()
               : QString();
}

// Placeholders and digits, which a translation keeps: "Slot #1", "$10,000", "%2", "%n".
// Digits count by value, as Persian writes 1997 as "۱۹۹۷".
QString keptMarks(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[\\dn]"));
    QStringList marks;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        marks << it.next().captured();
    }
    marks.sort();
    const QString rest = QString(text).remove(placeholder);
    QString digits;
    for (const QChar c : rest) {
        if (c.isDigit()) {
            digits += QChar(u'0' + c.digitValue());
        }
    }
    return marks.join(QLatin1Char(' ')) + QLatin1Char('|') + digits;
}

// A language's glossary, by thing: what each text that names the thing says
// (in English, where it names it), and the words it never says instead.
struct GlossaryWord {
    QRegularExpression said;
    QRegularExpression rivals;
};
QMap<QString, GlossaryWord> glossary(const QString& language) {
    QFile file(QStringLiteral(REELMOOR_TS_DIR "/glossary.tsv"));
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QMap<QString, GlossaryWord> words;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n')).mid(1)) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() > 4 && cells[0] == language) {
            const auto pattern = [](const QString& cell) {
                // An empty pattern would match any text.
                return QRegularExpression(cell.isEmpty() ? QStringLiteral("(?!)") : cell,
                                          QRegularExpression::CaseInsensitiveOption);
            };
            words.insert(cells[1], {pattern(cells[3]), pattern(cells[4])});
        }
    }
    return words;
}

// The characters that order text on screen, which a screen reader must not get.
const QRegularExpression
    kDirectionMarks(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));

// A catalogue as written: each source text, then its translation or each of its
// plural forms, an unfinished one as empty. Empty if it cannot be read.
QList<QStringList> readCatalogue(const QString& file) {
    QFile ts(file);
    QXmlStreamReader xml(ts.open(QIODevice::ReadOnly) ? ts.readAll() : QByteArray());
    QList<QStringList> messages;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto attribute = [&xml](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toString();
        };
        if (xml.name() == QLatin1String("message")) {
            numerus = attribute("numerus") == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            messages.append({xml.readElementText()});
        } else if (xml.name() == QLatin1String("translation") && !attribute("type").isEmpty()) {
            messages.last() << QString();
        } else if (xml.name() == QLatin1String(numerus ? "numerusform" : "translation")) {
            messages.last() << xml.readElementText();
        }
    }
    return xml.hasError() ? QList<QStringList>() : messages;
}

// Every name and description in an accessible tree, as a screen reader reads them.
QStringList everythingTold(QWidget& window, QAccessibleInterface* node = nullptr) {
    node = node ? node : QAccessible::queryAccessibleInterface(&window);
    QStringList told{node->text(QAccessible::Name), node->text(QAccessible::Description)};
    for (int i = 0; i < node->childCount(); ++i) {
        told += everythingTold(window, node->child(i));
    }
    return told;
}

// Qt keeps the fonts it made for Han characters under the first family alone,
// whatever the face behind it: each language starts with none. Removing a font
// makes Qt forget them all.
void forgetLoadedFonts() {
    FcPattern* any = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
    FcConfigSubstitute(nullptr, any, FcMatchPattern);
    FcDefaultSubstitute(any);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, any, &result)) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            QFontDatabase::removeApplicationFont(QFontDatabase::addApplicationFont(
                QString::fromUtf8(reinterpret_cast<char*>(file))));
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(any);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void languageChoice_data();
    void languageChoice();
    void catalogues_data();
    void catalogues();
    void everyLanguage_data();
    void everyLanguage();
    void rightToLeft_data();
    void rightToLeft();
    void hanForms_data();
    void hanForms();
    void englishWithoutFont_data();
    void englishWithoutFont();
};

void TestTranslations::languageChoice_data() {
    // The locale variables as the game finds them at start-up; null leaves one unset.
    for (const char* column : {"lcAll", "lcMessages", "lang", "language", "chosen"}) {
        QTest::addColumn<QString>(column);
    }
    const auto row = [](const char* name, std::initializer_list<const char*> values) {
        QTestData& data = QTest::newRow(name);
        for (const char* value : values) {
            data << QString::fromUtf8(value);
        }
    };
    // clang-format off
    row("de_AT",                  {nullptr, nullptr, "de_AT.UTF-8", nullptr, "de"});
    row("pt_BR",                  {nullptr, nullptr, "pt_BR.UTF-8", nullptr, "pt_BR"});
    row("en first",               {nullptr, nullptr, "de_DE.UTF-8", "en:de", ""});
    row("en_GB",                  {nullptr, nullptr, "en_GB.UTF-8", nullptr, ""});
    row("missing, then de",       {nullptr, nullptr, "sv_SE.UTF-8", "sv:de", "de"});
    row("none of ours",           {nullptr, nullptr, "sv_SE.UTF-8", "pt_PT:sv", ""});
    // Portuguese of any kind: Qt adds pt-BR, the language's usual region.
    row("pt_PT, then pt",         {nullptr, nullptr, "sv_SE.UTF-8", "pt_PT:pt", "pt_BR"});
    row("LC_MESSAGES over LANG",  {nullptr, "es_ES.UTF-8", "fr_FR.UTF-8", nullptr, "es"});
    row("LC_ALL over both",       {"it_IT.UTF-8", "es_ES.UTF-8", "fr_FR.UTF-8", nullptr, "it"});
    row("LC_ALL empty",           {"", nullptr, "nl_NL.UTF-8", nullptr, "nl"});
    row("builder, fr_CH",         {"fr_CH.UTF-8", nullptr, "fr_CH.UTF-8", "fr_CH:fr", "fr"});
    // As with gettext, LANGUAGE does not count in the C locale.
    row("builder, C.UTF-8",       {"C.UTF-8", nullptr, "de_DE.UTF-8", "de", ""});
    row("LC_MESSAGES=C",          {nullptr, "C", "de_DE.UTF-8", "de", ""});
    row("LC_MESSAGES not C",      {nullptr, "de_DE.UTF-8", "C", "ru:de", "ru"});
    row("C, LANGUAGE=fr",         {nullptr, nullptr, "C", "fr", ""});
    row("POSIX, LANGUAGE=fr",     {nullptr, nullptr, "POSIX", "fr", ""});
    row("no locale, LANGUAGE=fr", {nullptr, nullptr, nullptr, "fr", ""});
    // clang-format on
}

// Asked of a new process of this test, which reads its environment as the game does.
void TestTranslations::languageChoice() {
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, language);
    QFETCH(QString, chosen);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const std::pair<const char*, QString> variables[] = {
        {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}, {"LANGUAGE", language}};
    for (const auto& [name, value] : variables) {
        environment.remove(QLatin1String(name));
        if (!value.isNull()) {
            environment.insert(QLatin1String(name), value);
        }
    }
    environment.insert(QStringLiteral("REELMOOR_TELL_LANGUAGE"), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), QStringLiteral("[%1]").arg(chosen));
}

void TestTranslations::catalogues_data() {
    QTest::addColumn<QString>("file");
    // Marks of another script, which the language never writes: Chinese and
    // Japanese write a full-width "！" and "？", and an ellipsis as "……".
    QTest::addColumn<QString>("foreignMarks");
    const QStringList fullWidth{"zh_CN", "zh_TW", "ja"};
    const QDir folder(QStringLiteral(REELMOOR_TS_DIR));
    for (const QString& file : folder.entryList({QStringLiteral("*.ts")})) {
        const QString language = QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1);
        QTest::newRow(qPrintable(file))
            << folder.filePath(file)
            << (fullWidth.contains(language) ? QStringLiteral("[!?]|(?<!…)…(?!…)")
                                             : QStringLiteral("(?!)"));
    }
}

// Every entry finished, with the source's placeholders, digits, line breaks and
// access key, in each plural form; an access key that any keyboard layout types
// with Alt, and thousands that never break at a space.
void TestTranslations::catalogues() {
    QFETCH(QString, file);
    QFETCH(QString, foreignMarks);
    const QString language = QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1);
    const bool rightToLeft = QLocale(language).textDirection() == Qt::RightToLeft;
    const QList<QStringList> messages = readCatalogue(file);
    QVERIFY(!messages.isEmpty());
    // Each text in the language beside its English, the menu entry's and software centre's too.
    QList<std::pair<QString, QString>> texts;
    static const QRegularExpression asciiKey(QStringLiteral("^[a-z0-9]$"));
    static const QRegularExpression spacedThousands(QStringLiteral("\\d \\d{3}"));
    for (const QStringList& message : messages) {
        const QString& source = message.first();
        QVERIFY2(message.size() > 1, qPrintable(source));
        for (const QString& translation : message.mid(1)) {
            const QByteArray where = qPrintable(source + QLatin1String(" -> ") + translation);
            QVERIFY2(!translation.isEmpty(), where.constData());
            texts.append({source, translation});
            QVERIFY2(keptMarks(translation) == keptMarks(source), where.constData());
            QVERIFY2(translation.count(QLatin1Char('\n')) == source.count(QLatin1Char('\n')),
                     where.constData());
            QVERIFY2(accessKey(translation).contains(asciiKey) == !accessKey(source).isEmpty(),
                     where.constData());
            QVERIFY2(!translation.contains(spacedThousands), where.constData());
            if (source == QLatin1String("QT_LAYOUT_DIRECTION")) {
                QCOMPARE(translation, rightToLeft ? "RTL" : "LTR");
            }
        }
    }
    // And the program carries it.
    QVERIFY(hasLanguage(language));

    // The software centre's texts in the language: each summary and paragraph
    // takes its direction from its first letter, the language's own; spaced
    // thousands never break.
    QFile metainfo(QStringLiteral(REELMOOR_METAINFO));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QString software = QString::fromUtf8(metainfo.readAll());
    const QRegularExpression localised(QStringLiteral("xml:lang=\"%1\">([^<]*)<").arg(language));
    static const QRegularExpression english(QStringLiteral("<(?:summary|p)>([^<]*)<"));
    auto inEnglish = english.globalMatch(software);
    int paragraphs = 0;
    for (auto it = localised.globalMatch(software); it.hasNext() && inEnglish.hasNext();
         ++paragraphs) {
        const QString text = it.next().captured(1);
        QVERIFY2(text.isRightToLeft() == rightToLeft, qPrintable(text));
        QVERIFY2(!text.contains(spacedThousands), qPrintable(text));
        texts.append({inEnglish.next().captured(1).simplified(), text});
    }
    QCOMPARE(paragraphs, 4);
    QFile desktop(QStringLiteral(REELMOOR_DESKTOP));
    QVERIFY(desktop.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(desktop.readAll());
    const QRegularExpression localisedKey(QStringLiteral("^(\\w+)\\[%1\\]=(.*)$").arg(language),
                                          QRegularExpression::MultilineOption);
    for (auto it = localisedKey.globalMatch(entry); it.hasNext();) {
        const QRegularExpressionMatch key = it.next();
        const QRegularExpression englishKey(QStringLiteral("^%1=(.*)$").arg(key.captured(1)),
                                            QRegularExpression::MultilineOption);
        texts.append({englishKey.match(entry).captured(1), key.captured(2)});
    }

    // One word for each thing of the glossary: where the English names the
    // thing, the language says its word, and nowhere a rival of it. And the
    // marks of its own script.
    const QMap<QString, GlossaryWord> englishWords = glossary(QStringLiteral("en"));
    const QMap<QString, GlossaryWord> words = glossary(language);
    QCOMPARE(englishWords.keys(), (QStringList{"balance", "knob", "lever", "prize", "spin"}));
    QCOMPARE(words.keys(), englishWords.keys());
    const QRegularExpression foreign(foreignMarks);
    for (const auto& [source, translation] : texts) {
        for (auto word = words.cbegin(); word != words.cend(); ++word) {
            const QByteArray where = qPrintable(word.key() + QLatin1String(": ") + translation);
            QVERIFY2(!source.contains(englishWords[word.key()].said) ||
                         translation.contains(word->said),
                     where.constData());
            QVERIFY2(!translation.contains(word->rivals), where.constData());
        }
        QVERIFY2(!translation.contains(foreign), qPrintable(translation));
    }
}

void TestTranslations::everyLanguage_data() {
    QTest::addColumn<QString>("language");
    // Qt's word for a button that no box of ours has: Qt's catalogue is in.
    QTest::addColumn<QString>("qtCancel");
    // Said when a spin from 25 dollars shows grapes, lemon and orange.
    QTest::addColumn<QString>("gameOver");
    // A menu caption that the language writes as English does.
    QTest::addColumn<QString>("sameAsEnglish");
    // The balance as spoken at 25, 975 and 1000 dollars.
    QTest::addColumn<QStringList>("balances");
    const auto row = [](const char* language, const char* qtCancel, const QStringList& balances,
                        const char* gameOver, const char* sameAsEnglish = "") {
        QTest::newRow(language) << language << qtCancel << gameOver << sameAsEnglish << balances;
    };
    row("de", "Abbrechen", {"25 Dollar", "975 Dollar", "1000 Dollar"},
        "Trauben, Zitrone, Orange. Kein Gewinn. 0 Dollar. Pleite!  Spiel vorbei. Wählen Sie „Neues "
        "Spiel“ im Menü „Datei“.");
    row("es", "Cancelar", {"25 dólares", "975 dólares", "1000 dólares"},
        "Uvas, limón, naranja. Sin premio. 0 dólares. ¡Sin dinero!  Fin del juego. Elige Nueva "
        "partida en el menú Archivo.");
    row("fr", "Annuler", {"25 dollars", "975 dollars", "1000 dollars"},
        "Raisin, citron, orange. Aucun gain. 0 dollar. Ruiné\u00a0!  Partie terminée. Choisissez "
        "Nouvelle partie dans le menu Fichier.");
    row("it", "Annulla", {"25 dollari", "975 dollari", "1000 dollari"},
        "Uva, limone, arancia. Nessuna vincita. 0 dollari. Soldi finiti!  Fine partita. Scegli "
        "Nuova partita nel menu File.",
        "&File");
    row("nl", "Annuleren", {"25 dollar", "975 dollar", "1000 dollar"},
        "Druiven, citroen, sinaasappel. Geen prijs. 0 dollar. Geld op!  Spel voorbij. Kies Nieuw "
        "spel in het menu Bestand.",
        "&Help");
    row("pl", "Anuluj", {"25 dolarów", "975 dolarów", "1000 dolarów"},
        "Winogrona, cytryna, pomarańcza. Brak wygranej. 0 dolarów. Bankrut!  Koniec gry. Wybierz "
        "„Nowa gra” w menu „Plik”.");
    row("pt_BR", "Cancelar", {"25 dólares", "975 dólares", "1000 dólares"},
        "Uvas, limão, laranja. Sem prêmio. 0 dólares. Sem dinheiro!  Fim de jogo. Escolha Novo "
        "jogo no menu Arquivo.");
    row("ru", "Отмена", {"25 долларов", "975 долларов", "1000 долларов"},
        "Виноград, лимон, апельсин. Без выигрыша. 0 долларов. Денег нет!  Игра окончена. Выберите "
        "«Новая игра» в меню «Файл».");
    row("zh_CN", "取消", {"25 美元", "975 美元", "1000 美元"},
        "葡萄、柠檬、橙子。未中奖。余额 0 美元。 没钱了！游戏结束。请在“文件”菜单中选择“新游戏”。");
    row("zh_TW", "取消", {"25 美元", "975 美元", "1000 美元"},
        "葡萄、檸檬、柳橙。沒有中獎。餘額 0 美元。 "
        "沒錢了！遊戲結束。請在「檔案」選單中選擇「新遊戲」。");
    row("ja", "キャンセル", {"25ドル", "975ドル", "1000ドル"},
        "ぶどう、レモン、オレンジ。はずれ。所持金0ドル。 "
        "破産！ゲームオーバー。「ファイル」メニューの「新しいゲーム」を選んでください。");
    row("ko", "취소", {"25달러", "975달러", "1000달러"},
        "포도, 레몬, 오렌지. 당첨 없음. 잔액 0달러. 파산!  게임 오버. ‘파일’ 메뉴에서 ‘새 게임’을 "
        "선택하세요.");
    row("ar", "ألغِ", {"25 دولارًا", "975 دولارًا", "1000 دولار"},
        "من اليسار: عنب، ليمونة، برتقالة. لا جائزة. 0 دولار. نفد المال!  انتهت اللعبة. اختر «لعبة "
        "جديدة» من قائمة «ملف».");
    row("he", "ביטול", {"25 דולר", "975 דולר", "1000 דולר"},
        "משמאל לימין: ענבים, לימון, תפוז. אין זכייה. 0 דולר. נגמר הכסף!  סוף המשחק. בחרו \"משחק "
        "חדש\" בתפריט \"קובץ\".");
    row("fa", "انصراف", {"25 دلار", "975 دلار", "1000 دلار"},
        "از چپ: انگور، لیمو، پرتقال. بدون جایزه. 0 دلار. پول تمام شد!  پایان بازی. از منوی "
        "«پرونده»، «بازی جدید» را انتخاب کنید.");
    row("uk", "Скасувати", {"25 доларів", "975 доларів", "1000 доларів"},
        "Виноград, лимон, апельсин. Без виграшу. 0 доларів. Грошей немає!  Кінець гри. Виберіть "
        "«Нова гра» в меню «Файл».");
    row("tr", "İptal", {"25 dolar", "975 dolar", "1000 dolar"},
        "Üzüm, limon, portakal. Kazanç yok. 0 dolar. Para bitti!  Oyun sona erdi. Dosya menüsünden "
        "Yeni oyun komutunu seçin.");
    row("cs", "Zrušit", {"25 dolarů", "975 dolarů", "1000 dolarů"},
        "Hrozny, citron, pomeranč. Bez výhry. 0 dolarů. Došly peníze!  Konec hry. Zvolte „Nová "
        "hra“ v nabídce „Soubor“.");
}

void TestTranslations::everyLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, qtCancel);
    QFETCH(QString, gameOver);
    QFETCH(QString, sameAsEnglish);
    QFETCH(QStringList, balances);
    QCOMPARE(QDir(QStringLiteral(":/i18n")).entryList(QDir::Files).size(),
             QDir(QStringLiteral(REELMOOR_TS_DIR)).entryList({QStringLiteral("*.ts")}).size());
    const QStringList englishBoxes{"Scoring for Reelmoor", frmReelmoor::scoringText(),
                                   "About Reelmoor", frmReelmoor::aboutText()};
    const auto forgetFonts = qScopeGuard(forgetLoadedFonts);
    WindowRig rig(language);
    QVERIFY(rig.language.installed);
    frmReelmoor& window = rig.window;

    // Each label's text is translated and fits with the label's font: on one
    // line, or for the instruction in its few lines, nothing between two places
    // where a line may break (a word, or a character in scripts that break
    // anywhere) wider than the label.
    QList<QPair<QString, const char*>> shown{{"lblInfo", "Click on the red handle to spin!"},
                                             {"lblCurrentMoney", "Current Money"},
                                             {"lblMoneyWon", SlotGame::kPerSpin},
                                             {"lblMoneyWon", SlotGame::kGameOver}};
    for (const SlotGame::Prize& prize : SlotGame::kPrizes) {
        shown.append({QStringLiteral("lblMoneyWon"), prize.message});
    }
    for (const auto& [name, source] : shown) {
        auto* label = window.findChild<QLabel*>(name);
        if (name == QLatin1String("lblMoneyWon")) {
            window.setLblMoneyWonText(source);
        }
        const QString text = label->text();
        QVERIFY2(text != QString::fromUtf8(source), source);
        // An amount in right-to-left text is isolated, so that it shows whole;
        // a screen reader gets it without the marks.
        const bool rightToLeft = QLocale(language).textDirection() == Qt::RightToLeft;
        QCOMPARE(text.count(QChar(0x2066)), rightToLeft ? text.count(QLatin1Char('$')) : 0);
        QVERIFY(!label->accessibleName().contains(QChar(0x2066)));
        const QFontMetrics metrics(label->font());
        const int room = label->contentsRect().width();
        QStringList words{text};
        if (name == QLatin1String("lblInfo")) {
            words.clear();
            QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
            for (qsizetype start = 0; breaks.toNextBoundary() != -1; start = breaks.position()) {
                words << text.mid(start, breaks.position() - start).trimmed();
            }
        }
        for (const QString& word : words) {
            const int width = metrics.horizontalAdvance(word);
            QVERIFY2(
                width <= room,
                qPrintable(QStringLiteral("%1: %2 pixels, in %3").arg(word).arg(width).arg(room)));
        }
        // Nothing clipped: the glyphs' ink, in lines as the label breaks them,
        // lies inside it (a Chinese line box is taller than its characters), and
        // no line starts with a stray mark, such as "!" or a closing quote.
        QTextLayout layout(text, label->font());
        QTextOption wrapping(label->alignment());
        wrapping.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room);
            line.setPosition(QPointF(0, y));
            y += line.height();
            const QChar first = text.at(line.textStart());
            QVERIFY2(line.lineNumber() == 0 || !first.isPunct() ||
                         first.category() == QChar::Punctuation_Open ||
                         first.category() == QChar::Punctuation_InitialQuote,
                     qPrintable(text));
        }
        layout.endLayout();
        QRectF ink;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
                ink |= run.rawFont()
                           .boundingRect(run.glyphIndexes()[i])
                           .translated(run.positions()[i]);
            }
        }
        // Less than a pixel over is the smoothed edge of a letter (VL Gothic's
        // characters reach 0.6 pixels above its line).
        QVERIFY2(
            QRectF(QPointF(), label->contentsRect().size()).adjusted(-1, -1, 1, 1).contains(ink),
            qPrintable(text + QLatin1String(": ink ") + QDebug::toString(ink)));
    }

    // The menus: translated, one access key each, unique within its menu (or
    // the menu bar), and the shortcuts of English.
    const QStringList english{"&File", "&Reset", "E&xit", "&Help", "&Scoring", "&About"};
    QStringList captions;
    QStringList shortcuts;
    QList<QStringList> groups{{}};
    for (QAction* menu : window.menuBar()->actions()) {
        groups[0] << menu->text();
        captions << menu->text();
        shortcuts << QString();
        groups << QStringList();
        for (QAction* item : menu->menu()->actions()) {
            groups.last() << item->text();
            captions << item->text();
            shortcuts << item->shortcut().toString(QKeySequence::PortableText);
        }
    }
    QCOMPARE(shortcuts, (QStringList{"", "Ctrl+R", "Ctrl+X", "", "Ctrl+S", "Ctrl+A"}));
    QCOMPARE(captions.size(), english.size());
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QVERIFY2(captions[i] != english[i] || captions[i] == sameAsEnglish,
                 qPrintable(captions[i]));
    }
    for (const QStringList& group : groups) {
        QStringList keys;
        for (const QString& caption : group) {
            QVERIFY2(!accessKey(caption).isEmpty() && !keys.contains(accessKey(caption)),
                     qPrintable(group.join(QLatin1String(", "))));
            keys << accessKey(caption);
        }
    }

    // The boxes' titles and texts.
    window.mnuScoring_Click();
    window.mnuAbout_Click();
    QCOMPARE(rig.boxes.size() * 2, std::size_t(englishBoxes.size()));
    for (const ShownBox& box : rig.boxes) {
        QVERIFY2(!englishBoxes.contains(box.title) && !englishBoxes.contains(box.text),
                 qPrintable(box.title + QLatin1Char('\n') + box.text));
    }

    // What a screen reader gets, read through the window's accessible interfaces.
    const auto heard = [&window](const char* name) {
        return QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(name))
            ->text(QAccessible::Name);
    };
    // The balance's word agrees with its number, a multiple of 25.
    QStringList spokenBalances;
    for (const char* balance : {" 25", " 975", " 1000"}) {
        window.setLblMoneyText(balance);
        spokenBalances << heard("lblMoney");
    }
    QCOMPARE(spokenBalances, balances);

    // After a spin that ends the game.
    window.setLblMoneyText(" 25");
    rig.random.script(2, 3, 4);
    window.lblHandle_Click();
    for (int tick = 0; tick < 36; ++tick) {
        window.tmrTimer3_Timer();
    }
    QCOMPARE(heard("announcer"), gameOver);
    // Every name and description then and after Reset, the menus' too, is one
    // of the catalogue's own translations filled in, without the marks that
    // order text on screen: nothing falls back to English. The window's title
    // is the game's name.
    QStringList told = everythingTold(window);
    window.mnuReset_Click();
    told += everythingTold(window);
    QList<QRegularExpression> written{QRegularExpression(QStringLiteral("^(Reelmoor)?$"))};
    static const QRegularExpression placeholder(QStringLiteral("%[\\dn]"));
    for (const QStringList& message :
         readCatalogue(QStringLiteral(REELMOOR_TS_DIR "/reelmoor_%1.ts").arg(language))) {
        for (QString form : message.mid(1)) {
            form.remove(kDirectionMarks).remove(QLatin1Char('&'));
            // A list of placeholders alone would match any list.
            if (QString(form).remove(placeholder).contains(QRegularExpression("\\p{L}"))) {
                form = QRegularExpression::escape(form).replace(QLatin1String("\\%n"), "\\d+");
                form.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), "(.+)");
                written << QRegularExpression('^' + form + '$');
            }
        }
    }
    for (const QString& text : told) {
        QVERIFY2(!text.contains(kDirectionMarks), qPrintable(text));
        QVERIFY2(
            std::any_of(written.cbegin(), written.cend(),
                        [&text](const QRegularExpression& form) { return text.contains(form); }),
            qPrintable(text));
    }

    // The real message box: its button in Qt's own words.
    QString button;
    onModalBox(&window, [&button](QMessageBox* box) {
        button = box->button(QMessageBox::Ok)->text();
        box->accept();
    });
    showInformationBox(&window, QStringLiteral("t"), QStringLiteral("x"));
    QCOMPARE(button, QCoreApplication::translate("QPlatformTheme", "OK"));
    // The spoken sentence's first letter by the language's own upper case.
    QCOMPARE(rig.language.installed->locale().toUpper(QStringLiteral("i")),
             language == "tr" ? "İ" : "I");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
}

void TestTranslations::rightToLeft_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"ar", "he", "fa"}) {
        QTest::newRow(language) << language;
    }
}

// The menus and boxes mirror, from the game's catalogue alone; the machine does
// not: outside its texts it shows the same pixels as in English.
void TestTranslations::rightToLeft() {
    QFETCH(QString, language);
    QImage english;
    {
        WindowRig rig;
        QVERIFY(rig.show());
        english = shownPixels(rig.view());
    }
    WindowRig rig(language);
    QVERIFY(rig.language.installed);
    // At once: the window built in the language is mirrored from the start.
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    for (QTranslator* qt : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        if (QFileInfo(qt->filePath()).fileName().startsWith(QLatin1String("qtbase_"))) {
            delete qt;
        }
    }
    QCoreApplication::sendPostedEvents(qApp, QEvent::LanguageChange);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);

    QVERIFY(rig.show());
    QImage shown = shownPixels(rig.view());
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.size(), english.size());
    for (const char* name : {"lblInfo", "lblCurrentMoney", "lblMoneyWon"}) {
        auto* label = rig.element<QLabel>(QLatin1String(name));
        const QRect text = label->contentsRect().translated(label->pos());
        for (QImage* image : {&english, &shown}) {
            QPainter(image).fillRect(text, Qt::magenta);
        }
    }
    QVERIFY(shown == english);

    const QMenuBar* bar = rig.window.menuBar();
    const QList<QAction*> menus = bar->actions();
    QVERIFY(bar->actionGeometry(menus[0]).left() > bar->actionGeometry(menus[1]).right());

    bool mirrored = false;
    onModalBox(&rig.window, [&mirrored](QMessageBox* box) {
        const auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        mirrored = icon && text && icon->x() > text->x();
        for (const QString& line :
             mirrored ? text->text().split(QLatin1Char('\n')) : QStringList()) {
            mirrored = mirrored && line.isRightToLeft();
        }
        // A screen reader gets the text without the marks that order it,
        // and with Persian's non-joiners.
        mirrored = mirrored && QAccessible::queryAccessibleInterface(text)->text(
                                   QAccessible::Name) == text->text().remove(kDirectionMarks);
        box->accept();
    });
    showInformationBox(&rig.window, frmReelmoor::tr("About Reelmoor"), frmReelmoor::aboutText());
    QVERIFY(mirrored);
}

void TestTranslations::hanForms_data() {
    QTest::addColumn<QString>("language");
    // How Noto Sans CJK names the face of each.
    QTest::addColumn<QString>("notoTag");
    const char* rows[][2] = {{"ja", "JP"}, {"zh_CN", "SC"}, {"zh_TW", "TC"}, {"ko", "KR"}};
    for (const auto& [language, notoTag] : rows) {
        QTest::newRow(language) << language << notoTag;
    }
}

// Each language's characters in its own face, whatever the system's locale
// (CTest runs this under a Chinese and a Japanese one too): the labels' Latin
// letters stay in their own font.
void TestTranslations::hanForms() {
    QFETCH(QString, language);
    QFETCH(QString, notoTag);
    const auto forgetFonts = qScopeGuard(forgetLoadedFonts);
    WindowRig rig(language);
    QVERIFY(rig.language.installed);
    const QString face = rig.language.installed->face();
    QVERIFY2(!face.startsWith(QLatin1String("Noto Sans CJK")) || face.endsWith(notoTag),
             qPrintable(face));
    static QStringList faces;
    QVERIFY2(!faces.contains(face), qPrintable(faces.join(QLatin1Char(','))));
    faces << face;

    const auto* status = rig.element<QLabel>(QStringLiteral("lblMoneyWon"));
    const QStringList seen{QStringLiteral("Liberation Sans"), face};
    for (const QFont& font : {status->font(), rig.window.menuBar()->font()}) {
        QTextLayout layout(status->text() + QLatin1String(" $25"), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList used;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            used << run.rawFont().familyName();
        }
        QVERIFY2(used.contains(face), qPrintable(used.join(QLatin1Char(','))));
        for (const QString& family : used) {
            QVERIFY2(seen.contains(family), qPrintable(used.join(QLatin1Char(','))));
        }
    }
}

void TestTranslations::englishWithoutFont_data() {
    // The font configuration in tests/ that the row needs, the language, and
    // whether it is installed there.
    addColumns<QString, QString, bool>("fonts", "language", "spoken");
    const QList<std::tuple<const char*, QStringList, QStringList>> groups{
        {"nocjk", {"ja", "zh_CN", "zh_TW", "ko"}, {"ar", "uk"}},
        {"nortl", {"ar", "he", "fa"}, {"ja", "uk"}},
        {"nocyrillic", {"ru", "uk"}, {"fa"}}};
    for (const auto& [fonts, english, spoken] : groups) {
        for (const QString& language : english + spoken) {
            QTest::addRow("%s %s", fonts, qPrintable(language))
                << fonts << language << spoken.contains(language);
        }
    }
}

// Never a row of empty boxes: with no font for its script, a language is not
// installed and the game stays English. CTest runs this with the fonts for
// each script group left out in turn.
void TestTranslations::englishWithoutFont() {
    QFETCH(QString, fonts);
    QFETCH(QString, language);
    QFETCH(bool, spoken);
    if (!qEnvironmentVariable("FONTCONFIG_FILE").endsWith(QLatin1Char('/') + fonts + ".conf")) {
        QSKIP(qPrintable(QStringLiteral("needs tests/%1.conf").arg(fonts)));
    }
    const GameLanguage game(language);
    QCOMPARE(game.installed.has_value(), spoken);
    QCOMPARE(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).isEmpty(), !spoken);
}

// As QTEST_MAIN, and beside it the game's start-up choice of language, which
// Qt reads from the environment once per process.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("REELMOOR_TELL_LANGUAGE")) {
        std::printf("[%s]", qPrintable(systemLanguage()));
        return 0;
    }
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestTranslations test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
