<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>フリーソフトウェア</translation>
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
        <translation>牌: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>取れる牌: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>レイアウト「%1」を保存しますか？</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>矢印キーでフォーカスリングを牌から牌へ移動し、Space キーまたは Enter キーで牌を選択します。</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1、取れる</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1、取れない</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>レイアウトエディターの盤面</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>このページはヘルプの一部ではありません。</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>ヘルプに表示できるのは、ヘルプのフォルダー内のページと画像だけです。</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>牌</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>取れる牌</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>星</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>ゲームの記録がすべて消去されます！よろしいですか？</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>レイアウトの選択(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>リスタート(&amp;R)</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>牌をシャッフル(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>ゲーム番号を選択(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>やり直し(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>ヒント(&amp;H)</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>解答を表示(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>お気に入り(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>お気に入りに追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>レイアウト(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>新規作成(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>解答(&amp;S)</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>最初へ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>1手戻る(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>1手進む(&amp;N)</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>最後へ(&amp;E)</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>ゲームに戻る(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>プレイ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>ゲームに戻る(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>牌を置く(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>牌を消す(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>全体を移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>自動 Z(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>Z を指定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>背景画像(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>背景色(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>牌セット(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>牌を拡大(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>牌を縮小(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>取れない牌を暗くする(&amp;D)</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>影を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>ヒントを長く表示(&amp;L)</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>中断したゲームを再開(&amp;U)</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>クリア可能かを表示(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>サウンドと音楽(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>プレイヤーの記録を消去(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>遊び方(&amp;H)</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>%1 ホームページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Tilvane ホームページ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>今日の一局(&amp;A)</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>統計(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>クリア後に次のレイアウトへ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>牌セットを読み込めませんでした！</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>画像「%1」を開けませんでした！</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>牌セット「%1」の牌のサイズが正しくありません！</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>%1筒</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>%1索</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>%1萬</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>冬（季節牌）</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>春（季節牌）</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>夏（季節牌）</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>秋（季節牌）</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>北（風牌）</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>南（風牌）</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>東（風牌）</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>西（風牌）</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>發（三元牌）</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>白（三元牌）</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>中（三元牌）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>「%1」が %2 バイトを超えています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>「%1」は通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>「%1」に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>「%1」を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>「%1」を置き換えられません: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>ゲームファイルが壊れています: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>取り消し履歴の %1 手目</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>やり直し履歴の %1 手目</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>範囲外の絵柄</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>多すぎる絵柄</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>対になる牌のない牌</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>シャッフル回数</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>行われていないシャッフル</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>シャッフル後の盤面</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>シャッフル後の位置</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>シャッフル後の絵柄</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>レイアウト名</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>プレイ時間</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>牌の数</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>同じ位置にある2枚の牌</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>残りの牌</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>ゲームファイルではありません</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>不明なバージョン</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>牌の状態</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>途中で終わっています</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>終わりの後にもデータが続いています</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>集計済みフラグ</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>保存されたゲームのレイアウトを読み込めません</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>保存されたゲームのレイアウトが変更されています</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>保存されたゲームがレイアウトと一致しません</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>保存されたゲームがありません</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>レイアウトファイルを読み込めません</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>ファイルが識別子の途中で終わっています</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>ファイルがヘッダーの途中で終わっています</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>ファイルがヘッダーに記された長さより短くなっています</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>レイアウトの牌は最大 %1 枚です（%2 枚ではありません）</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>レイアウトの牌は偶数枚でなければなりません（%1 枚ではありません）</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>レイアウトがいずれかの方向に 256 単位を超えています</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>(%1, %2, %3) に牌が2枚あります</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>ファイル「%1」の読み込みに失敗しました！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>ファイル「%1」が存在しません！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>ファイル「%1」はレイアウトファイルではありません！</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>ファイル「%1」に無効なパラメーターがあります！</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>「%1」を削除できませんでした:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>「%1」の名前を変更できませんでした:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>記録ファイルを読み込めませんでした！</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>このセッションの記録は保存できません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>「%1」はすでにお気に入りにあります！</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>お気に入りがいっぱいです！</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>先に一覧からレイアウトをいくつか削除してください！</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>このセッションの記録は保存できません:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>記録ファイルに書き込めませんでした！</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>レイアウト「%1」は使用中のため削除できません！</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>レイアウト「%1」は使用中のため名前を変更できません！</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>レイアウト名を「.」で始めることはできません（ファイルが隠しファイルになります）！</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>新しいレイアウト名を入力してください！</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>同じ名前のレイアウトがすでにあります！</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>ファイル名を入力してください！</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>「%1」はこのプログラムが対応していないバージョンの記録ファイルです</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>レイアウトファイル「%1」に書き込めませんでした！</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n 枚</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n 手</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>中断したゲームを保存できませんでした！</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>設定ファイルに書き込めませんでした！</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>牌セット「%1」は読み込まれませんでした:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>記述ファイルで指定された牌のサイズは、どの盤面にも表示できません。</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>フォルダー「%1」を作成できませんでした！</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>レイアウト「%1」をコピーできませんでした！</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>設定ファイルがないため、既定の設定を使います</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>盤面に牌がありません！</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>牌の数は偶数（2、4、8…）でなければなりません！</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>このレイアウトではクリア可能なゲームを作れません！</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>もう取れる組がありません！</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>残り %n 枚</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>可能な手 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>シャッフル残り %n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>ゲーム %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>ゲーム履歴に書き込めませんでした！$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>今日の一局はレイアウト「%1」で遊びますが、レイアウトのフォルダーから読み込めません。</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>履歴 %1 を開けません: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>ゲーム履歴 %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>履歴 %1 は読み込むことも退避することもできません: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>新しい履歴 %1 を作成できません</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>ゲーム履歴 %1 を読み込めませんでした (%2)。%3 として退避し、新しい履歴を作成しました。</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>ゲーム履歴ではなく、別のプログラムのデータベースです</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>ゲーム履歴 %1 は新しいバージョンで書かれています (%2)。そのままにしておきます。</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>ゲーム履歴 %1 にはまだゲームがありません。</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>ゲーム履歴 %1 を更新できません: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>ゲーム履歴が開かれていません。</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>ゲーム履歴 %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>ゲーム履歴 %1 を読み込めません</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>ゲーム履歴 %1 を読み込めません: %2</translation>
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
        <translation>サウンドライブラリのエラー: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>サウンドライブラリを開始できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>エラーはありません</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>サウンド出力デバイスを開けませんでした</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>不明なファイル形式です</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>メモリまたはリソースが不足しています</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>この関数に無効なパラメーターが渡されました</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>サウンドの再生に失敗しました</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>牌セットが見つかりません！</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>レイアウト一覧ファイルを読み込めませんでした！</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>牌ファイルを読み込めませんでした！</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>クリアしたゲームのタイム</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>まだクリアしていません</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>移動中央値</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>クリアまでの時間</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>プレイした日</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>プレイ回数</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝利回数</translation>
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
        <translation>最高連勝</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>ベストタイム</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>タイム中央値</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>直近10回の平均</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>連続プレイ日数</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>すべてのレイアウト</translation>
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
        <translation>残りの牌</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>可能な手</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>プレイ時間</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>残りのシャッフル回数</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>現在の牌</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>クリア可能かどうか</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>ゲーム番号</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>段</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>レイアウトの牌の数</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>レイアウトの取れる牌の数</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>クリックするとアナログ時計とデジタル時計を切り替えます</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>クリア可能</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>クリア不可能</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>クリックしてゲーム番号をコピー</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>ゲーム番号をコピーしました</translation>
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
        <translation>1～4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>番号は 1～4294967295 の範囲で指定してください！</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>レイアウトの一覧を開き、次に遊ぶゲームを選びます。</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>現在のレイアウトで新しいゲームを配ります。</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>現在のゲームを最初の手からやり直します。</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>最後の手を取り消します。</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>取り消した手をもう一度行います。</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>取れる牌のうち、対になる1組を示します。</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>牌を隠して時計を止めます。または、ゲームを再開します。</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>背景色を選びます。</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>背景画像を選びます。</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>牌セットを選びます。</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>牌を大きくします。</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>牌を小さくします。</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>まだ取れない牌を暗い色で表示します。</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>効果音と音楽を設定します。</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>ゲームのヘルプページを開きます。</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>新しい空のレイアウトを作ります。</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>編集するレイアウトファイルを開きます。</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>レイアウトをファイルに保存します。</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>編集中のレイアウトで遊びます。</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>レイアウトへの最後の変更を取り消します。</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>取り消した変更をもう一度行います。</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>盤面をクリックすると牌を置きます。</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>牌をクリックするとその牌を消します。</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>ドラッグするとレイアウト全体を移動します。</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>新しい牌は下にある牌の上に重ねて置かれます。</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>新しい牌は指定した段に置かれます。</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>新しい牌を置く段を下げます。</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>新しい牌を置く段を上げます。</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>レイアウトエディターのヘルプページを開きます。</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>解答の最初に移動します。</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>解答を1手戻ります。</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>解答を1手進みます。</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>解答の最後に移動します。</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>解答を終了してゲームに戻ります。</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>解答のヘルプページを開きます。</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>レイアウトの選択 (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>新しいゲーム (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>ゲームをリスタート</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>1手戻す (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>1手やり直す (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>ヒント (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>一時停止 (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>牌セット</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>牌を拡大 (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>牌を縮小 (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>取れない牌を暗くする</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>サウンドと音楽</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>ゲームのヘルプ (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>元に戻す (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>やり直し (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>牌を置く</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>牌を消す</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>全体を移動</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>自動 Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z を指定</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>段を下げる</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>段を上げる</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>エディターのヘルプ (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>最初へ (Home キー)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>1手戻る (← キー)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>1手進む (→ キー)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>最後へ (End キー)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>ゲームに戻る</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>解答のヘルプ (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>これまでのゲームの数値とグラフを表示します。</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Tilvane ヘルプ</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>ヘルプページ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>リンク「%1」を開けません。</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>アドレス「%1」を開けませんでした！</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>表示できるプログラムが見つかりません。</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>このプログラムについて</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>背景画像の選択</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>画像を選択してください！</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>画像を読み込めませんでした！</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>背景色の選択</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>パレット:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>スペクトル:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>既定の色:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>選択した色:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円形</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>正方形</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>カラーホイール</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>おめでとうございます！</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>記録表に載せる名前を入力してください:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>プレイヤー名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>新記録です！</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>クリアしました！</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>次のレイアウト</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>レイアウトの選択</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>すべてのレイアウト</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>レイアウトの一覧</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>レイアウトのプレビュー</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>選択したレイアウトの記録</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>プレイ回数:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>勝利回数:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>最高記録者:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>タイム:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>星:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>レイアウト「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>レイアウト「%1」をお気に入りから削除しますか？</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>サウンドと音楽の設定</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>効果音を鳴らす</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>音楽を流す</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>選曲</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>順番どおり</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>曲の間隔</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>音楽ファイル</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>次の曲</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>レイアウトファイル</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>ファイル名を入力</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>レイアウトファイルの保存</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>レイアウトファイルを開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>ファイル「%1」が存在しません！</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>ファイル「%1」はすでに存在します。上書きしますか？</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>レイアウト名の変更</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>To</source>
        <translation>変更後</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新しい名前</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>ゲーム番号の選択</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>ゲーム番号を選択してください。範囲:</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>ゲーム番号</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>牌セットの選択</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>牌セット</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>牌セットを選択してください！</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>牌セットを読み込めませんでした！</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
