<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Freie Software</translation>
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
        <translation>Steine: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Freie Steine: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Layout „%1“ speichern?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>Die Pfeiltasten bewegen den Fokusring von Stein zu Stein; Leertaste oder Eingabe wählt den Stein aus.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, frei</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, blockiert</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Spielfeld des Layout-Editors</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Diese Seite gehört nicht zur Hilfe.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>Die Hilfe zeigt nur die Seiten und Bilder aus ihrem eigenen Ordner.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Freie Steine</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Damit werden alle Spielrekorde gelöscht! Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Layout wählen...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Neu &amp;starten</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>Steine neu &amp;mischen</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>Spielnummer &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Wi&amp;ederholen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Lösung &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>&amp;Favoriten</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>Spiel&amp;anfang</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>&amp;Zug zurück</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>&amp;Nächster Zug</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>Spiel&amp;ende</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>Zurück zum &amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Zurück zum Spiel</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Setzen</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>Feld &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>&amp;Auto-Z</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>&amp;Freies Z</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>Hintergrund&amp;bild...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Hintergrund&amp;farbe...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>S&amp;teinsatz...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>Steine &amp;vergrößern</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>Steine ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>Blockierte Steine ab&amp;dunkeln</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>&amp;Schatten zeichnen</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>&amp;Längere Hinweise</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>&amp;Unbeendetes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>Lösbarkeit &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>V&amp;ollbild</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>Klang und &amp;Musik...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>&amp;Rekorde löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>&amp;Website von %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>&amp;Tilvane-Website</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tilvane</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Spiel des &amp;Tages</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Nächstes Layout nach einem Sie&amp;g</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Der Steinsatz konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Das Bild „%1“ konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>Der Steinsatz „%1“ hat falsche Steingrößen!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Kreis %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Bambus %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Zeichen %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Jahreszeit Winter</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Jahreszeit Frühling</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Jahreszeit Sommer</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Jahreszeit Herbst</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Nordwind</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Südwind</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Ostwind</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Westwind</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Grüner Drache</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Weißer Drache</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Roter Drache</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>„%1“ ist größer als %2 Byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>„%1“ ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>die Spieldatei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>Rückgängig-Schritt %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>Wiederholen-Schritt %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>ein Steinbild liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>ein Steinbild kommt zu oft vor</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>ein Stein hat keinen Partner</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>die Lösung</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>die Zahl der Mischungen</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>eine Mischung, die nicht stattgefunden hat</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>das gemischte Spielfeld</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>die gemischten Positionen</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>die gemischten Steinbilder</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>der Name des Layouts</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>die gespielte Zeit</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>die Zahl der Steine</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>zwei Steine an einer Stelle</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>die verbleibenden Steine</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>keine Spieldatei</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>eine unbekannte Version</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>der Zustand eines Steins</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>sie endet zu früh</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>sie geht nach ihrem Ende weiter</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>die Markierung „gezählt“</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>das Layout des aufbewahrten Spiels kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>das Layout des aufbewahrten Spiels wurde geändert</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>das aufbewahrte Spiel passt nicht zu seinem Layout</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>kein aufbewahrtes Spiel</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>die Layout-Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>die Datei endet innerhalb der Kennung</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>die Datei endet innerhalb des Kopfes</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>die Datei ist kürzer, als ihr Kopf angibt</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>ein Layout fasst höchstens %1 Steine, nicht %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>ein Layout braucht eine gerade Zahl von Steinen, nicht %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>das Layout ist in einer Richtung größer als 256 Einheiten</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>zwei Steine liegen auf (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Die Datei „%1“ existiert nicht!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>Die Datei „%1“ ist keine Layout-Datei!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Ungültiger Wert in der Datei „%1“!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>„%1“ konnte nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>„%1“ konnte nicht umbenannt werden:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Die Rekorddatei konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Die Rekorde dieser Sitzung können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>„%1“ steht bereits in der Favoritenliste!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>Die Favoritenliste ist voll!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Bitte löschen Sie zuerst einige Layouts aus der Liste!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Die Rekorde dieser Sitzung können nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Die Rekorddatei konnte nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>Das Layout „%1“ ist gerade geladen und kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>Das Layout „%1“ ist gerade geladen und kann nicht umbenannt werden!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>Ein Layout-Name darf nicht mit „.“ beginnen: Die Datei wäre versteckt!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Bitte geben Sie einen neuen Layout-Namen ein!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Ein Layout mit diesem Namen existiert bereits!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Bitte geben Sie einen Dateinamen ein!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>„%1“ ist keine Rekorddatei einer diesem Programm bekannten Version</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Die Layout-Datei „%1“ konnte nicht geschrieben werden!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n Stein</numerusform>
            <numerusform>%n Steine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n Mischung</numerusform>
            <numerusform>%n Mischungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Das unbeendete Spiel konnte nicht aufbewahrt werden!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>Der Steinsatz „%1“ wurde nicht geladen:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>Seine Beschreibung nennt eine Steingröße, die kein Spielfeld darstellen kann.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Das Layout „%1“ konnte nicht kopiert werden!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>keine Einstellungsdatei; es gelten die Standardwerte</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>Es liegen keine Steine auf dem Feld!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>Die Zahl der Steine muss gerade sein (2, 4, 8 ...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Für dieses Layout lässt sich kein lösbares Spiel erzeugen!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Keine Züge mehr möglich!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>%n Stein übrig</numerusform>
            <numerusform>%n Steine übrig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n Zug möglich</numerusform>
            <numerusform>%n Züge möglich</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>%n Mischung übrig</numerusform>
            <numerusform>%n Mischungen übrig</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Der Spielverlauf konnte nicht geschrieben werden!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>Das Spiel des Tages wird auf dem Layout „%1“ gespielt, das im Layout-Ordner nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Der Spielverlauf %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>Der Spielverlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>Der Spielverlauf %1 kann weder gelesen noch beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Ein neuer Spielverlauf %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Der Spielverlauf %1 konnte nicht gelesen werden (%2); er wurde als %3 beiseitegelegt und ein neuer Spielverlauf begonnen.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>kein Spielverlauf, sondern die Datenbank eines anderen Programms</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>Der Spielverlauf %1 wurde von einer neueren Version geschrieben (%2); er bleibt unverändert.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>Der Spielverlauf %1 enthält noch keine Spiele.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Der Spielverlauf %1 kann nicht auf den neuen Stand gebracht werden: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>Der Spielverlauf ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Der Spielverlauf %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Der Spielverlauf %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Der Spielverlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n Sek.</numerusform>
            <numerusform>%n Sek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation>Fehler der Klangbibliothek: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Die Klangbibliothek konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Keine Fehler</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Kein Audioausgabegerät konnte geöffnet werden</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Unbekanntes Dateiformat</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Nicht genug Speicher oder Ressourcen</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Dieser Funktion wurde ein ungültiger Parameter übergeben</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>Die Wiedergabe des Klangs ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Keine Steinsätze gefunden!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Die Layout-Datei konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Die Steindatei konnte nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Zeiten gewonnener Spiele</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Noch kein Spiel gewonnen</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>gleitender Median</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Dauer der Siege</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Gespielte Tage</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Median-Zeit</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Schnitt letzte 10</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Tagesserie</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Alle Layouts</translation>
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
        <translation>Verbleibende Steine</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Mögliche Züge</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Verbleibende Mischungen</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Aktueller Stein</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Lösbar oder nicht</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Steine im Layout</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Freie Steine im Layout</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Klicken, um zwischen analoger und digitaler Uhr zu wechseln</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Lösbar</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Nicht lösbar</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Klicken, um die Spielnummer zu kopieren</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Spielnummer kopiert</translation>
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
        <translation>9. März 2013</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1 bis 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>Die Nummer muss zwischen 1 und 4294967295 liegen!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Öffnet die Liste der Layouts, um das nächste Spiel zu wählen.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Teilt ein neues Spiel auf dem aktuellen Layout aus.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Beginnt das aktuelle Spiel noch einmal von vorn.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Nimmt den letzten Zug zurück.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Führt den zurückgenommenen Zug erneut aus.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Zeigt ein Paar freier Steine, die zusammenpassen.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Verbirgt die Steine und hält die Uhr an oder setzt das Spiel fort.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Wählt die Hintergrundfarbe.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Wählt das Hintergrundbild.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Wählt den Steinsatz.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Macht die Steine größer.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Macht die Steine kleiner.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Zeigt die Steine, die noch nicht entfernt werden können, dunkler.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Stellt Klangeffekte und Musik ein.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Öffnet die Hilfeseite zum Spiel.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Beginnt ein neues, leeres Layout.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Öffnet eine Layout-Datei zum Bearbeiten.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Speichert das Layout in einer Datei.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Spielt das Layout, das gerade bearbeitet wird.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Nimmt die letzte Änderung am Layout zurück.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Führt die zurückgenommene Änderung erneut aus.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Ein Klick auf das Feld setzt Steine.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Ein Klick auf einen Stein entfernt ihn.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Ziehen verschiebt das ganze Layout.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Neue Steine landen auf den Steinen unter ihnen.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Neue Steine kommen auf die gewählte Ebene.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Senkt die Ebene, auf die neue Steine kommen.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Hebt die Ebene, auf die neue Steine kommen.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Öffnet die Hilfeseite zum Layout-Editor.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Springt zum Anfang der Lösung.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Geht in der Lösung einen Zug zurück.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Geht in der Lösung einen Zug vor.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Springt zum Ende der Lösung.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Verlässt die Lösung und kehrt zum Spiel zurück.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Öffnet die Hilfeseite zur Lösung.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Layout wählen (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Neues Spiel (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Spiel neu starten</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Zug rückgängig (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Zug wiederholen (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Hinweis (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Pause (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Steinsatz</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Steine vergrößern (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Steine verkleinern (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Blockierte Steine abdunkeln</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Klang und Musik</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Spielhilfe (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Wiederholen (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Steine setzen</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Steine entfernen</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Feld verschieben</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Auto-Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Freies Z</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Z-Ebene tiefer</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Z-Ebene höher</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Editorhilfe (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Spielanfang (Pos1)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Zug zurück (Pfeil links)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Nächster Zug (Pfeil rechts)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Spielende (Ende)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Hilfe zur Lösung (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Zeigt Zahlen und Diagramme zu den gespielten Spielen.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Tilvane-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>Dem Link „%1“ kann nicht gefolgt werden.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Die Adresse „%1“ konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Es wurde kein Programm gefunden, das sie anzeigen kann.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>Über das Programm</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Bitte wählen Sie ein Bild aus!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>Das Bild konnte nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Hintergrundfarbe wählen</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Palette:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Farbspektrum:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Standardfarben:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Gewählte Farbe:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Farbkreis</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Bitte geben Sie Ihren Namen für die Rekordliste ein:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Sie haben einen neuen Rekord aufgestellt!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Sie haben das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Nächstes Layout</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Layout wählen</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt gespielt</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Alle Layouts</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Layout-Liste</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Layout-Vorschau</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Rekord des gewählten Layouts</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Gespielt:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Bester Spieler:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Sterne:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Layout „%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Layout „%1“ aus den Favoriten entfernen?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Klang- und Musikeinstellungen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Klänge abspielen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Musik abspielen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Musikauswahl</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Pause zwischen Stücken</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Musikdateien</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Nächstes abspielen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Layout-Dateien</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Dateinamen eingeben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Layout-Datei speichern</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Layout-Datei öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Die Datei „%1“ existiert nicht!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>Die Datei „%1“ existiert bereits. Überschreiben?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Layout umbenennen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>To</source>
        <translation>in</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Spielnummer wählen</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Wählen Sie eine Spielnummer von</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Steinsatz wählen</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Steinsätze</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Bitte wählen Sie einen Steinsatz aus!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Der Steinsatz konnte nicht gelesen werden!</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
