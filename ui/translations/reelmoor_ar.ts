<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>⁦$25⁩ لكل دورة...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>ربحتَ ⁦$100⁩!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>ربحتَ ⁦$1000⁩!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>ربحتَ ⁦$4000⁩!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>ربحتَ ⁦$10,000⁩!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>نفد المال!  انتهت اللعبة.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>كرز</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>عنب</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>ليمونة</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>برتقالة</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>تفاحة</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>فاكهة صفراء</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>أناناس</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n دولار</numerusform>
            <numerusform>%n دولار</numerusform>
            <numerusform>%n دولار</numerusform>
            <numerusform>%n دولارات</numerusform>
            <numerusform>%n دولارًا</numerusform>
            <numerusform>%n دولار</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>لعبة جديدة (&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>جدول الجوائز (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>حول (&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>انقر المقبض الأحمر للتدوير!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>رصيدك الحالي</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>مال اللعب المتبقي لديك.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>تدوير</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>يسحب الذراع لتدوير البكرات. كل دورة تكلّف %n دولار.</numerusform>
            <numerusform>يسحب الذراع لتدوير البكرات. كل دورة تكلّف %n دولار.</numerusform>
            <numerusform>يسحب الذراع لتدوير البكرات. كل دورة تكلّف %n دولار.</numerusform>
            <numerusform>يسحب الذراع لتدوير البكرات. كل دورة تكلّف %n دولارات.</numerusform>
            <numerusform>يسحب الذراع لتدوير البكرات. كل دورة تكلّف %n دولارًا.</numerusform>
            <numerusform>يسحب الذراع لتدوير البكرات. كل دورة تكلّف %n دولار.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>الحالة: كلفة الدورة، أو الجائزة التي ربحتَها، أو نهاية اللعبة.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>البكرة %1 من اليسار: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The three reels&apos; symbols, spoken after a spin.</extracomment>
        <translation>من اليسار: %1، %2، %3</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2 %n dollars.</source>
        <extracomment>Spoken after a spin: the symbols, the prize (or &quot;No prize.&quot;), the balance.</extracomment>
        <translation>
            <numerusform>%1. %2 %n دولار.</numerusform>
            <numerusform>%1. %2 %n دولار.</numerusform>
            <numerusform>%1. %2 %n دولار.</numerusform>
            <numerusform>%1. %2 %n دولارات.</numerusform>
            <numerusform>%1. %2 %n دولارًا.</numerusform>
            <numerusform>%1. %2 %n دولار.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>لا جائزة.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 اختر «لعبة جديدة» من قائمة «ملف».</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>لعبة جديدة. %n دولار.</numerusform>
            <numerusform>لعبة جديدة. %n دولار.</numerusform>
            <numerusform>لعبة جديدة. %n دولار.</numerusform>
            <numerusform>لعبة جديدة. %n دولارات.</numerusform>
            <numerusform>لعبة جديدة. %n دولارًا.</numerusform>
            <numerusform>لعبة جديدة. %n دولار.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>جدول جوائز Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>حول Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= كرز في البكرة 1 من اليسار فقط</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= كرز في البكرتين 1 و2 من اليسار فقط</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= كرز في البكرتين 1 و3 من اليسار فقط</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= ثلاثة متماثلة (غير الكرز)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= كرز في البكرات الثلاث</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>آلة قمار بالفواكه كُتبت عام 1997.  كان يُفترض أن تكون جزءًا من
برنامج كازينو من أربع ألعاب لم يكتمل قط.</translation>
    </message>
</context>
</TS>
