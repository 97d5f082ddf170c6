<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik solo admite --help y --version.</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>Uso: zorvik [opciones]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik, un juego de la serpiente para un jugador o para dos jugadores que comparten un teclado.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>no hay ninguna fuente instalada, así que el texto se ve como recuadros</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>el texto se muestra en su lugar con %1</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>el texto se muestra en su lugar con %1 y %2</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>faltan fuentes: %1 (paquetes de Debian %2); %3.</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>ninguna fuente instalada tiene las letras de %1, así que sus palabras se ven como cuadros (paquete de Debian %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>el sonido está desactivado: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no está definida ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>no se pudo abrir ninguna pantalla (%1); el juego necesita una sesión de escritorio (X11 o Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>%1 ha ganado</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>%1 ha muerto a mordiscos</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 ha chocado con %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>NIVEL</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>¡Campaña</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>completada!</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>Superados los siete niveles</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>¡Victoria!</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>100 bocados – partida clásica completada</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DEL JUEGO</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>los mandos están desactivados: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>el mando «%1» no tiene una distribución de botones conocida y se ignora; asígnale una en SDL_GAMECONTROLLERCONFIG</translation>
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

Hay dos tipos de partida: clásica y campaña.

Clásica: se juega en un solo nivel. Se puede jugar a distintas velocidades con el indicador de velocidad. Cuanto mayor sea la velocidad, mayor será la puntuación.

Campaña: se avanza por varios niveles. El juego se vuelve más difícil a medida que se avanza. También se puede jugar a distintas velocidades. Cuanto mayor sea la velocidad, mayor será la puntuación.

Pueden jugar dos jugadores. El modo de dos jugadores también tiene los dos tipos de partida, clásica y campaña. Pero si un jugador queda eliminado, la partida termina para los dos.

En la partida clásica se sigue jugando hasta que el jugador (con dos jugadores, cualquiera de ellos) se haya comido 100 bocados. En la campaña se pasa de nivel comiendo 25 bocados.

Si las serpientes de los dos jugadores chocan, su cabeza se vuelve negra: el jugador con la cabeza negra puede morder al otro y quitarle parte de su energía (un jugador puede morir a mordiscos). Comer te devuelve la energía.
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>Una serpiente enroscada</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>Las teclas de los jugadores</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>morder</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>dirigir</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Puntuación del jugador %1: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>Energía del jugador %1: %2%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>Más juegos</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik, sonido desactivado</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>Más juegos</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>Jugador1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>Jugador2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nombre del jugador 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nombre del jugador 2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>Jugador1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>Jugador2</translation>
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
        <translation>rojo</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rojo oscuro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>beis</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>Jugadores: dos</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>Jugadores: uno</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Serpiente del jugador 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Serpiente del jugador 2</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Obstáculos</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>Colisión: sí</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>Colisión: no</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>Jugador 2: persona</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>Jugador 2: ordenador</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Partida clásica</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campaña</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>Velocidad %1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>Color del jugador 1: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>Color del jugador 2: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>Baldosa de los obstáculos: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>CONFIGURACIÓN</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>Serpiente del jugador 1</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>Serpiente del jugador 2</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>Obstáculos</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>Las serpientes pueden chocar</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>Número de serpientes</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo de partida</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>Campaña</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>Sí</translation>
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
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>Sí</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>Esta ventana no se puede mover: no está en la pantalla.</translation>
    </message>
</context>
</TS>
