<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Art</name>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Free software</source>
        <translation>Software livre</translation>
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
        <translation>Peças: %1</translation>
    </message>
    <message>
        <source>Free Tiles: %1</source>
        <translation>Peças livres: %1</translation>
    </message>
    <message>
        <source>Save layout &quot;%1&quot; ?</source>
        <translation>Salvar o layout &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile.</source>
        <translation>As teclas de seta movem o contorno de foco de peça em peça; Espaço ou Enter seleciona a peça.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, livre</translation>
    </message>
    <message>
        <source>%1, blocked</source>
        <translation>%1, bloqueada</translation>
    </message>
    <message>
        <source>Layout editor field</source>
        <translation>Campo do editor de layouts</translation>
    </message>
    <message>
        <source>Playing field</source>
        <translation>Campo de jogo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>This page is not part of the help.</source>
        <translation>Esta página não faz parte da ajuda.</translation>
    </message>
    <message>
        <source>The help shows only the pages and pictures of its own folder.</source>
        <translation>A ajuda mostra apenas as páginas e imagens da sua própria pasta.</translation>
    </message>
</context>
<context>
    <name>LayoutHeader</name>
    <message>
        <source>Game</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Peças</translation>
    </message>
    <message>
        <source>Free Tiles</source>
        <translation>Peças livres</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrelas</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>This will clear all game records! Are you sure?</source>
        <translation>Isto apagará todos os recordes! Tem certeza?</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Escolher layout...</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Reshuffle &amp;Tiles</source>
        <translation>E&amp;mbaralhar peças</translation>
    </message>
    <message>
        <source>&amp;Select Game Shuffle...</source>
        <translation>&amp;Selecionar número da partida...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;fazer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Di&amp;ca</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>M&amp;ostrar solução</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>F&amp;avorites</source>
        <translation>&amp;Favoritos</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites</source>
        <translation>&amp;Adicionar aos favoritos</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Criar</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Solução</translation>
    </message>
    <message>
        <source>Game &amp;Start</source>
        <translation>&amp;Início do jogo</translation>
    </message>
    <message>
        <source>&amp;Restore Move</source>
        <translation>Jogada &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>&amp;Próxima jogada</translation>
    </message>
    <message>
        <source>Game &amp;End</source>
        <translation>&amp;Fim do jogo</translation>
    </message>
    <message>
        <source>Return to &amp;Game</source>
        <translation>Voltar ao &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Voltar ao jogo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Colocar</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Apagar</translation>
    </message>
    <message>
        <source>&amp;Move Field</source>
        <translation>&amp;Mover campo</translation>
    </message>
    <message>
        <source>&amp;Auto Z</source>
        <translation>A&amp;uto Z</translation>
    </message>
    <message>
        <source>&amp;Custom Z</source>
        <translation>Z &amp;personalizado</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Background &amp;Picture...</source>
        <translation>&amp;Imagem de fundo...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Cor de fundo...</translation>
    </message>
    <message>
        <source>&amp;Tileset...</source>
        <translation>Conjunto de &amp;peças...</translation>
    </message>
    <message>
        <source>&amp;Enlarge Tiles Size</source>
        <translation>&amp;Aumentar peças</translation>
    </message>
    <message>
        <source>&amp;Reduce Tiles Size</source>
        <translation>&amp;Reduzir peças</translation>
    </message>
    <message>
        <source>&amp;Dim Blocked Tiles</source>
        <translation>&amp;Escurecer peças bloqueadas</translation>
    </message>
    <message>
        <source>Draw &amp;Shadows</source>
        <translation>Desenhar &amp;sombras</translation>
    </message>
    <message>
        <source>&amp;Longer Hints</source>
        <translation>Dicas mais &amp;longas</translation>
    </message>
    <message>
        <source>Res&amp;ume Unfinished Game</source>
        <translation>Retomar partida i&amp;nacabada</translation>
    </message>
    <message>
        <source>Show &amp;Winnable</source>
        <translation>Mostrar se é possível &amp;vencer</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>Sound and &amp;Music...</source>
        <translation>Som e &amp;música...</translation>
    </message>
    <message>
        <source>&amp;Clear Players Records</source>
        <translation>&amp;Zerar recordes dos jogadores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Como &amp;jogar</translation>
    </message>
    <message>
        <source>%1 Home &amp;Page</source>
        <translation>&amp;Site de %1</translation>
    </message>
    <message>
        <source>&amp;Tilvane Home Page</source>
        <translation>Site do &amp;Tilvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new game</comment>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>D&amp;aily Deal</source>
        <translation>Jogo do di&amp;a</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Es&amp;tatísticas...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>edit the layout</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>a new layout</comment>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>the editor&apos;s menu</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Next Layout After a Win</source>
        <translation>Próximo layout ao &amp;ganhar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Não foi possível ler o conjunto de peças!</translation>
    </message>
    <message>
        <source>Could not open picture &quot;%1&quot;!</source>
        <translation>Não foi possível abrir a imagem &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; has wrong tiles sizes!</source>
        <translation>O conjunto de peças &quot;%1&quot; tem tamanhos de peça errados!</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Círculos %1</translation>
    </message>
    <message>
        <source>Bamboos %1</source>
        <translation>Bambus %1</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Caracteres %1</translation>
    </message>
    <message>
        <source>Season Winter</source>
        <translation>Estação: inverno</translation>
    </message>
    <message>
        <source>Season Spring</source>
        <translation>Estação: primavera</translation>
    </message>
    <message>
        <source>Season Summer</source>
        <translation>Estação: verão</translation>
    </message>
    <message>
        <source>Season Autumn</source>
        <translation>Estação: outono</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Vento Norte</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Vento Sul</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Vento Leste</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Vento Oeste</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Dragão Verde</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Dragão Branco</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Dragão Vermelho</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes</source>
        <translation>&quot;%1&quot; é maior que %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Não é possível abrir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Não é possível ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Não é possível gravar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Não é possível criar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Não é possível substituir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the game file is damaged: %1</source>
        <translation>o arquivo do jogo está danificado: %1</translation>
    </message>
    <message>
        <source>undo step %1</source>
        <translation>passo de desfazer %1</translation>
    </message>
    <message>
        <source>redo step %1</source>
        <translation>passo de refazer %1</translation>
    </message>
    <message>
        <source>a face is out of range</source>
        <translation>uma figura está fora do intervalo</translation>
    </message>
    <message>
        <source>a face is there too often</source>
        <translation>uma figura aparece vezes demais</translation>
    </message>
    <message>
        <source>a tile has no partner</source>
        <translation>uma peça não tem par</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>a solução</translation>
    </message>
    <message>
        <source>the reshuffle count</source>
        <translation>o número de embaralhamentos</translation>
    </message>
    <message>
        <source>a reshuffle that was not made</source>
        <translation>um embaralhamento que não foi feito</translation>
    </message>
    <message>
        <source>the reshuffled board</source>
        <translation>o tabuleiro embaralhado</translation>
    </message>
    <message>
        <source>the reshuffled positions</source>
        <translation>as posições embaralhadas</translation>
    </message>
    <message>
        <source>the reshuffled faces</source>
        <translation>as figuras embaralhadas</translation>
    </message>
    <message>
        <source>the layout name</source>
        <translation>o nome do layout</translation>
    </message>
    <message>
        <source>the time played</source>
        <translation>o tempo de jogo</translation>
    </message>
    <message>
        <source>the tile count</source>
        <translation>o número de peças</translation>
    </message>
    <message>
        <source>two tiles in one place</source>
        <translation>duas peças no mesmo lugar</translation>
    </message>
    <message>
        <source>the tiles left</source>
        <translation>as peças restantes</translation>
    </message>
    <message>
        <source>not a game file</source>
        <translation>não é um arquivo de jogo</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>uma versão desconhecida</translation>
    </message>
    <message>
        <source>a tile&apos;s state</source>
        <translation>o estado de uma peça</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>ele termina antes do esperado</translation>
    </message>
    <message>
        <source>it goes on after its end</source>
        <translation>ele continua depois do seu fim</translation>
    </message>
    <message>
        <source>the counted flag</source>
        <translation>o indicador de partida contabilizada</translation>
    </message>
    <message>
        <source>the layout of the kept game cannot be read</source>
        <translation>o layout do jogo guardado não pode ser lido</translation>
    </message>
    <message>
        <source>the layout of the kept game has changed</source>
        <translation>o layout do jogo guardado mudou</translation>
    </message>
    <message>
        <source>the kept game does not fit its layout</source>
        <translation>o jogo guardado não corresponde ao seu layout</translation>
    </message>
    <message>
        <source>no kept game</source>
        <translation>não há jogo guardado</translation>
    </message>
    <message>
        <source>the layout file cannot be read</source>
        <translation>o arquivo do layout não pode ser lido</translation>
    </message>
    <message>
        <source>file ends inside the magic</source>
        <translation>o arquivo termina no meio da assinatura</translation>
    </message>
    <message>
        <source>file ends inside the header</source>
        <translation>o arquivo termina no meio do cabeçalho</translation>
    </message>
    <message>
        <source>file is shorter than its header announces</source>
        <translation>o arquivo é menor do que o seu cabeçalho indica</translation>
    </message>
    <message>
        <source>a layout holds at most %1 tiles, not %2</source>
        <translation>um layout tem no máximo %1 peças, não %2</translation>
    </message>
    <message>
        <source>a layout needs an even number of tiles, not %1</source>
        <translation>um layout precisa de um número par de peças, não %1</translation>
    </message>
    <message>
        <source>the layout spans more than 256 units in some direction</source>
        <translation>o layout ocupa mais de 256 unidades em alguma direção</translation>
    </message>
    <message>
        <source>two tiles stand at (%1, %2, %3)</source>
        <translation>há duas peças na posição (%1, %2, %3)</translation>
    </message>
    <message>
        <source>Failed reading file &quot;%1&quot;!</source>
        <translation>Falha ao ler o arquivo &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>O arquivo &quot;%1&quot; não existe!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a layout file!</source>
        <translation>O arquivo &quot;%1&quot; não é um arquivo de layout!</translation>
    </message>
    <message>
        <source>Invalid parameter in file &quot;%1&quot;!</source>
        <translation>Parâmetro inválido no arquivo &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:</source>
        <translation>Não foi possível excluir &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot;:</source>
        <translation>Não foi possível renomear &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Could not read the records file!</source>
        <translation>Não foi possível ler o arquivo de recordes!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved.</source>
        <translation>Os recordes desta sessão não poderão ser salvos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the Favourites list!</source>
        <translation>&quot;%1&quot; já está na lista de favoritos!</translation>
    </message>
    <message>
        <source>The Favourites list is full!</source>
        <translation>A lista de favoritos está cheia!</translation>
    </message>
    <message>
        <source>Please delete some layouts from the list first!</source>
        <translation>Exclua alguns layouts da lista primeiro!</translation>
    </message>
    <message>
        <source>The records of this session cannot be saved:</source>
        <translation>Os recordes desta sessão não poderão ser salvos:</translation>
    </message>
    <message>
        <source>Could not write the records file!</source>
        <translation>Não foi possível gravar o arquivo de recordes!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be deleted!</source>
        <translation>O layout &quot;%1&quot; está carregado e não pode ser excluído!</translation>
    </message>
    <message>
        <source>Layout &quot;%1&quot; is currently loaded and cannot be renamed!</source>
        <translation>O layout &quot;%1&quot; está carregado e não pode ser renomeado!</translation>
    </message>
    <message>
        <source>A layout name cannot begin with &quot;.&quot;: the file would be hidden!</source>
        <translation>O nome de um layout não pode começar com &quot;.&quot;: o arquivo ficaria oculto!</translation>
    </message>
    <message>
        <source>Please enter new layout name!</source>
        <translation>Digite o novo nome do layout!</translation>
    </message>
    <message>
        <source>Layout with this name already exists!</source>
        <translation>Já existe um layout com este nome!</translation>
    </message>
    <message>
        <source>Please enter file name!</source>
        <translation>Digite o nome do arquivo!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a records file of a version this program knows</source>
        <translation>&quot;%1&quot; não é um arquivo de recordes de uma versão que este programa conheça</translation>
    </message>
    <message>
        <source>Could not write layout file &quot;%1&quot;!</source>
        <translation>Não foi possível gravar o arquivo de layout &quot;%1&quot;!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n peça</numerusform>
            <numerusform>%n peças</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n jogada</numerusform>
            <numerusform>%n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n embaralhamento</numerusform>
            <numerusform>%n embaralhamentos</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep the unfinished game!</source>
        <translation>Não foi possível guardar o jogo inacabado!</translation>
    </message>
    <message>
        <source>Could not write the settings file!</source>
        <translation>Não foi possível gravar o arquivo de configurações!</translation>
    </message>
    <message>
        <source>Tileset &quot;%1&quot; was not loaded:</source>
        <translation>O conjunto de peças &quot;%1&quot; não foi carregado:</translation>
    </message>
    <message>
        <source>its descriptor names a tile size no field can show.</source>
        <translation>sua descrição indica um tamanho de peça que nenhum campo consegue mostrar.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;!</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>Could not copy the layout &quot;%1&quot;!</source>
        <translation>Não foi possível copiar o layout &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>no settings file; the defaults stand</source>
        <translation>sem arquivo de configurações; valem os padrões</translation>
    </message>
    <message>
        <source>There are no tiles on the field!</source>
        <translation>Não há peças no campo!</translation>
    </message>
    <message>
        <source>Number of tiles must be even (2,4,8...)!</source>
        <translation>O número de peças deve ser par (2, 4, 8...)!</translation>
    </message>
    <message>
        <source>Cannot create playable game for this layout!</source>
        <translation>Não foi possível criar um jogo com solução para este layout!</translation>
    </message>
    <message>
        <source>No more moves!</source>
        <translation>Não há mais jogadas!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>Resta %n peça</numerusform>
            <numerusform>Restam %n peças</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n jogada disponível</numerusform>
            <numerusform>%n jogadas disponíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>Resta %n embaralhamento</numerusform>
            <numerusform>Restam %n embaralhamentos</numerusform>
        </translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>Could not write the game history!$D</source>
        <translation>Não foi possível gravar o histórico de jogos!$D</translation>
    </message>
    <message>
        <source>Today&apos;s deal is played on the layout &quot;%1&quot;, which cannot be read from the layouts folder.</source>
        <translation>O jogo do dia é jogado no layout &quot;%1&quot;, que não pode ser lido da pasta de layouts.</translation>
    </message>
    <message>
        <source>Cannot open the history %1: %2</source>
        <translation>Não é possível abrir o histórico %1: %2</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>Não é possível ler o histórico de jogos %1: %2</translation>
    </message>
    <message>
        <source>The history %1 cannot be read and cannot be moved aside: %2</source>
        <translation>O histórico %1 não pode ser lido nem posto de lado: %2</translation>
    </message>
    <message>
        <source>Cannot start a new history %1</source>
        <translation>Não é possível iniciar um novo histórico %1</translation>
    </message>
    <message>
        <source>The game history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Não foi possível ler o histórico de jogos %1 (%2); ele foi posto de lado como %3 e um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <source>not a game history but another program&apos;s database</source>
        <translation>não é um histórico de jogos, mas o banco de dados de outro programa</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version (%2); it is left as it is.</source>
        <translation>O histórico de jogos %1 foi gravado por uma versão mais nova (%2); ele fica como está.</translation>
    </message>
    <message>
        <source>The game history %1 holds no games yet.</source>
        <translation>O histórico de jogos %1 ainda não tem nenhum jogo.</translation>
    </message>
    <message>
        <source>Cannot bring the game history %1 up to date: %2</source>
        <translation>Não é possível atualizar o histórico de jogos %1: %2</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>O histórico de jogos não está aberto.</translation>
    </message>
    <message>
        <source>Cannot write the game history %1: %2</source>
        <translation>Não é possível gravar o histórico de jogos %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the game history %1</source>
        <translation>Não é possível ler o histórico de jogos %1</translation>
    </message>
    <message>
        <source>Cannot read the game history %1: %2</source>
        <translation>Não é possível ler o histórico de jogos %1: %2</translation>
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
        <translation>Erro da biblioteca de som: %1</translation>
    </message>
    <message>
        <source>Failed to start the sound library: %1</source>
        <translation>Falha ao iniciar a biblioteca de som: %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>No errors</source>
        <translation>Nenhum erro</translation>
    </message>
    <message>
        <source>No sound output device could be opened</source>
        <translation>Nenhum dispositivo de saída de som pôde ser aberto</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Formato de arquivo desconhecido</translation>
    </message>
    <message>
        <source>Not enough memory or resources</source>
        <translation>Memória ou recursos insuficientes</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Um parâmetro inválido foi passado para esta função</translation>
    </message>
    <message>
        <source>Playing the sound failed</source>
        <translation>Falha ao tocar o som</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>No tilesets found!</source>
        <translation>Nenhum conjunto de peças encontrado!</translation>
    </message>
    <message>
        <source>Could not read layouts file!</source>
        <translation>Não foi possível ler o arquivo de layouts!</translation>
    </message>
    <message>
        <source>Could not read tiles file!</source>
        <translation>Não foi possível ler o arquivo de peças!</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Times of won games</source>
        <translation>Tempos dos jogos vencidos</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <translation>Nenhum jogo vencido ainda</translation>
    </message>
    <message>
        <source>moving median</source>
        <translation>mediana móvel</translation>
    </message>
    <message>
        <source>How long wins took</source>
        <translation>Duração das vitórias</translation>
    </message>
    <message>
        <source>Days played</source>
        <translation>Dias jogados</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jogados</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vencidos</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taxa de vitórias</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Melhor sequência</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Last 10 average</source>
        <translation>Média dos últimos 10</translation>
    </message>
    <message>
        <source>Daily streak</source>
        <translation>Sequência diária</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Todos os layouts</translation>
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
        <translation>Peças restantes</translation>
    </message>
    <message>
        <source>Moves available</source>
        <translation>Jogadas disponíveis</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Tempo de jogo</translation>
    </message>
    <message>
        <source>Reshuffles left</source>
        <translation>Embaralhamentos restantes</translation>
    </message>
    <message>
        <source>Current tile</source>
        <translation>Peça atual</translation>
    </message>
    <message>
        <source>Winnable or not</source>
        <translation>Tem solução ou não</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número da partida</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Tiles in the layout</source>
        <translation>Peças no layout</translation>
    </message>
    <message>
        <source>Free tiles in the layout</source>
        <translation>Peças livres no layout</translation>
    </message>
    <message>
        <source>Click to switch between the analog and the digital clock</source>
        <translation>Clique para alternar entre o relógio analógico e o digital</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Tem solução</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Sem solução</translation>
    </message>
    <message>
        <source>Click to copy the game number</source>
        <translation>Clique para copiar o número da partida</translation>
    </message>
    <message>
        <source>Game number copied</source>
        <translation>Número da partida copiado</translation>
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
        <translation>9 de março de 2013</translation>
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
        <translation>O número deve estar no intervalo de 1 a 4294967295!</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Opens the list of layouts to choose the next game from.</source>
        <translation>Abre a lista de layouts para escolher o próximo jogo.</translation>
    </message>
    <message>
        <source>Deals a new game of the current layout.</source>
        <translation>Distribui um novo jogo do layout atual.</translation>
    </message>
    <message>
        <source>Starts the current game again from its first move.</source>
        <translation>Recomeça o jogo atual desde a primeira jogada.</translation>
    </message>
    <message>
        <source>Takes back the last move.</source>
        <translation>Desfaz a última jogada.</translation>
    </message>
    <message>
        <source>Makes the move taken back again.</source>
        <translation>Refaz a jogada desfeita.</translation>
    </message>
    <message>
        <source>Shows a pair of free tiles that match.</source>
        <translation>Mostra um par de peças livres iguais.</translation>
    </message>
    <message>
        <source>Hides the tiles and stops the clock, or goes on with the game.</source>
        <translation>Esconde as peças e para o relógio, ou continua o jogo.</translation>
    </message>
    <message>
        <source>Chooses the background color.</source>
        <translation>Escolhe a cor de fundo.</translation>
    </message>
    <message>
        <source>Chooses the background picture.</source>
        <translation>Escolhe a imagem de fundo.</translation>
    </message>
    <message>
        <source>Chooses the tileset.</source>
        <translation>Escolhe o conjunto de peças.</translation>
    </message>
    <message>
        <source>Makes the tiles larger.</source>
        <translation>Deixa as peças maiores.</translation>
    </message>
    <message>
        <source>Makes the tiles smaller.</source>
        <translation>Deixa as peças menores.</translation>
    </message>
    <message>
        <source>Shows the tiles that cannot be removed yet in darker colors.</source>
        <translation>Mostra em cores mais escuras as peças que ainda não podem ser removidas.</translation>
    </message>
    <message>
        <source>Sets the sound effects and the music.</source>
        <translation>Ajusta os efeitos sonoros e a música.</translation>
    </message>
    <message>
        <source>Opens the help page of the game.</source>
        <translation>Abre a página de ajuda do jogo.</translation>
    </message>
    <message>
        <source>Starts a new empty layout.</source>
        <translation>Começa um novo layout vazio.</translation>
    </message>
    <message>
        <source>Opens a layout file to edit.</source>
        <translation>Abre um arquivo de layout para editar.</translation>
    </message>
    <message>
        <source>Saves the layout to a file.</source>
        <translation>Salva o layout em um arquivo.</translation>
    </message>
    <message>
        <source>Plays the layout being edited.</source>
        <translation>Joga o layout que está sendo editado.</translation>
    </message>
    <message>
        <source>Takes back the last change to the layout.</source>
        <translation>Desfaz a última alteração no layout.</translation>
    </message>
    <message>
        <source>Makes the change taken back again.</source>
        <translation>Refaz a alteração desfeita.</translation>
    </message>
    <message>
        <source>Clicking the field puts tiles.</source>
        <translation>Clicar no campo coloca peças.</translation>
    </message>
    <message>
        <source>Clicking a tile erases it.</source>
        <translation>Clicar numa peça a apaga.</translation>
    </message>
    <message>
        <source>Dragging moves the whole layout.</source>
        <translation>Arrastar move o layout inteiro.</translation>
    </message>
    <message>
        <source>New tiles go on top of the tiles below them.</source>
        <translation>As novas peças vão em cima das peças abaixo delas.</translation>
    </message>
    <message>
        <source>New tiles go on the level you choose.</source>
        <translation>As novas peças vão no nível que você escolher.</translation>
    </message>
    <message>
        <source>Lowers the level new tiles go on.</source>
        <translation>Abaixa o nível em que as novas peças são colocadas.</translation>
    </message>
    <message>
        <source>Raises the level new tiles go on.</source>
        <translation>Sobe o nível em que as novas peças são colocadas.</translation>
    </message>
    <message>
        <source>Opens the help page of the layout editor.</source>
        <translation>Abre a página de ajuda do editor de layouts.</translation>
    </message>
    <message>
        <source>Goes to the start of the solution.</source>
        <translation>Vai para o início da solução.</translation>
    </message>
    <message>
        <source>Goes one move back in the solution.</source>
        <translation>Volta uma jogada na solução.</translation>
    </message>
    <message>
        <source>Goes one move forward in the solution.</source>
        <translation>Avança uma jogada na solução.</translation>
    </message>
    <message>
        <source>Goes to the end of the solution.</source>
        <translation>Vai para o fim da solução.</translation>
    </message>
    <message>
        <source>Leaves the solution and returns to the game.</source>
        <translation>Sai da solução e volta ao jogo.</translation>
    </message>
    <message>
        <source>Opens the help page of the solution.</source>
        <translation>Abre a página de ajuda da solução.</translation>
    </message>
    <message>
        <source>Choose Layout (F3)</source>
        <translation>Escolher layout (F3)</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Novo jogo (F2)</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar jogo</translation>
    </message>
    <message>
        <source>Undo Move (F4)</source>
        <translation>Desfazer jogada (F4)</translation>
    </message>
    <message>
        <source>Redo Move (Ctrl+Y)</source>
        <translation>Refazer jogada (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Hint (F5)</source>
        <translation>Dica (F5)</translation>
    </message>
    <message>
        <source>Pause (P)</source>
        <translation>Pausa (P)</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Tileset</source>
        <translation>Conjunto de peças</translation>
    </message>
    <message>
        <source>Enlarge Tile Size (E)</source>
        <translation>Aumentar peças (E)</translation>
    </message>
    <message>
        <source>Reduce Tile Size (R)</source>
        <translation>Reduzir peças (R)</translation>
    </message>
    <message>
        <source>Dim Blocked Tiles</source>
        <translation>Escurecer peças bloqueadas</translation>
    </message>
    <message>
        <source>Sound and Music</source>
        <translation>Som e música</translation>
    </message>
    <message>
        <source>Game Help (F1)</source>
        <translation>Ajuda do jogo (F1)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo layout</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Desfazer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Refazer (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Put Tiles</source>
        <translation>Colocar peças</translation>
    </message>
    <message>
        <source>Erase Tiles</source>
        <translation>Apagar peças</translation>
    </message>
    <message>
        <source>Move Field</source>
        <translation>Mover campo</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Auto Z</translation>
    </message>
    <message>
        <source>Custom Z</source>
        <translation>Z personalizado</translation>
    </message>
    <message>
        <source>Z Level Down</source>
        <translation>Descer nível Z</translation>
    </message>
    <message>
        <source>Z Level Up</source>
        <translation>Subir nível Z</translation>
    </message>
    <message>
        <source>Editor Help (F1)</source>
        <translation>Ajuda do editor (F1)</translation>
    </message>
    <message>
        <source>Game Start (Home Button)</source>
        <translation>Início do jogo (tecla Home)</translation>
    </message>
    <message>
        <source>Restore Move (Left Arrow)</source>
        <translation>Jogada anterior (seta para a esquerda)</translation>
    </message>
    <message>
        <source>Next Move (Right Arrow)</source>
        <translation>Próxima jogada (seta para a direita)</translation>
    </message>
    <message>
        <source>Game End (End Button)</source>
        <translation>Fim do jogo (tecla End)</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message>
        <source>Solution Help (F1)</source>
        <translation>Ajuda da solução (F1)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Shows the figures and pictures of the games played.</source>
        <translation>Mostra os números e os gráficos dos jogos jogados.</translation>
    </message>
</context>
<context>
    <name>tv::HelpViewer</name>
    <message>
        <source>Tilvane Help</source>
        <translation>Ajuda do Tilvane</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot be followed.</source>
        <translation>Não é possível seguir o link &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not open the address &quot;%1&quot;!</source>
        <translation>Não foi possível abrir o endereço &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>No program to show it was found.</source>
        <translation>Nenhum programa para exibi-lo foi encontrado.</translation>
    </message>
</context>
<context>
    <name>tv::TF_About</name>
    <message>
        <source>About Program</source>
        <translation>Sobre o programa</translation>
    </message>
</context>
<context>
    <name>tv::TF_BkgPics</name>
    <message>
        <source>Choose Background Picture</source>
        <translation>Escolher imagem de fundo</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Please select a picture!</source>
        <translation>Selecione uma imagem!</translation>
    </message>
    <message>
        <source>The picture could not be read!</source>
        <translation>Não foi possível ler a imagem!</translation>
    </message>
</context>
<context>
    <name>tv::TF_ColorPicker</name>
    <message>
        <source>Choose Background Color</source>
        <translation>Escolher cor de fundo</translation>
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
        <translation>Cores padrão:</translation>
    </message>
    <message>
        <source>Selected Color:</source>
        <translation>Cor selecionada:</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Roda de cores</translation>
    </message>
</context>
<context>
    <name>tv::TF_Congrat</name>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Please enter your name for the records table:</source>
        <translation>Digite seu nome para a tabela de recordes:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>You have set a new record!</source>
        <translation>Você bateu um novo recorde!</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Você venceu o jogo!</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Next layout</source>
        <translation>Próximo layout</translation>
    </message>
</context>
<context>
    <name>tv::TF_Layouts</name>
    <message>
        <source>Choose Layout</source>
        <translation>Escolher layout</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recentes</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>All Layouts</source>
        <translation>Todos os layouts</translation>
    </message>
    <message>
        <source>Layout list</source>
        <translation>Lista de layouts</translation>
    </message>
    <message>
        <source>Layout preview</source>
        <translation>Prévia do layout</translation>
    </message>
    <message>
        <source>Record of the chosen layout</source>
        <translation>Recorde do layout escolhido</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Partidas jogadas:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Partidas vencidas:</translation>
    </message>
    <message>
        <source>Best Player:</source>
        <translation>Melhor jogador:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Estrelas:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; ?</source>
        <translation>Excluir o layout &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Delete layout &quot;%1&quot; from Favorites?</source>
        <translation>Remover o layout &quot;%1&quot; dos favoritos?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Music</name>
    <message>
        <source>Sound and Music Options</source>
        <translation>Opções de som e música</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Tocar sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Tocar música</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Choose Music</source>
        <translation>Escolha da música</translation>
    </message>
    <message>
        <source>Randomly</source>
        <translation>Aleatoriamente</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Em ordem</translation>
    </message>
    <message>
        <source>Pause between Music</source>
        <translation>Pausa entre músicas</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Arquivos de música</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>Próxima música</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>tv::TF_OpenSave</name>
    <message>
        <source>Layout files</source>
        <translation>Arquivos de layout</translation>
    </message>
    <message>
        <source>Enter file name</source>
        <translation>Digite o nome do arquivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Layout File</source>
        <translation>Salvar arquivo de layout</translation>
    </message>
    <message>
        <source>Open Layout File</source>
        <translation>Abrir arquivo de layout</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; does not exist!</source>
        <translation>O arquivo &quot;%1&quot; não existe!</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Overwrite it?</source>
        <translation>O arquivo &quot;%1&quot; já existe. Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>tv::TF_Rename</name>
    <message>
        <source>Rename Layout</source>
        <translation>Renomear layout</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>To</source>
        <translation>para</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Novo nome</translation>
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
        <translation>Selecionar partida</translation>
    </message>
    <message>
        <source>Select a game number from</source>
        <translation>Escolha um número de partida de</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número da partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Escolher conjunto de peças</translation>
    </message>
    <message>
        <source>Tilesets</source>
        <translation>Conjuntos de peças</translation>
    </message>
    <message>
        <source>Please select a tileset!</source>
        <translation>Selecione um conjunto de peças!</translation>
    </message>
    <message>
        <source>The tileset could not be read!</source>
        <translation>Não foi possível ler o conjunto de peças!</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
