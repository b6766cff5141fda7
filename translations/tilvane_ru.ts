<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Свободная программа</translation>
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
        <translation>Костей: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Свободных: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Сохранить раскладку «%1»?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>Клавиши со стрелками перемещают рамку фокуса с кости на кость; пробел или Enter выбирают кость.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, свободная кость</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, заблокированная кость</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Поле редактора раскладок</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Игровое поле</translation>
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
        <translation>Эта страница не входит в справку.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>Справка показывает только страницы и картинки из своей папки.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Раскладка</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Кости</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Свободные</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Звёзды</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Все рекорды будут удалены! Вы уверены?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Выбрать раскладку...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Начать &amp;заново</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>Пере&amp;мешать кости</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>&amp;Указать номер партии...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Пов&amp;торить</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Показать &amp;решение</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>И&amp;збранное</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Добавить в избранное</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Раскладка</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>Р&amp;ешение</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Начало партии</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>Ход на&amp;зад</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Ход &amp;вперёд</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Конец партии</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>Вернуться к &amp;игре</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Играть</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Вернуться к игре</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ставить</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Убирать</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>&amp;Двигать поле</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>&amp;Авто-Z</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>Z в&amp;ручную</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>Фоновая &amp;картинка...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Цвет &amp;фона...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>&amp;Набор костей...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>&amp;Увеличить кости</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>У&amp;меньшить кости</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>&amp;Затемнять заблокированные кости</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>&amp;Рисовать тени</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>&amp;Долгие подсказки</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>&amp;Продолжать незаконченную партию</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>Показывать р&amp;ешаемость</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>П&amp;олный экран</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>З&amp;вук и музыка...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>&amp;Сбросить рекорды игроков</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Содер&amp;жание</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Как играть</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>&amp;Сайт %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>&amp;Домашняя страница Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Игра &amp;дня</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>&amp;Статистика...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Новая</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Следующая раскл&amp;адка после победы</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Не удалось прочитать набор костей!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Не удалось открыть картинку «%1»!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>У набора костей «%1» неверные размеры костей!</translation>
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
        <translation>Символы %1</translation>
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
        <translation>Сезон: лето</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Сезон: осень</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Северный ветер</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Южный ветер</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Восточный ветер</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Западный ветер</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Цветок</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Зелёный дракон</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Белый дракон</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Красный дракон</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>«%1» больше %2 байт</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» не является обычным файлом</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Не удаётся создать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Не удаётся заменить «%1»: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>файл партии повреждён: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>шаг отмены %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>шаг повтора %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>рисунок кости вне допустимого диапазона</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>рисунок кости встречается слишком часто</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>у кости нет пары</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>решение</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>число перетасовок</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>перетасовка, которой не было</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>поле после перетасовки</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>позиции после перетасовки</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>рисунки после перетасовки</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>имя раскладки</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>время игры</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>число костей</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>две кости на одном месте</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>оставшиеся кости</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>это не файл партии</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>неизвестная версия</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>состояние кости</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>файл обрывается раньше времени</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>данные продолжаются после конца файла</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>отметка о зачёте партии</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>не удаётся прочитать раскладку сохранённой партии</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>раскладка сохранённой партии изменилась</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>сохранённая партия не подходит к своей раскладке</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>нет сохранённой партии</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>не удаётся прочитать файл раскладки</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>файл обрывается внутри сигнатуры</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>файл обрывается внутри заголовка</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>файл короче, чем указано в его заголовке</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>в раскладке может быть не более %1 костей, а не %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>в раскладке должно быть чётное число костей, а не %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>раскладка занимает более 256 клеток в каком-то направлении</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>две кости стоят в точке (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Не удалось прочитать файл «%1»!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Файл «%1» не существует!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>Файл «%1» не является файлом раскладки!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Недопустимый параметр в файле «%1»!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>Не удалось удалить «%1»:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>Не удалось переименовать «%1»:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Не удалось прочитать файл рекордов!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Рекорды этого сеанса не удастся сохранить.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>«%1» уже есть в избранном!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>Список избранного заполнен!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Сначала удалите из списка несколько раскладок!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Рекорды этого сеанса не удастся сохранить:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Не удалось записать файл рекордов!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>Раскладка «%1» сейчас загружена, её нельзя удалить!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>Раскладка «%1» сейчас загружена, её нельзя переименовать!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>Имя раскладки не может начинаться с «.»: файл станет скрытым!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Введите новое имя раскладки!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Раскладка с таким именем уже существует!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Введите имя файла!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>«%1» — файл рекордов версии, неизвестной этой программе</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Не удалось записать файл раскладки «%1»!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n кость</numerusform>
            <numerusform>%n кости</numerusform>
            <numerusform>%n костей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n ход</numerusform>
            <numerusform>%n хода</numerusform>
            <numerusform>%n ходов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n перетасовка</numerusform>
            <numerusform>%n перетасовки</numerusform>
            <numerusform>%n перетасовок</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Не удалось сохранить незаконченную партию!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Не удалось записать файл настроек!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>Набор костей «%1» не загружен:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>его описание задаёт размер костей, который не может показать ни одно поле.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Не удалось создать папку «%1»!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>это не папка</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Не удалось скопировать раскладку «%1»!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>файла настроек нет; действуют настройки по умолчанию</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>На поле нет ни одной кости!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>Число костей должно быть чётным (2, 4, 8...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Не удалось составить решаемую партию для этой раскладки!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Ходов больше нет!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>Осталась %n кость</numerusform>
            <numerusform>Осталось %n кости</numerusform>
            <numerusform>Осталось %n костей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>Доступен %n ход</numerusform>
            <numerusform>Доступно %n хода</numerusform>
            <numerusform>Доступно %n ходов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>Осталась %n перетасовка</numerusform>
            <numerusform>Осталось %n перетасовки</numerusform>
            <numerusform>Осталось %n перетасовок</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Партия %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Не удалось записать историю игр!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>Игра дня идёт на раскладке «%1», которую не удаётся прочитать из папки раскладок.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Не удаётся открыть историю %1: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать историю игр %1: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>Историю %1 не удаётся ни прочитать, ни отложить в сторону: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Не удаётся начать новую историю %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Не удалось прочитать историю игр %1 (%2); она отложена как %3, и начата новая история.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>это не история игр, а база данных другой программы</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>История игр %1 записана более новой версией (%2); она оставлена как есть.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>В истории игр %1 ещё нет ни одной игры.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Не удаётся обновить историю игр %1: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>История игр не открыта.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Не удаётся записать историю игр %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Не удаётся прочитать историю игр %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Не удаётся прочитать историю игр %1: %2</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n сек</numerusform>
            <numerusform>%n сек</numerusform>
            <numerusform>%n сек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation>Ошибка звуковой библиотеки: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Не удалось запустить звуковую библиотеку: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Ошибок нет</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Не удалось открыть ни одно устройство вывода звука</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Неизвестный формат файла</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Недостаточно памяти или ресурсов</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Функции передан недопустимый параметр</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>Не удалось воспроизвести звук</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Наборы костей не найдены!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Не удалось прочитать файл раскладок!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Не удалось прочитать файл костей!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Время выигранных игр</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Пока нет выигранных игр</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>скользящая медиана</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Длительность побед</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Дни игры</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Сыграно</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Выиграно</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Доля побед</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Лучшая серия</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Медианное время</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Среднее за 10</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Серия по дням</translation>
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
        <translation>Все раскладки</translation>
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
        <translation>Осталось костей</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Доступно ходов</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Время игры</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Осталось перетасовок</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Текущая кость</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Решаемость партии</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер партии</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Кости в раскладке</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Свободные кости в раскладке</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Щёлкните, чтобы переключить часы между стрелочными и цифровыми</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Решаемая</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Нерешаемая</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Щёлкните, чтобы скопировать номер партии</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Номер партии скопирован</translation>
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
        <translation>9 марта 2013 г.</translation>
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
        <translation>Число должно быть в диапазоне от 1 до 4294967295!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Открывает список раскладок, чтобы выбрать следующую партию.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Раздаёт новую партию на текущей раскладке.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Начинает текущую партию заново с первого хода.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Отменяет последний ход.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Снова делает отменённый ход.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Показывает пару одинаковых свободных костей.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Скрывает кости и останавливает часы или продолжает игру.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Выбирает цвет фона.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Выбирает фоновую картинку.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Выбирает набор костей.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Делает кости крупнее.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Делает кости мельче.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Показывает более тёмными кости, которые пока нельзя убрать.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Настраивает звуковые эффекты и музыку.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Открывает справку по игре.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Начинает новую пустую раскладку.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Открывает файл раскладки для правки.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Сохраняет раскладку в файл.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Запускает игру на редактируемой раскладке.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Отменяет последнее изменение раскладки.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Снова вносит отменённое изменение.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Щелчок по полю ставит кости.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Щелчок по кости убирает её.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Перетаскивание двигает всю раскладку.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Новые кости ложатся поверх костей под ними.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Новые кости ложатся на выбранный вами уровень.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Понижает уровень, на который ложатся новые кости.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Повышает уровень, на который ложатся новые кости.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Открывает справку по редактору раскладок.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Переходит к началу решения.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Переходит на один ход назад в решении.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Переходит на один ход вперёд в решении.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Переходит к концу решения.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Закрывает решение и возвращает к игре.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Открывает справку по решению.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Выбрать раскладку (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Новая партия (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Начать партию заново</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Отменить ход (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Повторить ход (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Подсказка (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Пауза (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Фоновая картинка</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Набор костей</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Увеличить кости (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Уменьшить кости (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Затемнять заблокированные кости</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Звук и музыка</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Справка по игре (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая раскладка</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Отменить (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Повторить (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Ставить кости</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Убирать кости</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Двигать поле</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Авто-Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z вручную</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Уровень Z ниже</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Уровень Z выше</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Справка по редактору (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Начало партии (клавиша Home)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Ход назад (стрелка влево)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Ход вперёд (стрелка вправо)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Конец партии (клавиша End)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Вернуться к игре</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Справка по решению (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Показывает цифры и графики сыгранных игр.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Справка Tilvane</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Страница справки</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>По ссылке «%1» перейти нельзя.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Не удалось открыть адрес «%1»!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Не найдена программа, которая может его показать.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Выбор фоновой картинки</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Выберите картинку!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>Не удалось прочитать картинку!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Выбор цвета фона</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Палитра:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Гамма:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Стандартные цвета:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Выбранный цвет:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Цветовой круг</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Введите своё имя для таблицы рекордов:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Имя игрока</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Вы установили новый рекорд!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Вы выиграли партию!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Следующая раскладка</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Выбор раскладки</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Все раскладки</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Список раскладок</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Предпросмотр раскладки</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Рекорд выбранной раскладки</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Сыграно партий:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Выиграно партий:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Лучший игрок:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Звёзды:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Удалить раскладку «%1»?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Удалить раскладку «%1» из избранного?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Настройки звука и музыки</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Включить музыку</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Выбор музыки</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>По порядку</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Пауза между композициями</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Музыкальные файлы</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Следующая</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Файлы раскладок</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Введите имя файла</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Сохранение файла раскладки</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Открытие файла раскладки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Файл «%1» не существует!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>Файл «%1» уже существует. Перезаписать его?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Переименование раскладки</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>To</source>
        <translation>в</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Новое имя</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Выбор партии</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Выберите номер партии от</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер партии</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Выбор набора костей</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Наборы костей</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Выберите набор костей!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Не удалось прочитать набор костей!</translation>
    </message>
</context>
<context>
    <name>tv::ThumbChooser</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
