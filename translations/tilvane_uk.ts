<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Грати</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Вільна програма</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Z: %1</source>
        <translation>Z: %1</translation>
    </message>
    <message>
        <source>Tiles: %1</source>
        <translation>Кісток: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Вільних: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Зберегти розкладку «%1»?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>Клавіші зі стрілками переміщують рамку фокуса з кістки на кістку; пробіл або Enter вибирає кістку.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, вільна кістка</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, заблокована кістка</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Поле редактора розкладок</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Ця сторінка не належить до довідки.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>Довідка показує лише сторінки й зображення зі своєї теки.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Розкладка</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Кістки</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Вільні</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Зірки</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Усі рекорди буде видалено! Ви впевнені?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Вибрати розкладку...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Почати &amp;заново</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>Пере&amp;мішати кістки</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>В&amp;казати номер партії...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Пов&amp;торити</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Підказка</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Показати &amp;розв&apos;язок</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ихід</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>&amp;Обране</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Додати до обраного</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Розкладка</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Створити</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>Ро&amp;зв&apos;язок</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Початок партії</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>Хід &amp;назад</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Хід &amp;уперед</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Кінець партії</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>Повернутися до &amp;гри</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Грати</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Повернутися до гри</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Класти</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Видаляти</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>&amp;Рухати поле</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>&amp;Авто-Z</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>Z вр&amp;учну</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>&amp;Фонове зображення...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Колір тла...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>&amp;Набір кісток...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>З&amp;більшити кістки</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>З&amp;меншити кістки</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>&amp;Затемнювати заблоковані кістки</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>Малювати &amp;тіні</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>&amp;Довші підказки</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>&amp;Продовжувати незавершену партію</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>Показувати &amp;розв&apos;язність</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>П&amp;овний екран</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>З&amp;вук і музика...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>&amp;Скинути рекорди гравців</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Як грати</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>&amp;Сайт %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>&amp;Домашня сторінка Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Гра &amp;дня</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Статистика &amp;ігор...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Змінити</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Нова</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>Р&amp;едагування</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Наступна розкладка після п&amp;еремоги</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Не вдалося прочитати набір кісток!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Не вдалося відкрити зображення «%1»!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>Набір кісток «%1» має неправильні розміри кісток!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Точки %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Бамбуки %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Символи %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Сезон: зима</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Сезон: весна</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Сезон: літо</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Сезон: осінь</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Північний вітер</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Південний вітер</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Східний вітер</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Західний вітер</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Квітка</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Зелений дракон</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Білий дракон</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Червоний дракон</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>«%1» більший за %2 байтів</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» не є звичайним файлом</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Не вдається відкрити «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Не вдається прочитати «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не вдається записати «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Не вдається створити «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Не вдається замінити «%1»: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>файл партії пошкоджено: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>крок скасування %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>крок повторення %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>малюнок кістки поза допустимим діапазоном</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>малюнок кістки трапляється надто часто</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>кістка не має пари</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>розв&apos;язок</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>кількість перемішувань</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>перемішування, якого не було</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>поле після перемішування</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>позиції після перемішування</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>малюнки після перемішування</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>назва розкладки</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>час гри</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>кількість кісток</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>дві кістки на одному місці</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>кістки, що залишилися</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>це не файл партії</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>невідома версія</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>стан кістки</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>файл обривається передчасно</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>дані тривають після кінця файлу</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>позначка про зарахування партії</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>не вдається прочитати розкладку збереженої партії</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>розкладка збереженої партії змінилася</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>збережена партія не відповідає своїй розкладці</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>немає збереженої партії</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>не вдається прочитати файл розкладки</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>файл обривається всередині сигнатури</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>файл обривається всередині заголовка</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>файл коротший, ніж зазначено в його заголовку</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>розкладка може містити не більше %1 кісток, а не %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>розкладка повинна мати парну кількість кісток, а не %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>розкладка займає понад 256 клітинок у якомусь напрямку</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>дві кістки стоять у точці (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Не вдалося прочитати файл «%1»!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Файл «%1» не існує!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>Файл «%1» не є файлом розкладки!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Неприпустимий параметр у файлі «%1»!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>Не вдалося видалити «%1»:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>Не вдалося перейменувати «%1»:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Не вдалося прочитати файл рекордів!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Рекорди цього сеансу не вдасться зберегти.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>«%1» уже є в обраному!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>Список обраного заповнено!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Спершу видаліть зі списку кілька розкладок!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Рекорди цього сеансу не вдасться зберегти:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Не вдалося записати файл рекордів!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>Розкладку «%1» зараз завантажено, її не можна видалити!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>Розкладку «%1» зараз завантажено, її не можна перейменувати!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>Назва розкладки не може починатися з «.»: файл стане прихованим!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Введіть нову назву розкладки!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Розкладка з такою назвою вже існує!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Введіть назву файлу!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>«%1» — файл рекордів версії, невідомої цій програмі</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Не вдалося записати файл розкладки «%1»!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n кістка</numerusform>
            <numerusform>%n кістки</numerusform>
            <numerusform>%n кісток</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n хід</numerusform>
            <numerusform>%n ходи</numerusform>
            <numerusform>%n ходів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n перемішування</numerusform>
            <numerusform>%n перемішування</numerusform>
            <numerusform>%n перемішувань</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Не вдалося зберегти незавершену партію!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Не вдалося записати файл налаштувань!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>Набір кісток «%1» не завантажено:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>його опис задає розмір кісток, який не може показати жодне поле.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Не вдалося створити теку «%1»!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>це не тека</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Не вдалося скопіювати розкладку «%1»!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>файлу налаштувань немає; діють типові налаштування</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>На полі немає жодної кістки!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>Кількість кісток має бути парною (2, 4, 8...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Не вдалося скласти розв&apos;язну партію для цієї розкладки!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Ходів більше немає!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>Залишилася %n кістка</numerusform>
            <numerusform>Залишилося %n кістки</numerusform>
            <numerusform>Залишилося %n кісток</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>Доступний %n хід</numerusform>
            <numerusform>Доступно %n ходи</numerusform>
            <numerusform>Доступно %n ходів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>Залишилося %n перемішування</numerusform>
            <numerusform>Залишилося %n перемішування</numerusform>
            <numerusform>Залишилося %n перемішувань</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Партія %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Не вдалося записати історію ігор!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>Гра дня йде на розкладці «%1», яку не вдається прочитати з теки розкладок.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Не вдається відкрити історію %1: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>Не вдається прочитати історію ігор %1: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>Історію %1 не вдається ні прочитати, ні відкласти вбік: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Не вдається розпочати нову історію %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Не вдалося прочитати історію ігор %1 (%2); її відкладено як %3 і розпочато нову історію.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>це не історія ігор, а база даних іншої програми</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>Історію ігор %1 записано новішою версією (%2); її залишено як є.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>В історії ігор %1 ще немає жодної гри.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Не вдається оновити історію ігор %1: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>Історію ігор не відкрито.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Не вдається записати історію ігор %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Не вдається прочитати історію ігор %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Не вдається прочитати історію ігор %1: %2</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n с</numerusform>
            <numerusform>%n с</numerusform>
            <numerusform>%n с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n хв</numerusform>
            <numerusform>%n хв</numerusform>
            <numerusform>%n хв</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation>Помилка звукової бібліотеки: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Не вдалося запустити звукову бібліотеку: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Помилок немає</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Не вдалося відкрити жодного пристрою виведення звуку</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Невідомий формат файлу</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Недостатньо пам&apos;яті або ресурсів</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Функції передано неприпустимий параметр</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>Не вдалося відтворити звук</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Не знайдено жодного набору кісток!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Не вдалося прочитати файл розкладок!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Не вдалося прочитати файл кісток!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Час виграних ігор</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Ще немає виграних ігор</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>ковзна медіана</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Тривалість перемог</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Дні гри</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Зіграно</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Виграно</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Частка перемог</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Серія</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Найкраща серія</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Найкращий час</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Медіанний час</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Середнє за 10</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Серія за днями</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Усі розкладки</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Tiles left</source>
        <translation>Залишилося кісток</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Доступно ходів</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Час гри</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Залишилося перемішувань</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Поточна кістка</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Розв&apos;язність партії</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер партії</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Кістки в розкладці</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Вільні кістки в розкладці</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Клацніть, щоб перемкнути годинник між стрілковим і цифровим</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Розв&apos;язна</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Нерозв&apos;язна</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Клацніть, щоб скопіювати номер партії</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Номер партії скопійовано</translation>
    </message>
    <message>
        <source>%1:%2:%3</source>
        <translation>%1:%2:%3</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>March 9, 2013</source>
        <translation>9 березня 2013 р.</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1 до 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>Число має бути в діапазоні від 1 до 4294967295!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Відкриває список розкладок, щоб вибрати наступну партію.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Роздає нову партію на поточній розкладці.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Починає поточну партію заново з першого ходу.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Скасовує останній хід.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Знову робить скасований хід.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Показує пару однакових вільних кісток.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Ховає кістки й зупиняє годинник або продовжує гру.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Вибирає колір тла.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Вибирає фонове зображення.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Вибирає набір кісток.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Робить кістки більшими.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Робить кістки меншими.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Показує темнішими кістки, які ще не можна прибрати.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Налаштовує звукові ефекти й музику.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Відкриває довідку з гри.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Починає нову порожню розкладку.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Відкриває файл розкладки для редагування.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Зберігає розкладку у файл.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Запускає гру на розкладці, що редагується.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Скасовує останню зміну розкладки.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Знову вносить скасовану зміну.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Клацання по полю кладе кістки.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Клацання по кістці видаляє її.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Перетягування рухає всю розкладку.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Нові кістки лягають поверх кісток під ними.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Нові кістки лягають на вибраний вами рівень.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Знижує рівень, на який лягають нові кістки.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Підвищує рівень, на який лягають нові кістки.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Відкриває довідку з редактора розкладок.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Переходить до початку розв&apos;язку.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Переходить на один хід назад у розв&apos;язку.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Переходить на один хід уперед у розв&apos;язку.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Переходить до кінця розв&apos;язку.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Закриває розв&apos;язок і повертає до гри.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Відкриває довідку з розв&apos;язку.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Вибрати розкладку (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Нова партія (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Почати партію заново</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Скасувати хід (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Повторити хід (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Підказка (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Пауза (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Колір тла</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Набір кісток</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Збільшити кістки (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Зменшити кістки (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Затемнювати заблоковані кістки</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Звук і музика</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Довідка з гри (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нова розкладка</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Грати</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Скасувати (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Повторити (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Класти кістки</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Видаляти кістки</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Рухати поле</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Авто-Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z вручну</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Рівень Z нижче</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Рівень Z вище</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Довідка з редактора (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Початок партії (клавіша Home)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Хід назад (стрілка ліворуч)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Хід уперед (стрілка праворуч)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Кінець партії (клавіша End)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Повернутися до гри</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Довідка з розв&apos;язку (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Показує цифри й графіки зіграних ігор.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Довідка Tilvane</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Сторінка довідки</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>За посиланням «%1» перейти не можна.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Не вдалося відкрити адресу «%1»!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Не знайдено програми, яка могла б її показати.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>Про програму</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Вибір фонового зображення</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Виберіть зображення!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>Не вдалося прочитати зображення!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Вибір кольору тла</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Палітра:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Гамма:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Типові кольори:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Вибраний колір:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Коло</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Колірне коло</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Вітаємо!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Введіть своє ім&apos;я для таблиці рекордів:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Ім&apos;я гравця</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Ви встановили новий рекорд!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Ви виграли партію!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Наступна розкладка</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Вибір розкладки</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Недавні</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Обране</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Усі розкладки</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Список розкладок</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Попередній перегляд розкладки</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Рекорд вибраної розкладки</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Зіграно партій:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Виграно партій:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Найкращий гравець:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Зірки:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Видалити розкладку «%1»?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Видалити розкладку «%1» з обраного?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Налаштування звуку й музики</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Увімкнути звук</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музика</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Увімкнути музику</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Гучність</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Вибір музики</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Випадково</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>По черзі</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Пауза між композиціями</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Музичні файли</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Наступна</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Файли розкладок</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Введіть назву файлу</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Збереження файлу розкладки</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Відкриття файлу розкладки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Файл «%1» не існує!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>Файл «%1» уже існує. Перезаписати його?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Перейменування розкладки</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>To</source>
        <translation>на</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Нова назва</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Вибір партії</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Виберіть номер партії від</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер партії</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Вибір набору кісток</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Набори кісток</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Виберіть набір кісток!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Не вдалося прочитати набір кісток!</translation>
    </message>
</context>
<context>
    <name>tv::ThumbChooser</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
</TS>
