<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>$25 za obrót...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Wygrana: $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Wygrana: $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Wygrana: $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Wygrana: $10&#xa0;000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Bankrut!  Koniec gry.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>wiśnie</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>winogrona</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>cytryna</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańcza</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>jabłko</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>żółty owoc</translation>
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
            <numerusform>%n dolarów</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Wygrane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Kliknij gałkę, by zakręcić!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Stan konta</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>Pieniądze do gry, które ci zostały.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Zakręć</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Pociąga dźwignię, by zakręcić bębnami. Każdy obrót kosztuje %n dolar.</numerusform>
            <numerusform>Pociąga dźwignię, by zakręcić bębnami. Każdy obrót kosztuje %n dolary.</numerusform>
            <numerusform>Pociąga dźwignię, by zakręcić bębnami. Każdy obrót kosztuje %n dolarów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Stan: koszt obrotu, wygrana lub koniec gry.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Bęben %1: %2</translation>
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
            <numerusform>%1. %2 %n dolarów.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Brak wygranej.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Wybierz „Nowa gra” w menu „Plik”.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Nowa gra. %n dolar.</numerusform>
            <numerusform>Nowa gra. %n dolary.</numerusform>
            <numerusform>Nowa gra. %n dolarów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Tabela wygranych — Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>O programie Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Wiśnie tylko na bębnie 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Wiśnie tylko na bębnach 1 i 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Wiśnie tylko na bębnach 1 i 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Trzy takie same (nie wiśnie)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Wiśnie na wszystkich trzech bębnach</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Automat owocowy napisany w 1997 roku.  Miał być częścią
kasyna z czterema grami, którego nigdy nie ukończono.</translation>
    </message>
</context>
</TS>
