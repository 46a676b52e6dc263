<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BlendMode</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Dissolver</translation>
    </message>
    <message>
        <source>Behind</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Escurecer</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Color Burn</source>
        <translation>Superexposição de cores</translation>
    </message>
    <message>
        <source>Linear Burn</source>
        <translation>Superexposição linear</translation>
    </message>
    <message>
        <source>Darker Color</source>
        <translation>Cor mais escura</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Clarear</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Color Dodge</source>
        <translation>Subexposição de cores</translation>
    </message>
    <message>
        <source>Linear Dodge</source>
        <translation>Subexposição linear (Adicionar)</translation>
    </message>
    <message>
        <source>Lighter Color</source>
        <translation>Cor mais clara</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sobrepor</translation>
    </message>
    <message>
        <source>Soft Light</source>
        <translation>Luz suave</translation>
    </message>
    <message>
        <source>Hard Light</source>
        <translation>Luz direta</translation>
    </message>
    <message>
        <source>Vivid Light</source>
        <translation>Luz brilhante</translation>
    </message>
    <message>
        <source>Linear Light</source>
        <translation>Luz linear</translation>
    </message>
    <message>
        <source>Pin Light</source>
        <translation>Luz do pino</translation>
    </message>
    <message>
        <source>Hard Mix</source>
        <translation>Mistura sólida</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Exclusion</source>
        <translation>Exclusão</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrair</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>Luminosidade</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Linear Height</source>
        <translation>Altura linear</translation>
    </message>
</context>
<context>
    <name>BrushFileView</name>
    <message>
        <source>Stroke simplified: the preset asks for more dabs or a larger tip than a preview paints</source>
        <translation>Traço simplificado: a predefinição pede mais toques ou uma ponta maior do que uma prévia pinta</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Padrões</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configurações: %1</translation>
    </message>
    <message>
        <source>Brushes</source>
        <translation>Pincéis</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>amostrada</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculada</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>de cerdas</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>erodível</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>%1 by %2 px</source>
        <translation>%1 por %2 px</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>favorito</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>configurações: %1</translation>
    </message>
</context>
<context>
    <name>BrushInstaller</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of painting applications</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed (the Refresh button at the foot of each) or it restarts</source>
        <translation>o GIMP mostra os pincéis novos assim que seus Pincéis, Padrões, Dinâmicas de pintura e Predefinições de ferramentas forem atualizados (o botão Atualizar ao pé de cada um) ou ao reiniciar</translation>
    </message>
    <message>
        <source>If they are running, %1, and Krita once it restarts.</source>
        <translation>Se estiverem abertos, %1, e o Krita ao reiniciar.</translation>
    </message>
    <message>
        <source>If it is running, %1.</source>
        <translation>Se estiver aberto, %1.</translation>
    </message>
    <message>
        <source>If it is running, Krita shows the new brushes once it restarts.</source>
        <translation>Se estiver aberto, o Krita mostra os pincéis novos ao reiniciar.</translation>
    </message>
    <message>
        <source>“%1” was not installed: %2.</source>
        <translation>“%1” não foi instalado: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be installed in %2.</source>
        <translation>“%1” não pôde ser instalado em %2.</translation>
    </message>
    <message>
        <source>“%1” was installed in %2.</source>
        <translation>“%1” foi instalado em %2.</translation>
    </message>
    <message>
        <source>“%1” is already installed in %2.</source>
        <translation>“%1” já está instalado em %2.</translation>
    </message>
    <message>
        <source>%1: installed %2 (its brushes folder was made for it)</source>
        <translation>%1: %2 instalado (sua pasta de pincéis foi criada)</translation>
    </message>
    <message>
        <source>%1: installed %2</source>
        <translation>%1: %2 instalado</translation>
    </message>
    <message>
        <source>%1: already installed as %2</source>
        <translation>%1: já instalado como %2</translation>
    </message>
    <message>
        <source>%1: already has %2</source>
        <translation>%1: já tem %2</translation>
    </message>
    <message>
        <source>%1: could not write %2: %3</source>
        <translation>%1: não foi possível gravar %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is damaged: only %Ln brush(es) could be read from it</source>
        <translation>
            <numerusform>o arquivo está danificado: só %Ln pincel pôde ser lido</numerusform>
            <numerusform>o arquivo está danificado: só %Ln pincéis puderam ser lidos</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>não é um arquivo de pincéis</translation>
    </message>
    <message>
        <source>a brush file of version %1, which Kelbrin cannot read</source>
        <translation>um arquivo de pincéis da versão %1, que o Kelbrin não sabe ler</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>memória insuficiente para lê-lo</translation>
    </message>
    <message>
        <source>the file holds patterns but no brushes (export them as pictures instead)</source>
        <translation>o arquivo contém padrões, mas nenhum pincel (exporte-os como imagens)</translation>
    </message>
    <message>
        <source>the file holds no brushes</source>
        <translation>o arquivo não contém pincéis</translation>
    </message>
    <message>
        <source>not a brush file, or too damaged for any brush to be read</source>
        <translation>não é um arquivo de pincéis, ou está danificado demais para ler algum pincel</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a painting application, what its pack holds</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, brush %2 %3: %4 (%5)</source>
        <translation>%1, pincel %2 %3: %4 (%5)</translation>
    </message>
    <message>
        <source>%1, preset %2 %3: %4</source>
        <translation>%1, predefinição %2 %3: %4</translation>
    </message>
    <message>
        <source>%1, pattern %2 %3: changed (%4)</source>
        <translation>%1, padrão %2 %3: alterado (%4)</translation>
    </message>
</context>
<context>
    <name>BrushSettings</name>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>fade</source>
        <translation>desaparecer</translation>
    </message>
    <message>
        <source>pen pressure</source>
        <translation>pressão da caneta</translation>
    </message>
    <message>
        <source>pen tilt</source>
        <translation>inclinação da caneta</translation>
    </message>
    <message>
        <source>stylus wheel</source>
        <translation>roda do estilo</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>rotação</translation>
    </message>
    <message>
        <source>initial direction</source>
        <translation>direção inicial</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direção</translation>
    </message>
    <message>
        <source>Shape Dynamics</source>
        <translation>Dinâmica de forma</translation>
    </message>
    <message>
        <source>Scattering</source>
        <translation>Dispersão</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Dual Brush</source>
        <translation>Pincel duplo</translation>
    </message>
    <message>
        <source>Color Dynamics</source>
        <translation>Dinâmica de cores</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferência</translation>
    </message>
    <message>
        <source>Brush Pose</source>
        <translation>Pose do pincel</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruído</translation>
    </message>
    <message>
        <source>Wet Edges</source>
        <translation>Arestas molhadas</translation>
    </message>
    <message>
        <source>Build-up</source>
        <translation>Aerógrafo</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavização</translation>
    </message>
    <message>
        <source>Protect Texture</source>
        <translation>Proteger textura</translation>
    </message>
    <message>
        <source>Brush Tip Shape</source>
        <translation>Forma da ponta do pincel</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Opções da ferramenta</translation>
    </message>
    <message numerus="yes">
        <source>fade %n steps</source>
        <translation>
            <numerusform>desaparecer em %n passo</numerusform>
            <numerusform>desaparecer em %n passos</numerusform>
        </translation>
    </message>
    <message>
        <source>control %1</source>
        <translation>controle %1</translation>
    </message>
    <message>
        <source>jitter %1 %</source>
        <translation>variação %1 %</translation>
    </message>
    <message>
        <source>minimum %1 %</source>
        <translation>mínimo %1 %</translation>
    </message>
