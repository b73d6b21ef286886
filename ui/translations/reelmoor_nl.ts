<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>$25 per draai...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Gewonnen: $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Gewonnen: $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Gewonnen: $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Gewonnen: $10.000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Geld op!  Spel voorbij.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>kersen</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>druiven</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>citroen</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>sinaasappel</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>appel</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>gele vrucht</translation>
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
            <numerusform>%n dollar</numerusform>
            <numerusform>%n dollar</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Winsttabel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Klik op de rode knop!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Je saldo</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>Het speelgeld dat je nog hebt.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Draaien</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Trekt aan de hendel om de rollen te laten draaien. Elke draai kost %n dollar.</numerusform>
            <numerusform>Trekt aan de hendel om de rollen te laten draaien. Elke draai kost %n dollar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Status: de inzet per draai, de gewonnen prijs of het einde van het spel.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Rol %1: %2</translation>
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
            <numerusform>%1. %2 %n dollar.</numerusform>
            <numerusform>%1. %2 %n dollar.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Geen prijs.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Kies Nieuw spel in het menu Bestand.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Nieuw spel. %n dollar.</numerusform>
            <numerusform>Nieuw spel. %n dollar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Winsttabel van Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>Over Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Kersen alleen op rol 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Kersen alleen op rol 1 en rol 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Kersen alleen op rol 1 en rol 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Drie dezelfde (geen kersen)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Kersen op alle drie de rollen</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Een fruitautomaat, geschreven in 1997.  Hij zou deel worden van een
casinoprogramma met vier spellen dat nooit af is gekomen.</translation>
    </message>
</context>
</TS>
