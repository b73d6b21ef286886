<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>$25 でスピン……</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>$100 獲得！！！</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>$1000 獲得！！！</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>$4000 獲得！！！</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>$10,000 獲得！！！</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>破産！ゲームオーバー。</translation>
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
        <translation>チェリー</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>ぶどう</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>レモン</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>りんご</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>黄色い果物</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>パイナップル</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%nドル</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>新しいゲーム(&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>配当表(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>赤いノブを押してスピン！</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>所持金</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>残っているゲーム用のお金です。</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>スピン</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>レバーを引いてリールを回します。スピンごとに%nドルかかります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>状態：スピンの料金、獲得した賞金、またはゲーム終了。</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>リール%1：%2</translation>
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
            <numerusform>%1。%2所持金%nドル。</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>はずれ。</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1「ファイル」メニューの「新しいゲーム」を選んでください。</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>新しいゲーム。所持金%nドル。</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Reelmoor 配当表</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>Reelmoor のバージョン情報</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= リール1だけにチェリー</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= リール1とリール2だけにチェリー</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= リール1とリール3だけにチェリー</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= 同じ絵柄が三つ（チェリー以外）</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= 全リールにチェリー</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>1997年に作られたフルーツのスロットマシンです。
四つのゲームを収めた未完のカジノソフトの一部になる予定でした。</translation>
    </message>
</context>
</TS>