</context>
<context>
    <name>BrushViewer</name>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X e Y</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>forma %1</translation>
    </message>
    <message>
        <source>Sampled</source>
        <translation>Amostrada</translation>
    </message>
    <message>
        <source>Computed tip</source>
        <translation>Ponta calculada</translation>
    </message>
    <message>
        <source>Bristle tip (preview)</source>
        <translation>Ponta de cerdas (prévia)</translation>
    </message>
    <message>
        <source>Airbrush tip (preview)</source>
        <translation>Ponta de aerógrafo (prévia)</translation>
    </message>
    <message>
        <source>Erodible tip (preview)</source>
        <translation>Ponta erodível (prévia)</translation>
    </message>
    <message>
        <source>both axes</source>
        <translation>ambos os eixos</translation>
    </message>
    <message>
        <source>%1, overrides the stylus</source>
        <translation>%1, prevalece sobre a caneta</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Xadrez</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Ponta</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Experimentar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>none: a stored tip no preset of the file uses</source>
        <translation>nenhuma: uma ponta salva que nenhuma predefinição do arquivo usa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Stored sample</source>
        <translation>Amostra salva</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidade</translation>
    </message>
    <message>
        <source>%1-bit</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Danificada</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) lost in the file, left blank</source>
        <translation>
            <numerusform>%n linha perdida no arquivo, deixada em branco</numerusform>
            <numerusform>%n linhas perdidas no arquivo, deixadas em branco</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>a drawn preview; Photoshop simulates this tip as it paints</source>
        <translation>uma prévia desenhada; o Photoshop simula esta ponta ao pintar</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation>Arredondamento</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Bristles</source>
        <translation>Cerdas</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Stiffness</source>
        <translation>Rigidez</translation>
    </message>
    <message>
        <source>Granularity</source>
        <translation>Granularidade</translation>
    </message>
    <message>
        <source>Spatter size</source>
        <translation>Tamanho dos respingos</translation>
    </message>
    <message>
        <source>Spatter amount</source>
        <translation>Quantidade de respingos</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Suavidade</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Minimum diameter</source>
        <translation>Diâmetro mínimo</translation>
    </message>
    <message>
        <source>Tilt scale</source>
        <translation>Escala de inclinação</translation>
    </message>
    <message>
        <source>Minimum roundness</source>
        <translation>Arredondamento mínimo</translation>
    </message>
    <message>
        <source>Flip jitter</source>
        <translation>Variação da inversão</translation>
    </message>
    <message>
        <source>Brush projection</source>
        <translation>Projeção do pincel</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Dispersão</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Count jitter</source>
        <translation>Variação da contagem</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Texture each tip</source>
        <translation>Texturizar cada ponta</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Minimum depth</source>
        <translation>Profundidade mínima</translation>
    </message>
    <message>
        <source>Depth jitter</source>
        <translation>Variação da profundidade</translation>
    </message>
    <message>
        <source>Apply per tip</source>
        <translation>Aplicar por ponta</translation>
    </message>
    <message>
        <source>Foreground/background</source>
        <translation>Primeiro plano/fundo</translation>
    </message>
    <message>
        <source>Hue jitter</source>
        <translation>Variação de matiz</translation>
    </message>
    <message>
        <source>Saturation jitter</source>
        <translation>Variação de saturação</translation>
    </message>
    <message>
        <source>Brightness jitter</source>
        <translation>Variação de brilho</translation>
    </message>
    <message>
        <source>Purity</source>
        <translation>Pureza</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluxo</translation>
    </message>
    <message>
        <source>Wetness</source>
        <translation>Umidade</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mistura</translation>
    </message>
    <message>
        <source>Tilt X</source>
        <translation>Inclinação X</translation>
    </message>
    <message>
        <source>Tilt Y</source>
        <translation>Inclinação Y</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotação</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Opções da ferramenta</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavização</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Tons de cinza</translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation>Cores indexadas</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>Multichannel</source>
        <translation>Multicanal</translation>
    </message>
    <message>
        <source>Duotone</source>
        <translation>Duotônico</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source> with alpha</source>
        <translation> com alfa</translation>
    </message>
    <message>
        <source> (shown as RGB)</source>
        <translation> (mostrado como RGB)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No settings beyond the tip</source>
        <translation>Nenhuma configuração além da ponta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Show the pattern</source>
        <translation>Mostrar o padrão</translation>
    </message>
    <message>
        <source>Show the pattern %1</source>
        <translation>Mostrar o padrão %1</translation>
    </message>
    <message>
        <source>The texture&apos;s pattern is not in this file: a plain noise stands in for it.</source>
        <translation>O padrão da textura não está neste arquivo: um ruído simples o substitui.</translation>
    </message>
    <message>
        <source>Simplified: the preset asks for more dabs or a larger tip than a preview paints.</source>
        <translation>Simplificado: a predefinição pede mais toques ou uma ponta maior do que uma prévia pinta.</translation>
    </message>
    <message>
        <source>Ink colour</source>
        <translation>Cor da tinta</translation>
    </message>
    <message>
        <source>Ink…</source>
        <translation>Tinta…</translation>
    </message>
    <message>
        <source>The pen pressure a mouse paints with</source>
        <translation>A pressão da caneta com que um mouse pinta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Salvar como PNG…</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Mouse pressure:</source>
        <translation>Pressão do mouse:</translation>
    </message>
    <message>
        <source>Ink Colour</source>
        <translation>Cor da tinta</translation>
    </message>
    <message>
        <source>stroke</source>
        <translation>traço</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Salvar como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Could Not Save</source>
        <translation>Não foi possível salvar</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>amostrada</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculada</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>de cerdas</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>erodível</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a fact&apos;s label, &quot;Size:&quot;</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Brush tip</source>
        <translation>Ponta do pincel</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>How the brush paints</source>
        <translation>Como o pincel pinta</translation>
    </message>
    <message>
        <source>Sheet to try the brush on</source>
        <translation>Folha para experimentar o pincel</translation>
    </message>
    <message>
        <source>The colour strokes on the sheet are painted in</source>
        <translation>A cor com que se pinta na folha</translation>
    </message>
    <message>
        <source>Tip size</source>
        <translation>Tamanho da ponta</translation>
    </message>
    <message>
        <source>Mouse pressure</source>
        <translation>Pressão do mouse</translation>
    </message>
    <message>
        <source>Wipes the strokes off the sheet</source>
        <translation>Apaga os traços da folha</translation>
    </message>
    <message>
        <source>Saves the sheet&apos;s strokes as a PNG image</source>
        <translation>Salva os traços da folha como imagem PNG</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Round Point</source>
        <translation>Ponta redonda</translation>
    </message>
    <message>
        <source>Round Blunt</source>
        <translation>Redonda sem ponta</translation>
    </message>
    <message>
        <source>Round Curve</source>
        <translation>Curva redonda</translation>
    </message>
    <message>
        <source>Round Angle</source>
        <translation>Ângulo redondo</translation>
    </message>
    <message>
        <source>Round Fan</source>
        <translation>Leque redondo</translation>
    </message>
    <message>
        <source>Flat Point</source>
        <translation>Ponta plana</translation>
    </message>
    <message>
        <source>Flat Blunt</source>
        <translation>Plana sem ponta</translation>
    </message>
    <message>
        <source>Flat Curve</source>
        <translation>Curva plana</translation>
    </message>
    <message>
        <source>Flat Angle</source>
        <translation>Ângulo plano</translation>
    </message>
    <message>
        <source>Flat Fan</source>
        <translation>Leque plano</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponta</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plana</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redonda</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrada</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triângulo</translation>
    </message>
</context>
<context>
    <name>BrushWindow</name>
    <message>
        <source>Thumbnail size</source>
        <translation>Tamanho das miniaturas</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>&amp;Install in %1</source>
        <translation>&amp;Instalar em %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Install in %1</source>
        <translation>Instalar em %1</translation>
    </message>
    <message>
        <source>Open Brush File</source>
        <translation>Abrir arquivo de pincéis</translation>
    </message>
    <message>
        <source>Brush files (*.abr *.ABR);;All files (*)</source>
        <translation>Arquivos de pincéis (*.abr *.ABR);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Looking for brush files</source>
        <translation>Procurando arquivos de pincéis</translation>
    </message>
    <message>
        <source>Fewer, larger brushes a row to the right</source>
        <translation>Para a direita: menos pincéis por linha, maiores</translation>
    </message>
</context>
<context>
    <name>CBrushCataloguer</name>
    <message numerus="yes">
        <source>Cataloguing brushes… %1 of %Ln file(s)</source>
        <translation>
            <numerusform>Catalogando pincéis… %1 de %Ln arquivo</numerusform>
            <numerusform>Catalogando pincéis… %1 de %Ln arquivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Mostrar no &amp;gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover para a &amp;lixeira</translation>
    </message>
    <message numerus="yes">
        <source>No duplicates found among %Ln catalogued files.</source>
        <translation>
            <numerusform>Nenhum duplicado entre %Ln arquivo catalogado.</numerusform>
            <numerusform>Nenhum duplicado entre %Ln arquivos catalogados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate brushes</source>
        <translation>Pincéis duplicados</translation>
    </message>
</context>
<context>
    <name>DuplicatesModel</name>
    <message numerus="yes">
        <source>%n identical files</source>
        <translation>
            <numerusform>%n arquivo idêntico</numerusform>
            <numerusform>%n arquivos idênticos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” in %n files</source>
        <translation>
            <numerusform>“%1” em %n arquivo</numerusform>
            <numerusform>“%1” em %n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One tip in %n files</source>
        <translation>
            <numerusform>Uma ponta em %n arquivo</numerusform>
            <numerusform>Uma ponta em %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
