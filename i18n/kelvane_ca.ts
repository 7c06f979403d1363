<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>buida</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Trieu els colors</translation>
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
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>cap valor</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; en aquest sentit, normalitzat</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; en aquest sentit, no normalitzat</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>codi de 3 xifres</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>codi de 4 xifres</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>codi de lletra</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>codi EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>pont de zero ohms</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>valor en pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>buit</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>no és un marcatge</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>número EIA-96 inexistent</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fora de rang</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>no normalitzat; %1 més propers: %2 i %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>no normalitzat</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Negre</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marró</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermell</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Taronja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Groc</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verd</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
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
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>no és un color</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>la banda %1 no pot ser %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: ordre desconeguda</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: opció desconeguda</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 requereix un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admet cap valor</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 admet un d&apos;aquests valors: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 requereix un nombre enter de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 requereix un percentatge més gran que 0 i més petit que 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: argument inesperat</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: valors, o una sèrie o un fitxer de components, no tots dos</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: fora de rang, de %2 a %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: fora de rang, de %2 fins a menys de %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 està per sobre de %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: la sortida ha de ser més gran que 0 i més petita que l&apos;entrada</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: cap component utilitzable</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: més de %2 valors diferents</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: el fitxer no existeix</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: no es permet llegir-lo</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: és una carpeta, no un fitxer</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no es pot llegir %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: més de %2 MB, massa gran per a una llista de components</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 requereix dos nombres X,Y, cadascun de %2 a %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 bandes: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>codis: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>%1 més propers: %2 (%3) i %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>xarxa: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Llistats a part:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>No llegides:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línia %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 requereix un nombre de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 requereix LOW..HIGH en °C, cadascun de %2 a %3, LOW no més gran que HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 o %2, no tots dos</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: la sortida ha de ser més gran que la referència %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>pitjor cas %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>rendiment %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Codi de colors de resistències</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Dígit</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicador</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerància</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>sense banda</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Valors normalitzats d&apos;una dècada</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Desplaçament %1 mm, %2 mm; escala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>no es pot escriure %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Valors llegits: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Els meus components</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Un o uns quants valors per línia, com 4k7 o 4,7 k; 1% després d&apos;un valor en dona la tolerància, si no 5 %; # comença un comentari.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>No llegides: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línia %1: %2</translation>
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
        <translation>%1 quiloohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 quiloohms</translation>
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
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 per a resistències i condensadors</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Es pot usar i compartir lliurement.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>exacte</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 per cent per sota</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 per cent per sobre</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>més</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>en paral·lel amb</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Cerca valors</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Els meus components</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>C&amp;omponents:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;Edita els meus components...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Xarxes</translation>
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
        <translation>&amp;Màxim de peces:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Sèrie</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Per sota</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Per sobre</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Valors &amp;normalitzats més propers:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Xarxa</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Desviació</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Marge de tolerància</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Mi&amp;llors xarxes:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Tensió d&apos;entrada:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>Tensió de &amp;sortida:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;des de:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;fins a:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortida</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Marge de sortida</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>&amp;Parells de resistències:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Mostra les &amp;bandes</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>massa components</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>cap component: edita els meus components</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: per sota %2, %3; per sobre %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, de %4 a %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Una tensió és un nombre més gran que 0, com 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 és un interval de valors, com 1k a 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 de l&apos;entrada a la sortida, R2 de la sortida a massa.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>La sortida ha de ser més gran que 0 i més petita que l&apos;entrada.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volts, %4, de %5 a %6 volts</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>no és un interval de temperatura</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>no és un coeficient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>no és una tolerància</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, rendiment %1 per cent, més o menys %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Tempe&amp;ratura:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Coeficient:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>M&amp;àx. ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Pitjor cas</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rendiment</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Divisor &amp;únic</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulador, pin de realimentació</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulador, pin d&apos;a&amp;just</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Corrent &amp;al pin, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, en el pitjor cas de %1 a %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>La tolerància de la referència i el corrent del pin són nombres des de 0, com 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 de la sortida al pin, R2 del pin a massa.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>La sortida ha de ser més gran que la referència.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, en el pitjor cas de %1 a %2 volts</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etiquetes</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valors</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Origen:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Valors escrits</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Una sèrie</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Els meus components</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Valors:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Sèrie:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;es de:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Fins a:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>F&amp;ull:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Bandes:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 i 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Previsualitza...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimeix...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Desa com a P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>cap valor</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>massa valors</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiquetes: %1, fulls: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Desa les etiquetes com a PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fitxers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Des de l&apos;e&amp;tiqueta:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Desplaçament horitzontal</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Desp&amp;laçament:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Desplaçament vertical</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Escala horitzontal</translation>
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
        <translation>Pà&amp;gina de calibratge...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Llista de materials</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Llista de &amp;materials...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etiquetes d&apos;una llista de materials</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Llistes de materials (*.csv *.tsv *.txt);;Tots els fitxers (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>no s&apos;ha triat cap llista de materials</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no es pot llegir %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Feu clic en una banda<byte value="xd"/>per triar-ne el color</translation>
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
        <translation>Tolerància</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Usa 4 bandes<byte value="xd"/>de color</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Usa 5 bandes<byte value="xd"/>de color</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Mostra el valor del component</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Tria / mostra la<byte value="xd"/>tolerància del component</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Introduïu el valor del component</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Multiplica el valor introduït<byte value="xd"/>per 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Multiplica el valor introduït<byte value="xd"/>per 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Multiplica el valor<byte value="xd"/>introduït per 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Marcat: arrodoneix al valor normalitzat<byte value="xd"/>més proper. Desmarcat: arrodoneix<byte value="xd"/>sempre cap amunt.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Feu clic per calcular<byte value="xd"/>el codi de colors</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Mostra el valor introduït<byte value="xd"/>amb el seu multiplicador</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistència</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacitat</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Component</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistència</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Condensador</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Mostra els indicadors de funció</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Quant a...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Codi de colors</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Component dibuixat</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Banda de tolerància</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Banda %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 bandes</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 bandes</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Introduïu el valor</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Valor del component</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>al més proper</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcula</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Valor introduït amb multiplicador</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Error en convertir el valor</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>El valor del component ha de ser un nombre entre 1 i 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Marcatges...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>Cerca &amp;valors...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Imprimeix &amp;etiquetes...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Taula del codi de colors...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Taula del codi de colors</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Marcatges</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marcatge</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bandes</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Codi:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tipus:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Sèrie:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Codis:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Invertit:</translation>
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
        <translation>Cap</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Trieu el color</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>multiplicador ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>xifra %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>no és un valor</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valor fora de rang</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerància fora de rang</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no és text UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>no és una resistència ni un condensador</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>xarxa de resistències</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>ajustable</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>no muntar</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>cometes sense tancar</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>menys camps que la capçalera</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>sense referència</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>no és un interval de referències</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sense valor</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>la quantitat no coincideix amb les referències</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: és buit</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: no és una llista de materials, cap línia anomena una columna Value o Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>coeficient de temperatura fora de rang</translation>
    </message>
</context>
</TS>
