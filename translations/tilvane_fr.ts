<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Logiciel libre</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Z: %1</source>
        <translation>Z : %1</translation>
    </message>
    <message>
        <source>Tiles: %1</source>
        <translation>Tuiles : %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Tuiles libres : %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Enregistrer la disposition « %1 » ?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>Les touches fléchées déplacent l&apos;anneau de focus de tuile en tuile ; Espace ou Entrée sélectionne la tuile.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, bloquée</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Plateau de l&apos;éditeur de dispositions</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Cette page ne fait pas partie de l&apos;aide.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>L&apos;aide n&apos;affiche que les pages et les images de son propre dossier.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Tuiles</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Tuiles libres</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Tous les records vont être effacés ! Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir une disposition...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>Remélanger les &amp;tuiles</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>Choisir le nu&amp;méro de partie...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Rétab&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Afficher la &amp;solution</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>&amp;Favoris</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Ajouter aux favoris</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Disposition</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Début de la partie</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>Coup &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Coup &amp;suivant</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Fin de la partie</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>&amp;Retour à la partie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Retour à la partie</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Poser</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>&amp;Déplacer le plateau</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>&amp;Z auto</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>Z &amp;libre</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>Image de &amp;fond...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Couleur de fond...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>&amp;Jeu de tuiles...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>&amp;Agrandir les tuiles</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>&amp;Réduire les tuiles</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>Assom&amp;brir les tuiles bloquées</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>Afficher les &amp;ombres</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>Indices plus &amp;longs</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>Reprendre la partie &amp;inachevée</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>Afficher si &amp;gagnable</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>&amp;Son et musique...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>&amp;Effacer les records</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>Site &amp;web de %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Site web de &amp;Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Tilvane</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Partie du &amp;jour</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Statistiqu&amp;es...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Disposition suivante après une &amp;victoire</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Le jeu de tuiles n&apos;a pas pu être lu !</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Impossible d&apos;ouvrir l&apos;image « %1 » !</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>Le jeu de tuiles « %1 » a des tailles de tuiles incorrectes !</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Cercle %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Bambou %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Caractère %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Saison Hiver</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Saison Printemps</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Saison Été</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Saison Automne</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Vent du Nord</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Vent du Sud</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Vent d&apos;Est</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Vent d&apos;Ouest</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fleur</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Dragon vert</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Dragon blanc</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Dragon rouge</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>« %1 » dépasse %2 octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>« %1 » n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Impossible de remplacer « %1 » : %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>le fichier de la partie est endommagé : %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>étape d&apos;annulation %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>étape de rétablissement %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>une figure est hors limites</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>une figure apparaît trop souvent</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>une tuile n&apos;a pas de partenaire</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>la solution</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>le nombre de mélanges</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>un mélange qui n&apos;a pas été fait</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>le plateau remélangé</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>les positions remélangées</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>les figures remélangées</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>le nom de la disposition</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>le temps de jeu</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>le nombre de tuiles</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>deux tuiles au même endroit</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>les tuiles restantes</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>ce n&apos;est pas un fichier de partie</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>une version inconnue</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>l&apos;état d&apos;une tuile</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>il se termine trop tôt</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>il continue après sa fin</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>l&apos;indicateur « comptée »</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>la disposition de la partie conservée ne peut pas être lue</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>la disposition de la partie conservée a changé</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>la partie conservée ne correspond pas à sa disposition</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>aucune partie conservée</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>le fichier de disposition ne peut pas être lu</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>le fichier se termine au milieu de la signature</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>le fichier se termine au milieu de l&apos;en-tête</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>le fichier est plus court que ne l&apos;annonce son en-tête</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>une disposition contient au plus %1 tuiles, pas %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>une disposition exige un nombre pair de tuiles, pas %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>la disposition s&apos;étend sur plus de 256 unités dans une direction</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>deux tuiles se trouvent en (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Échec de la lecture du fichier « %1 » !</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Le fichier « %1 » n&apos;existe pas !</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>Le fichier « %1 » n&apos;est pas un fichier de disposition !</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Paramètre non valide dans le fichier « %1 » !</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>Impossible de supprimer « %1 » :</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>Impossible de renommer « %1 » :</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Impossible de lire le fichier des records !</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Les records de cette session ne peuvent pas être enregistrés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>« %1 » est déjà dans la liste des favoris !</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>La liste des favoris est pleine !</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Veuillez d&apos;abord supprimer quelques dispositions de la liste !</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Les records de cette session ne peuvent pas être enregistrés :</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Impossible d&apos;écrire le fichier des records !</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>La disposition « %1 » est actuellement chargée et ne peut pas être supprimée !</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>La disposition « %1 » est actuellement chargée et ne peut pas être renommée !</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>Un nom de disposition ne peut pas commencer par « . » : le fichier serait caché !</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Veuillez saisir le nouveau nom de la disposition !</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Une disposition portant ce nom existe déjà !</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Veuillez saisir un nom de fichier !</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>« %1 » n&apos;est pas un fichier de records d&apos;une version connue de ce programme</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Impossible d&apos;écrire le fichier de disposition « %1 » !</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n tuile</numerusform>
            <numerusform>%n tuiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n mélange</numerusform>
            <numerusform>%n mélanges</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Impossible de conserver la partie inachevée !</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Impossible d&apos;écrire le fichier des réglages !</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>Le jeu de tuiles « %1 » n&apos;a pas été chargé :</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>sa description indique une taille de tuile qu&apos;aucun plateau ne peut afficher.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Impossible de créer le dossier « %1 » !</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Impossible de copier la disposition « %1 » !</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>aucun fichier de réglages ; les valeurs par défaut s&apos;appliquent</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>Il n&apos;y a aucune tuile sur le plateau !</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>Le nombre de tuiles doit être pair (2, 4, 8...) !</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Impossible de créer une partie jouable pour cette disposition !</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Plus aucun coup possible !</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>%n tuile restante</numerusform>
            <numerusform>%n tuiles restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n coup possible</numerusform>
            <numerusform>%n coups possibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>%n mélange restant</numerusform>
            <numerusform>%n mélanges restants</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Impossible d&apos;écrire l&apos;historique des parties !$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>La partie du jour se joue sur la disposition « %1 », qui ne peut pas être lue dans le dossier des dispositions.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Impossible d&apos;ouvrir l&apos;historique %1 : %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>L&apos;historique des parties %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>L&apos;historique %1 ne peut être ni lu ni mis de côté : %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Impossible de commencer un nouvel historique %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>L&apos;historique des parties %1 n&apos;a pas pu être lu (%2) ; il a été mis de côté sous le nom %3 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>ce n&apos;est pas un historique des parties mais la base de données d&apos;un autre programme</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>L&apos;historique des parties %1 a été écrit par une version plus récente (%2) ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>L&apos;historique des parties %1 ne contient encore aucune partie.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Impossible de mettre à jour l&apos;historique des parties %1 : %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>L&apos;historique des parties n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Impossible d&apos;écrire l&apos;historique des parties %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Impossible de lire l&apos;historique des parties %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Impossible de lire l&apos;historique des parties %1 : %2</translation>
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
        <translation>Erreur de la bibliothèque sonore : %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Impossible de démarrer la bibliothèque sonore : %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Aucun périphérique de sortie audio n&apos;a pu être ouvert</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Format de fichier inconnu</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Mémoire ou ressources insuffisantes</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Un paramètre non valide a été transmis à cette fonction</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>La lecture du son a échoué</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Aucun jeu de tuiles trouvé !</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Impossible de lire le fichier des dispositions !</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Impossible de lire le fichier des tuiles !</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Temps des parties gagnées</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Aucune partie gagnée</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>médiane mobile</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Durée des victoires</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Jours joués</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Temps médian</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Moyenne des 10 dernières</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Série quotidienne</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Toutes les dispositions</translation>
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
        <translation>Tuiles restantes</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Coups possibles</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Mélanges restants</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Tuile actuelle</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Gagnable ou non</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numéro de partie</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Tuiles de la disposition</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Tuiles libres de la disposition</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Cliquez pour passer de l&apos;horloge analogique à l&apos;horloge numérique et inversement</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Gagnable</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Non gagnable</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Cliquez pour copier le numéro de partie</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Numéro de partie copié</translation>
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
        <translation>9 mars 2013</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1 à 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>Le numéro doit être compris entre 1 et 4294967295 !</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Ouvre la liste des dispositions pour choisir la prochaine partie.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Distribue une nouvelle partie sur la disposition actuelle.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Recommence la partie en cours depuis son premier coup.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Annule le dernier coup.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Rejoue le coup annulé.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Montre une paire de tuiles libres qui vont ensemble.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Cache les tuiles et arrête le chronomètre, ou reprend la partie.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Choisit la couleur de fond.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Choisit l&apos;image de fond.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Choisit le jeu de tuiles.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Agrandit les tuiles.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Réduit les tuiles.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Affiche plus sombres les tuiles qui ne peuvent pas encore être retirées.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Règle les effets sonores et la musique.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Ouvre la page d&apos;aide du jeu.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Commence une nouvelle disposition vide.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Ouvre un fichier de disposition à modifier.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Enregistre la disposition dans un fichier.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Joue la disposition en cours de modification.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Annule la dernière modification de la disposition.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Refait la modification annulée.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Un clic sur le plateau pose des tuiles.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Un clic sur une tuile l&apos;efface.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Un glissement déplace toute la disposition.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Les nouvelles tuiles se posent sur les tuiles situées dessous.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Les nouvelles tuiles vont au niveau que vous choisissez.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Abaisse le niveau où vont les nouvelles tuiles.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Élève le niveau où vont les nouvelles tuiles.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Ouvre la page d&apos;aide de l&apos;éditeur de dispositions.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Va au début de la solution.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Recule d&apos;un coup dans la solution.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Avance d&apos;un coup dans la solution.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Va à la fin de la solution.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Quitte la solution et revient à la partie.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Ouvre la page d&apos;aide de la solution.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Choisir une disposition (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nouvelle partie (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Recommencer la partie</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Annuler le coup (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Rétablir le coup (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Indice (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Pause (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Jeu de tuiles</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Agrandir les tuiles (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Réduire les tuiles (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Assombrir les tuiles bloquées</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Son et musique</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Aide du jeu (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Rétablir (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Poser des tuiles</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Effacer des tuiles</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Déplacer le plateau</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Z auto</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z libre</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Niveau Z inférieur</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Niveau Z supérieur</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Aide de l&apos;éditeur (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Début de la partie (Origine)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Coup précédent (Flèche gauche)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Coup suivant (Flèche droite)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Fin de la partie (Fin)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Retour à la partie</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Aide sur la solution (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Affiche les chiffres et les graphiques des parties jouées.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Aide de Tilvane</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>Le lien « %1 » ne peut pas être suivi.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Impossible d&apos;ouvrir l&apos;adresse « %1 » !</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Aucun programme pour l&apos;afficher n&apos;a été trouvé.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>À propos du programme</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Choisir l&apos;image de fond</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Veuillez choisir une image !</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>L&apos;image n&apos;a pas pu être lue !</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Choisir la couleur de fond</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Palette :</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Gamme :</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Couleurs par défaut :</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Couleur choisie :</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Roue chromatique</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Veuillez saisir votre nom pour le tableau des records :</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Vous avez établi un nouveau record !</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Vous avez gagné la partie !</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Disposition suivante</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Choisir une disposition</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récentes</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Toutes les dispositions</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Liste des dispositions</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Aperçu de la disposition</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Record de la disposition choisie</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Parties gagnées :</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Meilleur joueur :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Étoiles :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Supprimer la disposition « %1 » ?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Retirer la disposition « %1 » des favoris ?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Options du son et de la musique</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Jouer la musique</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Choix de la musique</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Pause entre les morceaux</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Fichiers musicaux</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Morceau suivant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Fichiers de disposition</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Saisissez le nom du fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Enregistrer le fichier de disposition</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Ouvrir un fichier de disposition</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>Le fichier « %1 » n&apos;existe pas !</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>Le fichier « %1 » existe déjà. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Renommer la disposition</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>To</source>
        <translation>en</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Choisir le numéro de partie</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Choisissez un numéro de partie de</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numéro de partie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Choisir le jeu de tuiles</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Jeux de tuiles</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Veuillez choisir un jeu de tuiles !</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Le jeu de tuiles n&apos;a pas pu être lu !</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
</TS>
