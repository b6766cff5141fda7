<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</context>
</TS>
