<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Software libero</translation>
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
        <translation>Tessere: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Tessere libere: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Salvare lo schema &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>I tasti freccia spostano l&apos;anello di selezione da una tessera all&apos;altra; Spazio o Invio seleziona la tessera.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, libera</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, bloccata</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Campo dell&apos;editor di schemi</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Questa pagina non fa parte della guida.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>La guida mostra solo le pagine e le immagini della sua cartella.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Tessere</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Tessere libere</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Stelle</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Tutti i record verranno cancellati! Vuoi continuare?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>Scegli s&amp;chema...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Ricomincia</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>Rimescola le &amp;tessere</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>Scegli il nu&amp;mero di partita...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Ri&amp;peti</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Mostra so&amp;luzione</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>&amp;Preferiti</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Aggiungi ai preferiti</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Schema</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>So&amp;luzione</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Inizio partita</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>Mossa &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Mossa &amp;successiva</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Fine partita</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>&amp;Torna alla partita</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Torna alla partita</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Posa</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>&amp;Sposta campo</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>Z a&amp;utomatica</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>&amp;Z personalizzata</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>&amp;Immagine di sfondo...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Colore di sfondo...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>&amp;Set di tessere...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>In&amp;grandisci tessere</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>&amp;Riduci tessere</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>Scurisci tessere &amp;bloccate</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>Mostra &amp;ombre</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>Suggerimenti più &amp;lunghi</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>Riprendi partita i&amp;ncompiuta</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>&amp;Mostra se vincibile</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Schermo in&amp;tero</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>Suono e m&amp;usica...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>Canc&amp;ella record</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Come giocare</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>Sito &amp;web di %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Sito web di &amp;Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Tilvane</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Partita del &amp;giorno</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istiche...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Schema successivo dopo una &amp;vittoria</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Impossibile leggere il set di tessere!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Impossibile aprire l&apos;immagine &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>Il set di tessere &quot;%1&quot; ha dimensioni delle tessere errate!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Cerchio %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Bambù %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Carattere %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Stagione Inverno</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Stagione Primavera</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Stagione Estate</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Stagione Autunno</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Vento del Nord</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Vento del Sud</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Vento dell&apos;Est</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Vento dell&apos;Ovest</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fiore</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Drago verde</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Drago bianco</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Drago rosso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>&quot;%1&quot; è più grande di %2 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; non è un file normale</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Impossibile creare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Impossibile sostituire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>il file della partita è danneggiato: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>passo di annullamento %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>passo di ripetizione %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>una figura è fuori intervallo</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>una figura compare troppe volte</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>una tessera non ha la sua compagna</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>la soluzione</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>il numero di rimescolate</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>una rimescolata mai fatta</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>il campo rimescolato</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>le posizioni rimescolate</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>le figure rimescolate</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>il nome dello schema</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>il tempo di gioco</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>il numero di tessere</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>due tessere nello stesso punto</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>le tessere rimaste</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>non è un file di partita</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>una versione sconosciuta</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>lo stato di una tessera</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>finisce troppo presto</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>continua dopo la sua fine</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>l&apos;indicatore di partita conteggiata</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>impossibile leggere lo schema della partita conservata</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>lo schema della partita conservata è cambiato</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>la partita conservata non corrisponde al suo schema</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>nessuna partita conservata</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>impossibile leggere il file dello schema</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>il file finisce all&apos;interno della firma iniziale</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>il file finisce all&apos;interno dell&apos;intestazione</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>il file è più corto di quanto dichiara la sua intestazione</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>uno schema contiene al massimo %1 tessere, non %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>uno schema richiede un numero pari di tessere, non %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>lo schema si estende per più di 256 unità in qualche direzione</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>due tessere si trovano in (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Lettura del file &quot;%1&quot; non riuscita!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Il file &quot;%1&quot; non esiste!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>Il file &quot;%1&quot; non è un file di schema!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Parametro non valido nel file &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>Impossibile eliminare &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>Impossibile rinominare &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Impossibile leggere il file dei record!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Impossibile salvare i record di questa sessione.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>&quot;%1&quot; è già nell&apos;elenco dei preferiti!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>L&apos;elenco dei preferiti è pieno!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Elimina prima qualche schema dall&apos;elenco!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Impossibile salvare i record di questa sessione:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Impossibile scrivere il file dei record!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>Lo schema &quot;%1&quot; è attualmente caricato e non può essere eliminato!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>Lo schema &quot;%1&quot; è attualmente caricato e non può essere rinominato!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>Il nome di uno schema non può iniziare con &quot;.&quot;: il file sarebbe nascosto!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Inserisci il nuovo nome dello schema!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Esiste già uno schema con questo nome!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Inserisci il nome del file!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>&quot;%1&quot; non è un file dei record di una versione nota a questo programma</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Impossibile scrivere il file dello schema &quot;%1&quot;!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n tessera</numerusform>
            <numerusform>%n tessere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n mossa</numerusform>
            <numerusform>%n mosse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n rimescolata</numerusform>
            <numerusform>%n rimescolate</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Impossibile conservare la partita incompiuta!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Impossibile scrivere il file delle impostazioni!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>Il set di tessere &quot;%1&quot; non è stato caricato:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>la sua descrizione indica una dimensione delle tessere che nessun campo può mostrare.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Impossibile creare la cartella &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Impossibile copiare lo schema &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>nessun file delle impostazioni; valgono i valori predefiniti</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>Non ci sono tessere sul campo!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>Il numero di tessere deve essere pari (2, 4, 8...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Impossibile creare una partita giocabile con questo schema!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Non ci sono più mosse!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>%n tessera rimasta</numerusform>
            <numerusform>%n tessere rimaste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n mossa possibile</numerusform>
            <numerusform>%n mosse possibili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>%n rimescolata rimasta</numerusform>
            <numerusform>%n rimescolate rimaste</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partita %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Impossibile scrivere lo storico delle partite!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>La partita del giorno si gioca sullo schema &quot;%1&quot;, che non si può leggere dalla cartella degli schemi.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Impossibile aprire lo storico %1: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>Impossibile leggere lo storico delle partite %1: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>Lo storico %1 non si può né leggere né mettere da parte: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Impossibile iniziare un nuovo storico %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Impossibile leggere lo storico delle partite %1 (%2); è stato messo da parte come %3 ed è stato iniziato un nuovo storico.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>non è uno storico delle partite ma il database di un altro programma</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>Lo storico delle partite %1 è stato scritto da una versione più recente (%2); viene lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>Lo storico delle partite %1 non contiene ancora partite.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Impossibile aggiornare lo storico delle partite %1: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>Lo storico delle partite non è aperto.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Impossibile scrivere lo storico delle partite %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Impossibile leggere lo storico delle partite %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Impossibile leggere lo storico delle partite %1: %2</translation>
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
        <translation>Errore della libreria audio: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Impossibile avviare la libreria audio: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Nessun errore</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Impossibile aprire un dispositivo di uscita audio</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Formato di file sconosciuto</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Memoria o risorse insufficienti</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>È stato passato un parametro non valido a questa funzione</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>Riproduzione del suono non riuscita</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Nessun set di tessere trovato!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Impossibile leggere il file degli schemi!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Impossibile leggere il file delle tessere!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Tempi delle partite vinte</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Nessuna partita vinta</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>mediana mobile</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Durata delle vittorie</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Giorni giocati</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Percentuale di vittorie</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Serie migliore</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Tempo migliore</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Media ultime 10</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Serie giornaliera</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Tutti gli schemi</translation>
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
        <translation>Tessere rimaste</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Mosse possibili</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Tempo di gioco</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Rimescolate rimaste</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Tessera attuale</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Vincibile o no</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numero di partita</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Tessere nello schema</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Tessere libere nello schema</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Fai clic per passare dall&apos;orologio analogico a quello digitale e viceversa</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Vincibile</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Non vincibile</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Fai clic per copiare il numero di partita</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Numero di partita copiato</translation>
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
        <translation>9 marzo 2013</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1 a 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>Il numero deve essere compreso tra 1 e 4294967295!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Apre l&apos;elenco degli schemi per scegliere la prossima partita.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Distribuisce una nuova partita con lo schema attuale.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Ricomincia la partita attuale dalla prima mossa.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Annulla l&apos;ultima mossa.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Ripete la mossa annullata.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Mostra una coppia di tessere libere uguali.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Nasconde le tessere e ferma l&apos;orologio, oppure riprende la partita.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Sceglie il colore di sfondo.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Sceglie l&apos;immagine di sfondo.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Sceglie il set di tessere.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Ingrandisce le tessere.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Rimpicciolisce le tessere.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Mostra più scure le tessere che non si possono ancora togliere.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Regola gli effetti sonori e la musica.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Apre la pagina della guida al gioco.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Inizia un nuovo schema vuoto.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Apre un file di schema da modificare.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Salva lo schema in un file.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Gioca lo schema in modifica.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Annulla l&apos;ultima modifica allo schema.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Ripete la modifica annullata.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Un clic sul campo posa le tessere.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Un clic su una tessera la cancella.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Il trascinamento sposta l&apos;intero schema.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Le nuove tessere vanno sopra le tessere sottostanti.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Le nuove tessere vanno al livello che scegli.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Abbassa il livello delle nuove tessere.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Alza il livello delle nuove tessere.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Apre la pagina della guida all&apos;editor di schemi.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Va all&apos;inizio della soluzione.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Torna indietro di una mossa nella soluzione.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Va avanti di una mossa nella soluzione.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Va alla fine della soluzione.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Esce dalla soluzione e torna alla partita.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Apre la pagina della guida alla soluzione.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Scegli schema (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nuova partita (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Ricomincia partita</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Annulla mossa (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Ripeti mossa (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Suggerimento (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Pausa (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Set di tessere</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Ingrandisci tessere (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Riduci tessere (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Scurisci tessere bloccate</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Suono e musica</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Guida al gioco (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annulla (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Ripeti (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Posa tessere</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Cancella tessere</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Sposta campo</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Z automatica</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z personalizzata</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Livello Z giù</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Livello Z su</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Guida all&apos;editor (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Inizio partita (Home)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Mossa precedente (Freccia sinistra)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Mossa successiva (Freccia destra)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Fine partita (Fine)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Torna alla partita</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Guida alla soluzione (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Mostra i numeri e i grafici delle partite giocate.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Guida di Tilvane</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Pagina della guida</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>Impossibile seguire il collegamento &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Impossibile aprire l&apos;indirizzo &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Non è stato trovato alcun programma per mostrarlo.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>Informazioni sul programma</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Scegli l&apos;immagine di sfondo</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Seleziona un&apos;immagine!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>Impossibile leggere l&apos;immagine!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Scegli il colore di sfondo</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Tavolozza:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Gamma:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Colori predefiniti:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Colore selezionato:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Ruota dei colori</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Inserisci il tuo nome per la tabella dei record:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nome del giocatore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Hai stabilito un nuovo record!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Hai vinto la partita!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Schema successivo</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Scegli schema</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Tutti gli schemi</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Elenco degli schemi</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Anteprima dello schema</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Record dello schema scelto</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Partite giocate:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Partite vinte:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Miglior giocatore:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Stelle:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Eliminare lo schema &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Togliere lo schema &quot;%1&quot; dai preferiti?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Opzioni di suono e musica</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Riproduci musica</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Scelta della musica</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>In ordine</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Pausa tra i brani</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>File musicali</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>File di schema</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Inserisci il nome del file</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Salva file di schema</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Apri file di schema</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Il file &quot;%1&quot; non esiste!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>Il file &quot;%1&quot; esiste già. Sovrascriverlo?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Rinomina schema</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>To</source>
        <translation>in</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Scegli il numero di partita</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Scegli un numero di partita da</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numero di partita</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Scegli il set di tessere</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Set di tessere</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Seleziona un set di tessere!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Impossibile leggere il set di tessere!</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
</TS>
