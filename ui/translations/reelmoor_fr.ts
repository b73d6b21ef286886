<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>$25 par tour...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Gagné&#xa0;: $100&#xa0;!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Gagné&#xa0;: $1000&#xa0;!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Gagné&#xa0;: $4000&#xa0;!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Gagné&#xa0;: $10&#xa0;000&#xa0;!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Ruiné&#xa0;!  Partie terminée.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerises</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>raisin</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>citron</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>pomme</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>fruit jaune</translation>
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
            <numerusform>%n dollars</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Gains</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Cliquez sur le bouton rouge&#xa0;!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Votre solde</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>L&apos;argent fictif qu&apos;il vous reste.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Lancer</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Tire le levier pour faire tourner les rouleaux. Chaque tour coûte %n dollar.</numerusform>
            <numerusform>Tire le levier pour faire tourner les rouleaux. Chaque tour coûte %n dollars.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>État&#xa0;: le prix d&apos;un tour, le gain ou la fin de la partie.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Rouleau %1&#xa0;: %2</translation>
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
            <numerusform>%1. %2 %n dollars.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Aucun gain.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Choisissez Nouvelle partie dans le menu Fichier.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Nouvelle partie. %n dollar.</numerusform>
            <numerusform>Nouvelle partie. %n dollars.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Gains de Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>À propos de Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Cerises sur le rouleau 1 seulement</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Cerises sur les rouleaux 1 et 2 seulement</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Cerises sur les rouleaux 1 et 3 seulement</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Trois identiques (hors cerises)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Cerises sur les trois rouleaux</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Une machine à sous à fruits écrite en 1997.  Elle devait faire partie
d&apos;un casino de quatre jeux qui n&apos;a jamais été terminé.</translation>
    </message>
</context>
</TS>
