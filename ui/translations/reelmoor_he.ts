<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left, &quot;LTR&quot; in any other.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>$25 per spin...</source>
        <translation>⁦$25⁩ לסיבוב...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>זכיתם ב־⁦$100⁩!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>זכיתם ב־⁦$1000⁩!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>זכיתם ב־⁦$4000⁩!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>זכיתם ב־⁦$10,000⁩!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>נגמר הכסף!  סוף המשחק.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>דובדבנים</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>ענבים</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>לימון</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>תפוז</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>תפוח</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>פרי צהוב</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>אננס</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n דולר</numerusform>
            <numerusform>%n דולר</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>קובץ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>משחק חדש (&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>יציאה (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>עזרה (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>טבלת זכיות (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>אודות (&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>לחצו על הכדור האדום לסיבוב!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>הכסף שלכם</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>כסף המשחק שנשאר לכם.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>סיבוב</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>מושך בידית ומסובב את הגלגלים. כל סיבוב עולה %n דולר.</numerusform>
            <numerusform>מושך בידית ומסובב את הגלגלים. כל סיבוב עולה %n דולר.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>מצב: מחיר סיבוב, הזכייה או סוף המשחק.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>גלגל %1 משמאל: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The three reels&apos; symbols, spoken after a spin.</extracomment>
        <translation>משמאל לימין: %1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2 %n dollars.</source>
        <extracomment>Spoken after a spin: the symbols, the prize (or &quot;No prize.&quot;), the balance.</extracomment>
        <translation>
            <numerusform>%1. %2 %n דולר.</numerusform>
            <numerusform>%1. %2 %n דולר.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>אין זכייה.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 בחרו &quot;משחק חדש&quot; בתפריט &quot;קובץ&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>משחק חדש. %n דולר.</numerusform>
            <numerusform>משחק חדש. %n דולר.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>טבלת הזכיות של Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>אודות Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= דובדבנים רק בגלגל 1 משמאל</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= דובדבנים רק בגלגלים 1 ו־2 משמאל</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= דובדבנים רק בגלגלים 1 ו־3 משמאל</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= שלושה זהים (לא דובדבנים)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= דובדבנים בכל שלושת הגלגלים</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>מכונת מזל עם פירות שנכתבה ב־1997.  היא נועדה להיות חלק
מתוכנית קזינו בת ארבעה משחקים שמעולם לא הושלמה.</translation>
    </message>
</context>
</TS>
