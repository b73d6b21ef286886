<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>每次旋转 $25……</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>赢得 $100！！！</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>赢得 $1000！！！</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>赢得 $4000！！！</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>赢得 $10,000！！！</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>没钱了！游戏结束。</translation>
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
        <translation>樱桃</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>葡萄</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>柠檬</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙子</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>苹果</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>黄色水果</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>菠萝</translation>
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
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>新游戏(&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>奖金表(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>点击红色把手开始旋转！</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>当前余额</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>你剩下的游戏币。</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>旋转</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>拉下拉杆，转动转轮。每次旋转花费 %n 美元。</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>状态：每次旋转的花费、赢得的奖金或游戏结束。</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>转轮 %1：%2</translation>
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
            <numerusform>%1。%2余额 %n 美元。</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>未中奖。</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1请在“文件”菜单中选择“新游戏”。</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>新游戏。余额 %n 美元。</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Reelmoor 奖金表</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>关于 Reelmoor</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= 仅转轮 1 出现樱桃</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= 仅转轮 1 和转轮 2 出现樱桃</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= 仅转轮 1 和转轮 3 出现樱桃</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= 三个相同图案（樱桃除外）</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= 三个转轮都是樱桃</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>一款 1997 年开发的水果老虎机游戏。
它原本是一个四合一赌场游戏程序的一部分，但那个程序始终没有完成。</translation>
    </message>
</context>
</TS>