… e mais %1</translation>
    </message>
    <message>
        <source>Export Brushes as Images</source>
        <translation>Exportar pincéis como imagens</translation>
    </message>
    <message>
        <source>Some brushes of “%1” could not be written.</source>
        <translation>Alguns pincéis de “%1” não puderam ser gravados.</translation>
    </message>
    <message>
        <source>Some brushes of “%1” were too large to write at full size.</source>
        <translation>Alguns pincéis de “%1” eram grandes demais para gravar em tamanho real.</translation>
    </message>
    <message>
        <source>Some strokes of “%1” were not painted exactly as their presets ask.</source>
        <translation>Alguns traços de “%1” não foram pintados exatamente como suas predefinições pedem.</translation>
    </message>
    <message>
        <source>Use transparency</source>
        <translation>Usar transparência</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Pontas</translation>
    </message>
    <message>
        <source>Strokes (how each preset paints)</source>
        <translation>Traços (como cada predefinição pinta)</translation>
    </message>
    <message>
        <source>By number (0.png, 1.png, …)</source>
        <translation>Por número (0.png, 1.png, …)</translation>
    </message>
    <message>
        <source>By brush name</source>
        <translation>Por nome do pincel</translation>
    </message>
    <message>
        <source>Pad numbers with zeros (007.png)</source>
        <translation>Completar números com zeros (007.png)</translation>
    </message>
    <message>
        <source>Open the folder when done</source>
        <translation>Abrir a pasta ao terminar</translation>
    </message>
    <message>
        <source>Images of:</source>
        <translation>Imagens de:</translation>
    </message>
    <message>
        <source>Name files:</source>
        <translation>Nomear arquivos:</translation>
    </message>
    <message>
        <source>Painting the strokes of “%1”…</source>
        <translation>Pintando os traços de “%1”…</translation>
    </message>
    <message>
        <source>Writing the brushes of “%1”…</source>
        <translation>Gravando os pincéis de “%1”…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>“%1” has no brushes to export.</source>
        <translation>“%1” não tem pincéis para exportar.</translation>
    </message>
    <message>
        <source>The folder could not be made: %1</source>
        <translation>Não foi possível criar a pasta: %1</translation>
    </message>
    <message>
        <source>Images of</source>
        <translation>Imagens de</translation>
    </message>
    <message>
        <source>Name files</source>
        <translation>Nomear os arquivos</translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>The brush file could not be moved to the Trash.</source>
        <translation>O arquivo de pincéis não pôde ser movido para a lixeira.</translation>
    </message>
    <message>
        <source>Kelbrin did not write it: it belongs to another application, and Kelbrin leaves it alone.</source>
        <translation>O Kelbrin não o gravou: ele pertence a outro aplicativo, e o Kelbrin não mexe nele.</translation>
    </message>
    <message>
        <source>Check that you may change the folder that holds the file.</source>
        <translation>Verifique se você pode alterar a pasta que contém o arquivo.</translation>
    </message>
    <message>
        <source>“%1” was moved to the trash.</source>
        <translation>“%1” foi movido para a lixeira.</translation>
    </message>
    <message>
        <source>The file could not be taken back from the trash</source>
        <translation>Não foi possível recuperar o arquivo da lixeira</translation>
    </message>
    <message>
        <source>“%1” is back in %2.</source>
        <translation>“%1” voltou para %2.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>GIMP and Krita get the brushes in their own formats:</source>
        <translation>O GIMP e o Krita recebem os pincéis em seus próprios formatos:</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) written to %1</source>
        <translation>
            <numerusform>%Ln imagem gravada em %1</numerusform>
            <numerusform>%Ln imagens gravadas em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 of them drawn previews of bristle or erodible tips</source>
        <translation>, %1 delas prévias desenhadas de pontas de cerdas ou erodíveis</translation>
    </message>
    <message>
        <source>, %1 could not be written</source>
        <translation>, %1 não puderam ser gravadas</translation>
    </message>
    <message>
        <source> (stopped before the end)</source>
        <translation> (parado antes do fim)</translation>
    </message>
</context>
<context>
    <name>FileManagerLauncher</name>
    <message>
        <source>Neither the desktop&apos;s file manager nor xdg-open answered. The folder is:</source>
        <translation>Nem o gerenciador de arquivos da área de trabalho nem o xdg-open responderam. A pasta é:</translation>
    </message>
    <message>
        <source>No file manager could open the folder “%1”.</source>
        <translation>Nenhum gerenciador de arquivos conseguiu abrir a pasta “%1”.</translation>
    </message>
    <message>
        <source>No file manager could show “%1”.</source>
        <translation>Nenhum gerenciador de arquivos conseguiu mostrar “%1”.</translation>
    </message>
</context>
<context>
    <name>FileOutlineView</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Tags…</source>
        <translation>Etiquetas…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover para a lixeira</translation>
    </message>
</context>
<context>
    <name>InstallResultDialog</name>
    <message>
        <source>Installed (its brushes folder was made)</source>
        <translation>Instalado (sua pasta de pincéis foi criada)</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Already installed as “%1”</source>
        <translation>Já instalado como “%1”</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>Já instalado</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>Não instalado: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show %1 in the file manager</source>
        <translation>Mostrar %1 no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Show the %1 folder</source>
        <translation>Mostrar a pasta do %1</translation>
    </message>
</context>
<context>
    <name>InstalledFileOutlineModel</name>
    <message>
        <source>%1 — Local Brushes</source>
        <comment>a painting application&apos;s second brushes folder</comment>
        <translation>%1 — Pincéis locais</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source> It has been set aside as %1, and a new one is made at the next start.</source>
        <translation> Ela foi guardada à parte como %1, e uma nova será criada na próxima inicialização.</translation>
    </message>
    <message>
        <source> The library is off until the next start.</source>
        <translation> A biblioteca fica desligada até a próxima inicialização.</translation>
    </message>
    <message>
        <source>There is no brush library to keep it in.</source>
        <translation>Não há biblioteca de pincéis onde guardar isso.</translation>
    </message>
    <message>
        <source>The brush library is not ready yet: it is being checked.</source>
        <translation>A biblioteca de pincéis ainda não está pronta: está sendo verificada.</translation>
    </message>
</context>
<context>
    <name>LibraryResultsModel</name>
    <message>
        <source>Brush %1</source>
        <translation>Pincel %1</translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, favorito</translation>
    </message>
    <message>
        <source>Brush %1 in %2</source>
        <translation>Pincel %1 em %2</translation>
    </message>
</context>
<context>
    <name>LibraryResultsView</name>
    <message>
        <source>No brushes named “%1” in the library</source>
        <translation>Nenhum pincel chamado “%1” na biblioteca</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — more than %2, %2 shown</source>
        <translation>Pincéis chamados “%1” na biblioteca — mais de %2, %2 mostrados</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — %2</source>
        <translation>Pincéis chamados “%1” na biblioteca — %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Mostrar no &amp;gerenciador de arquivos</translation>
    </message>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Pincel &amp;favorito</translation>
    </message>
    <message>
        <source>Brushes found in the library</source>
        <translation>Pincéis encontrados na biblioteca</translation>
    </message>
</context>
<context>
    <name>MarksController</name>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Pincel &amp;favorito</translation>
    </message>
    <message>
        <source>Fa&amp;vourite File</source>
        <translation>Arquivo fa&amp;vorito</translation>
    </message>
    <message>
        <source>T&amp;ags…</source>
        <translation>&amp;Etiquetas…</translation>
    </message>
    <message>
        <source>&amp;Duplicates…</source>
        <translation>&amp;Duplicados…</translation>
    </message>
    <message>
        <source>The brush library could not keep that</source>
        <translation>A biblioteca de pincéis não conseguiu guardar isso</translation>
    </message>
</context>
<context>
    <name>OutlineModel</name>
    <message>
        <source>Tags: %1</source>
        <translation>Etiquetas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, folder, %n brush file(s)</source>
        <translation>
            <numerusform>%1, pasta, %n arquivo de pincéis</numerusform>
            <numerusform>%1, pasta, %n arquivos de pincéis</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, favorito</translation>
    </message>
