<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>$25 por rodada...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Você ganhou $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Você ganhou $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Você ganhou $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Você ganhou $10.000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Sem dinheiro!  Fim de jogo.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerejas</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>uvas</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>limão</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>maçã</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>fruta amarela</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>abacaxi</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translatorcomment>Qt takes the first form for 0 and 1. The balance is never 1, and zero takes the plural: 0 dólares.</translatorcomment>
        <translation>
            <numerusform>%n dólares</numerusform>
            <numerusform>%n dólares</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Prêmios</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Clique no botão para girar!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Saldo atual</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>O dinheiro de mentira que ainda lhe resta.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Girar</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Puxa a alavanca para girar os rolos. Cada rodada custa %n dólares.</numerusform>
            <numerusform>Puxa a alavanca para girar os rolos. Cada rodada custa %n dólares.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Status: o custo de uma rodada, o prêmio ganho ou o fim do jogo.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Rolo %1: %2</translation>
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
            <numerusform>%1. %2 %n dólares.</numerusform>
            <numerusform>%1. %2 %n dólares.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Sem prêmio.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Escolha Novo jogo no menu Arquivo.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Novo jogo. %n dólares.</numerusform>
            <numerusform>Novo jogo. %n dólares.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Prêmios do Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>Sobre o Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Cerejas só no rolo 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Cerejas só nos rolos 1 e 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Cerejas só nos rolos 1 e 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Trinca (sem cerejas)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Cerejas nos três rolos</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Um caça-níqueis de frutas escrito em 1997.  Era para ser parte de um
cassino de quatro jogos que nunca foi terminado.</translation>
    </message>
</context>
</TS>
