<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>$25 pro Spiel...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Gewinn: $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Gewinn: $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Gewinn: $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Gewinn: $10.000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Pleite!  Spiel vorbei.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>Trauben</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>gelbe Frucht</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>Ananas</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n Dollar</numerusform>
            <numerusform>%n Dollar</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Gewinnplan</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Roten Knopf klicken!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>Das Spielgeld, das Ihnen bleibt.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Drehen</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Zieht den Hebel und dreht die Walzen. Jedes Spiel kostet %n Dollar.</numerusform>
            <numerusform>Zieht den Hebel und dreht die Walzen. Jedes Spiel kostet %n Dollar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Status: der Einsatz pro Spiel, der Gewinn oder das Spielende.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Walze %1: %2</translation>
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
            <numerusform>%1. %2 %n Dollar.</numerusform>
            <numerusform>%1. %2 %n Dollar.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Kein Gewinn.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Wählen Sie „Neues Spiel“ im Menü „Datei“.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Neues Spiel. %n Dollar.</numerusform>
            <numerusform>Neues Spiel. %n Dollar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Gewinnplan von Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>Über Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Kirschen nur auf Walze 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Kirschen nur auf Walze 1 und 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Kirschen nur auf Walze 1 und 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Drei Gleiche (keine Kirschen)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Kirschen auf allen drei Walzen</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Ein Früchte-Spielautomat, geschrieben 1997.  Er sollte Teil eines
Casinos mit vier Spielen werden, das nie fertig wurde.</translation>
    </message>
</context>
</TS>
