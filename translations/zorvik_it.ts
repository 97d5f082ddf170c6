<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik accetta solo --help e --version.</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>Uso: zorvik [opzioni]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik, un gioco del serpente per un giocatore o per due giocatori che condividono una tastiera.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento imprevisto «%1».</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>non è installato nessun carattere, quindi il testo appare come riquadri</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>il testo viene mostrato invece in %1</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>il testo viene mostrato invece in %1 e %2</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>caratteri mancanti: %1 (pacchetti Debian %2); %3.</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>nessun carattere installato ha le lettere di %1, quindi le parole appaiono come quadratini (pacchetto Debian %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>l&apos;audio è disattivato: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>né DISPLAY né WAYLAND_DISPLAY sono impostati</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>impossibile aprire uno schermo (%1); il gioco richiede una sessione desktop (X11 o Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>%1 ha vinto</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>%1 è stato morso a morte</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 ha urtato %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>LIVELLO</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>Campagna</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>completata!</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>Tutti e sette i livelli superati</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>Vittoria!</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>100 bocconi – partita classica completata</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>i gamepad sono disattivati: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>il gamepad «%1» non ha una disposizione dei pulsanti nota e viene ignorato; assegnagliene una in SDL_GAMECONTROLLERCONFIG</translation>
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

Ci sono due tipi di partita: classica e campagna.

Classica: si gioca in un solo livello. Si può giocare a diverse velocità con l&apos;indicatore di velocità. Più alta è la velocità, più alto sarà il punteggio.

Campagna: si avanza attraverso vari livelli. Il gioco diventa sempre più difficile man mano che si procede. Anche la campagna si può giocare a diverse velocità. Più alta è la velocità, più alto sarà il punteggio.

Si può giocare anche in due. Anche la modalità a due giocatori comprende sia la partita classica sia la campagna. Ma se un giocatore viene eliminato, la partita finisce per entrambi.

Nella partita classica si continua a giocare finché il giocatore (in due, uno qualsiasi dei giocatori) non ha mangiato 100 bocconi. Nella campagna si passa al livello successivo mangiando 25 bocconi.

Se i serpenti dei due giocatori si scontrano, la loro testa diventa nera: il giocatore con la testa nera può mordere l&apos;altro e togliergli parte della sua energia (un giocatore può anche morire per i morsi). Mangiare ti restituisce l&apos;energia.
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>Un serpente arrotolato</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>I tasti dei giocatori</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>mordere</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>dirigere</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Punteggio del giocatore %1: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>Energia del giocatore %1: %2%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>Altri giochi</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik, audio disattivato</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>Altri giochi</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>Giocatore1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>Giocatore2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nome del giocatore 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nome del giocatore 2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>Giocatore1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>Giocatore2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rosso scuro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
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
        <translation>arancione</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>Giocatori: due</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>Giocatori: uno</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Serpente del giocatore 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Serpente del giocatore 2</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Ostacoli</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>Collisione: sì</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>Collisione: no</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>Giocatore 2: persona</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>Giocatore 2: computer</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Partita classica</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campagna</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>Velocità %1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>Colore del giocatore 1: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>Colore del giocatore 2: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>Piastrella degli ostacoli: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>Serpente del giocatore 1</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>Serpente del giocatore 2</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>Ostacoli</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>I serpenti possono scontrarsi</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>Numero di serpenti</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo di partita</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>Classica</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>Campagna</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>Questa finestra non può essere spostata: non è sullo schermo.</translation>
    </message>
</context>
</TS>
