<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Vrije software</translation>
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
        <translation>Stenen: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Vrije stenen: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Opstelling &quot;%1&quot; opslaan?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>De pijltjestoetsen verplaatsen de focusrand van steen naar steen; spatie of Enter selecteert de steen.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, vrij</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, geblokkeerd</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Veld van de opstellingseditor</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Deze pagina hoort niet bij de help.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>De help toont alleen de pagina&apos;s en afbeeldingen uit zijn eigen map.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Opstelling</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Stenen</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Vrije stenen</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterren</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Hiermee worden alle records gewist! Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>Opstelling &amp;kiezen...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Opnieuw &amp;beginnen</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>Stenen sc&amp;hudden</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>&amp;Spelnummer kiezen...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Opnieuw &amp;doen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Op&amp;lossing tonen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>&amp;Favorieten</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Toevoegen aan favorieten</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>O&amp;pstelling</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Maken</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>Op&amp;lossing</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Begin van het spel</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>&amp;Vorige zet</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Vol&amp;gende zet</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Einde van het spel</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>Terug naar het &amp;spel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Spe&amp;len</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Terug naar het spel</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;doen</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Plaatsen</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>Veld &amp;verschuiven</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>&amp;Auto-Z</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>&amp;Eigen Z</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>Achtergrond&amp;afbeelding...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Achtergrond&amp;kleur...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>&amp;Stenenset...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>Stenen &amp;vergroten</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>Stenen verk&amp;leinen</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>Geblokkeerde stenen &amp;dimmen</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>Schaduwen &amp;tekenen</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>Langere t&amp;ips</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>Onvoltooid spel &amp;hervatten</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>Tonen of het spel te &amp;winnen is</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Volledig sch&amp;erm</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>Geluid en &amp;muziek...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>Spelers&amp;records wissen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Hoe te spelen</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>&amp;Website van %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Website van &amp;Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Spel van de da&amp;g</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istieken...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Volgende &amp;opstelling na winst</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>De stenenset kan niet worden gelezen!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Kan afbeelding &quot;%1&quot; niet openen!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>Stenenset &quot;%1&quot; heeft verkeerde steenformaten!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Cirkels %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Bamboe %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Karakters %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Seizoen winter</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Seizoen lente</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Seizoen zomer</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Seizoen herfst</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Noordenwind</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Zuidenwind</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Oostenwind</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Westenwind</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Bloem</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Groene draak</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Witte draak</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Rode draak</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>&quot;%1&quot; is groter dan %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; is geen gewoon bestand</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet lezen: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet aanmaken: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet vervangen: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>het spelbestand is beschadigd: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>stap %1 van ongedaan maken</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>stap %1 van opnieuw doen</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>een afbeelding valt buiten het bereik</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>een afbeelding komt te vaak voor</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>een steen heeft geen partner</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>de oplossing</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>het aantal schudbeurten</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>een schudbeurt die niet is gedaan</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>het geschudde speelbord</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>de geschudde posities</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>de geschudde afbeeldingen</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>de naam van de opstelling</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>de gespeelde tijd</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>het aantal stenen</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>twee stenen op één plek</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>de resterende stenen</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>geen spelbestand</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>een onbekende versie</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>de toestand van een steen</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>het eindigt te vroeg</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>het gaat door na het einde</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>de vlag voor geteld spel</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>de opstelling van het bewaarde spel kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>de opstelling van het bewaarde spel is gewijzigd</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>het bewaarde spel past niet bij zijn opstelling</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>geen bewaard spel</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>het opstellingsbestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>bestand eindigt midden in de herkenningscode</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>bestand eindigt midden in de kop</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>bestand is korter dan de kop aangeeft</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>een opstelling bevat hoogstens %1 stenen, niet %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>een opstelling heeft een even aantal stenen nodig, niet %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>de opstelling is in een richting groter dan 256 eenheden</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>twee stenen staan op (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Lezen van bestand &quot;%1&quot; mislukt!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Bestand &quot;%1&quot; bestaat niet!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>Bestand &quot;%1&quot; is geen opstellingsbestand!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Ongeldige parameter in bestand &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>Kan &quot;%1&quot; niet verwijderen:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>Kan &quot;%1&quot; niet hernoemen:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Kan het recordbestand niet lezen!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>De records van deze sessie kunnen niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>&quot;%1&quot; staat al in de lijst met favorieten!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>De lijst met favorieten is vol!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Verwijder eerst enkele opstellingen uit de lijst!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>De records van deze sessie kunnen niet worden opgeslagen:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Kan het recordbestand niet schrijven!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>Opstelling &quot;%1&quot; is nu geladen en kan niet worden verwijderd!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>Opstelling &quot;%1&quot; is nu geladen en kan niet worden hernoemd!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>Een opstellingsnaam kan niet met &quot;.&quot; beginnen: het bestand zou verborgen zijn!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Voer een nieuwe naam voor de opstelling in!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Er bestaat al een opstelling met deze naam!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Voer een bestandsnaam in!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>&quot;%1&quot; is geen recordbestand van een versie die dit programma kent</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Kan het opstellingsbestand &quot;%1&quot; niet schrijven!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n steen</numerusform>
            <numerusform>%n stenen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n zet</numerusform>
            <numerusform>%n zetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n schudbeurt</numerusform>
            <numerusform>%n schudbeurten</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Kan het onvoltooide spel niet bewaren!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Kan het instellingenbestand niet schrijven!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>Stenenset &quot;%1&quot; is niet geladen:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>de beschrijving noemt een steenformaat dat geen enkel veld kan tonen.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Kan de map &quot;%1&quot; niet aanmaken!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>geen map</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Kan de opstelling &quot;%1&quot; niet kopiëren!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>geen instellingenbestand; de standaardwaarden gelden</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>Er liggen geen stenen op het veld!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>Het aantal stenen moet even zijn (2, 4, 8...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Voor deze opstelling kan geen winbaar spel worden gemaakt!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Geen zetten meer mogelijk!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>Nog %n steen</numerusform>
            <numerusform>Nog %n stenen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n zet mogelijk</numerusform>
            <numerusform>%n zetten mogelijk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>Nog %n schudbeurt</numerusform>
            <numerusform>Nog %n schudbeurten</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Spel %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Kan de spelgeschiedenis niet schrijven!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>Het spel van de dag wordt gespeeld op de opstelling &quot;%1&quot;, die niet uit de map met opstellingen gelezen kan worden.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Kan de geschiedenis %1 niet openen: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>De spelgeschiedenis %1 kan niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>De geschiedenis %1 kan niet gelezen en niet opzijgezet worden: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Kan geen nieuwe geschiedenis %1 beginnen</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>De spelgeschiedenis %1 kon niet gelezen worden (%2); ze is opzijgezet als %3 en er is een nieuwe geschiedenis begonnen.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>geen spelgeschiedenis maar de database van een ander programma</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>De spelgeschiedenis %1 is geschreven door een nieuwere versie (%2); ze blijft zoals ze is.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>De spelgeschiedenis %1 bevat nog geen spellen.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Kan de spelgeschiedenis %1 niet bijwerken: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>De spelgeschiedenis is niet geopend.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Kan de spelgeschiedenis %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Kan de spelgeschiedenis %1 niet lezen</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Kan de spelgeschiedenis %1 niet lezen: %2</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation>Fout in de geluidsbibliotheek: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Starten van de geluidsbibliotheek mislukt: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Geen fouten</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Er kon geen geluidsuitvoerapparaat worden geopend</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Onbekende bestandsindeling</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Onvoldoende geheugen of bronnen</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Er is een ongeldige parameter aan deze functie doorgegeven</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>Afspelen van het geluid mislukt</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Geen stenensets gevonden!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Kan het opstellingenbestand niet lezen!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Kan het stenenbestand niet lezen!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Tijden van gewonnen spellen</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Nog geen spel gewonnen</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>voortschrijdende mediaan</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Duur van de overwinningen</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Gespeelde dagen</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Winstpercentage</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Beste reeks</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Beste tijd</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediane tijd</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Gemiddelde laatste 10</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Dagelijkse reeks</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Alle opstellingen</translation>
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
        <translation>Resterende stenen</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Mogelijke zetten</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Speeltijd</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Resterende schudbeurten</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Huidige steen</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Winbaar of niet</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Stenen in de opstelling</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Vrije stenen in de opstelling</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Klik om te wisselen tussen de analoge en de digitale klok</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Winbaar</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Niet winbaar</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Klik om het spelnummer te kopiëren</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Spelnummer gekopieerd</translation>
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
        <translation>9 maart 2013</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1 tot 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>Het getal moet tussen 1 en 4294967295 liggen!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Opent de lijst met opstellingen om het volgende spel te kiezen.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Deelt een nieuw spel van de huidige opstelling.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Begint het huidige spel opnieuw vanaf de eerste zet.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Maakt de laatste zet ongedaan.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Doet de ongedaan gemaakte zet opnieuw.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Toont een paar gelijke vrije stenen.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Verbergt de stenen en zet de klok stil, of gaat verder met het spel.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Kiest de achtergrondkleur.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Kiest de achtergrondafbeelding.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Kiest de stenenset.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Maakt de stenen groter.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Maakt de stenen kleiner.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Toont de stenen die nog niet weggenomen kunnen worden in donkerdere kleuren.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Stelt de geluidseffecten en de muziek in.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Opent de helppagina van het spel.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Begint een nieuwe, lege opstelling.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Opent een opstellingsbestand om te bewerken.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Slaat de opstelling op in een bestand.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Speelt de opstelling die bewerkt wordt.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Maakt de laatste wijziging aan de opstelling ongedaan.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Voert de ongedaan gemaakte wijziging opnieuw uit.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Klikken op het veld plaatst stenen.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Klikken op een steen wist die steen.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Slepen verschuift de hele opstelling.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Nieuwe stenen komen boven op de stenen eronder.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Nieuwe stenen komen op het niveau dat je kiest.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Verlaagt het niveau waarop nieuwe stenen komen.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Verhoogt het niveau waarop nieuwe stenen komen.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Opent de helppagina van de opstellingseditor.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Gaat naar het begin van de oplossing.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Gaat één zet terug in de oplossing.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Gaat één zet vooruit in de oplossing.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Gaat naar het einde van de oplossing.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Verlaat de oplossing en keert terug naar het spel.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Opent de helppagina van de oplossing.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Opstelling kiezen (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nieuw spel (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Spel opnieuw beginnen</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Zet ongedaan maken (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Zet opnieuw doen (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Tip (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Pauze (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Achtergrondafbeelding</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Stenenset</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Stenen vergroten (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Stenen verkleinen (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Geblokkeerde stenen dimmen</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Geluid en muziek</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Spelhulp (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuwe opstelling</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Ongedaan maken (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Opnieuw doen (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Stenen plaatsen</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Stenen wissen</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Veld verschuiven</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Auto-Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Eigen Z</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Z-niveau omlaag</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Z-niveau omhoog</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Editorhulp (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Begin van het spel (Home-toets)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Vorige zet (pijl naar links)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Volgende zet (pijl naar rechts)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Einde van het spel (End-toets)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Terug naar het spel</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Hulp bij de oplossing (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Toont de cijfers en grafieken van de gespeelde spellen.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Tilvane-help</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Helppagina</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>De link &quot;%1&quot; kan niet worden gevolgd.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Kan het adres &quot;%1&quot; niet openen!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Er is geen programma gevonden om het te tonen.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>Over het programma</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Achtergrondafbeelding kiezen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Kies een afbeelding!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>De afbeelding kan niet worden gelezen!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Achtergrondkleur kiezen</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Palet:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Gamma:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Standaardkleuren:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Gekozen kleur:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Kleurenwiel</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Voer je naam in voor de recordtabel:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spelersnaam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Je hebt een nieuw record gevestigd!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Je hebt het spel gewonnen!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Volgende opstelling</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Opstelling kiezen</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Alle opstellingen</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Lijst met opstellingen</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Voorbeeld van de opstelling</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Record van de gekozen opstelling</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Gespeeld:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Beste speler:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Sterren:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Opstelling &quot;%1&quot; verwijderen?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Opstelling &quot;%1&quot; uit favorieten verwijderen?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Opties voor geluid en muziek</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Muziek afspelen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Muziek kiezen</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Op volgorde</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Pauze tussen nummers</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Muziekbestanden</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Volgend nummer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Opstellingsbestanden</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Voer een bestandsnaam in</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Opstellingsbestand opslaan</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Opstellingsbestand openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Bestand &quot;%1&quot; bestaat niet!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>Bestand &quot;%1&quot; bestaat al. Overschrijven?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Opstelling hernoemen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>To</source>
        <translation>naar</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Spelnummer kiezen</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Kies een spelnummer van</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Stenenset kiezen</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Stenensets</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Kies een stenenset!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>De stenenset kan niet worden gelezen!</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
