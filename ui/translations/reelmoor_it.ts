<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>$25 a giocata...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Hai vinto $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Hai vinto $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Hai vinto $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Hai vinto $10.000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Soldi finiti!  Fine partita.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>ciliegie</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>uva</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>limone</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancia</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>mela</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>frutto giallo</translation>
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
            <numerusform>%n dollaro</numerusform>
            <numerusform>%n dollari</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Vincite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Clicca sul pomello rosso!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Credito</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>I soldi finti che ti restano.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Gira</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Tira la leva per far girare i rulli. Ogni giocata costa %n dollaro.</numerusform>
            <numerusform>Tira la leva per far girare i rulli. Ogni giocata costa %n dollari.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Stato: il costo di una giocata, la vincita o la fine della partita.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Rullo %1: %2</translation>
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
            <numerusform>%1. %2 %n dollaro.</numerusform>
            <numerusform>%1. %2 %n dollari.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Nessuna vincita.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Scegli Nuova partita nel menu File.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Nuova partita. %n dollaro.</numerusform>
            <numerusform>Nuova partita. %n dollari.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Vincite di Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>Informazioni su Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Ciliegie solo sul rullo 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Ciliegie solo sui rulli 1 e 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Ciliegie solo sui rulli 1 e 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Tris (non di ciliegie)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Ciliegie su tutti e tre i rulli</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Una slot machine a frutta scritta nel 1997.  Doveva far parte di un
casinò con quattro giochi che non fu mai finito.</translation>
    </message>
</context>
</TS>
