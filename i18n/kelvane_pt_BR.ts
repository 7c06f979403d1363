<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Escolha as cores</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nenhum valor</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; neste sentido, padrão</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; neste sentido, fora do padrão</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>código de 3 dígitos</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>código de 4 dígitos</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>código de letra</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>código EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>jumper de zero ohm</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>valor em pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>não é uma marcação</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>número EIA-96 inexistente</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fora do intervalo</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>fora do padrão; %1 mais próximos: %2 e %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>fora do padrão</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>Red</source>
        <translation variants="yes">
            <lengthvariant>Vermelho</lengthvariant>
            <lengthvariant>Verm.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dourado</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prateado</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>não é uma cor</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>a faixa %1 não pode ser %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: comando desconhecido</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: opção desconhecida</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 requer um valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 aceita um destes valores: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 requer um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 requer uma porcentagem acima de 0 e abaixo de 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: argumento inesperado</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: valores, ou uma série ou arquivo de peças, não ambos</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: fora do intervalo, de %2 a %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: fora do intervalo, de %2 até abaixo de %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 está acima de %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: a saída deve ficar acima de 0 e abaixo da entrada</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: nenhuma peça utilizável</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: mais de %2 valores diferentes</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: arquivo não encontrado</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: sem permissão de leitura</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: mais de %2 MB, grande demais para uma lista de peças</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 requer dois números X,Y, cada um de %2 a %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 faixas: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>códigos: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>%1 mais próximos: %2 (%3) e %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>rede: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Listados à parte:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Não lidas:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 requer um número de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 requer LOW..HIGH em °C, cada um de %2 a %3, LOW não acima de HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 ou %2, não ambos</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: a saída deve ficar acima da referência %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>pior caso %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>rendimento %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Código de cores de resistores</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Dígito</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicador</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerância</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>sem faixa</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Valores padronizados de uma década</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Deslocamento %1 mm, %2 mm; escala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>não é possível gravar %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Valores lidos: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Minhas peças</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Um ou alguns valores por linha, como 4k7 ou 4,7 k; 1% após um valor dá sua tolerância, senão 5 %; # inicia um comentário.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Não lidas: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ohms</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 quilo-ohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 quilo-ohms</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaohms</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 picofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 picofarads</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofarads</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 microfarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 microfarads</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <comment>decimal point</comment>
        <translation>%1,%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 para resistores e capacitores</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Livre para usar e compartilhar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>exato</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 por cento abaixo</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 por cento acima</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>em paralelo com</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Encontrar valores</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Minhas peças</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Peças:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Editar mi&amp;nhas peças...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Redes</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>D&amp;ivisor</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>M&amp;áximo de peças:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Abaixo</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Acima</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Va&amp;lores padrão mais próximos:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Desvio</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Faixa de tolerância</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Melhores redes:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Tensão de entrada:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>Tensão de &amp;saída:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;de:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;até:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Faixa de saída</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Par&amp;es de resistores:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Mostrar &amp;faixas</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>peças demais</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>nenhuma peça: edite minhas peças</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: abaixo %2, %3; acima %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, de %4 a %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Uma tensão é um número acima de 0, como 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 é uma faixa de valores, como 1k a 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 da entrada à saída, R2 da saída ao terra.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>A saída deve ficar acima de 0 e abaixo da entrada.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volts, %4, de %5 a %6 volts</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>não é uma faixa de temperatura</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>não é um coeficiente</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>não é uma tolerância</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, rendimento %1 por cento, mais ou menos %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temperat&amp;ura:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Coeficiente:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>Má&amp;ximo ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Pior caso</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rendimento</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Divisor &amp;básico</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulador, pino de realimentação</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulador, pino de a&amp;juste</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>C&amp;orrente do pino, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, no pior caso de %1 a %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>A tolerância da referência e a corrente do pino são números a partir de 0, como 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 da saída ao pino, R2 do pino ao terra.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>A saída deve ficar acima da referência.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, no pior caso de %1 a %2 volts</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Origem:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Valores digitados</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Uma série</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Minhas peças</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Valores:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Série:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;e:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>A&amp;té:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Folha:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>F&amp;aixas:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 e 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Visuali&amp;zar...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Salvar como P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>nenhum valor</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>valores demais</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiquetas: %1, folhas: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Salvar etiquetas como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Iniciar na etiq&amp;ueta:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Deslocamento horizontal</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Des&amp;locamento:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Deslocamento vertical</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Escala horizontal</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Es&amp;cala:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Escala vertical</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>&amp;Página de calibração...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Lista de materiais</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Lista de &amp;materiais...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etiquetas de uma lista de materiais</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Listas de materiais (*.csv *.tsv *.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>nenhuma lista de materiais escolhida</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Clique em uma faixa<byte value="xd"/>para escolher a cor</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Faixa 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Faixa 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Faixa 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Faixa 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerância</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Usar 4 faixas<byte value="xd"/>de cor</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Usar 5 faixas<byte value="xd"/>de cor</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Mostra o valor do componente</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Escolher / mostrar a<byte value="xd"/>tolerância do componente</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Digite o valor do componente</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Multiplicar o valor digitado<byte value="xd"/>por 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Multiplicar o valor digitado<byte value="xd"/>por 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Multiplicar o valor<byte value="xd"/>digitado por 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Marcado: arredonda para o valor padrão<byte value="xd"/>mais próximo. Desmarcado: arredonda<byte value="xd"/>sempre para cima.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Clique para calcular<byte value="xd"/>o código de cores</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Mostra o valor digitado<byte value="xd"/>com seu multiplicador</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistência</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacitância</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Componente</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistor</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Capacitor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Mostrar dicas</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Código de cores</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Componente desenhado</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Faixa de tolerância</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 faixas</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 faixas</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Digite o valor</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Valor do componente</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>ao mais próximo</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Valor digitado com multiplicador</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Erro ao converter o valor</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>O valor do componente deve ser um número entre 1 e 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Marcações...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Encontrar valores...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Imprimir &amp;etiquetas...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tabela do código de cores...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tabela do código de cores</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Marcações</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marcação</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Faixas</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Código:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Série:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Códigos:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Faixa:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Invertido:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Tol.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>multiplicador ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>dígito %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>não é um valor</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valor fora do intervalo</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerância fora do intervalo</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>não é resistor nem capacitor</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>rede de resistores</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>não montar</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>aspas não fechadas</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>menos campos que o cabeçalho</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>sem referência</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>não é um intervalo de referências</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sem valor</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>quantidade diferente do número de referências</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: está vazio</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: não é uma lista de materiais, nenhuma linha nomeia uma coluna Value ou Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>coeficiente de temperatura fora do intervalo</translation>
    </message>
</context>
</TS>
