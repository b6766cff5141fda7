<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Z: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stars</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Tiles left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2:%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>March 9, 2013</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::ThumbChooser</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
