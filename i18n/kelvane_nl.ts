<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Kies kleuren</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>geen waarde</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; zo gelezen genormeerd</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; zo gelezen niet genormeerd</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-cijferige code</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-cijferige code</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>lettercode</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96-code, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nul-ohmbrug</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>waarde in pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>geen markering</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>geen geldig EIA-96-nummer</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>buiten bereik</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>niet genormeerd; dichtstbijzijnde %1: %2 en %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>niet genormeerd</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>geen kleur</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>ring %1 kan niet %2 zijn</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: onbekende opdracht</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: onbekende optie</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 verwacht een waarde</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 verwacht geen waarde</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 verwacht een van: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 verwacht een geheel getal van %2 tot en met %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 verwacht een percentage boven 0 en onder 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: onverwacht argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: waarden, of een reeks of onderdelenbestand, niet beide</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: buiten bereik, van %2 tot en met %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: buiten bereik, vanaf %2 en onder %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 ligt boven %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: de uitgang moet boven 0 en onder de ingang liggen</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: geen bruikbaar onderdeel</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: meer dan %2 verschillende waarden</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: lezen niet toegestaan</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: een map, geen bestand</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: meer dan %2 MB, te groot voor een onderdelenlijst</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 verwacht twee getallen X,Y, elk van %2 tot en met %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 ringen: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>codes: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>dichtstbijzijnde %1: %2 (%3) en %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>netwerk: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Apart vermeld:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Niet gelezen:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 verwacht een getal van %2 tot %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 verwacht LOW..HIGH in °C, elk van %2 tot %3, LOW niet boven HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 of %2, niet beide</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: de uitgang moet boven de referentie %2 liggen</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>slechtste geval %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>opbrengst %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Kleurcode van weerstanden</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Cijfer</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Vermenigvuldiger</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerantie</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>geen ring</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Normwaarden van één decade</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Verschuiving %1 mm, %2 mm; schaal %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kan niet worden geschreven</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Gelezen waarden: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mijn onderdelen</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Eén of enkele waarden per regel, zoals 4k7 of 4,7 k; 1% na een waarde geeft haar tolerantie, anders 5 %; # begint een opmerking.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Niet gelezen: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
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
        <translation>%1 kilo-ohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kilo-ohm</translation>
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
        <translation>Over</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 voor weerstanden en condensatoren</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Vrij te gebruiken en te delen.</translation>
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
        <translation>exact</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 procent lager</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 procent hoger</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>parallel met</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Waarden zoeken</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mijn onderdelen</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Onderdelen:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;Mijn onderdelen bewerken...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Netwerken</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Deler</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Waarde:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>&amp;Hoogstens onderdelen:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Hoger</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Dichtstbijzijnde &amp;standaardwaarden:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Afwijking</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Tolerantiebereik</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Beste netwerken:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Ingangsspanning:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Uitgangsspanning:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;van:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;tot:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uitgang</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Uitgangsbereik</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>W&amp;eerstandsparen:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Ringen tonen</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>te veel onderdelen</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>geen onderdelen: mijn onderdelen bewerken</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: lager %2, %3; hoger %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, van %4 tot %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Een spanning is een getal boven 0, zoals 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 is een bereik van waarden, zoals 1k tot 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 van de ingang naar de uitgang, R2 van de uitgang naar massa.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>De uitgang moet boven 0 en onder de ingang liggen.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volt, %4, van %5 tot %6 volt</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>geen temperatuurbereik</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>geen coëfficiënt</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>geen tolerantie</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, opbrengst %1 procent, plus of min %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temper&amp;atuur:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Coëfficiënt:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>&amp;ppm/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>Ma&amp;ximaal ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Slechtste geval</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Opbrengst</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Eenvoudi&amp;ge deler</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Regelaar, &amp;feedbackpin</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regelaar, ad&amp;just-pin</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Stroom &amp;langs de pin, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, in het slechtste geval van %1 tot %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>De tolerantie van de referentie en de stroom van de pin zijn getallen vanaf 0, zoals 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 van de uitgang naar de pin, R2 van de pin naar massa.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>De uitgang moet boven de referentie liggen.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, in het slechtste geval van %1 tot %2 volt</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Waarden</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Bron:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Getypte waarden</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Een reeks</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mijn onderdelen</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Waarden:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Reeks:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>Va&amp;n:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>V&amp;el:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>R&amp;ingen:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 en 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Voorbeeld...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>geen waarden</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>te veel waarden</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiketten: %1, vellen: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Etiketten opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Beginnen bij eti&amp;ket:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Horizontale verschuiving</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Ver&amp;schuiving:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Verticale verschuiving</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Horizontale schaal</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>S&amp;chaal:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Verticale schaal</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Kalibratiepa&amp;gina...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Een stuklijst</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Stuk&amp;lijst...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etiketten uit een stuklijst</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Stuklijsten (*.csv *.tsv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>geen stuklijst gekozen</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Klik op een ring om<byte value="xd"/>de kleur te kiezen</translation>
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
        <translation>Tolerantie</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Aantal kleurringen<byte value="xd"/>op 4 zetten</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Aantal kleurringen<byte value="xd"/>op 5 zetten</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Toont de componentwaarde</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Tolerantie van de component<byte value="xd"/>kiezen / tonen</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Componentwaarde invoeren</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Ingevoerde waarde met<byte value="xd"/>1 M (1.000.000) vermenigvuldigen</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Ingevoerde waarde met<byte value="xd"/>1 K (1000) vermenigvuldigen</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Ingevoerde waarde<byte value="xd"/>met 1 vermenigvuldigen</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Aangevinkt: afronden op de dichtstbijzijnde<byte value="xd"/>standaardwaarde. Niet aangevinkt:<byte value="xd"/>altijd naar boven afronden.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Klik om de<byte value="xd"/>kleurcode te berekenen</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Toont de ingevoerde waarde<byte value="xd"/>met de vermenigvuldiger</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Weerstand</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capaciteit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Component</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Weerstand</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Condensator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Tooltips tonen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Kleurcode</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Getekende component</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Tolerantiering</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 ringen</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 ringen</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Waarde invoeren</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Componentwaarde</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>dichtstbijzijnde</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Ingevoerde waarde met vermenigvuldiger</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Fout bij het omrekenen van de componentwaarde</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>De componentwaarde moet een getal tussen 1 en 990M zijn</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Markeringen...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>Waarden &amp;zoeken...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Etiketten af&amp;drukken...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Kleurcodetabel...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Kleurcodetabel</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Markeringen</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Markering</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Ringen</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Waarde:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Soort:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Reeks:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Codes:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Bereik:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Omgekeerd:</translation>
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
        <translation>Geen</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Kies een kleur</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>vermenigvuldiger ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>cijfer %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>geen waarde</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>waarde buiten bereik</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerantie buiten bereik</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>geen weerstand of condensator</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>weerstandsarray</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>niet plaatsen</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>aanhalingsteken niet gesloten</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>minder velden dan de kopregel</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>geen referentie</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>geen referentiebereik</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>waarde ontbreekt</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>aantal komt niet overeen met de referenties</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: is leeg</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: geen stuklijst, geen regel noemt een kolom Value of Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>temperatuurcoëfficiënt buiten bereik</translation>
    </message>
</context>
</TS>
