<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Välj färger</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 och %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>inget värde</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; åt detta håll standard</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; åt detta håll ej standard</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-siffrig kod</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-siffrig kod</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>bokstavskod</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96-kod, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nollohmsbygel</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>värde i pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>ingen märkning</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>okänt EIA-96-nummer</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>utanför området</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>ej standard; närmaste %1: %2 och %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>ej standard</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Guld</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>ingen färg</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>ring %1 kan inte vara %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: okänt kommando</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: okänd flagga</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 kräver ett värde</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 tar inget värde</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 tar ett av värdena %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 kräver ett heltal från %2 till %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 kräver en procentsats över 0 och under 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 saknas</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: oväntat argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: värden eller en serie eller fil med delar, inte båda</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: utanför området, från %2 till %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: utanför området, från %2 upp till under %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 ligger över %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: utgången måste vara över 0 och under ingången</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: inga delar att använda</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: fler än %2 olika värden</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: filen finns inte</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: läsbehörighet saknas</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: en mapp, inte en fil</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan inte läsas</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: över %2 MB, för stor för en lista över delar</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 kräver två tal X,Y, vart och ett från %2 till %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 ringar: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>koder: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>närmaste %1: %2 (%3) och %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>nät: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Listade separat:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Inte lästa:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 kräver ett tal från %2 till %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 kräver LOW..HIGH i °C, vart och ett från %2 till %3, LOW inte över HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 eller %2, inte båda</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: utgången måste ligga över referensen %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>värsta fall %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>utbyte %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Färgkod för motstånd</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Siffra</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerans</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>ingen ring</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Normvärden i en dekad</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Förskjutning %1 mm, %2 mm; skala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kan inte skrivas</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Lästa värden: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mina delar</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Ett eller några värden per rad, t.ex. 4k7 eller 4,7 k; 1% efter ett värde ger dess tolerans, annars 5 %; # inleder en kommentar.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Inte lästa: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
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
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofarad</translation>
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
        <translation>%1 mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofarad</translation>
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
        <translation>Om</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 för resistorer och kondensatorer</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Fri att använda och dela.</translation>
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
        <translation>exakt</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 procent under</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 procent över</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>parallellt med</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Hitta värden</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mina delar</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Delar:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Redigera &amp;mina delar...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Nät</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>Spänningsd&amp;elare</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Värde:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>&amp;Högst delar:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Över</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Närmaste &amp;standardvärden:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nät</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Värde</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Avvikelse</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Toleransområde</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Bästa näten:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Inspänning:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Utspänning:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;från:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;till:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utgång</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Utgångsområde</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>M&amp;otståndspar:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Visa &amp;ringar</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>för många delar</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>inga delar: redigera mina delar</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: under %2, %3; över %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, från %4 till %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>En spänning är ett tal över 0, t.ex. 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 är ett värdeområde, t.ex. 1k till 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 från ingången till utgången, R2 från utgången till jord.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Utgången måste vara över 0 och under ingången.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volt, %4, från %5 till %6 volt</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>inte ett temperaturområde</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>inte en koefficient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>inte en tolerans</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, utbyte %1 procent, plus minus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temper&amp;atur:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>till</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Koefficient:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>&amp;ppm/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>Ma&amp;ximalt ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Värsta fall</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Utbyte</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Enke&amp;l delare</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulator, återkopplingsstift</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulator, &amp;justeringsstift</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Stiftstr&amp;öm, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, i värsta fall från %1 till %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Referensens tolerans och stiftets ström är tal från 0, t.ex. 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 från utgången till stiftet, R2 från stiftet till jord.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Utgången måste vara över referensen.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, i värsta fall från %1 till %2 volt</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Värden</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papper</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Källa:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Inskrivna värden</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>En serie</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mina delar</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Värden:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Serie:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Från:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Till:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Ark:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>R&amp;ingar:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 och 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>F&amp;örhandsgranska...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Spara som P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>inga värden</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>för många värden</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiketter: %1, ark: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Spara etiketter som PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Börja vid &amp;etikett:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Vågrät förskjutning</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Fö&amp;rskjutning:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Lodrät förskjutning</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vågrät skala</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Ska&amp;la:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Lodrät skala</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Kali&amp;breringssida...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>En stycklista</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>St&amp;ycklista...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etiketter från en stycklista</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Stycklistor (*.csv *.tsv *.txt);;Alla filer (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>ingen stycklista vald</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan inte läsas</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Klicka på en ring för<byte value="xd"/>att välja färg</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Ring 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Ring 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Ring 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Ring 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerans</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Sätt antalet färgringar<byte value="xd"/>till 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Sätt antalet färgringar<byte value="xd"/>till 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Visar komponentvärdet</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Välj / visa<byte value="xd"/>komponentens tolerans</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Ange komponentvärde</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Multiplicera angivet värde<byte value="xd"/>med 1 M (1&#xa0;000&#xa0;000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Multiplicera angivet värde<byte value="xd"/>med 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Multiplicera angivet värde<byte value="xd"/>med 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Ikryssad: avrunda till närmaste<byte value="xd"/>standardvärde. Ej ikryssad:<byte value="xd"/>avrunda alltid uppåt.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Klicka för att beräkna<byte value="xd"/>färgkoden</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Visar angivet värde<byte value="xd"/>med multiplikator</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistans</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapacitans</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponent</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistor</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondensator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Visa verktygstips</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Färgkod</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Ritad komponent</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Toleransring</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 ringar</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 ringar</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Ange värde</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Komponentvärde</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>avrunda till närm.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Beräkna</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Angivet värde med multiplikator</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Fel vid omvandling av komponentvärdet</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Komponentvärdet måste vara ett tal mellan 1 och 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Märkningar...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Hitta värden...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Skriv ut &amp;etiketter...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Färgkodstabell...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Färgkodstabell</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Märkningar</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Märkning</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Ringar</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kod:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Värde:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Serie:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Koder:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Omvänt:</translation>
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
        <translation>Ingen</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Välj färg</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>multiplikator ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>siffra %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>inget värde</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>värde utanför området</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerans utanför området</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>inte UTF-8-text</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>inte en resistor eller kondensator</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>resistorarray</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>monteras ej</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>citattecken inte stängt</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>färre fält än rubrikraden</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>ingen referens</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>inte ett referensintervall</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>värde saknas</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>antalet stämmer inte med referenserna</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: är tom</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: ingen stycklista, ingen rad namnger en kolumn Value eller Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>temperaturkoefficient utanför området</translation>
    </message>
</context>
</TS>
