<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left, &quot;LTR&quot; in any other.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>$25 per spin...</source>
        <translation>$25 za zatočení...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Výhra: $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Výhra: $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Výhra: $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Výhra: $10&#xa0;000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Došly peníze!  Konec hry.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>třešně</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>hrozny</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>citron</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomeranč</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>jablko</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>žluté ovoce</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>ananas</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n dolar</numerusform>
            <numerusform>%n dolary</numerusform>
            <numerusform>%n dolarů</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Tabulka výher</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O hře</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Klikněte na rudou kouli!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Vaše peníze</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>Herní peníze, které vám zbývají.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Zatočit</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Zatáhne za páku a roztočí válce. Každé zatočení stojí %n dolar.</numerusform>
            <numerusform>Zatáhne za páku a roztočí válce. Každé zatočení stojí %n dolary.</numerusform>
            <numerusform>Zatáhne za páku a roztočí válce. Každé zatočení stojí %n dolarů.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Stav: cena zatočení, výhra nebo konec hry.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Válec %1: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The three reels&apos; symbols, spoken after a spin.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2 %n dollars.</source>
        <extracomment>Spoken after a spin: the symbols, the prize (or &quot;No prize.&quot;), the balance.</extracomment>
        <translation>
            <numerusform>%1. %2 %n dolar.</numerusform>
            <numerusform>%1. %2 %n dolary.</numerusform>
            <numerusform>%1. %2 %n dolarů.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Bez výhry.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Zvolte „Nová hra“ v nabídce „Soubor“.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Nová hra. %n dolar.</numerusform>
            <numerusform>Nová hra. %n dolary.</numerusform>
            <numerusform>Nová hra. %n dolarů.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Tabulka výher hry Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>O hře Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Třešně jen na válci 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Třešně jen na válcích 1 a 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Třešně jen na válcích 1 a 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Tři stejné (ne třešně)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Třešně na všech třech válcích</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Ovocný hrací automat napsaný v roce 1997.  Měl být součástí
kasina se čtyřmi hrami, které nikdy nebylo dokončeno.</translation>
    </message>
</context>
</TS>
