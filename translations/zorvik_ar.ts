<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik takes only --help and --version.</source>
        <translation>لا يقبل Zorvik إلا الخيارين --help و--version.</translation>
    </message>
    <message>
        <source>Usage: zorvik [options]</source>
        <translation>الاستخدام: zorvik [خيارات]</translation>
    </message>
    <message>
        <source>Zorvik, a snake game for one player or for two players sharing one keyboard.</source>
        <translation>Zorvik لعبة ثعبان للاعب واحد أو للاعبَين يتشاركان لوحة مفاتيح واحدة.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>يعرض هذه المساعدة ثم يخرج.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>يعرض رقم الإصدار ثم يخرج.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع: «%1».</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font is installed at all, so text shows as boxes</source>
        <translation>لا يوجد أي خط مثبّت، لذا يظهر النص على شكل مربعات</translation>
    </message>
    <message>
        <source>text is shown in %1 instead</source>
        <comment>%1 is a font&apos;s name</comment>
        <translation>يُعرض النص بدلًا منها بالخط %1</translation>
    </message>
    <message>
        <source>text is shown in %1 and %2 instead</source>
        <comment>%1 and %2 are fonts&apos; names</comment>
        <translation>يُعرض النص بدلًا منها بالخطين %1 و%2</translation>
    </message>
    <message>
        <source>fonts missing: %1 (Debian packages %2); %3.</source>
        <comment>%1: font names; %2: package names; %3: what is shown instead</comment>
        <translation>خطوط مفقودة: %1 (حزم Debian: %2)؛ %3.</translation>
    </message>
    <message>
        <source>no installed font has the letters of %1, so its words show as boxes (Debian package %2)</source>
        <comment>%1 is the language&apos;s own name; %2 a package name</comment>
        <translation>لا يوجد خط مثبّت يحوي حروف %1، لذا تظهر الكلمات مربعات (حزمة Debian %2)</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>sound is off: %1</source>
        <comment>%1 is the audio system&apos;s reason</comment>
        <translation>الصوت متوقف: %1</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>لم يُضبط أي من DISPLAY أو WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display could be opened (%1); the game needs a desktop session (X11 or Wayland).</source>
        <translation>تعذّر فتح أي شاشة (%1)؛ تحتاج اللعبة إلى جلسة سطح مكتب (X11 أو Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik::EndScreen</name>
    <message>
        <source>%1 Won</source>
        <comment>the last line of a two-player game; %1 is the winner&apos;s name</comment>
        <translation>فاز %1</translation>
    </message>
    <message>
        <source>%1 was bitten to death</source>
        <comment>%1 is the name of the player who lost</comment>
        <translation>لُدغ %1 حتى الموت</translation>
    </message>
    <message>
        <source>%1 Collided with %2</source>
        <comment>the game ends as the snake of player %1 runs into the snake of player %2</comment>
        <translation>اصطدم ثعبان %1 بثعبان %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <comment>the level the campaign goes on to</comment>
        <translation>المستوى %1</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>over the number of the level to come</comment>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>أحسنت!</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the first line of: Campaign complete!</comment>
        <translation>الحملة</translation>
    </message>
    <message>
        <source>complete!</source>
        <comment>the second line of: Campaign complete!</comment>
        <translation>اكتملت!</translation>
    </message>
    <message>
        <source>All seven levels cleared</source>
        <translation>تم اجتياز المستويات السبعة كلها</translation>
    </message>
    <message>
        <source>Game won!</source>
        <translation>انتصار!</translation>
    </message>
    <message>
        <source>100 food eaten – the classic game is complete</source>
        <translation>أُكلت 100 قطعة طعام – اكتملت اللعبة الكلاسيكية</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>انتهت اللعبة</translation>
    </message>
</context>
<context>
    <name>zorvik::Gamepads</name>
    <message>
        <source>gamepads are off: %1</source>
        <comment>%1 is the input system&apos;s reason</comment>
        <translation>أذرع التحكم معطّلة: %1</translation>
    </message>
    <message>
        <source>the gamepad &quot;%1&quot; has no known button layout and is ignored; give it one in SDL_GAMECONTROLLERCONFIG</source>
        <translation>ذراع التحكم «%1» ليس له تخطيط أزرار معروف، لذا يُتجاهل؛ حدّد له تخطيطًا في SDL_GAMECONTROLLERCONFIG</translation>
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

للعبة نوعان: اللعبة الكلاسيكية والحملة.

اللعبة الكلاسيكية: تلعب في مستوى واحد. ويمكنك اللعب بسرعات مختلفة باستخدام مؤشر السرعة، وكلما زادت السرعة زادت النقاط.

الحملة: تتقدم فيها عبر مستويات متتالية، وتزداد اللعبة صعوبة كلما تقدمت. ويمكنك أيضًا أن تلعبها بسرعات مختلفة، وكلما زادت السرعة زادت النقاط.

يمكن أن يلعب اللعبة لاعبان، ووضع اللاعبَين فيه أيضًا اللعبة الكلاسيكية والحملة. لكن إذا خرج أحد اللاعبَين انتهت اللعبة لكليهما.

تستمر اللعبة الكلاسيكية حتى يجمع اللاعب (أو أيٌّ من اللاعبَين عند اللعب الثنائي) 100 قطعة طعام. وفي الحملة تنتقل إلى المستوى التالي بجمع 25 قطعة طعام.

إذا التقى ثعبانا اللاعبَين صار رأس الثعبان أسود، وهذا يعني أن صاحب الرأس الأسود يستطيع أن يلدغ اللاعب الآخر ويأخذ جزءًا من طاقته (وقد يموت اللاعب من اللدغ)، وأكل الطعام يعيد إليك طاقتك.
</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>A coiled snake</source>
        <translation>ثعبان ملتفّ</translation>
    </message>
    <message>
        <source>The players&apos; keys</source>
        <translation>مفاتيح اللاعبين</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>التحكم</translation>
    </message>
    <message>
        <source>bite</source>
        <comment>what the wide key does</comment>
        <translation>لدغ</translation>
    </message>
    <message>
        <source>steer</source>
        <comment>what the four keys below it do</comment>
        <translation>توجيه</translation>
    </message>
</context>
<context>
    <name>zorvik::MainWindow</name>
    <message>
        <source>Player %1 score: %2</source>
        <translation>نقاط اللاعب %1: %2</translation>
    </message>
    <message>
        <source>Player %1 power: %2%</source>
        <comment>%2 is a percentage</comment>
        <translation>طاقة اللاعب %1: %2%</translation>
    </message>
    <message>
        <source>Power</source>
        <comment>the caption of a player&apos;s power bar</comment>
        <translation>الطاقة</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>player 2&apos;s name while the computer plays it</comment>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>More Games</source>
        <translation>ألعاب أخرى</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>لوحة اللعب</translation>
    </message>
    <message>
        <source>Zorvik, sound off</source>
        <translation>Zorvik، الصوت متوقف</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>New</source>
        <comment>the word that starts a new game</comment>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the word that opens the settings</comment>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>More Games</source>
        <comment>the words that open the web page of more games</comment>
        <translation>ألعاب أخرى</translation>
    </message>
</context>
<context>
    <name>zorvik::NamesDialog</name>
    <message>
        <source>Form1</source>
        <comment>the names window&apos;s title in the task bar</comment>
        <translation>الأسماء</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>الأسماء</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>the caption over player 1&apos;s name box</comment>
        <translation>لاعب1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>the caption over player 2&apos;s name box</comment>
        <translation>لاعب2</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>اسم اللاعب 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>اسم اللاعب 2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>player 1&apos;s name until the players type one</comment>
        <translation>لاعب1</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>player 2&apos;s name until the players type one</comment>
        <translation>لاعب2</translation>
    </message>
</context>
<context>
    <name>zorvik::SettingsWindow</name>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>أحمر داكن</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>بيج</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>Players: two</source>
        <translation>عدد اللاعبين: اثنان</translation>
    </message>
    <message>
        <source>Players: one</source>
        <translation>عدد اللاعبين: واحد</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>ثعبان اللاعب 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>ثعبان اللاعب 2</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>العوائق</translation>
    </message>
    <message>
        <source>Collide: Yes</source>
        <translation>التصادم: نعم</translation>
    </message>
    <message>
        <source>Collide: No</source>
        <translation>التصادم: لا</translation>
    </message>
    <message>
        <source>Player 2: Person</source>
        <translation>اللاعب 2: إنسان</translation>
    </message>
    <message>
        <source>Player 2: Computer</source>
        <translation>اللاعب 2: الحاسوب</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>اللعبة الكلاسيكية</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>الحملة</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <comment>one of the seven speeds, 1 the slowest</comment>
        <translation>السرعة %1</translation>
    </message>
    <message>
        <source>Player 1 colour: %1</source>
        <translation>لون اللاعب 1: %1</translation>
    </message>
    <message>
        <source>Player 2 colour: %1</source>
        <translation>لون اللاعب 2: %1</translation>
    </message>
    <message>
        <source>Obstacle tile: %1</source>
        <translation>بلاطة العوائق: %1</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>the settings window&apos;s title in the task bar</comment>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>the settings window&apos;s title</comment>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Player 1 Snake</source>
        <translation>ثعبان اللاعب 1</translation>
    </message>
    <message>
        <source>Player 2 Snake</source>
        <translation>ثعبان اللاعب 2</translation>
    </message>
    <message>
        <source>Snake Obstacle</source>
        <comment>the colour of the walls of a campaign level</comment>
        <translation>العوائق</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Snakes can collide</source>
        <translation>تصادم الثعابين</translation>
    </message>
    <message>
        <source>Player 2</source>
        <comment>the row that chooses who steers player 2</comment>
        <translation>اللاعب 2</translation>
    </message>
    <message>
        <source>Snakes no&apos;</source>
        <comment>the heading over the picture that sets one or two players</comment>
        <translation>عدد الثعابين</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>نوع اللعبة</translation>
    </message>
    <message>
        <source>Classic</source>
        <comment>the game of endless food</comment>
        <translation>الكلاسيكية</translation>
    </message>
    <message>
        <source>Campaign</source>
        <comment>the game of seven levels</comment>
        <translation>الحملة</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>snakes can collide</comment>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <comment>snakes cannot collide</comment>
        <translation>لا</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>a person steers player 2</comment>
        <translation>إنسان</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>the computer steers player 2</comment>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>apply the settings</comment>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <comment>leave the settings as they were</comment>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>zorvik::SurfaceDrag</name>
    <message>
        <source> Error</source>
        <comment>a message box&apos;s title</comment>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>This window cannot be moved: it is not on the screen.</source>
        <translation>لا يمكن تحريك هذه النافذة: فهي ليست على الشاشة.</translation>
    </message>
</context>
</TS>
