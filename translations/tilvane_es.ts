<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Software libre</translation>
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
        <translation>Fichas: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Fichas libres: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>¿Guardar la disposición «%1»?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>Las teclas de flecha mueven el anillo de foco de ficha en ficha; Espacio o Intro selecciona la ficha.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, bloqueada</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Tablero del editor de disposiciones</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Tablero de juego</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Esta página no forma parte de la ayuda.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>La ayuda solo muestra las páginas e imágenes de su propia carpeta.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Fichas libres</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>¡Se borrarán todos los récords! ¿Seguro que quieres continuar?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>&amp;Mezclar fichas</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>Elegir número de par&amp;tida...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>M&amp;ostrar solución</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>P&amp;ausa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>&amp;Favoritos</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Añadir a favoritos</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Disposición</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Solución</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Inicio de la partida</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>Jugada &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Jugada &amp;siguiente</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Final de la partida</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>&amp;Volver al juego</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Volver al juego</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Poner</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>&amp;Mover tablero</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>Z &amp;automática</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>&amp;Z personalizada</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>&amp;Imagen de fondo...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Color de fondo...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>&amp;Estilo de fichas...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>A&amp;grandar fichas</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>&amp;Reducir fichas</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>&amp;Oscurecer fichas bloqueadas</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>&amp;Dibujar sombras</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>&amp;Pistas más largas</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>Rea&amp;nudar partida sin terminar</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>&amp;Mostrar si se puede ganar</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pan&amp;talla completa</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>&amp;Sonido y música...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>&amp;Borrar récords</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Cómo &amp;jugar</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>&amp;Página web de %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Página web de &amp;Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Partida de&amp;l día</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Estadísti&amp;cas...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Sig&amp;uiente disposición al ganar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>¡No se pudo leer el estilo de fichas!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>¡No se pudo abrir la imagen «%1»!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>¡El estilo de fichas «%1» tiene tamaños de ficha incorrectos!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Círculo %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Bambú %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Carácter %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Estación Invierno</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Estación Primavera</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Estación Verano</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Estación Otoño</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Viento del Norte</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Viento del Sur</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Viento del Este</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Viento del Oeste</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Dragón Verde</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Dragón Blanco</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Dragón Rojo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>«%1» ocupa más de %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>No se puede crear «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>No se puede reemplazar «%1»: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>el archivo de la partida está dañado: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>paso de deshacer %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>paso de rehacer %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>una cara está fuera de rango</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>una cara aparece demasiadas veces</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>una ficha no tiene pareja</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>la solución</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>el número de mezclas</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>una mezcla que no se hizo</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>el tablero mezclado</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>las posiciones mezcladas</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>las caras mezcladas</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>el nombre de la disposición</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>el tiempo jugado</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>el número de fichas</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>dos fichas en el mismo sitio</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>las fichas restantes</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>no es un archivo de partida</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>una versión desconocida</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>el estado de una ficha</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>termina antes de tiempo</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>continúa después de su final</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>el indicador de partida contada</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>no se puede leer la disposición de la partida guardada</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>la disposición de la partida guardada ha cambiado</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>la partida guardada no corresponde a su disposición</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>no hay ninguna partida guardada</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>no se puede leer el archivo de disposición</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>el archivo termina dentro de la marca inicial</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>el archivo termina dentro de la cabecera</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>el archivo es más corto de lo que anuncia su cabecera</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>una disposición tiene como máximo %1 fichas, no %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>una disposición necesita un número par de fichas, no %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>la disposición ocupa más de 256 unidades en alguna dirección</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>hay dos fichas en (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>¡Error al leer el archivo «%1»!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>¡El archivo «%1» no existe!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>¡El archivo «%1» no es un archivo de disposición!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>¡Parámetro no válido en el archivo «%1»!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>No se pudo eliminar «%1»:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>No se pudo renombrar «%1»:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>¡No se pudo leer el archivo de récords!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Los récords de esta sesión no se pueden guardar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>¡«%1» ya está en la lista de favoritos!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>¡La lista de favoritos está llena!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>¡Primero elimina algunas disposiciones de la lista!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Los récords de esta sesión no se pueden guardar:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>¡No se pudo escribir el archivo de récords!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>¡La disposición «%1» está cargada ahora y no se puede eliminar!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>¡La disposición «%1» está cargada ahora y no se puede renombrar!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>¡Un nombre de disposición no puede empezar por «.»: el archivo quedaría oculto!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>¡Escribe el nuevo nombre de la disposición!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>¡Ya existe una disposición con este nombre!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>¡Escribe un nombre de archivo!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>«%1» no es un archivo de récords de una versión que este programa conozca</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>¡No se pudo escribir el archivo de disposición «%1»!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n ficha</numerusform>
            <numerusform>%n fichas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n jugada</numerusform>
            <numerusform>%n jugadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n mezcla</numerusform>
            <numerusform>%n mezclas</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>¡No se pudo guardar la partida sin terminar!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>¡No se pudo escribir el archivo de configuración!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>No se cargó el estilo de fichas «%1»:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>su descriptor indica un tamaño de ficha que ningún tablero puede mostrar.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>¡No se pudo crear la carpeta «%1»!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>¡No se pudo copiar la disposición «%1»!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>no hay archivo de configuración; se usan los valores predeterminados</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>¡No hay fichas en el tablero!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>¡El número de fichas debe ser par (2, 4, 8...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>¡No se puede crear una partida jugable con esta disposición!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>¡No quedan más jugadas!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>%n ficha restante</numerusform>
            <numerusform>%n fichas restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n jugada posible</numerusform>
            <numerusform>%n jugadas posibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>%n mezcla restante</numerusform>
            <numerusform>%n mezclas restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>¡No se pudo escribir el historial de partidas!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>La partida del día se juega en la disposición «%1», que no se puede leer de la carpeta de disposiciones.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>No se puede abrir el historial %1: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>No se puede leer el historial de partidas %1: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>El historial %1 no se puede leer ni apartar: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>No se puede empezar un historial nuevo %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>No se pudo leer el historial de partidas %1 (%2); se ha apartado como %3 y se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>no es un historial de partidas sino la base de datos de otro programa</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>El historial de partidas %1 lo escribió una versión más reciente (%2); se deja como está.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>El historial de partidas %1 aún no tiene partidas.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>No se puede actualizar el historial de partidas %1: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>El historial de partidas no está abierto.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>No se puede escribir el historial de partidas %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>No se puede leer el historial de partidas %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>No se puede leer el historial de partidas %1: %2</translation>
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
        <translation>Error de la biblioteca de sonido: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>No se pudo iniciar la biblioteca de sonido: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>No se pudo abrir ningún dispositivo de salida de sonido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Formato de archivo desconocido</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Memoria o recursos insuficientes</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Se pasó un parámetro no válido a esta función</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>No se pudo reproducir el sonido</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>¡No se encontró ningún estilo de fichas!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>¡No se pudo leer el archivo de disposiciones!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>¡No se pudo leer el archivo de fichas!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Tiempos de las partidas ganadas</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Aún no has ganado ninguna partida</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>mediana móvil</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Duración de las victorias</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Días jugados</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Tiempo mediano</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Media de las 10 últimas</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Racha diaria</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Todas las disposiciones</translation>
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
        <translation>Fichas restantes</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Jugadas posibles</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Mezclas restantes</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Ficha actual</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Se puede ganar o no</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Fichas de la disposición</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Fichas libres de la disposición</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Haz clic para cambiar entre el reloj analógico y el digital</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Se puede ganar</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>No se puede ganar</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Haz clic para copiar el número de partida</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Número de partida copiado</translation>
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
        <translation>9 de marzo de 2013</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1 al 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>¡El número debe estar entre 1 y 4294967295!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Abre la lista de disposiciones para elegir la siguiente partida.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Reparte una partida nueva con la disposición actual.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Vuelve a empezar la partida actual desde su primera jugada.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Deshace la última jugada.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Vuelve a hacer la jugada deshecha.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Muestra una pareja de fichas libres que coinciden.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Oculta las fichas y detiene el reloj, o continúa la partida.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Elige el color de fondo.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Elige la imagen de fondo.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Elige el estilo de fichas.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Hace las fichas más grandes.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Hace las fichas más pequeñas.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Muestra más oscuras las fichas que todavía no se pueden retirar.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Ajusta los efectos de sonido y la música.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Abre la página de ayuda del juego.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Empieza una disposición nueva y vacía.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Abre un archivo de disposición para editarlo.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Guarda la disposición en un archivo.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Juega la disposición que se está editando.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Deshace el último cambio en la disposición.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Vuelve a hacer el cambio deshecho.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Al hacer clic en el tablero se ponen fichas.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Al hacer clic en una ficha se borra.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Al arrastrar se mueve toda la disposición.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>Las fichas nuevas se colocan encima de las fichas que tienen debajo.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>Las fichas nuevas van al nivel que elijas.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Baja el nivel en el que se colocan las fichas nuevas.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Sube el nivel en el que se colocan las fichas nuevas.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Abre la página de ayuda del editor de disposiciones.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Va al inicio de la solución.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Retrocede una jugada en la solución.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Avanza una jugada en la solución.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Va al final de la solución.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Sale de la solución y vuelve a la partida.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Abre la página de ayuda de la solución.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Elegir disposición (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Partida nueva (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar partida</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Deshacer jugada (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Rehacer jugada (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Pista (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Pausa (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Estilo de fichas</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Agrandar fichas (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Reducir fichas (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Oscurecer fichas bloqueadas</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Sonido y música</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Ayuda del juego (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Deshacer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Rehacer (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Poner fichas</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Borrar fichas</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Mover tablero</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Z automática</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z personalizada</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Bajar nivel Z</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Subir nivel Z</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Ayuda del editor (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Inicio de la partida (Inicio)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Jugada anterior (Flecha izquierda)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Jugada siguiente (Flecha derecha)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Final de la partida (Fin)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Ayuda de la solución (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Muestra las cifras y los gráficos de las partidas jugadas.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Ayuda de Tilvane</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>No se puede seguir el enlace «%1».</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>¡No se pudo abrir la dirección «%1»!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>No se encontró ningún programa para mostrarla.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>Acerca del programa</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Elegir imagen de fondo</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>¡Selecciona una imagen!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>¡No se pudo leer la imagen!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Elegir color de fondo</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>Paleta:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Gama:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>Colores predeterminados:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Color seleccionado:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Rueda de colores</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Escribe tu nombre para la tabla de récords:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>¡Has establecido un nuevo récord!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Siguiente disposición</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Elegir disposición</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Todas las disposiciones</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Lista de disposiciones</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Vista previa de la disposición</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Récord de la disposición elegida</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Partidas ganadas:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Mejor jugador:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Estrellas:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>¿Eliminar la disposición «%1»?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>¿Quitar la disposición «%1» de favoritos?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Opciones de sonido y música</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Reproducir música</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Elegir música</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Aleatoriamente</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>En orden</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Pausa entre canciones</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Archivos de música</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Reproducir siguiente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Archivos de disposición</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Escribe el nombre del archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Guardar archivo de disposición</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Abrir archivo de disposición</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>¡El archivo «%1» no existe!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>El archivo «%1» ya existe. ¿Quieres sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Cambiar nombre de disposición</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>To</source>
        <translation>a</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Elegir número de partida</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Elige un número de partida del</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>Elegir estilo de fichas</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Estilos de fichas</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>¡Selecciona un estilo de fichas!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>¡No se pudo leer el estilo de fichas!</translation>
    </message>
</context>
<context>
    <name>tv::ThumbChooser</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
