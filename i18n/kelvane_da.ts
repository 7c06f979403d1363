<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
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
        <translation>Vælg farver</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 til %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 og %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>ingen værdi</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; denne vej er standard</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; denne vej er ikke standard</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-cifret kode</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-cifret kode</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>bogstavkode</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96-kode, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nulohmsmodstand</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>værdi i pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>ingen mærkning</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>ukendt EIA-96-nummer</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>uden for området</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>ikke standard; nærmeste %1: %2 og %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>ikke standard</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rød</translation>
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
        <translation>Grøn</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Hvid</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Guld</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Sølv</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>ingen farve</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>ring %1 kan ikke være %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: ukendt kommando</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: ukendt tilvalg</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 kræver en værdi</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 tager ingen værdi</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 tager en af værdierne %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 kræver et heltal fra %2 til %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 kræver en procentsats over 0 og under 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 mangler</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: uventet argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: værdier eller en række eller fil med dele, ikke begge dele</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: uden for området, fra %2 til %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: uden for området, fra %2 op til under %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 ligger over %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: udgangen skal være over 0 og under indgangen</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: ingen dele at bruge</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: mere end %2 forskellige værdier</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: filen findes ikke</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: ingen tilladelse til at læse den</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: en mappe, ikke en fil</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan ikke læses</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: over %2 MB, for stor til en liste over dele</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 kræver to tal X,Y, hvert fra %2 til %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 ringe: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>koder: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>nærmeste %1: %2 (%3) og %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>netværk: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Opført separat:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Ikke læst:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 kræver et tal fra %2 til %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 kræver LOW..HIGH i °C, hver fra %2 til %3, LOW ikke over HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 eller %2, ikke begge dele</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: udgangen skal ligge over referencen %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>værste fald %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>udbytte %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Farvekode for modstande</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farve</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Ciffer</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>ingen ring</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Normværdier i én dekade</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Forskydning %1 mm, %2 mm; skala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kan ikke skrives</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Læste værdier: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mine dele</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Én eller nogle få værdier pr. linje, fx 4k7 eller 4,7 k; 1% efter en værdi giver dens tolerance, ellers 5 %; # indleder en kommentar.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Ikke læst: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
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
        <translation>Kelvane v%1 til modstande og kondensatorer</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Fri til brug og deling.</translation>
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
        <translation>præcis</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 procent under</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 procent over</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>parallelt med</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Find værdier</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mine dele</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Dele:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Rediger &amp;mine dele...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Netværk</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Spændingsdeler</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Værdi:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>&amp;Højst dele:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Række</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>N&amp;ærmeste standardværdier:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netværk</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Værdi</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Afvigelse</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Toleranceområde</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Bedste netværk:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Indgangsspænding:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Udgangsspænding:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;fra:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;til:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Udgang</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Udgangsområde</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>M&amp;odstandspar:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiér</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Vis &amp;ringe</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>for mange dele</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>ingen dele: rediger mine dele</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: under %2, %3; over %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, fra %4 til %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>En spænding er et tal over 0, fx 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 er et værdiområde, fx 1k til 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 fra indgangen til udgangen, R2 fra udgangen til stel.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Udgangen skal være over 0 og under indgangen.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volt, %4, fra %5 til %6 volt</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>ikke et temperaturområde</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>ikke en koefficient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>ikke en tolerance</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, udbytte %1 procent, plus minus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temper&amp;atur:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>til</translation>
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
        <translation>Ind&amp;en for ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Værste fald</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Udbytte</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Simpe&amp;l deler</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulator, feedback-ben</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulator, ad&amp;just-ben</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Benstr&amp;øm, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, i værste fald fra %1 til %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Referencens tolerance og benets strøm er tal fra 0, fx 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 fra udgangen til benet, R2 fra benet til stel.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Udgangen skal være over referencen.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, i værste fald fra %1 til %2 volt</translation>
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
        <translation>Værdier</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Kilde:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Indtastede værdier</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>En række</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mine dele</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Værdier:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Række:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Fra:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Til:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Ark:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>R&amp;inge:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 og 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>F&amp;orhåndsvis...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Udskriv...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Gem som P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>ingen værdier</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>for mange værdier</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiketter: %1, ark: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Gem etiketter som PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Begynd ved &amp;etiket:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Vandret forskydning</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>For&amp;skydning:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Lodret forskydning</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vandret skala</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Ska&amp;la:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Lodret skala</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Kali&amp;breringsside...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>En stykliste</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>St&amp;ykliste...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etiketter fra en stykliste</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Styklister (*.csv *.tsv *.txt);;Alle filer (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>ingen stykliste valgt</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan ikke læses</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Klik på en ring for<byte value="xd"/>at vælge farve</translation>
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
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Sæt antallet af farveringe<byte value="xd"/>til 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Sæt antallet af farveringe<byte value="xd"/>til 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Viser komponentværdien</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Vælg / vis<byte value="xd"/>komponentens tolerance</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Indtast komponentværdi</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Gang den indtastede værdi<byte value="xd"/>med 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Gang den indtastede værdi<byte value="xd"/>med 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Gang den indtastede værdi<byte value="xd"/>med 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Valgt: afrund til nærmeste<byte value="xd"/>standardværdi. Fravalgt:<byte value="xd"/>rund altid op.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Klik for at beregne<byte value="xd"/>farvekoden</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Viser den indtastede værdi<byte value="xd"/>med multiplikator</translation>
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
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponent</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Modstand</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondensator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Vis værktøjstip</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Farvekode</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Tegnet komponent</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Tolerance-ring</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 ringe</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 ringe</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Indtast værdi</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Komponentværdi</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>afrund til nærm.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Beregn</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Indtastet værdi med multiplikator</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Fejl ved omregning af komponentværdien</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Komponentværdien skal være et tal mellem 1 og 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>Mæ&amp;rkninger...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiér</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Find værdier...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Udskriv etiketter...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Farvekodetabel...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Farvekodetabel</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Mærkninger</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Mærkning</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Ringe</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kode:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Værdi:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Række:</translation>
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
        <translation>Område:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Omvendt:</translation>
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
        <translation>Vælg farve</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>multiplikator ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>ciffer %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>ingen værdi</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>værdi uden for området</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerance uden for området</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>ikke UTF-8-tekst</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>ikke en modstand eller kondensator</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>modstandsarray</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>monteres ikke</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>anførselstegn ikke lukket</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>færre felter end overskriften</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>ingen reference</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>ikke et referenceinterval</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>værdi mangler</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>antal passer ikke med referencerne</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: er tom</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: ingen stykliste, ingen linje nævner en kolonne Value eller Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>temperaturkoefficient uden for området</translation>
    </message>
</context>
</TS>