</context>
<context>
    <name>OutlinesController</name>
    <message>
        <source>Filter brush files</source>
        <translation>Filtrar arquivos</translation>
    </message>
    <message>
        <source>Show all files, the favourites, or the files of one tag</source>
        <translation>Mostrar todos os arquivos, os favoritos ou os arquivos de uma etiqueta</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Installed Brushes</source>
        <translation>Pincéis instalados</translation>
    </message>
    <message>
        <source>No favourite brush file names contain “%1”</source>
        <translation>Nenhum nome de arquivo de pincéis favorito contém “%1”</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” have names containing “%2”</source>
        <translation>Nenhum arquivo de pincéis com a etiqueta “%1” tem nome contendo “%2”</translation>
    </message>
    <message>
        <source>No favourite brush files here</source>
        <translation>Nenhum arquivo de pincéis favorito aqui</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” here</source>
        <translation>Nenhum arquivo de pincéis com a etiqueta “%1” aqui</translation>
    </message>
    <message>
        <source>No brush file names contain “%1”</source>
        <translation>Nenhum nome de arquivo de pincéis contém “%1”</translation>
    </message>
    <message>
        <source>Searching for brush files…</source>
        <translation>Procurando arquivos de pincéis…</translation>
    </message>
    <message>
        <source>No brush files found</source>
        <translation>Nenhum arquivo de pincéis encontrado</translation>
    </message>
    <message>
        <source>No brush files found in:</source>
        <translation>Nenhum arquivo de pincéis encontrado em:</translation>
    </message>
    <message>
        <source>Shows only the files whose name or tags hold these words</source>
        <translation>Mostra só os arquivos cujo nome ou etiquetas contêm estas palavras</translation>
    </message>
    <message>
        <source>Files shown</source>
        <translation>Arquivos mostrados</translation>
    </message>
    <message>
        <source>Brush files</source>
        <translation>Arquivos de pincéis</translation>
    </message>
