<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>$25 за вращение...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Выигрыш: $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Выигрыш: $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Выигрыш: $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Выигрыш: $10&#xa0;000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Денег нет!  Игра окончена.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>вишни</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>виноград</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>лимон</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>апельсин</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>яблоко</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>жёлтый фрукт</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>ананас</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n доллар</numerusform>
            <numerusform>%n доллара</numerusform>
            <numerusform>%n долларов</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Файл (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Новая игра (&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Выход (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Справка (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>Выигрыши (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О программе (&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Нажмите на красную ручку!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Ваши деньги</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>Игровые деньги, которые у вас остались.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Крутить</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Тянет рычаг, чтобы раскрутить барабаны. Каждое вращение стоит %n доллар.</numerusform>
            <numerusform>Тянет рычаг, чтобы раскрутить барабаны. Каждое вращение стоит %n доллара.</numerusform>
            <numerusform>Тянет рычаг, чтобы раскрутить барабаны. Каждое вращение стоит %n долларов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Статус: цена вращения, выигрыш или конец игры.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>Барабан %1: %2</translation>
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
            <numerusform>%1. %2 %n доллар.</numerusform>
            <numerusform>%1. %2 %n доллара.</numerusform>
            <numerusform>%1. %2 %n долларов.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Без выигрыша.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Выберите «Новая игра» в меню «Файл».</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Новая игра. %n доллар.</numerusform>
            <numerusform>Новая игра. %n доллара.</numerusform>
            <numerusform>Новая игра. %n долларов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Таблица выигрышей — Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>О программе Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Вишни только на барабане 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Вишни только на барабанах 1 и 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Вишни только на барабанах 1 и 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Три одинаковых (не вишни)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Вишни на всех трёх барабанах</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Фруктовый игровой автомат, написанный в 1997 году.  Он должен был
стать частью казино из четырёх игр, которое так и не доделали.</translation>
    </message>
</context>
</TS>
