<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
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
        <translation>스핀당 $25...</translation>
    </message>
    <message>
        <source>You won $100!!!</source>
        <translation>$100 당첨!!!</translation>
    </message>
    <message>
        <source>You won $1000!!!</source>
        <translation>$1000 당첨!!!</translation>
    </message>
    <message>
        <source>You won $4000!!!</source>
        <translation>$4000 당첨!!!</translation>
    </message>
    <message>
        <source>You won $10,000!!!</source>
        <translation>$10,000 당첨!!!</translation>
    </message>
    <message>
        <source>Out of Money!  Game Over.</source>
        <translation>파산!  게임 오버.</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>blank</source>
        <translation>빈칸</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>체리</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>포도</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>레몬</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>오렌지</translation>
    </message>
    <message>
        <source>apple</source>
        <translation>사과</translation>
    </message>
    <message>
        <source>yellow fruit</source>
        <translation>노란 과일</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>파인애플</translation>
    </message>
</context>
<context>
    <name>reelmoor::frmReelmoor</name>
    <message numerus="yes">
        <source>%n dollars</source>
        <extracomment>The balance, spoken. Always a multiple of 25.</extracomment>
        <translation>
            <numerusform>%n달러</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>새 게임(&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>배당표(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>Click on the red handle to spin!</source>
        <extracomment>Four short centred lines of at most 57 pixels each, above the lever.</extracomment>
        <translation>빨간 공을 클릭해 돌리세요!</translation>
    </message>
    <message>
        <source>Current Money</source>
        <extracomment>Caption over the balance; one line of 177 pixels in large bold letters.</extracomment>
        <translation>현재 잔액</translation>
    </message>
    <message>
        <source>The play money you have left.</source>
        <translation>남은 게임 머니입니다.</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The red knob&apos;s name for a screen reader: a button that starts a spin.</extracomment>
        <translation>스핀</translation>
    </message>
    <message numerus="yes">
        <source>Pulls the lever to spin the reels. Each spin costs %n dollars.</source>
        <extracomment>n is the cost of a spin, always 25.</extracomment>
        <translation>
            <numerusform>레버를 당겨 릴을 돌립니다. 스핀마다 %n달러가 듭니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Status: the cost of a spin, the prize won, or the end of the game.</source>
        <translation>상태: 스핀 비용, 당첨금 또는 게임 종료.</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <extracomment>A reel&apos;s picture for a screen reader: the reel&apos;s number, the symbol.</extracomment>
        <translation>릴 %1: %2</translation>
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
            <numerusform>%1. %2 잔액 %n달러.</numerusform>
        </translation>
    </message>
    <message>
        <source>No prize.</source>
        <translation>당첨 없음.</translation>
    </message>
    <message>
        <source>%1 Choose Reset in the File menu.</source>
        <extracomment>Spoken at the end of a game, after the game-over message.</extracomment>
        <translation>%1 ‘파일’ 메뉴에서 ‘새 게임’을 선택하세요.</translation>
    </message>
    <message numerus="yes">
        <source>New game. %n dollars.</source>
        <translation>
            <numerusform>새 게임. 잔액 %n달러.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scoring for Reelmoor</source>
        <translation>Reelmoor 배당표</translation>
    </message>
    <message>
        <source>About Reelmoor</source>
        <translation>Reelmoor 정보</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 Only</source>
        <extracomment>A line of the scoring box, after &quot;$100&quot; and a tab.</extracomment>
        <translation>= 릴 1에만 체리</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #2 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= 릴 1과 릴 2에만 체리</translation>
    </message>
    <message>
        <source>= Cherries in Slot #1 and Slot #3 Only</source>
        <extracomment>A line of the scoring box, after &quot;$1000&quot; and a tab.</extracomment>
        <translation>= 릴 1과 릴 3에만 체리</translation>
    </message>
    <message>
        <source>= Three-of-a-Kind (not cherries)</source>
        <extracomment>A line of the scoring box, after &quot;$4000&quot; and a tab.</extracomment>
        <translation>= 같은 그림 셋 (체리 제외)</translation>
    </message>
    <message>
        <source>= Cherries in All Three Slots</source>
        <extracomment>A line of the scoring box, after &quot;$10,000&quot; and a tab.</extracomment>
        <translation>= 세 릴 모두 체리</translation>
    </message>
    <message>
        <source>A fruit slot machine written in 1997.  It was meant to be one part of a
four-game casino program which was never finished.</source>
        <extracomment>The About box, below the name and version: two lines.</extracomment>
        <translation>1997년에 만든 과일 슬롯머신입니다.
끝내 완성되지 못한, 네 가지 게임이 담긴 카지노 프로그램의 일부가 될 예정이었습니다.</translation>
    </message>
</context>
</TS>