</context>
<context>
    <name>PackReport</name>
    <message>
        <source>loses its texture &quot;%1&quot; (the pattern is in the pack)</source>
        <translation>perde sua textura &quot;%1&quot; (o padrão está no pacote)</translation>
    </message>
    <message>
        <source>loses its texture &quot;%1&quot; (the file does not carry it)</source>
        <translation>perde sua textura &quot;%1&quot; (o arquivo não a contém)</translation>
    </message>
    <message>
        <source>characters of its name that are no text replaced or removed</source>
        <translation>caracteres do nome que não são texto substituídos ou removidos</translation>
    </message>
    <message>
        <source>name shortened to %1 bytes</source>
        <translation>nome encurtado para %1 bytes</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer), written as 25 %</source>
        <translation>espaçamento desligado (uma pincelada a cada movimento do ponteiro), gravado como 25 %</translation>
    </message>
    <message>
        <source>settings not carried (%1)</source>
        <translation>configurações não levadas (%1)</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>modo %1</translation>
    </message>
    <message>
        <source>opacity %1</source>
        <translation>opacidade %1</translation>
    </message>
    <message>
        <source>flow %1</source>
        <translation>fluxo %1</translation>
    </message>
    <message>
        <source>smoothing %1</source>
        <translation>suavização %1</translation>
    </message>
    <message>
        <source>tool options not carried (%1)</source>
        <translation>opções da ferramenta não levadas (%1)</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>alterado</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>não levado</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>mantido</translation>
    </message>
    <message>
        <source>approximated</source>
        <translation>aproximado</translation>
    </message>
    <message>
        <source>no pixels to carry</source>
        <translation>nenhum pixel para levar</translation>
    </message>
    <message>
        <source>soft edge painted by GIMP&apos;s own curve</source>
        <translation>borda suave pintada com a curva própria do GIMP</translation>
    </message>
    <message>
        <source>roundness raised to GIMP&apos;s 5 %</source>
        <translation>arredondamento elevado aos 5 % do GIMP</translation>
    </message>
    <message>
        <source>reduced to GIMP&apos;s largest radius, 4,000 pixels</source>
        <translation>reduzido ao maior raio do GIMP, 4.000 pixels</translation>
    </message>
    <message>
        <source>%1-bit reduced to 8-bit</source>
        <translation>%1 bits reduzidos a 8 bits</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 pixels</source>
        <translation>redimensionado de %1 para %2 pixels</translation>
    </message>
    <message>
        <source>GIMP averages its control and its jitter rather than combining them</source>
        <translation>o GIMP faz a média do controle e da variação em vez de combiná-los</translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation>%1 (controle)</translation>
    </message>
    <message>
        <source>GIMP has no input like control %1</source>
        <translation>o GIMP não tem entrada como o controle %1</translation>
    </message>
    <message>
        <source>fades over %1 pixels (%2 steps) along GIMP&apos;s eased curve</source>
        <translation>desaparece em %1 pixels (%2 passos) pela curva suavizada do GIMP</translation>
    </message>
    <message>
        <source>clamped to GIMP&apos;s longest fade</source>
        <translation>limitado ao desaparecimento mais longo do GIMP</translation>
    </message>
    <message>
        <source>fades over the length of the %1, GIMP having one fade a preset</source>
        <translation>desaparece no comprimento de %1, pois o GIMP tem um desaparecimento por predefinição</translation>
    </message>
    <message>
        <source>%1 jitter</source>
        <translation>%1 (variação)</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamanho</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>ângulo</translation>
    </message>
    <message>
        <source>roundness</source>
        <translation>arredondamento</translation>
    </message>
    <message>
        <source>flip x</source>
        <translation>inverter X</translation>
    </message>
    <message>
        <source>flip y</source>
        <translation>inverter Y</translation>
    </message>
    <message>
        <source>hardness</source>
        <translation>dureza</translation>
    </message>
    <message>
        <source>spacing</source>
        <translation>espaçamento</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer) written as 25 %</source>
        <translation>espaçamento desligado (uma pincelada a cada movimento do ponteiro) gravado como 25 %</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>ponta</translation>
    </message>
    <message>
        <source>drawn as one still tip: GIMP&apos;s paintbrush has no bristle or wearing tips</source>
        <translation>desenhada como uma ponta fixa: o pincel do GIMP não tem pontas de cerdas nem que se desgastam</translation>
    </message>
    <message>
        <source>tilt scale</source>
        <translation>escala de inclinação</translation>
    </message>
    <message>
        <source>GIMP&apos;s size follows tilt along one curve only</source>
        <translation>o tamanho do GIMP segue a inclinação por uma só curva</translation>
    </message>
    <message>
        <source>as GIMP&apos;s aspect ratio, which squashes the tip on a scale of its own</source>
        <translation>como proporção do GIMP, que achata a ponta em uma escala própria</translation>
    </message>
    <message>
        <source>flip x jitter</source>
        <translation>variação da inversão X</translation>
    </message>
    <message>
        <source>GIMP flips no tip at random</source>
        <translation>o GIMP não inverte nenhuma ponta ao acaso</translation>
    </message>
    <message>
        <source>flip y jitter</source>
        <translation>variação da inversão Y</translation>
    </message>
    <message>
        <source>brush projection</source>
        <translation>projeção do pincel</translation>
    </message>
    <message>
        <source>GIMP does not project the tip by the pen&apos;s tilt</source>
        <translation>o GIMP não projeta a ponta pela inclinação da caneta</translation>
    </message>
    <message>
        <source>GIMP scatters along the stroke as well as across it</source>
        <translation>o GIMP dispersa ao longo do traço e também através dele</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s %2</source>
        <translation>%1 limitado aos %2 do GIMP</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>dispersão</translation>
    </message>
    <message>
        <source>scatter control</source>
        <translation>controle da dispersão</translation>
    </message>
    <message>
        <source>there is no scatter for it to drive</source>
        <translation>não há dispersão para controlar</translation>
    </message>
    <message>
        <source>count</source>
        <translation>contagem</translation>
    </message>
    <message>
        <source>GIMP lays one dab at each step</source>
        <translation>o GIMP deposita uma pincelada a cada passo</translation>
    </message>
    <message>
        <source>count jitter</source>
        <translation>variação da contagem</translation>
    </message>
    <message>
        <source>foreground/background</source>
        <translation>primeiro plano/fundo</translation>
    </message>
    <message>
        <source>picked from GIMP&apos;s foreground-to-background gradient</source>
        <translation>tirado do gradiente de primeiro plano para fundo do GIMP</translation>
    </message>
    <message>
        <source>hue jitter</source>
        <translation>variação de matiz</translation>
    </message>
    <message>
        <source>saturation jitter</source>
        <translation>variação de saturação</translation>
    </message>
    <message>
        <source>brightness jitter</source>
        <translation>variação de brilho</translation>
    </message>
    <message>
        <source>purity</source>
        <translation>pureza</translation>
    </message>
    <message>
        <source>GIMP varies colour only along a gradient</source>
        <translation>o GIMP só varia a cor ao longo de um gradiente</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacidade</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>fluxo</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush has no flow</source>
        <translation>o pincel do GIMP não tem fluxo</translation>
    </message>
    <message>
        <source>wetness</source>
        <translation>umidade</translation>
    </message>
    <message>
        <source>GIMP has no mixer brush</source>
        <translation>o GIMP não tem pincel misturador</translation>
    </message>
    <message>
        <source>mix</source>
        <translation>mistura</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>textura</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern</source>
        <translation>o pincel do GIMP não pinta através de nenhum padrão</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern, and the file has none</source>
        <translation>o pincel do GIMP não pinta através de nenhum padrão, e o arquivo não tem nenhum</translation>
    </message>
    <message>
        <source>dual brush</source>
        <translation>pincel duplo</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints with one tip</source>
        <translation>o pincel do GIMP pinta com uma só ponta</translation>
    </message>
    <message>
        <source>brush pose</source>
        <translation>pose do pincel</translation>
    </message>
    <message>
        <source>GIMP takes tilt, rotation and pressure from the pen alone</source>
        <translation>o GIMP toma a inclinação, a rotação e a pressão só da caneta</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>ruído</translation>
    </message>
    <message>
        <source>GIMP adds no noise to a tip&apos;s edge</source>
        <translation>o GIMP não adiciona ruído à borda de uma ponta</translation>
    </message>
    <message>
        <source>wet edges</source>
        <translation>arestas molhadas</translation>
    </message>
    <message>
        <source>GIMP paints no wet edges</source>
        <translation>o GIMP não pinta arestas molhadas</translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>aerógrafo</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush lays no paint while held still (its airbrush does)</source>
        <translation>o pincel do GIMP não deposita tinta parado (o aerógrafo dele sim)</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>suavização</translation>
    </message>
    <message>
        <source>GIMP&apos;s stroke smoothing at its own weight</source>
        <translation>a suavização de traço do GIMP, com o próprio peso</translation>
    </message>
    <message>
        <source>protect texture</source>
        <translation>proteger textura</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s 0 to 100 %</source>
        <translation>%1 limitado aos 0 a 100 % do GIMP</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>GIMP has no mode like %1; painted in Normal</source>
        <translation>o GIMP não tem modo como %1; pintado em Normal</translation>
    </message>
    <message>
        <source>as GIMP&apos;s %1</source>
        <translation>como %1 do GIMP</translation>
    </message>
    <message>
        <source>airbrush tip written as a preview image</source>
        <translation>ponta de aerógrafo gravada como imagem de prévia</translation>
    </message>
    <message>
        <source>bristle tip written as a preview image</source>
        <translation>ponta de cerdas gravada como imagem de prévia</translation>
    </message>
    <message>
        <source>erodible tip written as a preview image</source>
        <translation>ponta erodível gravada como imagem de prévia</translation>
    </message>
    <message>
        <source>computed tip drawn as pixels</source>
        <translation>ponta calculada desenhada como pixels</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt elevation</source>
        <translation>inclinação da caneta como elevação da inclinação do Krita</translation>
    </message>
    <message>
        <source>the stroke&apos;s direction as Krita&apos;s drawing angle</source>
        <translation>a direção do traço como ângulo de desenho do Krita</translation>
    </message>
    <message>
        <source>its control (%1) is none Krita knows, left off</source>
        <translation>seu controle (%1) o Krita não conhece, omitido</translation>
    </message>
    <message>
        <source>%1 is beyond Krita&apos;s range, written as %2</source>
        <translation>%1 está fora do intervalo do Krita, gravado como %2</translation>
    </message>
    <message>
        <source>as the fade of Krita&apos;s round tip, which softens its edge along another curve</source>
        <translation>como o esmaecimento da ponta redonda do Krita, que suaviza a borda por outra curva</translation>
    </message>
    <message>
        <source>%1 dabs a step as spacing divided by %1</source>
        <translation>%1 pinceladas por passo como espaçamento dividido por %1</translation>
    </message>
    <message>
        <source>a bristle tip as its drawn picture, in Krita&apos;s pixel brush: Krita&apos;s bristle engine takes none of Photoshop&apos;s bristle settings</source>
        <translation>uma ponta de cerdas como sua imagem desenhada, no pincel de pixels do Krita: o motor de cerdas do Krita não aceita nenhuma configuração de cerdas do Photoshop</translation>
    </message>
    <message>
        <source>an erodible tip as its drawn picture, in Krita&apos;s pixel brush, which does not wear</source>
        <translation>uma ponta erodível como sua imagem desenhada, no pincel de pixels do Krita, que não se desgasta</translation>
    </message>
    <message>
        <source>the tip is written smaller; Krita enlarges it %1 times to the preset&apos;s %2 pixels</source>
        <translation>a ponta é gravada menor; o Krita a amplia %1 vezes até os %2 pixels da predefinição</translation>
    </message>
    <message>
        <source>flip</source>
        <translation>inverter</translation>
    </message>
    <message>
        <source>Krita&apos;s tilt sensor has no scale of its own</source>
        <translation>o sensor de inclinação do Krita não tem escala própria</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt direction</source>
        <translation>inclinação da caneta como direção da inclinação do Krita</translation>
    </message>
    <message>
        <source>the jitter as Krita&apos;s random rotation, at the strength of the control as well</source>
        <translation>a variação como rotação aleatória do Krita, também com a intensidade do controle</translation>
    </message>
    <message>
        <source>flip jitter</source>
        <translation>variação da inversão</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not lay the tip on the pen&apos;s tilt</source>
        <translation>o pincel de pixels do Krita não deita a ponta pela inclinação da caneta</translation>
    </message>
    <message>
        <source>across the stroke as Krita&apos;s Y axis</source>
        <translation>através do traço como eixo Y do Krita</translation>
    </message>
    <message>
        <source>as closer spacing: Krita&apos;s pixel brush lays one dab a step</source>
        <translation>como espaçamento menor: o pincel de pixels do Krita deposita uma pincelada por passo</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush lays one dab a step</source>
        <translation>o pincel de pixels do Krita deposita uma pincelada por passo</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>the file does not carry the pattern &quot;%1&quot;</source>
        <translation>o arquivo não contém o padrão &quot;%1&quot;</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>invert</source>
        <translation>inverter</translation>
    </message>
    <message>
        <source>brightness and contrast</source>
        <translation>brilho e contraste</translation>
    </message>
    <message>
        <source>on Krita&apos;s scales, which are not Photoshop&apos;s</source>
        <translation>nas escalas do Krita, que não são as do Photoshop</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita has</source>
        <translation>%1 como Multiplicação, que o Krita tem</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>nenhum modo</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>profundidade</translation>
    </message>
    <message>
        <source>depth jitter</source>
        <translation>variação da profundidade</translation>
    </message>
    <message>
        <source>texture each tip off</source>
        <translation>texturizar cada ponta desligado</translation>
    </message>
    <message>
        <source>Krita textures each dab</source>
        <translation>o Krita texturiza cada pincelada</translation>
    </message>
    <message>
        <source>the file does not carry the dual brush&apos;s tip</source>
        <translation>o arquivo não contém a ponta do pincel duplo</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita&apos;s masking brush has</source>
        <translation>%1 como Multiplicação, que o pincel de máscara do Krita tem</translation>
    </message>
    <message>
        <source>its angle of %1° left out</source>
        <translation>seu ângulo de %1° omitido</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush is not flipped at random</source>
        <translation>o pincel de máscara do Krita não é invertido ao acaso</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush lays one dab a step</source>
        <translation>o pincel de máscara do Krita deposita uma pincelada por passo</translation>
    </message>
    <message>
        <source>as Krita&apos;s random %1 shift</source>
        <translation>como deslocamento aleatório de %1 do Krita</translation>
    </message>
    <message>
        <source>hue</source>
        <translation>matiz</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>saturação</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>brilho</translation>
    </message>
    <message>
        <source>control</source>
        <translation>controle</translation>
    </message>
    <message>
        <source>as Krita&apos;s mix toward the background colour</source>
        <translation>como mistura do Krita em direção à cor de fundo</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no steady saturation shift</source>
        <translation>o pincel de pixels do Krita não tem deslocamento de saturação constante</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not mix paint on the canvas</source>
        <translation>o pincel de pixels do Krita não mistura tinta na tela</translation>
    </message>
    <message>
        <source>Krita has no blend mode %1</source>
        <translation>o Krita não tem o modo de mesclagem %1</translation>
    </message>
    <message>
        <source>Krita keeps smoothing with its brush tool, not in a preset</source>
        <translation>o Krita guarda a suavização na ferramenta pincel, não na predefinição</translation>
    </message>
    <message>
        <source>pose</source>
        <translation>pose</translation>
    </message>
    <message>
        <source>Krita&apos;s presets take the pen&apos;s own tilt, rotation and pressure</source>
        <translation>as predefinições do Krita usam a inclinação, a rotação e a pressão da própria caneta</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush adds no grain to a tip&apos;s soft edges</source>
        <translation>o pincel de pixels do Krita não adiciona granulação às bordas suaves da ponta</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no wet edges</source>
        <translation>o pincel de pixels do Krita não tem arestas molhadas</translation>
    </message>
    <message>
        <source>each Krita preset keeps its own texture</source>
        <translation>cada predefinição do Krita mantém a própria textura</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n pincel</numerusform>
            <numerusform>%n pincéis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n alterado</numerusform>
            <numerusform>%n alterados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not carried</source>
        <translation>
            <numerusform>%n não levado</numerusform>
            <numerusform>%n não levados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n predefinição</numerusform>
            <numerusform>%n predefinições</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximated</source>
        <translation>
            <numerusform>%n aproximada</numerusform>
            <numerusform>%n aproximadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n padrão</numerusform>
            <numerusform>%n padrões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose their texture</source>
        <translation>
            <numerusform>%n pincel perde sua textura</numerusform>
            <numerusform>%n pincéis perdem sua textura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose settings</source>
        <translation>
            <numerusform>%n pincel perde configurações</numerusform>
            <numerusform>%n pincéis perdem configurações</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of a pack</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading, a fate</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>a heading, a setting, a fate</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a setting&apos;s fate and how</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the changes of a brush</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ReadErrorText</name>
    <message>
        <source>not a valid brush file, or damaged</source>
        <translation>não é um arquivo de pincéis válido, ou está danificado</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>o arquivo termina antes do esperado</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erro %1</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>não é um arquivo de pincéis</translation>
    </message>
    <message>
        <source>unsupported version %1</source>
        <translation>versão %1 não suportada</translation>
    </message>
