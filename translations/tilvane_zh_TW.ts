<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>開始遊戲</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>自由軟體</translation>
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
        <translation>牌數：%1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>自由牌：%1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>儲存佈局「%1」？</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>方向鍵可把焦點圓圈從一張牌移到另一張牌；空白鍵或 Enter 鍵選取這張牌。</translation>
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
        <translation>佈局編輯器牌桌</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>此頁面不屬於說明內容。</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>說明只會顯示其所在資料夾中的頁面和圖片。</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>佈局</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>牌數</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>自由牌</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>星級</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>這將清除所有遊戲紀錄！確定嗎？</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>選擇(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>重新開始(&amp;R)</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>重新洗牌(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>選擇牌局編號(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
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
        <translation>顯示解法(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暫停(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>我的最愛(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>加入我的最愛(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>佈局(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>建立(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>解法(&amp;S)</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>開局(&amp;S)</translation>
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
        <translation>終局(&amp;E)</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>返回遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>開始遊戲(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>返回遊戲(&amp;R)</translation>
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
        <translation>清除牌(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>移動牌桌(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>自動 Z(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>自訂 Z(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>背景圖片(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>背景顏色(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>牌面樣式(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>放大牌(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>縮小牌(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>受阻牌變暗(&amp;D)</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>顯示陰影(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>延長提示(&amp;L)</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>繼續未完成的遊戲(&amp;U)</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>顯示是否可解(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全螢幕(&amp;F)</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>音效與音樂(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>清除玩家紀錄(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目錄(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>玩法(&amp;H)</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>%1 首頁(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Tilvane 首頁(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>新遊戲(&amp;N)</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>每日牌局(&amp;A)</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>統計(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>新增(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>獲勝後進入下一個佈局(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>無法讀取牌面樣式！</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>無法開啟圖片「%1」！</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>牌面樣式「%1」的牌尺寸有誤！</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>%1筒</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>%1條</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>%1萬</translation>
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
        <translation>北風</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>南風</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>東風</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>西風</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>發財</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>白板</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>紅中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>「%1」超過 %2 位元組</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>「%1」不是一般檔案</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>無法開啟「%1」：%2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>無法讀取「%1」：%2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>無法建立「%1」：%2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>無法取代「%1」：%2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>遊戲檔案已損毀：%1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>復原紀錄第 %1 步</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>重做紀錄第 %1 步</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>牌面超出範圍</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>某個牌面出現的次數過多</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>有一張牌沒有可配對的牌</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>解法</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>洗牌次數</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>一次並未進行的洗牌</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>洗牌後的牌桌</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>洗牌後的位置</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>洗牌後的牌面</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>佈局名稱</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>已用時間</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>牌數</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>兩張牌位於同一位置</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>剩餘的牌</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>不是遊戲檔案</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>未知的版本</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>某張牌的狀態</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>檔案提前結束</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>檔案在結尾之後還有內容</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>計入統計旗標</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>無法讀取所保存遊戲的佈局</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>所保存遊戲的佈局已被修改</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>所保存的遊戲與其佈局不符</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>沒有保存的遊戲</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>無法讀取佈局檔案</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>檔案在檔案識別碼處提前結束</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>檔案在檔頭處提前結束</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>檔案比其檔頭宣告的長度短</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>一個佈局最多只能有 %1 張牌，而不是 %2 張</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>佈局的牌數必須是偶數，而不是 %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>佈局在某個方向上的跨度超過 256 個單位</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>有兩張牌位於 (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>讀取檔案「%1」失敗！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>檔案「%1」不存在！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>檔案「%1」不是佈局檔案！</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>檔案「%1」中有無效的參數！</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>無法刪除「%1」：</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>無法重新命名「%1」：</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>無法讀取紀錄檔案！</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>本次的紀錄無法儲存。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>「%1」已在我的最愛中！</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>我的最愛已滿！</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>請先從清單中刪除一些佈局！</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>本次的紀錄無法儲存：</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>無法寫入紀錄檔案！</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>佈局「%1」正在使用中，無法刪除！</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>佈局「%1」正在使用中，無法重新命名！</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>佈局名稱不能以「.」開頭，否則檔案會被隱藏！</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>請輸入新的佈局名稱！</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>已有同名的佈局！</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>請輸入檔案名稱！</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>「%1」不是本程式能識別的版本的紀錄檔案</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>無法寫入佈局檔案「%1」！</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n 張牌</numerusform>
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
        <translation>無法保存未完成的遊戲！</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>無法寫入設定檔！</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>牌面樣式「%1」未能載入：</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>其描述檔指定的牌尺寸無法在任何牌桌上顯示。</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>無法建立資料夾「%1」！</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是資料夾</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>無法複製佈局「%1」！</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>沒有設定檔，使用預設設定</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>牌桌上沒有牌！</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>牌數必須是偶數（2、4、8……）！</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>無法為此佈局產生可解的牌局！</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>已經沒有可以配對的牌了！</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>剩餘 %n 張牌</numerusform>
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
            <numerusform>剩餘 %n 次洗牌</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>牌局 %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>無法寫入遊戲紀錄！$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>今日牌局使用佈局「%1」，但無法從佈局資料夾讀取該佈局。</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>無法開啟紀錄 %1：%2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>無法讀取遊戲紀錄 %1：%2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>紀錄 %1 既無法讀取，也無法移到一旁：%2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>無法建立新紀錄 %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>無法讀取遊戲紀錄 %1（%2）；已將其另存為 %3 並建立了新紀錄。</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>不是遊戲紀錄，而是其他程式的資料庫</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>遊戲紀錄 %1 由較新的版本寫入（%2）；保持原樣不動。</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>遊戲紀錄 %1 中還沒有任何遊戲。</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>無法更新遊戲紀錄 %1：%2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>遊戲紀錄未開啟。</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>無法寫入遊戲紀錄 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>無法讀取遊戲紀錄 %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>無法讀取遊戲紀錄 %1：%2</translation>
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
        <translation>音訊函式庫錯誤：%1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>無法啟動音訊函式庫：%1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>沒有錯誤</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>無法開啟任何音訊輸出裝置</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>未知的檔案格式</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>記憶體或資源不足</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>傳給此函式的參數無效</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>播放音效失敗</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>找不到任何牌面樣式！</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>無法讀取佈局清單檔案！</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>無法讀取牌面檔案！</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>獲勝用時</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>尚未贏過</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>移動中位數</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>獲勝用時分布</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>遊戲天數</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>已玩</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>獲勝</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>勝率</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>連勝</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>最佳連勝</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>最佳時間</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>用時中位數</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>最近 10 局平均</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>每日連勝</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>所有佈局</translation>
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
        <translation>剩餘牌數</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>可走步數</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>遊戲時間</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>剩餘洗牌次數</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>目前的牌</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>是否可解</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>遊戲編號</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>層</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>佈局中的牌數</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>佈局中的自由牌數</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>按一下即可在指針式時鐘和數位時鐘之間切換</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>可解</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>無解</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>按一下即可複製遊戲編號</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>已複製遊戲編號</translation>
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
        <translation>編號必須介於 1 到 4294967295 之間！</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>開啟佈局清單，從中選擇下一局要玩的佈局。</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>以目前的佈局重新發一局牌。</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>從第一步開始重玩本局。</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>復原上一步。</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>重新走出被復原的那一步。</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>顯示一對可以配對的自由牌。</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>隱藏所有的牌並停止計時，或繼續遊戲。</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>選擇背景顏色。</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>選擇背景圖片。</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>選擇牌面樣式。</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>把牌放大。</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>把牌縮小。</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>把暫時還不能拿走的牌顯示得暗一些。</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>設定音效和音樂。</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>開啟遊戲的說明頁面。</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>新增一個空白佈局。</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>開啟一個佈局檔案進行編輯。</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>把佈局儲存到檔案。</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>用正在編輯的佈局開始遊戲。</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>復原對佈局的最後一次修改。</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>重新套用被復原的修改。</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>按一下牌桌即可放置牌。</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>按一下一張牌即可將它清除。</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>拖曳即可移動整個佈局。</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>新放的牌會疊在它下方的牌上面。</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>新放的牌位於你選擇的層。</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>降低新放的牌所在的層。</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>升高新放的牌所在的層。</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>開啟佈局編輯器的說明頁面。</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>跳到解法的開頭。</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>在解法中後退一步。</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>在解法中前進一步。</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>跳到解法的結尾。</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>離開解法，返回遊戲。</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>開啟解法的說明頁面。</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>選擇佈局 (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>新遊戲 (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>重新開始本局</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>復原一步 (F4)</translation>
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
        <translation>暫停 (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景顏色</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>牌面樣式</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>放大牌 (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>縮小牌 (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>受阻牌變暗</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>音效與音樂</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>遊戲說明 (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>開始遊戲</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>復原 (Ctrl+Z)</translation>
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
        <translation>清除牌</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>移動牌桌</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>自動 Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>自訂 Z</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>降低 Z 層</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>升高 Z 層</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>編輯器說明 (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>開局 (Home 鍵)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>上一步 (左方向鍵)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>下一步 (右方向鍵)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>終局 (End 鍵)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>返回遊戲</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>解法說明 (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>顯示已玩遊戲的數據和圖表。</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Tilvane 說明</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>說明頁面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>無法開啟連結「%1」。</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>無法開啟網址「%1」！</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>找不到可以開啟它的程式。</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>關於本程式</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>選擇背景圖片</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>請選擇一張圖片！</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>無法讀取這張圖片！</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>選擇背景顏色</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>調色盤：</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>色譜：</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>預設顏色：</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>所選顏色：</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>色輪</translation>
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
        <translation>請輸入你的名字，以便記入紀錄表：</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>玩家名稱</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>你創下了新紀錄！</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>你贏了！</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>下一個佈局</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>選擇佈局</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>我的最愛</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>所有佈局</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>佈局清單</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>佈局預覽</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>所選佈局的紀錄</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>已玩局數：</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>獲勝局數：</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>最佳玩家：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>星級：</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>刪除佈局「%1」？</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>從我的最愛中移除佈局「%1」？</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>音效與音樂選項</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>播放音效</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音樂</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>播放音樂</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>選曲方式</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>隨機</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>依序</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>歌曲間隔</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>音樂檔案</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>播放下一首</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>佈局檔案</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>輸入檔案名稱</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>儲存佈局檔案</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>開啟佈局檔案</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>檔案「%1」不存在！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>檔案「%1」已存在。要覆寫嗎？</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>重新命名佈局</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>To</source>
        <translation>改為</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新名稱</translation>
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
        <translation>選擇牌局編號</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>請選擇牌局編號，範圍：</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>遊戲編號</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>選擇牌面樣式</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>牌面樣式</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>請選擇一種牌面樣式！</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>無法讀取牌面樣式！</translation>
    </message>
</context>
<context>
    <name>tv::ThumbChooser</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
