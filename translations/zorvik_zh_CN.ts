<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik 只接受 --help 和 --version 两个选项。</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>用法：zorvik [选项]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik 是一款贪吃蛇游戏，可以一个人玩，也可以两个人共用一个键盘一起玩。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>无法识别的参数“%1”。</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>系统中没有安装任何字体，文字会显示为方框</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>改用 %1 显示文字</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>改用 %1 和 %2 显示文字</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>缺少字体：%1（Debian 软件包 %2）；%3。</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>已安装的字体都没有 %1 的文字，因此文字显示为方框（Debian 软件包 %2）</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>声音已关闭：%1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>DISPLAY 和 WAYLAND_DISPLAY 均未设置</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>无法打开显示（%1）；本游戏需要在桌面会话（X11 或 Wayland）中运行。</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>%1 获胜</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>%1 被咬死了</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 撞上了 %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>第%1关</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>关卡</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>干得好！</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>闯关</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>成功！</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>七个关卡全部通过</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>游戏胜利！</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>吃到 100 个食物，经典模式通关</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>游戏结束</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>游戏手柄已关闭：%1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>游戏手柄“%1”的按键布局未知，已被忽略；请在 SDL_GAMECONTROLLERCONFIG 中为它指定布局</translation>
    </message>
</context>
<context>
    <name>zorvik::HelpWindow</name>
    <message>
        <source>ZORVIK.<byte value="xd"/>
<byte value="xd"/>
Thier are two different types of games classical and campaign<byte value="xd"/>
<byte value="xd"/>
classical - You play in one level .It can be played in different <byte value="xd"/>
speeds by using the speed indicator. Higher the speed, higher <byte value="xd"/>
will be the score. <byte value="xd"/>
<byte value="xd"/>
Campaign - You can advance through various levels. The <byte value="xd"/>
game goes on becoming difficult as the game advances. It too, <byte value="xd"/>
can also be played in different speeds.Higher the speed, <byte value="xd"/>
higher will be the score.<byte value="xd"/>
<byte value="xd"/>
The game can be played by two players . Two player mode <byte value="xd"/>
also contains both classical and campaign types of games. But <byte value="xd"/>
if one player is out, the game is over for both the players.<byte value="xd"/>
<byte value="xd"/>
You can go on playing the classic type until the player (in case <byte value="xd"/>
of 2 players, either of the players) collects 100 food. In the <byte value="xd"/>
Campaign type, you can progress through the levels by taking <byte value="xd"/>
25 food.<byte value="xd"/>
<byte value="xd"/>
If the snakes of the two players collides thier head will turn <byte value="xd"/>
black that means that the player with the black head can bit the <byte value="xd"/>
other player and take some of his power (a player can be <byte value="xd"/>
bitten to death) ,eating the food gives you back your power .<byte value="xd"/>
</source>
        <extracomment>The help window&apos;s text. Keep the numbers and the game&apos;s name.</extracomment>
        <translation>ZORVIK.

游戏分为经典模式和闯关模式两种。

经典模式 - 只在一个关卡里玩。可以在速度设置中选择不同的速度。速度越快，得分越高。

闯关模式 - 可以一关一关向前闯。越往后，游戏越难。同样可以选择不同的速度。速度越快，得分越高。

游戏可以由两名玩家一起玩。双人模式同样包含经典和闯关两种模式。但只要有一名玩家出局，两名玩家的游戏就都结束了。

经典模式可以一直玩到玩家（双人时为任意一名玩家）吃到 100 个食物为止。在闯关模式中，吃到 25 个食物就能进入下一关。

两名玩家的蛇相撞时，蛇头会变黑。蛇头变黑的玩家可以咬对方，夺走对方的一部分能量（玩家可能会被咬死）。吃食物可以恢复能量。
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>盘成一团的蛇</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>玩家按键</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作说明</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>咬</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>转向</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>玩家%1得分：%2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>玩家%1能量：%2%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>能量</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>更多游戏</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>游戏区域</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik，声音已关闭</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>设置</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>更多游戏</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>名字</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>玩家1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>玩家2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>玩家1的名字</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>玩家2的名字</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>玩家1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>玩家2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>深红色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>米色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>玩家：两人</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>玩家：一人</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>玩家1的蛇</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>玩家2的蛇</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>障碍物</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>碰撞：开</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>碰撞：关</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>玩家2：真人</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>玩家2：电脑</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>经典模式</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>闯关模式</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>速度%1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>玩家1颜色：%1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>玩家2颜色：%1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>障碍物图块：%1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>设置</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>设置</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>玩家1的蛇</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>玩家2的蛇</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>障碍物</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>蛇互相碰撞</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>玩家2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>蛇的数量</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>游戏模式</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>经典模式</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>闯关模式</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>开</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>关</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>真人</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>确定</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>错误</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>此窗口不在屏幕上，无法移动。</translation>
    </message>
</context>
</TS>