</context>
<context>
    <name>ReadMessageBar</name>
    <message>
        <source>Not a brush file</source>
        <translation>Não é um arquivo de pincéis</translation>
    </message>
    <message>
        <source>Not a brush file Kelbrin can read (version %1)</source>
        <translation>Não é um arquivo de pincéis que o Kelbrin saiba ler (versão %1)</translation>
    </message>
    <message>
        <source>This file is damaged: %1 and %2 could be read</source>
        <translation>Este arquivo está danificado: %1 e %2 puderam ser lidos</translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln pincel</numerusform>
            <numerusform>%Ln pincéis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln padrão</numerusform>
            <numerusform>%Ln padrões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file is damaged: %Ln brush(es) could be read</source>
        <translation>
            <numerusform>Este arquivo está danificado: %Ln pincel pôde ser lido</numerusform>
            <numerusform>Este arquivo está danificado: %Ln pincéis puderam ser lidos</numerusform>
        </translation>
    </message>
    <message>
        <source>not enough memory to read this file</source>
        <translation>memória insuficiente para ler este arquivo</translation>
    </message>
</context>
<context>
    <name>ReadingController</name>
    <message numerus="yes">
        <source>Reading… %Ln brush(es)</source>
        <translation>
            <numerusform>Lendo… %Ln pincel</numerusform>
            <numerusform>Lendo… %Ln pincéis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln pincel</numerusform>
            <numerusform>%Ln pincéis</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1)</source>
        <comment>the kinds of the brushes counted</comment>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln padrão</numerusform>
            <numerusform>%Ln padrões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sampled</source>
        <translation>
            <numerusform>%Ln amostrada</numerusform>
            <numerusform>%Ln amostradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln computed</source>
        <translation>
            <numerusform>%Ln calculada</numerusform>
            <numerusform>%Ln calculadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bristle</source>
        <translation>
            <numerusform>%Ln de cerdas</numerusform>
            <numerusform>%Ln de cerdas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln erodible</source>
        <translation>
            <numerusform>%Ln erodível</numerusform>
            <numerusform>%Ln erodíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %Ln selected</source>
        <translation>
            <numerusform> — %Ln selecionado</numerusform>
            <numerusform> — %Ln selecionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the brush file</source>
        <translation>Lendo o arquivo de pincéis</translation>
    </message>
</context>
<context>
    <name>ScratchCanvas</name>
    <message>
        <source>Could not write the picture to %1.</source>
        <translation>Não foi possível gravar a imagem em %1.</translation>
    </message>
</context>
<context>
    <name>TagsDialog</name>
    <message>
        <source>Tags of “%1”</source>
        <translation>Etiquetas de “%1”</translation>
    </message>
    <message>
        <source>New tag</source>
        <translation>Nova etiqueta</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Words of your own to find this file by: the box beside the filter shows the files that have one.</source>
        <translation>Palavras suas para encontrar este arquivo: a caixa ao lado do filtro mostra os arquivos que têm uma.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>WatchLimitBar</name>
    <message>
        <source>Hide this message</source>
        <translation>Ocultar esta mensagem</translation>
    </message>
    <message>
        <source>Not every folder can be watched for changes: the system&apos;s limit (fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s instead, so changes there show up late.
To raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in /etc/sysctl.d/)</source>
        <translation>Nem toda pasta pode ser vigiada: o limite do sistema (fs.inotify.max_user_watches) foi atingido. O Kelbrin verifica as outras a cada %1 s, então as mudanças nelas aparecem com atraso.
Para aumentar o limite: sudo sysctl fs.inotify.max_user_watches=524288 (para mantê-lo, coloque essa configuração num arquivo em /etc/sysctl.d/)</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover para a lixeira</translation>
    </message>
    <message>
        <source>Show &amp;Strokes</source>
        <translation>Mostrar &amp;traços</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>Traços</translation>
    </message>
    <message>
        <source>Show how each brush paints</source>
        <translation>Mostrar como cada pincel pinta</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Export as Images…</source>
        <translation>&amp;Exportar como imagens…</translation>
    </message>
    <message>
        <source>Export &amp;Selected…</source>
        <translation>Exportar sele&amp;ção…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Mostrar no &amp;gerenciador de arquivos</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover para a &amp;lixeira</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Kelbrin &amp;Help</source>
        <translation>&amp;Ajuda do Kelbrin</translation>
    </message>
    <message>
        <source>&amp;About Kelbrin</source>
        <translation>&amp;Sobre o Kelbrin</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>&amp;Find Brush Files</source>
        <translation>&amp;Buscar arquivos de pincéis</translation>
    </message>
    <message>
        <source>&amp;View Brush</source>
        <translation>Ve&amp;r pincel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>Tamanho &amp;original</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>Mostrar &amp;nomes</translation>
    </message>
    <message>
        <source>Show &amp;All Folders</source>
        <translation>Mostrar todas as &amp;pastas</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;ema</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Escuro</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Nenhum arquivo recente</translation>
    </message>
    <message>
        <source>Kelbrin Help</source>
        <translation>Ajuda do Kelbrin</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; shows the brushes in Photoshop brush files.&lt;/p&gt;&lt;p&gt;Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home and End jump to the first and last brushes.&lt;/p&gt;&lt;p&gt;Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. Double-click or press Space to see it large; Left and Right step through the file. Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.&lt;/p&gt;&lt;p&gt;File ▸ Export as Images… writes every brush as a PNG file into a new folder; Export Selected… only the selected ones.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O &lt;b&gt;Kelbrin&lt;/b&gt; mostra os pincéis dos arquivos de pincéis do Photoshop.&lt;/p&gt;&lt;p&gt;Abra um arquivo com Arquivo ▸ Abrir… ou solte-o na janela. Mude o tamanho das miniaturas com o controle deslizante, Ctrl+roda ou Ver ▸ Ampliar e Reduzir (Ctrl+0 volta); Home e End saltam para o primeiro e o último pincel.&lt;/p&gt;&lt;p&gt;Clique num pincel para selecioná-lo, Ctrl ou Shift e clique para selecionar mais, Ctrl+A para todos. Clique duplo ou Espaço o mostra grande; Esquerda e Direita percorrem o arquivo. Ctrl+C copia o pincel como imagem; arraste pincéis para fora para soltá-los como arquivos PNG.&lt;/p&gt;&lt;p&gt;Arquivo ▸ Exportar como imagens… grava cada pincel como arquivo PNG numa pasta nova; Exportar seleção… só os selecionados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Browse the brushes in Photoshop brush files (.abr): find them all, look at every brush, export them as images. Kelbrin never changes a brush file.&lt;/p&gt;&lt;p&gt;The licence is in the copyright file installed with Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Explore os pincéis dos arquivos de pincéis do Photoshop (.abr): encontre todos, veja cada pincel, exporte-os como imagens. O Kelbrin nunca altera um arquivo de pincéis.&lt;/p&gt;&lt;p&gt;A licença está no arquivo copyright instalado com o Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Kelbrin</source>
        <translation>Sobre o Kelbrin</translation>
    </message>
    <message>
        <source>Move the brush file to the trash</source>
        <translation>Mover o arquivo de pincéis para a lixeira</translation>
    </message>
    <message>
        <source>Save the brushes as PNG images</source>
        <translation>Salvar os pincéis como imagens PNG</translation>
    </message>
