<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Wolne oprogramowanie</translation>
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
        <translation>Kostki: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Wolne kostki: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Zapisać układ „%1”?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>Klawisze strzałek przesuwają ramkę fokusu z kostki na kostkę; spacja lub Enter zaznacza kostkę.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, wolna</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, zablokowana</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Pole edytora układów</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Pole gry</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Ta strona nie należy do pomocy.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>Pomoc wyświetla tylko strony i obrazy z własnego folderu.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Układ</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Kostki</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Wolne kostki</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Gwiazdki</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Wszystkie rekordy zostaną usunięte! Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Wybierz układ...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Zacznij od nowa</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>Przetasuj &amp;kostki</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>Wybierz numer &amp;rozdania...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Pokaż r&amp;ozwiązanie</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;uza</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Z&amp;akończ</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>U&amp;lubione</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Dodaj do ulubionych</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Układ</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Utwórz</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Rozwiązanie</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Początek gry</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>Ruch &amp;wstecz</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>&amp;Następny ruch</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Koniec gry</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>Powrót do &amp;gry</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Powrót do gry</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Układaj</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>U&amp;suwaj</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>Przesuwaj po&amp;le</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>&amp;Auto Z</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>&amp;Ręczne Z</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>Obraz &amp;tła...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Kolor tła...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>&amp;Zestaw kostek...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>&amp;Powiększ kostki</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>Z&amp;mniejsz kostki</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>Przyc&amp;iemniaj zablokowane kostki</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>Rysuj &amp;cienie</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>&amp;Dłuższe podpowiedzi</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>&amp;Wznawiaj niedokończoną grę</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>Pokazuj, czy da się wy&amp;grać</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>Dźwięk i m&amp;uzyka...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>Wyczyść &amp;rekordy graczy</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>Strona &amp;domowa %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Strona domowa &amp;Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>&amp;Gra dnia</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>&amp;Statystyki...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>&amp;Następny układ po wygranej</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Nie udało się odczytać zestawu kostek!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Nie udało się otworzyć obrazu „%1”!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>Zestaw kostek „%1” ma nieprawidłowe rozmiary kostek!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Kropki %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Bambusy %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Znaki %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Pora roku: zima</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Pora roku: wiosna</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Pora roku: lato</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Pora roku: jesień</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Wiatr północny</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Wiatr południowy</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Wiatr wschodni</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Wiatr zachodni</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Kwiat</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Zielony smok</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Biały smok</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Czerwony smok</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>„%1” jest większy niż %2 bajtów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>„%1” nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Nie można utworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Nie można zastąpić „%1”: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>plik gry jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>krok cofania %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>krok ponawiania %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>wzór kostki jest poza zakresem</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>wzór kostki występuje zbyt często</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>kostka nie ma pary</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>rozwiązanie</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>liczba tasowań</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>tasowanie, którego nie było</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>plansza po tasowaniu</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>pozycje po tasowaniu</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>wzory po tasowaniu</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>nazwa układu</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>czas gry</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>liczba kostek</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>dwie kostki w jednym miejscu</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>pozostałe kostki</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>to nie jest plik gry</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>nieznana wersja</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>stan kostki</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>plik kończy się przedwcześnie</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>dane ciągną się za końcem pliku</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>znacznik zaliczenia gry</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>nie można odczytać układu zachowanej gry</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>układ zachowanej gry się zmienił</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>zachowana gra nie pasuje do swojego układu</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>brak zachowanej gry</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>nie można odczytać pliku układu</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>plik kończy się wewnątrz sygnatury</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>plik kończy się wewnątrz nagłówka</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>plik jest krótszy, niż zapowiada jego nagłówek</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>układ może mieć najwyżej %1 kostek, a nie %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>układ musi mieć parzystą liczbę kostek, a nie %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>układ rozciąga się w którymś kierunku na ponad 256 jednostek</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>dwie kostki stoją w punkcie (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Nie udało się odczytać pliku „%1”!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Plik „%1” nie istnieje!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>Plik „%1” nie jest plikiem układu!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Nieprawidłowy parametr w pliku „%1”!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>Nie udało się usunąć „%1”:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>Nie udało się zmienić nazwy „%1”:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Nie udało się odczytać pliku rekordów!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Rekordów z tej sesji nie da się zapisać.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>„%1” jest już na liście ulubionych!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>Lista ulubionych jest pełna!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Najpierw usuń z listy kilka układów!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Rekordów z tej sesji nie da się zapisać:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Nie udało się zapisać pliku rekordów!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>Układ „%1” jest obecnie wczytany i nie można go usunąć!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>Układ „%1” jest obecnie wczytany i nie można zmienić jego nazwy!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>Nazwa układu nie może zaczynać się od „.”: plik byłby ukryty!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Podaj nową nazwę układu!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Układ o tej nazwie już istnieje!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Podaj nazwę pliku!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>„%1” nie jest plikiem rekordów w wersji znanej temu programowi</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Nie udało się zapisać pliku układu „%1”!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n kostka</numerusform>
            <numerusform>%n kostki</numerusform>
            <numerusform>%n kostek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n ruch</numerusform>
            <numerusform>%n ruchy</numerusform>
            <numerusform>%n ruchów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n tasowanie</numerusform>
            <numerusform>%n tasowania</numerusform>
            <numerusform>%n tasowań</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Nie udało się zachować niedokończonej gry!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Nie udało się zapisać pliku ustawień!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>Nie wczytano zestawu kostek „%1”:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>jego opis podaje rozmiar kostek, którego nie pokaże żadne pole.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Nie udało się utworzyć folderu „%1”!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Nie udało się skopiować układu „%1”!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>brak pliku ustawień; obowiązują ustawienia domyślne</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>Na polu nie ma żadnych kostek!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>Liczba kostek musi być parzysta (2, 4, 8...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Nie można utworzyć gry do wygrania dla tego układu!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Brak dalszych ruchów!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>Pozostała %n kostka</numerusform>
            <numerusform>Pozostały %n kostki</numerusform>
            <numerusform>Pozostało %n kostek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n dostępny ruch</numerusform>
            <numerusform>%n dostępne ruchy</numerusform>
            <numerusform>%n dostępnych ruchów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>Pozostało %n tasowanie</numerusform>
            <numerusform>Pozostały %n tasowania</numerusform>
            <numerusform>Pozostało %n tasowań</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Rozdanie %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Nie udało się zapisać historii gier!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>Gra dnia toczy się na układzie „%1”, którego nie można odczytać z folderu układów.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Nie można otworzyć historii %1: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>Nie można odczytać historii gier %1: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>Historii %1 nie można ani odczytać, ani odłożyć na bok: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Nie można rozpocząć nowej historii %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Nie udało się odczytać historii gier %1 (%2); odłożono ją jako %3 i rozpoczęto nową historię.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>to nie historia gier, lecz baza danych innego programu</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>Historię gier %1 zapisała nowsza wersja (%2); pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>Historia gier %1 nie zawiera jeszcze żadnej gry.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Nie można zaktualizować historii gier %1: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>Historia gier nie jest otwarta.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Nie można zapisać historii gier %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Nie można odczytać historii gier %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Nie można odczytać historii gier %1: %2</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation>Błąd biblioteki dźwięku: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Nie udało się uruchomić biblioteki dźwięku: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Brak błędów</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Nie udało się otworzyć żadnego urządzenia wyjścia dźwięku</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Nieznany format pliku</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Za mało pamięci lub zasobów</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Do funkcji przekazano nieprawidłowy parametr</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>Nie udało się odtworzyć dźwięku</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Nie znaleziono żadnych zestawów kostek!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Nie udało się odczytać pliku układów!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Nie udało się odczytać pliku kostek!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Czasy wygranych gier</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Jeszcze żadnej wygranej</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>mediana krocząca</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Czas trwania wygranych</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Dni gry</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Rozegrane</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Odsetek wygranych</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Seria</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Najlepsza seria</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediana czasu</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Średnia z 10 ostatnich</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Seria dzienna</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Wszystkie układy</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Tiles left</source>
        <translation>Pozostałe kostki</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Dostępne ruchy</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Pozostałe tasowania</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Bieżąca kostka</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Czy da się wygrać</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numer rozdania</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Kostki w układzie</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Wolne kostki w układzie</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Kliknij, aby przełączyć zegar między analogowym a cyfrowym</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Do wygrania</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Nie do wygrania</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Kliknij, aby skopiować numer rozdania</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Skopiowano numer rozdania</translation>
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
        <translation>9 marca 2013</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>od 1 do 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>Liczba musi mieścić się w zakresie od 1 do 4294967295!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Otwiera listę układów, z której wybierzesz następną grę.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Rozdaje nową grę w bieżącym układzie.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Zaczyna bieżącą grę od nowa, od pierwszego ruchu.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Cofa ostatni ruch.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Ponownie wykonuje cofnięty ruch.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Pokazuje parę pasujących wolnych kostek.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Ukrywa kostki i zatrzymuje zegar albo wznawia grę.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Wybiera kolor tła.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Wybiera obraz tła.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Wybiera zestaw kostek.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Powiększa kostki.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Zmniejsza kostki.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Pokazuje ciemniejszymi kolorami kostki, których nie można jeszcze zdjąć.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Ustawia efekty dźwiękowe i muzykę.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Otwiera stronę pomocy do gry.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Zaczyna nowy, pusty układ.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Otwiera plik układu do edycji.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Zapisuje układ do pliku.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Uruchamia grę w edytowanym układzie.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Cofa ostatnią zmianę układu.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Ponownie wprowadza cofniętą zmianę.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Kliknięcie pola kładzie kostki.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Kliknięcie kostki usuwa ją.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Przeciąganie przesuwa cały układ.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Nowe kostki trafiają na wierzch kostek pod nimi.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Nowe kostki trafiają na wybrany poziom.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Obniża poziom, na który trafiają nowe kostki.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Podnosi poziom, na który trafiają nowe kostki.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Otwiera stronę pomocy do edytora układów.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Przechodzi na początek rozwiązania.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Cofa rozwiązanie o jeden ruch.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Przesuwa rozwiązanie o jeden ruch do przodu.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Przechodzi na koniec rozwiązania.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Zamyka rozwiązanie i wraca do gry.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Otwiera stronę pomocy do rozwiązania.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Wybierz układ (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nowa gra (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Zacznij grę od nowa</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Cofnij ruch (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Ponów ruch (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Podpowiedź (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Pauza (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Zestaw kostek</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Powiększ kostki (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Zmniejsz kostki (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Przyciemniaj zablokowane kostki</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Dźwięk i muzyka</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Pomoc do gry (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy układ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Cofnij (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Ponów (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Układaj kostki</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Usuwaj kostki</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Przesuwaj pole</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Auto Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Ręczne Z</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Poziom Z w dół</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Poziom Z w górę</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Pomoc do edytora (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Początek gry (klawisz Home)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Ruch wstecz (strzałka w lewo)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Następny ruch (strzałka w prawo)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Koniec gry (klawisz End)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Powrót do gry</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Pomoc do rozwiązania (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Pokazuje liczby i wykresy rozegranych gier.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Pomoc Tilvane</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Strona pomocy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>Nie można przejść pod adres odnośnika „%1”.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Nie udało się otworzyć adresu „%1”!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Nie znaleziono programu, który mógłby go wyświetlić.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Wybór obrazu tła</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Wybierz obraz!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>Nie udało się odczytać obrazu!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Wybór koloru tła</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Paleta:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Gamma:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Kolory domyślne:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Wybrany kolor:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Koło</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadrat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Koło kolorów</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Wpisz swoje imię do tabeli rekordów:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Imię gracza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Masz nowy rekord!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Gra wygrana!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Następny układ</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Wybór układu</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Ostatnie</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Wszystkie układy</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Lista układów</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Podgląd układu</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Rekord wybranego układu</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Rozegrane gry:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Wygrane gry:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Najlepszy gracz:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Gwiazdki:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Usunąć układ „%1”?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Usunąć układ „%1” z ulubionych?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Ustawienia dźwięku i muzyki</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Odtwarzaj dźwięki</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Odtwarzaj muzykę</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Wybór muzyki</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Po kolei</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Przerwa między utworami</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Pliki muzyczne</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Pliki układów</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Podaj nazwę pliku</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Zapisz plik układu</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Otwórz plik układu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Plik „%1” nie istnieje!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>Plik „%1” już istnieje. Zastąpić go?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Zmiana nazwy układu</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>To</source>
        <translation>na</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nowa nazwa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Wybór rozdania</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Wybierz numer rozdania z zakresu</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numer rozdania</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Wybór zestawu kostek</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Zestawy kostek</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Wybierz zestaw kostek!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Nie udało się odczytać zestawu kostek!</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
