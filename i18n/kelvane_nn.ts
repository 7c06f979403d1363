<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO">
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
        <translation>Vel fargar</translation>
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
        <translation>ingen verdi</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; denne vegen er standard</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; denne vegen er ikkje standard</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-sifra kode</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-sifra kode</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>bokstavkode</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96-kode, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nullohmsmotstand</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>verdi i pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>ikkje ei merking</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>ukjent EIA-96-nummer</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>utanfor området</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>ikkje standard; næraste %1: %2 og %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>ikkje standard</translation>
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
        <translation>Raud</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oransje</translation>
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
        <translation>Fiolett</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Kvit</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gull</translation>
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
        <translation>ikkje ein farge</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>ring %1 kan ikkje vere %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: ukjend kommando</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: ukjent val</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 krev ein verdi</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 tek ingen verdi</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 tek ein av verdiane %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 krev eit heiltal frå %2 til %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 krev ein prosentsats over 0 og under 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manglar</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: uventa argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: verdiar eller ei rekkje eller fil med delar, ikkje begge delar</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: utanfor området, frå %2 til %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: utanfor området, frå %2 opp til under %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 ligg over %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: utgangen må vere over 0 og under inngangen</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: ingen delar å bruke</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: meir enn %2 ulike verdiar</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: fila finst ikkje</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: ikkje løyve til å lese fila</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: ei mappe, ikkje ei fil</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan ikkje lesast</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: over %2 MB, for stor for ei liste over delar</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 krev to tal X,Y, kvart frå %2 til %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 ringar: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kodar: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>næraste %1: %2 (%3) og %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>nettverk: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Oppført særskilt:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Ikkje lesne:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 krev eit tal frå %2 til %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 krev LOW..HIGH i °C, kvar frå %2 til %3, LOW ikkje over HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 eller %2, ikkje begge delar</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: utgangen må liggje over referansen %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>verste fall %1 … %2</translation>
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
        <translation>Fargekode for motstandar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Siffer</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranse</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>ingen ring</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Normverdiar i éin dekade</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Forskyving %1 mm, %2 mm; skala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kan ikkje skrivast</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Lesne verdiar: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mine delar</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Éin eller nokre få verdiar per linje, t.d. 4k7 eller 4,7 k; 1% etter ein verdi gjev toleransen, elles 5 %; # byrjar ein kommentar.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Ikkje lesne: %1</translation>
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
        <translation>Kelvane v%1 for motstandar og kondensatorar</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Fritt å bruke og dele.</translation>
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
        <translation>nøyaktig</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 prosent under</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 prosent over</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>pluss</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>parallelt med</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Finn verdiar</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mine delar</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Delar:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Rediger &amp;mine delar...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Nettverk</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Spenningsdelar</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Verdi:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>&amp;Høgst delar:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Rekkje</translation>
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
        <translation>N&amp;æraste standardverdiar:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Avvik</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Toleranseområde</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Beste nettverk:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Inngangsspenning:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Utgangsspenning:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;frå:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;til:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utgang</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Utgangsområde</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>M&amp;otstandspar:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Vis &amp;ringar</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>for mange delar</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>ingen delar: rediger mine delar</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: under %2, %3; over %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, frå %4 til %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Ei spenning er eit tal over 0, t.d. 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 er eit verdiområde, t.d. 1k til 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 frå inngangen til utgangen, R2 frå utgangen til jord.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Utgangen må vere over 0 og under inngangen.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volt, %4, frå %5 til %6 volt</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>ikkje eit temperaturområde</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>ikkje ein koeffisient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>ikkje ein toleranse</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, utbyte %1 prosent, pluss minus %2</translation>
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
        <translation>Koeffisient:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>&amp;ppm/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>H&amp;øgst ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Verste fall</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Utbyte</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Enke&amp;l delar</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulator, tilbakekoplingspinne</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulator, &amp;justeringspinne</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Pinn&amp;estraum, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, i verste fall frå %1 til %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Toleransen til referansen og straumen til pinnen er tal frå 0, t.d. 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 frå utgangen til pinnen, R2 frå pinnen til jord.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Utgangen må vere over referansen.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, i verste fall frå %1 til %2 volt</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etikettar</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Verdiar</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Kjelde:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Innskrivne verdiar</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Ei rekkje</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mine delar</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Verdiar:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Rekkje:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Frå:</translation>
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
        <translation>R&amp;ingar:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 og 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>F&amp;ørehandsvis...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Skriv ut...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Lagra som P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>ingen verdiar</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>for mange verdiar</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etikettar: %1, ark: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Lagra etikettar som PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Byrj ved &amp;etikett:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Vassrett forskyving</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Forsk&amp;yving:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Loddrett forskyving</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vassrett skala</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Ska&amp;la:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Loddrett skala</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Kali&amp;breringsside...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Ei stykkliste</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Opne stykkliste...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etikettar frå ei stykkliste</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Stykklister (*.csv *.tsv *.txt);;Alle filer (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>inga stykkliste vald</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan ikkje lesast</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Klikk på ein ring for<byte value="xd"/>å velje farge</translation>
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
        <translation>Toleranse</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Set talet på fargeringar<byte value="xd"/>til 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Set talet på fargeringar<byte value="xd"/>til 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Viser komponentverdien</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Vel / vis<byte value="xd"/>toleransen til komponenten</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Skriv inn komponentverdi</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Gong den innskrivne verdien<byte value="xd"/>med 1 M (1&#xa0;000&#xa0;000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Gong den innskrivne verdien<byte value="xd"/>med 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Gong den innskrivne verdien<byte value="xd"/>med 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Vald: rund av til næraste<byte value="xd"/>standardverdi. Ikkje vald:<byte value="xd"/>rund alltid opp.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Klikk for å rekne ut<byte value="xd"/>fargekoden</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Viser den innskrivne verdien<byte value="xd"/>med multiplikator</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistans</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapasitans</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponent</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Motstand</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondensator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Vis verktøytips</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Fargekode</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Teikna komponent</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Toleranse-ring</translation>
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
        <translation>Skriv inn verdi</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Komponentverdi</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>vanleg avrunding</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Rekn ut</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Innskriven verdi med multiplikator</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Feil ved omrekning av komponentverdien</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Komponentverdien må vere eit tal mellom 1 og 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>Me&amp;rkingar...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Finn verdiar...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Skriv ut etikettar...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Fargekodetabell...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Fargekodetabell</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Merkingar</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Merking</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Ringar</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kode:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Verdi:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Rekkje:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kodar:</translation>
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
        <translation>Vel farge</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>multiplikator ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>siffer %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>ikkje ein verdi</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>verdi utanfor området</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>toleranse utanfor området</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>ikkje UTF-8-tekst</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>ikkje ein motstand eller kondensator</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>motstandsarray</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmar</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>skal ikkje monterast</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>hermeteikn ikkje lukka</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>færre felt enn overskrifta</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>ingen referanse</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>ikkje eit referanseområde</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>ingen verdi</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>talet stemmer ikkje med referansane</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: er tom</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: inga stykkliste, inga linje nemner ein kolonne Value eller Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>temperaturkoeffisient utanfor området</translation>
    </message>
</context>
</TS>
