<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik kennt nur die Optionen --help und --version.</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>Aufruf: zorvik [Optionen]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik, ein Schlangenspiel für einen Spieler oder für zwei Spieler an einer gemeinsamen Tastatur.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>es ist überhaupt keine Schrift installiert, daher erscheint Text als Kästchen</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>Text wird stattdessen in %1 angezeigt</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>Text wird stattdessen in %1 und %2 angezeigt</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>Schriften fehlen: %1 (Debian-Pakete %2); %3.</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>keine installierte Schrift hat die Buchstaben von %1, daher erscheinen die Wörter als Kästchen (Debian-Paket %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>Ton ist aus: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>es ließ sich keine Anzeige öffnen (%1); das Spiel braucht eine Desktop-Sitzung (X11 oder Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>%1 hat gewonnen</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>%1 wurde totgebissen</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 ist mit %2 zusammengestoßen</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>Kampagne</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>geschafft!</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>Alle sieben Level gemeistert</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>100 Futterstücke gefressen – klassisches Spiel geschafft</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>Gamepads sind aus: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>das Gamepad „%1“ hat keine bekannte Tastenbelegung und wird ignoriert; lege in SDL_GAMECONTROLLERCONFIG eine fest</translation>
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

Es gibt zwei Spielarten: Klassisch und Kampagne.

Klassisch – Du spielst in einem einzigen Level. Mit der Geschwindigkeitswahl kannst du in verschiedenen Geschwindigkeiten spielen. Je höher die Geschwindigkeit, desto höher die Punktzahl.

Kampagne – Du steigst durch mehrere Level auf. Je weiter du kommst, desto schwieriger wird das Spiel. Auch hier kannst du in verschiedenen Geschwindigkeiten spielen. Je höher die Geschwindigkeit, desto höher die Punktzahl.

Das Spiel kann auch zu zweit gespielt werden. Auch im Zwei-Spieler-Modus gibt es Klassisch und Kampagne. Scheidet aber ein Spieler aus, ist das Spiel für beide vorbei.

Klassisch spielst du so lange, bis der Spieler (bei zwei Spielern einer von beiden) 100 Futterstücke gefressen hat. In der Kampagne steigst du mit je 25 Futterstücken ein Level auf.

Stoßen die Schlangen der beiden Spieler zusammen, wird ihr Kopf schwarz. Der Spieler mit dem schwarzen Kopf kann den anderen beißen und ihm einen Teil seiner Kraft nehmen (ein Spieler kann totgebissen werden). Wer Futter frisst, bekommt seine Kraft zurück.
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>Eine zusammengerollte Schlange</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>Die Tasten der Spieler</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>beißen</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>lenken</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Punktestand von Spieler %1: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>Kraft von Spieler %1: %2&#xa0;%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>Weitere Spiele</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik, Ton aus</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>Weitere Spiele</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>Spieler1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>Spieler2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Name von Spieler 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Name von Spieler 2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>Spieler1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>Spieler2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>dunkelrot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>beige</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>Spieleranzahl: zwei</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>Spieleranzahl: eins</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Schlange von Spieler 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Schlange von Spieler 2</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Hindernisse</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>Zusammenstoß: Ja</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>Zusammenstoß: Nein</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>Spieler 2: Mensch</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>Spieler 2: Computer</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Klassisches Spiel</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Kampagne</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>Farbe von Spieler 1: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>Farbe von Spieler 2: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>Hinderniskachel: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>Schlange von Spieler 1</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>Schlange von Spieler 2</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>Hindernisse</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>Schlangen können zusammenstoßen</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>Anzahl Schlangen</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>Kampagne</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>Dieses Fenster lässt sich nicht verschieben: Es ist nicht auf dem Bildschirm.</translation>
    </message>
</context>
</TS>
