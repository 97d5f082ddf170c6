<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik で使えるオプションは --help と --version だけです。</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>使い方: zorvik [オプション]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik は、1人でも、1台のキーボードを2人で共有しても遊べるスネークゲームです。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」があります。</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>フォントが1つもインストールされていないため、文字が四角で表示されます</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>代わりに %1 で文字を表示します</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>代わりに %1 と %2 で文字を表示します</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>フォントがありません: %1 (Debian パッケージ %2)。%3。</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>インストール済みのフォントに %1 の文字がないため、文字が四角で表示されます (Debian パッケージ %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>サウンドはオフです: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>DISPLAY も WAYLAND_DISPLAY も設定されていません</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>ディスプレイを開けませんでした (%1)。このゲームにはデスクトップセッション (X11 または Wayland) が必要です。</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>%1 の勝ち！</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>%1 はかまれて力尽きました</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 が %2 にぶつかりました</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>レベル%1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>お見事！</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>キャンペーン</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>クリア！</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>7つのレベルをすべてクリア</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>ゲームクリア！</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>エサを100個食べて、クラシックをクリア</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ゲームオーバー</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>ゲームパッドはオフです: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>ゲームパッド「%1」はボタン配置が不明なため、無視します。SDL_GAMECONTROLLERCONFIG で配置を指定してください</translation>
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

ゲームには「クラシック」と「キャンペーン」の2種類があります。

クラシック - 1つのレベルで遊びます。スピード設定で速さを変えて遊べます。速いほど、得点も高くなります。

キャンペーン - いくつものレベルを進んでいきます。先へ進むほど、ゲームは難しくなります。こちらも速さを変えて遊べます。速いほど、得点も高くなります。

2人で遊ぶこともできます。2人モードにもクラシックとキャンペーンの両方があります。ただし、どちらか1人がアウトになると、2人ともゲームオーバーです。

クラシックは、プレイヤー(2人のときはどちらか1人)がエサを100個集めるまで続けられます。キャンペーンでは、エサを25個取ると次のレベルに進めます。

2人のヘビがぶつかると、頭が黒くなります。頭が黒いプレイヤーは相手にかみついて、パワーを少し奪えます(かまれすぎると力尽きてしまうこともあります)。エサを食べると、パワーが回復します。
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>とぐろを巻いたヘビ</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>プレイヤーの操作キー</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作方法</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>かみつく</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>移動</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>プレイヤー%1の得点: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>プレイヤー%1のパワー: %2%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>パワー</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>ほかのゲーム</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>ゲーム盤</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik、サウンドオフ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>ほかのゲーム</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>プレイヤー1の名前</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>プレイヤー2の名前</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>プレイヤー2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>濃い赤</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>ベージュ</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>プレイヤー: 2人</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>プレイヤー: 1人</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>プレイヤー1のヘビ</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>プレイヤー2のヘビ</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>障害物</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>衝突: あり</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>衝突: なし</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>プレイヤー2: 人間</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>プレイヤー2: コンピューター</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>キャンペーン</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>スピード%1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>プレイヤー1の色: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>プレイヤー2の色: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>障害物のタイル: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>プレイヤー1のヘビ</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>プレイヤー2のヘビ</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>障害物</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>スピード</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>ヘビ同士の衝突</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>ヘビの数</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>ゲームモード</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>キャンペーン</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>あり</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>人間</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>このウィンドウは画面上にないため、移動できません。</translation>
    </message>
</context>
</TS>
