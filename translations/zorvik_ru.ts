<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik принимает только --help и --version.</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>Использование: zorvik [параметры]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik — игра-змейка для одного игрока или для двоих за одной клавиатурой.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Показывает эту справку и завершает работу.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Показывает версию и завершает работу.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>не установлено ни одного шрифта, поэтому вместо текста видны квадратики</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>вместо них текст показан шрифтом %1</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>вместо них текст показан шрифтами %1 и %2</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>не хватает шрифтов: %1 (пакеты Debian: %2); %3.</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>ни в одном установленном шрифте нет букв языка %1, поэтому слова показываются квадратиками (пакет Debian %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>звук выключен: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>не задана ни переменная DISPLAY, ни WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>не удалось открыть дисплей (%1); для игры нужен сеанс рабочего стола (X11 или Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>%1 побеждает!</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>%1 погибает от укусов</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 врезается в змейку игрока %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>Уровень %1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>УРОВЕНЬ</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Отлично!</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>Кампания</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>пройдена!</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>Все семь уровней пройдены</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>Победа!</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>Съедено 100 кусочков — классика пройдена</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>КОНЕЦ ИГРЫ</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>геймпады отключены: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>раскладка кнопок геймпада «%1» неизвестна, поэтому он не используется; задайте её в SDL_GAMECONTROLLERCONFIG</translation>
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

Есть два вида игры: классическая игра и кампания.

Классическая игра: вы играете на одном уровне. Играть можно на разных скоростях, их выбирают индикатором скорости. Чем выше скорость, тем больше очков.

Кампания: вы проходите уровень за уровнем, и чем дальше, тем сложнее игра. В кампанию тоже можно играть на разных скоростях. Чем выше скорость, тем больше очков.

Играть можно и вдвоём. В игре для двух игроков тоже есть классическая игра и кампания. Но если один игрок выбывает, игра заканчивается для обоих.

Классическая игра идёт, пока игрок (если игроков двое, любой из них) не соберёт 100 кусочков еды. В кампании вы переходите на следующий уровень, собрав 25 кусочков еды.

Если змейки двух игроков сталкиваются, голова змейки становится чёрной. Это значит, что игрок с чёрной головой может укусить другого игрока и отнять часть его энергии (укусы могут и погубить игрока). Еда возвращает энергию.
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>Свернувшаяся змея</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>Клавиши игроков</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>кусать</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>рулить</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Очки игрока %1: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>Энергия игрока %1: %2%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>Энергия</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>Другие игры</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik, звук выключен</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>Другие игры</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>Имена</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Имена</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>Игрок1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>Игрок2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Имя игрока 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Имя игрока 2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>Игрок1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>Игрок2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>тёмно-красный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>бежевый</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурный</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>Игроков: два</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>Игроков: один</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Змейка игрока 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Змейка игрока 2</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Препятствия</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>Столкновения: да</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>Столкновения: нет</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>Игрок 2: человек</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>Игрок 2: компьютер</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Классическая игра</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Кампания</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>Скорость %1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>Цвет игрока 1: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>Цвет игрока 2: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>Плитка препятствий: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>Змейка игрока 1</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>Змейка игрока 2</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>Препятствия</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>Столкновения змеек</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>Число змеек</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Тип игры</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>Кампания</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>Это окно нельзя переместить: его нет на экране.</translation>
    </message>
</context>
</TS>
