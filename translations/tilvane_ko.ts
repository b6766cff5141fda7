<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>플레이</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>자유 소프트웨어</translation>
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
        <translation>패: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>자유 패: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>레이아웃 &quot;%1&quot;을(를) 저장할까요?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>화살표 키로 포커스 고리를 패에서 패로 옮기고, Space 키나 Enter 키로 패를 선택합니다.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, 자유</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, 막힘</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>레이아웃 편집기 판</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>게임판</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 정지됨</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>이 페이지는 도움말에 포함되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>도움말은 도움말 폴더에 있는 페이지와 그림만 보여 줍니다.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>레이아웃</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>패</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>자유 패</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>별</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>모든 게임 기록이 지워집니다! 계속할까요?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>레이아웃 선택(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>다시 시작(&amp;R)</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>패 다시 섞기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>게임 번호 선택(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>다시 실행(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>힌트(&amp;H)</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>풀이 보기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>일시 정지(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>즐겨찾기(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>즐겨찾기에 추가(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>레이아웃(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>만들기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>풀이(&amp;S)</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>처음으로(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>이전 수(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>다음 수(&amp;N)</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>끝으로(&amp;E)</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>게임으로 돌아가기(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>플레이(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>게임으로 돌아가기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>패 놓기(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>패 지우기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>전체 이동(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>자동 Z(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>Z 지정(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>배경 그림(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>배경색(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>패 세트(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>패 크게(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>패 작게(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>막힌 패 어둡게(&amp;D)</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>그림자 표시(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>힌트 길게 표시(&amp;L)</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>끝내지 않은 게임 이어 하기(&amp;U)</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>풀 수 있는지 표시(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>전체 화면(&amp;F)</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>소리와 음악(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>플레이어 기록 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>게임 방법(&amp;H)</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>%1 홈페이지(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Tilvane 홈페이지(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>새 게임(&amp;N)</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>오늘의 게임(&amp;A)</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>통계(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>승리 후 다음 레이아웃(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>패 세트를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>그림 &quot;%1&quot;을(를) 열지 못했습니다!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>패 세트 &quot;%1&quot;의 패 크기가 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>%1통</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>%1삭</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>%1만</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>겨울 (계절패)</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>봄 (계절패)</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>여름 (계절패)</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>가을 (계절패)</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>북풍</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>남풍</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>동풍</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>서풍</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>꽃패</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>발 (삼원패)</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>백 (삼원패)</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>중 (삼원패)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>&quot;%1&quot;의 크기가 %2바이트를 넘습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot;은(는) 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;을(를) 바꿀 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>게임 파일이 손상되었습니다: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>실행 취소 %1단계</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>다시 실행 %1단계</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>범위를 벗어난 패 그림</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>너무 많이 나오는 패 그림</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>짝이 없는 패</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>풀이</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>섞기 횟수</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>하지 않은 섞기</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>섞은 뒤의 판</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>섞은 뒤의 위치</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>섞은 뒤의 패 그림</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>레이아웃 이름</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>플레이 시간</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>패 수</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>한 자리에 놓인 두 패</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>남은 패</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>게임 파일이 아님</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>알 수 없는 버전</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>패의 상태</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>파일이 일찍 끝남</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>끝 뒤에 데이터가 더 있음</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>집계 플래그</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>저장된 게임의 레이아웃을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>저장된 게임의 레이아웃이 바뀌었습니다</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>저장된 게임이 레이아웃과 맞지 않습니다</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>저장된 게임이 없습니다</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>레이아웃 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>파일 식별자 중간에서 파일이 끝납니다</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>헤더 중간에서 파일이 끝납니다</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>파일이 헤더에 적힌 크기보다 짧습니다</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>레이아웃에는 패를 최대 %1개까지 놓을 수 있습니다(%2개는 안 됩니다)</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>레이아웃의 패 수는 짝수여야 합니다(%1개는 안 됩니다)</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>레이아웃이 어느 한 방향으로 256단위를 넘습니다</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>(%1, %2, %3)에 패가 두 개 있습니다</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>&quot;%1&quot; 파일을 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>&quot;%1&quot; 파일이 없습니다!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>&quot;%1&quot; 파일은 레이아웃 파일이 아닙니다!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>&quot;%1&quot; 파일에 잘못된 매개변수가 있습니다!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>&quot;%1&quot;을(를) 삭제하지 못했습니다:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>&quot;%1&quot;의 이름을 바꾸지 못했습니다:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>기록 파일을 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>이번 세션의 기록은 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>&quot;%1&quot;은(는) 이미 즐겨찾기 목록에 있습니다!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>즐겨찾기 목록이 가득 찼습니다!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>먼저 목록에서 레이아웃을 몇 개 삭제해 주세요!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>이번 세션의 기록은 저장할 수 없습니다:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>기록 파일에 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>레이아웃 &quot;%1&quot;은(는) 사용 중이므로 삭제할 수 없습니다!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>레이아웃 &quot;%1&quot;은(는) 사용 중이므로 이름을 바꿀 수 없습니다!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>레이아웃 이름은 &quot;.&quot;(으)로 시작할 수 없습니다: 파일이 숨겨집니다!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>새 레이아웃 이름을 입력해 주세요!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>같은 이름의 레이아웃이 이미 있습니다!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>파일 이름을 입력해 주세요!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>&quot;%1&quot;은(는) 이 프로그램이 아는 버전의 기록 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>레이아웃 파일 &quot;%1&quot;에 쓰지 못했습니다!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>패 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>수 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>섞기 %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>끝내지 않은 게임을 저장하지 못했습니다!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>설정 파일에 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>패 세트 &quot;%1&quot;을(를) 불러오지 못했습니다:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>설명 파일에 지정된 패 크기는 어떤 판에서도 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>폴더 &quot;%1&quot;을(를) 만들지 못했습니다!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>폴더가 아님</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>레이아웃 &quot;%1&quot;을(를) 복사하지 못했습니다!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>설정 파일이 없어 기본값을 사용합니다</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>판에 패가 없습니다!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>패 수는 짝수(2, 4, 8...)여야 합니다!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>이 레이아웃으로는 풀 수 있는 게임을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>더 이상 뺄 수 있는 짝이 없습니다!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>남은 패 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>가능한 수 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>남은 섞기 %n회</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>게임 %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>게임 기록을 쓰지 못했습니다!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>오늘의 게임은 레이아웃 &quot;%1&quot;에서 진행되지만, 레이아웃 폴더에서 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>기록 %1을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>게임 기록 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>기록 %1을(를) 읽을 수도, 옆으로 옮길 수도 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>새 기록 %1을(를) 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>게임 기록 %1을(를) 읽지 못했습니다(%2). %3(으)로 옮겨 두고 새 기록을 시작했습니다.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>게임 기록이 아니라 다른 프로그램의 데이터베이스임</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>게임 기록 %1은(는) 더 새로운 버전에서 쓰였습니다(%2). 그대로 둡니다.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>게임 기록 %1에 아직 게임이 없습니다.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>게임 기록 %1을(를) 최신 상태로 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>게임 기록이 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>게임 기록 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>게임 기록 %1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>게임 기록 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound library error: %1</source>
        <translation>사운드 라이브러리 오류: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>사운드 라이브러리를 시작하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>오류 없음</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>소리 출력 장치를 열 수 없습니다</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>알 수 없는 파일 형식입니다</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>메모리나 리소스가 부족합니다</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>이 함수에 잘못된 매개변수가 전달되었습니다</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>소리를 재생하지 못했습니다</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>패 세트를 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>레이아웃 목록 파일을 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>패 파일을 읽지 못했습니다!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>이긴 게임의 시간</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>아직 이긴 게임이 없음</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>이동 중앙값</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>승리까지 걸린 시간</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>플레이한 날</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>플레이</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>승리</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>승률</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>연승</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>최고 연승</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>최고 기록</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>중앙값 시간</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>최근 10판 평균</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>일일 연속 기록</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>모든 레이아웃</translation>
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
        <translation>남은 패</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>가능한 수</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>게임 시간</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>남은 섞기 횟수</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>현재 패</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>풀 수 있는지 여부</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>게임 번호</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>층</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>레이아웃의 패 수</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>레이아웃의 자유 패 수</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>클릭하면 아날로그 시계와 디지털 시계를 전환합니다</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>풀 수 있음</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>풀 수 없음</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>클릭하면 게임 번호를 복사합니다</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>게임 번호를 복사했습니다</translation>
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
        <translation>2013년 3월 9일</translation>
    </message>
</context>
<context>
    <name>TF_Shuffle</name>
    <message>
        <source>1 to 4294967295</source>
        <translation>1~4294967295</translation>
    </message>
    <message>
        <source>The number must be in the range from 1 to 4294967295 !</source>
        <translation>번호는 1~4294967295 범위여야 합니다!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>레이아웃 목록을 열어 다음 게임을 고릅니다.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>현재 레이아웃으로 새 게임을 시작합니다.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>현재 게임을 첫 수부터 다시 시작합니다.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>마지막 수를 되돌립니다.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>되돌린 수를 다시 실행합니다.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>짝이 맞는 자유 패 한 쌍을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>패를 숨기고 시계를 멈추거나, 게임을 계속합니다.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>배경색을 고릅니다.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>배경 그림을 고릅니다.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>패 세트를 고릅니다.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>패를 크게 합니다.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>패를 작게 합니다.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>아직 뺄 수 없는 패를 어두운 색으로 보여 줍니다.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>효과음과 음악을 설정합니다.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>게임 도움말 페이지를 엽니다.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>빈 레이아웃을 새로 시작합니다.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>편집할 레이아웃 파일을 엽니다.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>레이아웃을 파일로 저장합니다.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>편집 중인 레이아웃으로 게임을 합니다.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>레이아웃의 마지막 변경을 되돌립니다.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>되돌린 변경을 다시 적용합니다.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>판을 클릭하면 패를 놓습니다.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>패를 클릭하면 그 패를 지웁니다.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>끌면 레이아웃 전체가 이동합니다.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>새 패는 아래에 있는 패 위에 쌓입니다.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>새 패는 고른 층에 놓입니다.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>새 패를 놓을 층을 내립니다.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>새 패를 놓을 층을 올립니다.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>레이아웃 편집기 도움말 페이지를 엽니다.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>풀이의 처음으로 갑니다.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>풀이에서 한 수 뒤로 갑니다.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>풀이에서 한 수 앞으로 갑니다.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>풀이의 끝으로 갑니다.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>풀이를 끝내고 게임으로 돌아갑니다.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>풀이 도움말 페이지를 엽니다.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>레이아웃 선택 (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>새 게임 (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>게임 다시 시작</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>한 수 되돌리기 (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>한 수 다시 실행 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>힌트 (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>일시 정지 (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>배경색</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>배경 그림</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>패 세트</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>패 크게 (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>패 작게 (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>막힌 패 어둡게</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>소리와 음악</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>게임 도움말 (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>플레이</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>실행 취소 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>다시 실행 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>패 놓기</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>패 지우기</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>전체 이동</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>자동 Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z 지정</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>층 내리기</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>층 올리기</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>편집기 도움말 (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>처음으로 (Home 키)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>이전 수 (← 키)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>다음 수 (→ 키)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>끝으로 (End 키)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>게임으로 돌아가기</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>풀이 도움말 (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>플레이한 게임의 수치와 그래프를 보여 줍니다.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Tilvane 도움말</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>도움말 페이지</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>링크 &quot;%1&quot;을(를) 따라갈 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>주소 &quot;%1&quot;을(를) 열지 못했습니다!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>이 주소를 열 프로그램을 찾지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>프로그램 정보</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>배경 그림 선택</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>그림을 선택해 주세요!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>그림을 읽지 못했습니다!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>배경색 선택</translation>
    </message>
    <message>
        <source>Palette:</source>
        <translation>팔레트:</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>스펙트럼:</translation>
    </message>
    <message>
        <source>Default Colors:</source>
        <translation>기본 색:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>선택한 색:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>원형</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>색상환</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>축하합니다!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>기록표에 올릴 이름을 입력해 주세요:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>플레이어 이름</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>새 기록을 세웠습니다!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>게임에서 이겼습니다!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>다음 레이아웃</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>레이아웃 선택</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>최근</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>모든 레이아웃</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>레이아웃 목록</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>레이아웃 미리 보기</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>선택한 레이아웃의 기록</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>플레이한 게임:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>이긴 게임:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>최고 플레이어:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>시간:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>별:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>레이아웃 &quot;%1&quot;을(를) 삭제할까요?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>레이아웃 &quot;%1&quot;을(를) 즐겨찾기에서 삭제할까요?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>소리와 음악 옵션</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>효과음 재생</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>음악 재생</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>음악 선택 방식</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>무작위</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>순서대로</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>곡 사이 간격</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>음악 파일</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>다음 곡 재생</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>레이아웃 파일</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>파일 이름 입력</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>레이아웃 파일 저장</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>레이아웃 파일 열기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>&quot;%1&quot; 파일이 없습니다!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>&quot;%1&quot; 파일이 이미 있습니다. 덮어쓸까요?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>레이아웃 이름 바꾸기</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>To</source>
        <translation>바꿀 이름</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>새 이름</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>tv::TF_Shuffle</name>
    <message>
        <source>Select Shuffle</source>
        <translation>게임 번호 선택</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>게임 번호를 선택하세요. 범위:</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>게임 번호</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>tv::TF_Tiles</name>
    <message>
        <source>Choose Tileset</source>
        <translation>패 세트 선택</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>패 세트</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>패 세트를 선택해 주세요!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>패 세트를 읽지 못했습니다!</translation>
    </message>
</context>
<context>
    <name>tv::ThumbChooser</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
