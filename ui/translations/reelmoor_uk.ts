<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
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
        <translation>$25 за обертання...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>Виграш: $100!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>Виграш: $1000!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>Виграш: $4000!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>Виграш: $10&#xa0;000!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>Грошей немає!  Кінець гри.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>вишні</translation>
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
        <translation>яблуко</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>жовтий фрукт</translation>
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
            <numerusform>%n долар</numerusform>
            <numerusform>%n долари</numerusform>
            <numerusform>%n доларів</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Файл (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Нова гра (&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Вихід (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Довідка (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>Виграші (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Про програму (&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>Тисніть червону ручку!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>Ваші гроші</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>Ігрові гроші, що у вас залишилися.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>Крутити</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>Тягне важіль, щоб закрутити барабани. Кожне обертання коштує %n долар.</numerusform>
            <numerusform>Тягне важіль, щоб закрутити барабани. Кожне обертання коштує %n долари.</numerusform>
            <numerusform>Тягне важіль, щоб закрутити барабани. Кожне обертання коштує %n доларів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>Стан: ціна обертання, виграш або кінець гри.</translation>
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
            <numerusform>%1. %2 %n долар.</numerusform>
            <numerusform>%1. %2 %n долари.</numerusform>
            <numerusform>%1. %2 %n доларів.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>Без виграшу.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 Виберіть «Нова гра» в меню «Файл».</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>Нова гра. %n долар.</numerusform>
            <numerusform>Нова гра. %n долари.</numerusform>
            <numerusform>Нова гра. %n доларів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Таблиця виграшів — Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>Про програму Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= Вишні лише на барабані 1</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Вишні лише на барабанах 1 і 2</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= Вишні лише на барабанах 1 і 3</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= Три однакові (не вишні)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= Вишні на всіх трьох барабанах</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>Фруктовий ігровий автомат, написаний у 1997 році.  Він мав стати
частиною казино з чотирьох ігор, яке так і не завершили.</translation>
    </message>
</context>
</TS>
