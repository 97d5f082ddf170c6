<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>Zorvik n’accepte que les options --help et --version.</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>Utilisation&#xa0;: zorvik [options]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik, un jeu de serpent pour un joueur ou pour deux joueurs sur un même clavier.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>aucune police n’est installée, le texte s’affiche donc sous forme de carrés</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>le texte s’affiche en %1 à la place</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>le texte s’affiche en %1 et %2 à la place</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>polices manquantes&#xa0;: %1 (paquets Debian %2)&#xa0;; %3.</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>aucune police installée n’a les lettres de %1 : ses mots s’affichent en carrés (paquet Debian %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>son désactivé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>aucun affichage n’a pu être ouvert (%1)&#xa0;; le jeu a besoin d’une session de bureau (X11 ou Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>%1 a gagné</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>Les morsures ont eu raison de %1</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>%1 a percuté %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bien joué&#xa0;!</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>Campagne</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>terminée&#xa0;!</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>Les sept niveaux réussis</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>Victoire&#xa0;!</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>100 aliments mangés – la partie classique est terminée</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE PARTIE</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>manettes désactivées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>la manette «&#xa0;%1&#xa0;» n’a pas de disposition de boutons connue et est ignorée&#xa0;; donnez-lui-en une dans SDL_GAMECONTROLLERCONFIG</translation>
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

Il existe deux types de partie&#xa0;: classique et campagne.

Classique – Vous jouez dans un seul niveau. Le sélecteur de vitesse permet de jouer à différentes vitesses. Plus la vitesse est élevée, plus le score est élevé.

Campagne – Vous progressez à travers plusieurs niveaux. Le jeu devient de plus en plus difficile à mesure que vous avancez. Là aussi, vous pouvez jouer à différentes vitesses. Plus la vitesse est élevée, plus le score est élevé.

Le jeu se joue aussi à deux. Le mode deux joueurs propose lui aussi les parties classique et campagne. Mais si l’un des joueurs est éliminé, la partie est terminée pour les deux.

En classique, vous jouez jusqu’à ce que le joueur (à deux, l’un ou l’autre des joueurs) ait mangé 100 aliments. En campagne, vous passez au niveau suivant en mangeant 25 aliments.

Si les serpents des deux joueurs se heurtent, leur tête devient noire&#xa0;: le joueur à la tête noire peut mordre l’autre et lui prendre une partie de son énergie (un joueur peut succomber aux morsures). Manger de la nourriture vous rend votre énergie.
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>Un serpent enroulé</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>Les touches des joueurs</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>mordre</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>diriger</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Score du joueur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>Énergie du joueur %1&#xa0;: %2&#xa0;%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>Autres jeux</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik, son coupé</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>Autres jeux</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>Joueur1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>Joueur2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nom du joueur 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nom du joueur 2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>Joueur1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>Joueur2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rouge foncé</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
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
        <translation>Joueurs&#xa0;: deux</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>Joueurs&#xa0;: un</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Serpent du joueur 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Serpent du joueur 2</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Obstacles</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>Collision&#xa0;: oui</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>Collision&#xa0;: non</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>Joueur 2&#xa0;: humain</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>Joueur 2&#xa0;: ordinateur</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Partie classique</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campagne</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>Vitesse %1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>Couleur du joueur 1&#xa0;: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>Couleur du joueur 2&#xa0;: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>Tuile des obstacles&#xa0;: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>RÉGLAGES</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>Serpent du joueur 1</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>Serpent du joueur 2</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>Obstacles</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>Collisions entre serpents</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>Nombre de serpents</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Type de partie</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>Campagne</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>Impossible de déplacer cette fenêtre&#xa0;: elle n’est pas à l’écran.</translation>
    </message>
</context>
</TS>
