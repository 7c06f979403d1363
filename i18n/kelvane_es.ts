<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Elija los colores</translation>
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
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>ningún valor</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; en este sentido, normalizado</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; en este sentido, no normalizado</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>código de 3 cifras</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>código de 4 cifras</translation>
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
        <translation>puente de cero ohmios</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>valor en pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>no es una marca</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>no existe ese número EIA-96</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fuera de rango</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>no normalizado; %1 más cercanos: %2 y %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>no normalizado</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
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
        <translation>Gris</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>no es un color</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>la banda %1 no puede ser %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: comando desconocido</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: opción desconocida</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 requiere un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 admite uno de estos valores: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 requiere un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 requiere un porcentaje mayor que 0 y menor que 100</translation>
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
        <translation>%1: valores, o una serie o un archivo de componentes, no ambos</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: fuera de rango, de %2 a %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: fuera de rango, de %2 hasta menos de %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 está por encima de %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: la salida debe ser mayor que 0 y menor que la entrada</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: ningún componente utilizable</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: más de %2 valores distintos</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existe el archivo</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: no se permite leerlo</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: más de %2 MB, demasiado grande para una lista de componentes</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 requiere dos números X,Y, cada uno de %2 a %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 bandas: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>códigos: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>%1 más cercanos: %2 (%3) y %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>red: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Listados aparte:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Sin leer:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 requiere un número de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 requiere LOW..HIGH en °C, cada uno de %2 a %3, LOW no mayor que HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 o %2, no ambos</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: la salida debe ser mayor que la referencia %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>peor caso %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>rendimiento %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Código de colores de resistencias</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
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
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>sin banda</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Valores normalizados de una década</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Desplazamiento %1 mm, %2 mm; escala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Valores leídos: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mis componentes</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Uno o varios valores por línea, como 4k7 o 4,7 k; 1% tras un valor da su tolerancia, si no 5 %; # inicia un comentario.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Sin leer: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ohmio</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ohmios</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloohmio</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloohmios</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaohmio</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaohmios</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 picofaradio</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 picofaradios</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofaradio</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofaradios</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 microfaradio</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 microfaradios</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 para resistencias y condensadores</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Libre para usar y compartir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>exacto</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 por ciento por debajo</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 por ciento por encima</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>en paralelo con</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Buscar valores</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mis componentes</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>C&amp;omponentes:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;Editar mis componentes...</translation>
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
        <translation>M&amp;áximo de piezas:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Por debajo</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Por encima</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Valores &amp;normalizados más cercanos:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Desviación</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Margen de tolerancia</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Mejores redes:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Tensión de entrada:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>Tensión de &amp;salida:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;desde:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;hasta:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Margen de salida</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>&amp;Pares de resistencias:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Ver &amp;bandas</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>demasiados componentes</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>sin componentes: editar mis componentes</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: por debajo %2, %3; por encima %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, de %4 a %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Una tensión es un número mayor que 0, como 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 es un intervalo de valores, como 1k a 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 de la entrada a la salida, R2 de la salida a masa.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>La salida debe ser mayor que 0 y menor que la entrada.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 voltios, %4, de %5 a %6 voltios</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>no es un rango de temperatura</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>no es un coeficiente</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>no es una tolerancia</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, rendimiento %1 por ciento, más o menos %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temper&amp;atura:</translation>
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
        <translation>Peor caso</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Divisor &amp;usual</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulador, pin de realimentación</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulador, pin de a&amp;juste</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Corriente de&amp;l pin, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, en el peor caso de %1 a %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>La tolerancia de la referencia y la corriente del pin son números desde 0, como 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 de la salida al pin, R2 del pin a masa.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>La salida debe ser mayor que la referencia.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, en el peor caso de %1 a %2 voltios</translation>
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
        <translation>&amp;Origen:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Valores escritos</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Una serie</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mis componentes</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Valores:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Serie:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;esde:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Ho&amp;ja:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Bandas:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 y 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Vista p&amp;revia...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>ningún valor</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>demasiados valores</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiquetas: %1, hojas: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Guardar etiquetas como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Desde la e&amp;tiqueta:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Desplazamiento horizontal</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Des&amp;plazamiento:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Desplazamiento vertical</translation>
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
        <translation>Pá&amp;gina de calibración...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Lista de materiales</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Lista de &amp;materiales...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etiquetas de una lista de materiales</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Listas de materiales (*.csv *.tsv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>ninguna lista de materiales elegida</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Haga clic en una banda<byte value="xd"/>para elegir su color</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Banda 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Banda 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Banda 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Banda 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Usar 4 bandas<byte value="xd"/>de color</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Usar 5 bandas<byte value="xd"/>de color</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Muestra el valor del componente</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Elegir / mostrar la<byte value="xd"/>tolerancia del componente</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Introduzca el valor del componente</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Multiplicar el valor introducido<byte value="xd"/>por 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Multiplicar el valor introducido<byte value="xd"/>por 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Multiplicar el valor<byte value="xd"/>introducido por 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Marcado: redondear al valor normalizado<byte value="xd"/>más cercano. Desmarcado: redondear<byte value="xd"/>siempre hacia arriba.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Haga clic para calcular<byte value="xd"/>el código de colores</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Muestra el valor introducido<byte value="xd"/>con su multiplicador</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacidad</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Componente</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistencia</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>C&amp;ondensador</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Mostrar sugerencias</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Código de colores</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Componente dibujado</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Banda de tolerancia</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Banda %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 bandas</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 bandas</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Introducir valor</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Valor del componente</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>al más cercano</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Valor introducido con multiplicador</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Error al convertir el valor</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>El valor del componente debe ser un número entre 1 y 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Marcas...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Buscar valores...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Imprimir &amp;etiquetas...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tabla del código de colores...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tabla del código de colores</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bandas</translation>
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
        <translation>Serie:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Códigos:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Rango:</translation>
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
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>multiplicador ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>cifra %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>no es un valor</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valor fuera de rango</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerancia fuera de rango</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>no es una resistencia ni un condensador</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>red de resistencias</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>ajustable</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>no montar</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>comillas sin cerrar</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>menos campos que la cabecera</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>sin referencia</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>no es un rango de referencias</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sin valor</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>la cantidad no coincide con las referencias</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: está vacío</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: no es una lista de materiales, ninguna línea nombra una columna Value o Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>coeficiente de temperatura fuera de rango</translation>
    </message>
</context>
</TS>
