<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>自由软件</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Z: %1</source>
        <translation>Z：%1</translation>
    </message>
    <message>
        <source>Tiles: %1</source>
        <translation>牌数：%1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>自由牌：%1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>保存布局“%1”？</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>方向键可把焦点圆环从一张牌移到另一张牌；空格键或 Enter 键选中这张牌。</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1，自由</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1，受阻</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>布局编辑器牌桌</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>此页面不属于帮助内容。</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>帮助只显示其所在文件夹中的页面和图片。</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>布局</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>牌数</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>自由牌</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>星级</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>这将清除所有游戏纪录！确定吗？</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>选择(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>重新开始(&amp;R)</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>重新洗牌(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>选择牌局编号(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>重做(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>显示解法(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>收藏夹(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>添加到收藏夹(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>布局(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>创建(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>解法(&amp;S)</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>开局(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>上一步(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>下一步(&amp;N)</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>终局(&amp;E)</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>返回游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>开始游戏(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>返回游戏(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>放置牌(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>擦除牌(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>移动牌桌(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>自动 Z(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>自定义 Z(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>背景图片(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>背景颜色(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>牌面样式(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>放大牌(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>缩小牌(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>受阻牌变暗(&amp;D)</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>显示阴影(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>延长提示(&amp;L)</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>继续未完成的游戏(&amp;U)</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>显示是否可解(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>声音和音乐(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>清除玩家纪录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>玩法(&amp;H)</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>%1 主页(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Tilvane 主页(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>每日牌局(&amp;A)</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>统计(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>获胜后进入下一布局(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>无法读取牌面样式！</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>无法打开图片“%1”！</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>牌面样式“%1”的牌尺寸有误！</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>%1筒</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>%1条</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>%1万</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>冬（季牌）</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>春（季牌）</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>夏（季牌）</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>秋（季牌）</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>北风</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>南风</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>东风</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>西风</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>发财</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>白板</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>红中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>“%1”超过了 %2 字节</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>“%1”不是普通文件</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>无法创建“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>无法替换“%1”：%2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>游戏文件已损坏：%1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>撤销记录第 %1 步</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>重做记录第 %1 步</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>牌面超出范围</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>某个牌面出现的次数过多</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>有一张牌没有可配对的牌</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>解法</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>洗牌次数</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>一次并未进行的洗牌</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>洗牌后的牌桌</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>洗牌后的位置</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>洗牌后的牌面</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>布局名称</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>牌数</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>两张牌位于同一位置</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>剩余的牌</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>不是游戏文件</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>未知的版本</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>某张牌的状态</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>文件在结尾之后还有内容</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>计入统计标志</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>无法读取所保存游戏的布局</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>所保存游戏的布局已被修改</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>所保存的游戏与其布局不符</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>没有保存的游戏</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>无法读取布局文件</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>文件在文件标识处提前结束</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>文件在文件头处提前结束</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>文件比其文件头声明的长度短</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>一个布局最多只能有 %1 张牌，而不是 %2 张</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>布局的牌数必须是偶数，而不是 %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>布局在某个方向上的跨度超过了 256 个单位</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>有两张牌位于 (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>读取文件“%1”失败！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>文件“%1”不存在！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>文件“%1”不是布局文件！</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>文件“%1”中有无效参数！</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>无法删除“%1”：</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>无法重命名“%1”：</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>无法读取纪录文件！</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>本次的纪录无法保存。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>“%1”已在收藏夹中！</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>收藏夹已满！</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>请先从列表中删除一些布局！</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>本次的纪录无法保存：</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>无法写入纪录文件！</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>布局“%1”正在使用，无法删除！</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>布局“%1”正在使用，无法重命名！</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>布局名称不能以“.”开头，否则文件会被隐藏！</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>请输入新的布局名称！</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>已存在同名的布局！</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>请输入文件名！</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>“%1”不是本程序能识别的版本的纪录文件</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>无法写入布局文件“%1”！</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n 张牌</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n 次洗牌</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>无法保存未完成的游戏！</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>无法写入设置文件！</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>牌面样式“%1”未能加载：</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>其描述文件指定的牌尺寸无法在任何牌桌上显示。</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>无法创建文件夹“%1”！</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>无法复制布局“%1”！</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>没有设置文件，使用默认设置</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>牌桌上没有牌！</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>牌数必须是偶数（2、4、8……）！</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>无法为此布局生成可解的牌局！</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>无牌可配了！</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>剩余 %n 张牌</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>可走 %n 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>剩余 %n 次洗牌</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>牌局 %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>无法写入游戏记录！$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>今日牌局使用布局“%1”，但无法从布局文件夹中读取该布局。</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>无法打开记录 %1：%2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>无法读取游戏记录 %1：%2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>记录 %1 既无法读取，也无法移到一旁：%2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>无法新建记录 %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>无法读取游戏记录 %1（%2）；已将其另存为 %3 并新建了记录。</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>不是游戏记录，而是其他程序的数据库</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>游戏记录 %1 由更新的版本写入（%2）；保持原样不动。</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>游戏记录 %1 中还没有任何游戏。</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>无法更新游戏记录 %1：%2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>游戏记录未打开。</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>无法写入游戏记录 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>无法读取游戏记录 %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>无法读取游戏记录 %1：%2</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation>音频库错误：%1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>无法启动音频库：%1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>没有错误</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>无法打开任何声音输出设备</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>未知的文件格式</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>内存或资源不足</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>向此函数传递了无效的参数</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>播放声音失败</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>找不到任何牌面样式！</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>无法读取布局列表文件！</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>无法读取牌面文件！</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>获胜用时</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>尚未赢过</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>移动中位数</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>获胜用时分布</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>游戏天数</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>已玩</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>获胜</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>胜率</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>连胜</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>最佳连胜</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>最佳用时</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>用时中位数</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>最近 10 局平均</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>每日连胜</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>所有布局</translation>
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
        <translation>剩余牌数</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>可走步数</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>游戏用时</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>剩余洗牌次数</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>当前的牌</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>是否可解</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>游戏编号</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>层</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>布局中的牌数</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>布局中的自由牌数</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>单击可在指针式时钟和数字时钟之间切换</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>可解</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>无解</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>单击复制游戏编号</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>游戏编号已复制</translation>
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
        <translation>2013年3月9日</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1 到 4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>编号必须在 1 到 4294967295 之间！</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>打开布局列表，从中选择下一局要玩的布局。</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>在当前布局上重新发一局牌。</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>从第一步开始重新玩本局。</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>撤销上一步。</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>重新走出被撤销的那一步。</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>显示一对可以配对的自由牌。</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>隐藏所有的牌并停止计时，或继续游戏。</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>选择背景颜色。</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>选择背景图片。</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>选择牌面样式。</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>把牌放大。</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>把牌缩小。</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>把暂时还不能拿走的牌显示得暗一些。</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>设置音效和音乐。</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>打开游戏的帮助页面。</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>新建一个空白布局。</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>打开一个布局文件进行编辑。</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>把布局保存到文件。</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>用正在编辑的布局开始游戏。</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>撤销对布局的最后一次修改。</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>重新做出被撤销的修改。</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>单击牌桌即可放置牌。</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>单击一张牌即可将其擦除。</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>拖动即可移动整个布局。</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>新放的牌会叠放在它下方的牌上面。</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>新放的牌位于你选择的层。</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>降低新放的牌所在的层。</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>升高新放的牌所在的层。</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>打开布局编辑器的帮助页面。</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>跳到解法的开头。</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>在解法中后退一步。</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>在解法中前进一步。</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>跳到解法的结尾。</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>退出解法，返回游戏。</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>打开解法的帮助页面。</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>选择布局 (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>新游戏 (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>重新开始本局</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>撤销一步 (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>重做一步 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>提示 (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>暂停 (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>牌面样式</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>放大牌 (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>缩小牌 (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>受阻牌变暗</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>声音和音乐</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>游戏帮助 (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>撤销 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>重做 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>放置牌</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>擦除牌</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>移动牌桌</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>自动 Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>自定义 Z</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>降低 Z 层</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>升高 Z 层</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>编辑器帮助 (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>开局 (Home 键)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>上一步 (左方向键)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>下一步 (右方向键)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>终局 (End 键)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>返回游戏</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>解法帮助 (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>显示已玩游戏的数据和图表。</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Tilvane 帮助</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>帮助页面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>无法打开链接“%1”。</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>无法打开地址“%1”！</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>找不到可以打开它的程序。</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>关于本程序</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>选择背景图片</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>请选择一张图片！</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>无法读取该图片！</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>选择背景颜色</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>调色板：</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>色谱：</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>默认颜色：</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>所选颜色：</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>色轮</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>请输入你的名字，以便记入纪录表：</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>玩家名称</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>你创造了新纪录！</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>你赢了！</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>下一布局</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>选择布局</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>收藏夹</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>所有布局</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>布局列表</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>布局预览</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>所选布局的纪录</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>已玩局数：</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>获胜局数：</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>最佳玩家：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>用时：</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>星级：</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>删除布局“%1”？</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>从收藏夹中删除布局“%1”？</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>声音和音乐选项</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>播放音效</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>播放音乐</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>选曲方式</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>按顺序</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>歌曲间隔</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>音乐文件</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>播放下一首</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>布局文件</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>输入文件名</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>保存布局文件</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>打开布局文件</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>文件“%1”不存在！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>文件“%1”已存在。要覆盖吗？</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>重命名布局</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>To</source>
        <translation>改为</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新名称</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>选择牌局编号</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>请选择牌局编号，范围：</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>游戏编号</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>选择牌面样式</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>牌面样式</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>请选择一种牌面样式！</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>无法读取牌面样式！</translation>
    </message>
</context>
<context>
    <name>tv::ThumbChooser</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
