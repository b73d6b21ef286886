<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
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
        <translation>هر چرخش ⁦$25⁩...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>⁦$100⁩ بردید!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>⁦$1000⁩ بردید!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>⁦$4000⁩ بردید!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>⁦$10,000⁩ بردید!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>پول تمام شد!  پایان بازی.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>خالی</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>گیلاس</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>انگور</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>لیمو</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>پرتقال</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>سیب</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>میوهٔ زرد</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>آناناس</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n دلار</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>پرونده (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>بازی جدید (&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>راهنما (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>جدول جایزه‌ها (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>درباره (&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>گوی قرمز را بزنید!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>موجودی شما</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>پول بازی‌ای که برایتان مانده است.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>چرخاندن</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>اهرم را می‌کشد تا قرقره‌ها بچرخند. هر چرخش %n دلار هزینه دارد.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>وضعیت: هزینهٔ هر چرخش، جایزهٔ برده‌شده یا پایان بازی.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>قرقرهٔ %1 از چپ: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The three reels&apos; symbols, spoken after a spin.</extracomment>
        <translation>از چپ: %1، %2، %3</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2 %n dollars.</source>
        <extracomment>Spoken after a spin: the symbols, the prize (or &quot;No prize.&quot;), the balance.</extracomment>
        <translation>
            <numerusform>%1. %2 %n دلار.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>بدون جایزه.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 از منوی «پرونده»، «بازی جدید» را انتخاب کنید.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>بازی جدید. %n دلار.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>جدول جایزه‌های Reelmoor</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>دربارهٔ Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= گیلاس فقط در قرقرهٔ 1 از چپ</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= گیلاس فقط در قرقره‌های 1 و 2 از چپ</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= گیلاس فقط در قرقره‌های 1 و 3 از چپ</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= سه‌تای یکسان (غیر از گیلاس)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= گیلاس در هر سه قرقره</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>یک ماشین اسلات میوه‌ای که در سال ۱۹۹۷ نوشته شد.  قرار بود بخشی از
یک برنامهٔ کازینوی چهاربازی باشد که هرگز تمام نشد.</translation>
    </message>
</context>
</TS>
