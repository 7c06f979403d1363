<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Scegli i colori</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nessun valore</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; in questo verso normalizzato</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; in questo verso non normalizzato</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>codice a 3 cifre</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>codice a 4 cifre</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>codice a lettera</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>codice EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>ponticello da zero ohm</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>valore in pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>non è una marcatura</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>numero EIA-96 inesistente</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fuori intervallo</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>non normalizzato; %1 più vicini: %2 e %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>non normalizzato</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancio</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>non è un colore</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>la fascia %1 non può essere %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: comando sconosciuto</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: opzione sconosciuta</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 accetta uno di questi valori: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 richiede un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 richiede una percentuale sopra 0 e sotto 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: argomento inatteso</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: valori, oppure una serie o un file di componenti, non entrambi</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: fuori intervallo, da %2 a %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: fuori intervallo, da %2 fino a sotto %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 supera %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: l&apos;uscita deve stare sopra 0 e sotto l&apos;ingresso</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: nessun componente da usare</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: più di %2 valori diversi</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: file inesistente</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: lettura non consentita</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: una cartella, non un file</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: oltre %2 MB, troppo grande per un elenco di componenti</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 richiede due numeri X,Y, ciascuno da %2 a %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 fasce: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>codici: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>%1 più vicini: %2 (%3) e %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>rete: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Elencati a parte:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Non lette:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 richiede un numero da %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 richiede LOW..HIGH in °C, ciascuno da %2 a %3, LOW non sopra HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 o %2, non entrambi</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: l&apos;uscita deve stare sopra il riferimento %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>caso peggiore %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>resa %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Codice colori dei resistori</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Cifra</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Moltiplicatore</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolleranza</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>nessuna fascia</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Valori normalizzati di una decade</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Spostamento %1 mm, %2 mm; scala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>impossibile scrivere %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Valori letti: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Miei componenti</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Uno o alcuni valori per riga, come 4k7 o 4,7 k; 1% dopo un valore ne dà la tolleranza, altrimenti 5 %; # inizia un commento.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Non lette: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
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
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloohm</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaohm</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 picofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 picofarad</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 microfarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 microfarad</translation>
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
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 per resistori e condensatori</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Uso e condivisione liberi.</translation>
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
        <translation>esatto</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 per cento sotto</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 per cento sopra</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>in parallelo con</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Trova valori</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Miei componenti</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>C&amp;omponenti:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Modi&amp;fica miei componenti...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Reti</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Partitore</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valore:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>Ma&amp;ssimo componenti:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Va&amp;lori standard più vicini:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Intervallo di tolleranza</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Reti &amp;migliori:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Tensione d&apos;ingresso:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>Tensione d&apos;&amp;uscita:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;da:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;a:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Intervallo d&apos;uscita</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Copp&amp;ie di resistori:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Mostra &amp;bande</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>troppi componenti</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>nessun componente: modifica miei componenti</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: sotto %2, %3; sopra %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, da %4 a %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Una tensione è un numero sopra 0, come 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 è un intervallo di valori, come da 1k a 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 dall&apos;ingresso all&apos;uscita, R2 dall&apos;uscita a massa.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>L&apos;uscita deve stare sopra 0 e sotto l&apos;ingresso.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volt, %4, da %5 a %6 volt</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>non è un intervallo di temperatura</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>non è un coefficiente</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>non è una tolleranza</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, resa %1 per cento, più o meno %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temp&amp;eratura:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Coefficiente:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>E&amp;ntro ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Caso peggiore</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Resa</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Partitore sen&amp;za regolatore</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;golatore, pin di feedback</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regolatore, pin di ad&amp;just</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Intensit&amp;à del pin, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, nel caso peggiore da %1 a %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>La tolleranza del riferimento e la corrente del pin sono numeri da 0, come 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 dall&apos;uscita al pin, R2 dal pin a massa.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>L&apos;uscita deve stare sopra il riferimento.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, nel caso peggiore da %1 a %2 volt</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Origine:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Valori digitati</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Una serie</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Miei componenti</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Valori:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Serie:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Da:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Fo&amp;glio:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>Fasc&amp;e:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 e 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Antep&amp;rima...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Salva come PD&amp;F...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>nessun valore</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>troppi valori</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etichette: %1, fogli: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Salva le etichette come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Inizia dall&apos;e&amp;tichetta:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Spostamento orizzontale</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Sposta&amp;mento:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Spostamento verticale</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Scala orizzontale</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>S&amp;cala:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Scala verticale</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Pagina di ca&amp;librazione...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Una distinta base</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Distinta &amp;base...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etichette da una distinta base</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Distinte base (*.csv *.tsv *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>nessuna distinta base scelta</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Fare clic su una fascia<byte value="xd"/>per sceglierne il colore</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Fascia 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Fascia 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Fascia 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Fascia 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolleranza</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Usa 4 fasce<byte value="xd"/>colorate</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Usa 5 fasce<byte value="xd"/>colorate</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Mostra il valore del componente</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Scegli / mostra la<byte value="xd"/>tolleranza del componente</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Inserisci il valore del componente</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Moltiplica il valore inserito<byte value="xd"/>per 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Moltiplica il valore inserito<byte value="xd"/>per 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Moltiplica il valore<byte value="xd"/>inserito per 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Selezionato: arrotonda al valore normalizzato<byte value="xd"/>più vicino. Non selezionato: arrotonda<byte value="xd"/>sempre per eccesso.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Fare clic per calcolare<byte value="xd"/>il codice colori</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Mostra il valore inserito<byte value="xd"/>con il suo moltiplicatore</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistenza</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacità</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Componente</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistore</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Condensatore</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Mostra suggerimenti</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Codice colori</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Componente disegnato</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Fascia di tolleranza</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Fascia %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 fasce</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 fasce</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Inserisci valore</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Valore del componente</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>arrot. al più vicino</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Valore inserito con moltiplicatore</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Errore nella conversione del valore</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Il valore del componente deve essere un numero tra 1 e 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Marcature...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Trova valori...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Stam&amp;pa etichette...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tabella codice colori...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tabella codice colori</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Marcature</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marcatura</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Fasce</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Codice:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valore:</translation>
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
        <translation>Codici:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Intervallo:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Invertito:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Toll.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Scegli il colore</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>moltiplicatore ×%1</translation>
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
        <translation>non è un valore</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valore fuori intervallo</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolleranza fuori intervallo</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>né resistore né condensatore</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>rete di resistori</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>non montare</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>virgolette non chiuse</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>meno campi dell&apos;intestazione</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>nessun riferimento</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>non è un intervallo di riferimenti</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nessun valore</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>quantità diversa dal numero di riferimenti</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: è vuoto</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: non è una distinta base, nessuna riga nomina una colonna Value o Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>coefficiente di temperatura fuori intervallo</translation>
    </message>
</context>
</TS>
