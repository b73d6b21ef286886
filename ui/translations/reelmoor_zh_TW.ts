<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
        <translation>每次旋轉 $25……</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>贏得 $100！！！</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>贏得 $1000！！！</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>贏得 $4000！！！</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>贏得 $10,000！！！</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>沒錢了！遊戲結束。</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>櫻桃</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>葡萄</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>檸檬</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>柳橙</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>蘋果</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>黃色水果</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>鳳梨</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n 美元</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>新遊戲(&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>彩金表(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>點擊紅色把手開始旋轉！</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>目前餘額</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>你剩下的遊戲幣。</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>旋轉</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>拉下拉桿，轉動轉輪。每次旋轉花費 %n 美元。</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>狀態：每次旋轉的花費、贏得的彩金或遊戲結束。</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>轉輪 %1：%2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>The three reels&apos; symbols, spoken after a spin.</extracomment>
        <translation>%1、%2、%3</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2 %n dollars.</source>
        <extracomment>Spoken after a spin: the symbols, the prize (or &quot;No prize.&quot;), the balance.</extracomment>
        <translation>
            <numerusform>%1。%2餘額 %n 美元。</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>沒有中獎。</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1請在「檔案」選單中選擇「新遊戲」。</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>新遊戲。餘額 %n 美元。</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Reelmoor 彩金表</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>關於 Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= 僅轉輪 1 出現櫻桃</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= 僅轉輪 1 和轉輪 2 出現櫻桃</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= 僅轉輪 1 和轉輪 3 出現櫻桃</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= 三個相同圖案（櫻桃除外）</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= 三個轉輪都是櫻桃</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>一款 1997 年開發的水果拉霸機遊戲。
它原本是一套四合一賭場遊戲程式的一部分，但那套程式始終沒有完成。</translation>
    </message>
</context>
</TS>