</context>
<context>
    <name>kelbrin</name>
    <message>
        <source>Browse the brushes in Photoshop brush files.</source>
        <translation>Explorar os pincéis dos arquivos de pincéis do Photoshop.</translation>
    </message>
    <message>
        <source>Open FILE, save a picture of the window to OUT and quit.</source>
        <translation>Abrir FILE, salvar uma imagem da janela em OUT e sair.</translation>
    </message>
    <message>
        <source>Without showing a window, wait until the search for brush files has done its first pass, print both outlines with every folder open, and quit.</source>
        <translation>Sem mostrar janela, esperar a busca por arquivos de pincéis fazer sua primeira passagem, imprimir as duas árvores com todas as pastas abertas e sair.</translation>
    </message>
    <message>
        <source>With --dump-outlines: print every folder (Show All Folders).</source>
        <translation>Com --dump-outlines: imprimir todas as pastas (Mostrar todas as pastas).</translation>
    </message>
    <message>
        <source>A brush file to show (a path or a file:// URI).</source>
        <translation>Um arquivo de pincéis a mostrar (um caminho ou uma URI file://).</translation>
    </message>
</context>
<context>
    <name>kelbrin-cli</name>
    <message>
        <source>read brush files and list their brushes</source>
        <translation>ler arquivos de pincéis e listar seus pincéis</translation>
    </message>
    <message>
        <source>write the brushes of FILE (tips, or strokes) as PNG files into a new folder</source>
        <translation>gravar os pincéis de FILE (pontas ou traços) como arquivos PNG numa pasta nova</translation>
    </message>
    <message>
        <source>paint a brush&apos;s stroke in black on white into a PNG file</source>
        <translation>pintar o traço de um pincel em preto sobre branco num arquivo PNG</translation>
    </message>
    <message>
        <source>write each file&apos;s brushes in GIMP&apos;s or Krita&apos;s own formats</source>
        <translation>gravar os pincéis de cada arquivo nos formatos próprios do GIMP ou do Krita</translation>
    </message>
    <message>
        <source>show brush files as the folder outline shows them</source>
        <translation>mostrar os arquivos de pincéis como a árvore de pastas os mostra</translation>
    </message>
    <message>
        <source>find brush files (everywhere, or below the folders)</source>
        <translation>procurar arquivos de pincéis (em toda parte, ou abaixo das pastas)</translation>
    </message>
    <message>
        <source>list the installed painting applications</source>
        <translation>listar os aplicativos de pintura instalados</translation>
    </message>
    <message>
        <source>copy a brush file into every application&apos;s brushes folder</source>
        <translation>copiar um arquivo de pincéis para a pasta de pincéis de cada aplicativo</translation>
    </message>
    <message>
        <source>move files to the trash (--yes: delete those no trash takes)</source>
        <translation>mover arquivos para a lixeira (--yes: apagar os que nenhuma lixeira aceita)</translation>
    </message>
    <message>
        <source>bring the brush library up to date (everywhere, or below the folders)</source>
        <translation>atualizar a biblioteca de pincéis (em toda parte, ou abaixo das pastas)</translation>
    </message>
    <message>
        <source>list the library&apos;s brushes whose names hold TEXT</source>
        <translation>listar os pincéis da biblioteca cujo nome contém TEXT</translation>
    </message>
    <message>
        <source>list identical files and tips found in more than one file</source>
        <translation>listar arquivos idênticos e pontas presentes em mais de um arquivo</translation>
    </message>
    <message>
        <source>give a file tags</source>
        <translation>dar etiquetas a um arquivo</translation>
    </message>
    <message>
        <source>take tags from a file</source>
        <translation>tirar etiquetas de um arquivo</translation>
    </message>
    <message>
        <source>list the tags, or the files with TAG</source>
        <translation>listar as etiquetas, ou os arquivos com TAG</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>opções:</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ajuda</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <translation>Tente “%1” para mais informações.</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <comment>the synopsis of kelbrin-cli</comment>
        <translation>COMANDO [ARGUMENTOS]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>COMANDO</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>comandos:</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconhecido %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>--to gimp or --to krita is needed</source>
        <translation>é preciso --to gimp ou --to krita</translation>
    </message>
    <message>
        <source>unknown --to &quot;%1&quot;</source>
        <translation>--to “%1” desconhecido</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>nenhum FILE indicado</translation>
    </message>
    <message>
        <source>no FILE and DIR given</source>
        <translation>nem FILE nem DIR indicados</translation>
    </message>
    <message>
        <source>no DIR given</source>
        <translation>nenhum DIR indicado</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>argumentos demais</translation>
    </message>
    <message>
        <source>DIR must name a new folder, not &quot;%1&quot;</source>
        <translation>DIR deve nomear uma pasta nova, não “%1”</translation>
    </message>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds precisa de um número inteiro de segundos</translation>
    </message>
    <message>
        <source>one FILE at a time</source>
        <translation>um FILE por vez</translation>
    </message>
    <message>
        <source>a file and at least one tag are needed</source>
        <translation>são precisos um arquivo e pelo menos uma etiqueta</translation>
    </message>
    <message>
        <source>one text to search for is needed</source>
        <translation>é preciso um texto para buscar</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>nenhum argumento é aceito</translation>
    </message>
    <message>
        <source>at most one tag is taken</source>
        <translation>no máximo uma etiqueta é aceita</translation>
    </message>
    <message>
        <source>--switch-after needs a brush count (0 or more)</source>
        <translation>--switch-after precisa de um número de pincéis (0 ou mais)</translation>
    </message>
    <message>
        <source>--switch-after takes exactly two files</source>
        <translation>--switch-after aceita exatamente dois arquivos</translation>
    </message>
    <message>
        <source>no --out PNG given</source>
        <translation>nenhum --out PNG indicado</translation>
    </message>
    <message>
        <source>--name takes a brush&apos;s name, not &quot;&quot;</source>
        <translation>--name aceita o nome de um pincel, não “”</translation>
    </message>
    <message>
        <source>--brush and --name both choose the brush; give one</source>
        <translation>--brush e --name escolhem ambos o pincel; indique um</translation>
    </message>
    <message>
        <source>--brush takes a brush&apos;s number, not &quot;%1&quot;</source>
        <translation>--brush aceita o número de um pincel, não “%1”</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size aceita LARGURAxALTURA, cada uma de 1 a %1 pixels, não “%2”</translation>
    </message>
    <message>
        <source>--seed takes a number from 0 to 4294967295, not &quot;%1&quot;</source>
        <translation>--seed aceita um número de 0 a 4294967295, não “%1”</translation>
    </message>
    <message>
        <source>--exclude and --restrict cannot be combined</source>
        <translation>--exclude e --restrict não podem ser combinados</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>nenhum PATH indicado</translation>
    </message>
    <message>
        <source>print one JSON document</source>
        <translation>imprimir um documento JSON</translation>
    </message>
    <message>
        <source>gimp (a brushes folder per file) or krita (a bundle)</source>
        <translation>gimp (uma pasta de pincéis por arquivo) ou krita (um pacote)</translation>
    </message>
    <message>
        <source>where to write (default: the current folder)</source>
        <translation>onde gravar (padrão: a pasta atual)</translation>
    </message>
    <message>
        <source>black paint on a clear background instead of ink on white</source>
        <translation>tinta preta sobre fundo transparente em vez de tinta sobre branco</translation>
    </message>
    <message>
        <source>name the files after their brushes (Soft Round.png) instead of their number</source>
        <translation>nomear os arquivos pelos seus pincéis (Soft Round.png) em vez do número</translation>
    </message>
    <message>
        <source>write each preset&apos;s stroke (400 x 160, the S-curve, seed 1) instead of its tip</source>
        <translation>gravar o traço de cada predefinição (400 x 160, a curva em S, semente 1) em vez da ponta</translation>
    </message>
    <message>
        <source>go on reporting changes</source>
        <translation>continuar informando mudanças</translation>
    </message>
    <message>
        <source>stop watching after N seconds</source>
        <translation>parar de vigiar após N segundos</translation>
    </message>
    <message>
        <source>print one JSON object per line</source>
        <translation>imprimir um objeto JSON por linha</translation>
    </message>
    <message>
        <source>print the longest event-loop stall at the end</source>
        <translation>imprimir no fim a maior parada do laço de eventos</translation>
    </message>
    <message>
        <source>print the counts as JSON</source>
        <translation>imprimir as contagens como JSON</translation>
    </message>
    <message>
        <source>print the brushes as JSON</source>
        <translation>imprimir os pincéis como JSON</translation>
    </message>
    <message>
        <source>print the groups as JSON</source>
        <translation>imprimir os grupos como JSON</translation>
    </message>
    <message>
        <source>print as JSON</source>
        <translation>imprimir como JSON</translation>
    </message>
    <message>
        <source>list the tips the file stores, in its own order, instead of its presets</source>
        <translation>listar as pontas que o arquivo guarda, na ordem dele, em vez das predefinições</translation>
    </message>
    <message>
        <source>leave FILE1 for FILE2 after N brushes, as the window does</source>
        <translation>passar de FILE1 para FILE2 após N pincéis, como a janela faz</translation>
    </message>
    <message>
        <source>paint brush N, by its number in the listing (default 0)</source>
        <translation>pintar o pincel N, pelo número na listagem (padrão 0)</translation>
    </message>
    <message>
        <source>paint the first brush named TEXT, or whose name holds it</source>
        <translation>pintar o primeiro pincel chamado TEXT, ou cujo nome o contém</translation>
    </message>
    <message>
        <source>the image&apos;s size in pixels (default 400x160)</source>
        <translation>o tamanho da imagem em pixels (padrão 400x160)</translation>
    </message>
    <message>
        <source>the preview&apos;s S-curve (default), a straight line, or points from a JSON file</source>
        <translation>a curva em S da prévia (padrão), uma linha reta ou pontos de um arquivo JSON</translation>
    </message>
    <message>
        <source>the seed of the brush&apos;s randomness (default 1)</source>
        <translation>a semente do acaso do pincel (padrão 1)</translation>
    </message>
    <message>
        <source>the PNG file to write (replaced if it exists)</source>
        <translation>o arquivo PNG a gravar (substituído se existir)</translation>
    </message>
    <message>
        <source>delete the files no trash takes, as if asked and answered yes</source>
        <translation>apagar os arquivos que nenhuma lixeira aceita, como se respondido sim</translation>
    </message>
    <message>
        <source>sort the top level shallowest first</source>
        <translation>ordenar o nível superior do mais raso ao mais fundo</translation>
    </message>
    <message>
        <source>print the full view: the root and each volume</source>
        <translation>imprimir a visão completa: a raiz e cada volume</translation>
    </message>
    <message>
        <source>never a level unless it holds a file itself</source>
        <translation>nunca um nível, a menos que contenha um arquivo</translation>
    </message>
    <message>
        <source>every folder inside it is a level</source>
        <translation>cada pasta dentro dela é um nível</translation>
    </message>
    <message>
        <source>leave out what lies below it</source>
        <translation>deixar de fora o que está abaixo</translation>
    </message>
    <message>
        <source>keep only what lies below it</source>
        <translation>manter só o que está abaixo</translation>
    </message>
    <message>
        <source>then run the commands of FILE (- for standard input)</source>
        <translation>depois executar os comandos de FILE (- para a entrada padrão)</translation>
    </message>
    <message>
        <source>%1; nothing exported</source>
        <translation>%1; nada foi exportado</translation>
    </message>
    <message>
        <source>no brushes; nothing exported</source>
        <translation>nenhum pincel; nada foi exportado</translation>
    </message>
    <message>
        <source>exporting the %1 and %2 read before the error</source>
        <translation>exportando os %1 e %2 lidos antes do erro</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n pincel</numerusform>
            <numerusform>%n pincéis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n padrão</numerusform>
            <numerusform>%n padrões</numerusform>
        </translation>
    </message>
    <message>
        <source>exporting the %1 read before the error</source>
        <translation>exportando os %1 lidos antes do erro</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Criada %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s)</source>
        <translation>
            <numerusform>%n arquivo gravado</numerusform>
            <numerusform>%n arquivos gravados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pattern(s) into patterns/</source>
        <translation>
            <numerusform>%n padrão gravado em patterns/</numerusform>
            <numerusform>%n padrões gravados em patterns/</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Gravado: %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Não foi possível gravar: %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>no painting application is installed (see kelbrin-cli apps)</source>
        <translation>nenhum programa de pintura está instalado (veja kelbrin-cli apps)</translation>
    </message>
    <message>
        <source>It has been set aside as %1; the next command starts a new one.</source>
        <translation>Ela foi posta de lado como %1; o próximo comando começa uma nova.</translation>
    </message>
    <message>
        <source>the library could not be written</source>
        <translation>não foi possível gravar a biblioteca</translation>
    </message>
    <message>
        <source>%1 files looked at: %2 read (%3 not to the end), %4 unchanged, %5 not written, %6 removed</source>
        <translation>%1 arquivos examinados: %2 lidos (%3 não até o fim), %4 inalterados, %5 não gravados, %6 removidos</translation>
    </message>
    <message>
        <source>library: %1 files, %2 brushes</source>
        <translation>biblioteca: %1 arquivos, %2 pincéis</translation>
    </message>
    <message>
        <source>the search could not be started</source>
        <translation>não foi possível iniciar a busca</translation>
    </message>
    <message>
        <source>identical files:</source>
        <translation>arquivos idênticos:</translation>
    </message>
    <message>
        <source>identical tips:</source>
        <translation>pontas idênticas:</translation>
    </message>
    <message>
        <source>larger than 16 MB, too large for a path</source>
        <translation>maior que 16 MB, grande demais para um caminho</translation>
    </message>
    <message>
        <source>%1 is the brush file itself; not replaced</source>
        <translation>%1 é o próprio arquivo de pincéis; não foi substituído</translation>
    </message>
    <message>
        <source>no points</source>
        <translation>nenhum ponto</translation>
    </message>
    <message>
        <source>cannot use the path %1: %2</source>
        <translation>não é possível usar o caminho %1: %2</translation>
    </message>
    <message>
        <source>%1; nothing painted</source>
        <translation>%1; nada foi pintado</translation>
    </message>
    <message>
        <source>no brushes; nothing painted</source>
        <translation>nenhum pincel; nada foi pintado</translation>
    </message>
    <message>
        <source>no brush named %1 among its %2</source>
        <translation>nenhum pincel chamado %1 entre seus %2</translation>
    </message>
    <message>
        <source>no brush %1; the brushes read before the damage are 0 to %2</source>
        <translation>não há pincel %1; os pincéis lidos antes do dano vão de 0 a %2</translation>
    </message>
    <message>
        <source>no brush %1; its brushes are 0 to %2</source>
        <translation>não há pincel %1; seus pincéis vão de 0 a %2</translation>
    </message>
    <message>
        <source>brush %1 has a tip of no pixels; it paints nothing</source>
        <translation>o pincel %1 tem uma ponta sem pixels; não pinta nada</translation>
    </message>
    <message>
        <source>brush %1</source>
        <translation>pincel %1</translation>
    </message>
    <message>
        <source>the stroke was simplified: its preset asks for more dabs, or a larger tip, than one stroke may paint</source>
        <translation>o traço foi simplificado: sua predefinição pede mais toques, ou uma ponta maior, do que um traço pode pintar</translation>
    </message>
    <message>
        <source>the texture&apos;s pattern %1 is not in the file; plain noise stands in for it</source>
        <translation>o padrão %1 da textura não está no arquivo; um ruído simples o substitui</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>não é possível ler o script %1: %2</translation>
    </message>
    <message>
        <source>brush %1 %2: %3</source>
        <translation>pincel %1 %2: %3</translation>
    </message>
    <message>
        <source>preset %1 %2</source>
        <translation>predefinição %1 %2</translation>
    </message>
    <message>
        <source>pattern %1 changed: %2</source>
        <translation>padrão %1 alterado: %2</translation>
    </message>
    <message>
        <source>no brushes or patterns; nothing converted</source>
        <translation>nenhum pincel ou padrão; nada foi convertido</translation>
    </message>
    <message>
        <source>converting the %1 read before the error</source>
        <translation>convertendo os %1 lidos antes do erro</translation>
    </message>
    <message>
        <source>not every folder can be watched for changes (the system&apos;s limit fs.inotify.max_user_watches is reached), so the others are read again every %1 s and changes there show up late; to raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (and that setting in a file in /etc/sysctl.d/ to keep it)</source>
        <translation>nem todas as pastas podem ser observadas (o limite do sistema fs.inotify.max_user_watches foi atingido), então as outras são relidas a cada %1 s e as mudanças nelas aparecem com atraso; para aumentar o limite: sudo sysctl fs.inotify.max_user_watches=524288 (e essa configuração em um arquivo em /etc/sysctl.d/ para mantê-la)</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>pasta inexistente</translation>
    </message>
</context>
</TS>
