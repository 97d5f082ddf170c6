<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik przyjmuje tylko opcje --help i --version.</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>Użycie: zorvik [opcje]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik, gra w węża dla jednego gracza lub dla dwóch graczy przy jednej klawiaturze.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>nie zainstalowano żadnej czcionki, więc tekst wyświetla się jako prostokąty</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>zamiast tego tekst jest wyświetlany czcionką %1</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>zamiast tego tekst jest wyświetlany czcionkami %1 i %2</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>brakujące czcionki: %1 (pakiety %2 w systemie Debian); %3.</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>żadna zainstalowana czcionka nie ma liter języka %1, więc słowa wyświetlają się jako kwadraty (pakiet Debiana %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>dźwięk jest wyłączony: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>nie udało się otworzyć żadnego ekranu (%1); gra wymaga sesji graficznej (X11 lub Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>Wygrywa %1</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>%1 ginie od ukąszeń</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 zderza się z wężem gracza %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>Poziom %1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>POZIOM</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>Kampania</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>ukończona!</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>Ukończono wszystkie 7 poziomów</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>Zjedzono 100 kąsków – gra klasyczna ukończona</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>kontrolery do gier są wyłączone: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>kontroler „%1” nie ma znanego układu przycisków i zostanie pominięty; podaj jego układ w SDL_GAMECONTROLLERCONFIG</translation>
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

Są dwa rodzaje gry: gra klasyczna i kampania.

Gra klasyczna – grasz na jednym poziomie. Możesz grać z różnymi prędkościami, ustawiając je wskaźnikiem prędkości. Im większa prędkość, tym więcej punktów.

Kampania – przechodzisz przez kolejne poziomy. Im dalej, tym gra staje się trudniejsza. W nią również można grać z różnymi prędkościami. Im większa prędkość, tym więcej punktów.

W grę mogą grać dwie osoby. Tryb dla dwóch graczy także obejmuje grę klasyczną i kampanię. Jeśli jednak jeden gracz odpadnie, gra kończy się dla obu graczy.

W grze klasycznej grasz, dopóki gracz (przy dwóch graczach – którykolwiek z nich) nie zje 100 porcji jedzenia. W kampanii przechodzisz na kolejny poziom, zjadając 25 porcji jedzenia.

Gdy węże obu graczy się zderzą, ich głowy robią się czarne. Oznacza to, że gracz z czarną głową może ugryźć drugiego gracza i zabrać mu część energii (gracza można zagryźć na śmierć). Jedzenie przywraca energię.
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>Zwinięty wąż</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>Klawisze graczy</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>gryź</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>steruj</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Wynik gracza %1: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>Energia gracza %1: %2%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>Więcej gier</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik, dźwięk wyłączony</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>Więcej gier</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>Imiona</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Imiona</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>Gracz1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>Gracz2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Imię gracza 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Imię gracza 2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>Gracz1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>Gracz2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>ciemnoczerwony</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>beżowy</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyjan</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Wąż gracza 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Wąż gracza 2</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Przeszkody</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>Zderzenia: tak</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>Zderzenia: nie</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>Gracz 2: człowiek</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>Gracz 2: komputer</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Gra klasyczna</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Kampania</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>Prędkość %1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>Kolor gracza 1: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>Kolor gracza 2: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>Kafelek przeszkód: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>USTAWIENIA</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>Wąż gracza 1</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>Wąż gracza 2</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>Przeszkody</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>Węże mogą się zderzać</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>Liczba węży</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>Kampania</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>Nie można przesunąć tego okna: nie znajduje się ono na ekranie.</translation>
    </message>
</context>
</TS>
