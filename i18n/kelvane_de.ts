<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Farben wählen</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; so herum genormt</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; so herum nicht genormt</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-stelliger Code</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-stelliger Code</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>Buchstabencode</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96-Code, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>Null-Ohm-Brücke</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>Wert in pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>keine Markierung</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>keine EIA-96-Nummer</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>nicht genormt; nächste %1: %2 und %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>nicht genormt</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>keine Farbe</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>Ring %1 kann nicht %2 sein</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: unbekannter Befehl</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: unbekannte Option</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 erwartet einen Wert</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 erwartet einen dieser Werte: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 erwartet einen Prozentsatz über 0 und unter 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: unerwartetes Argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: Werte oder eine Reihe bzw. Teiledatei, nicht beides</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: außerhalb des Bereichs von %2 bis %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: außerhalb des Bereichs von %2 bis unter %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 liegt über %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: der Ausgang muss über 0 und unter dem Eingang liegen</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: kein verwendbares Teil</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: mehr als %2 verschiedene Werte</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: keine Leseberechtigung</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: über %2 MB, zu groß für eine Teileliste</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 erwartet zwei Zahlen X,Y, jede von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 Ringe: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>Codes: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>nächste %1: %2 (%3) und %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>Netzwerk: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Gesondert aufgeführt:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nicht gelesen:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 erwartet eine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 erwartet LOW..HIGH in °C, jeweils von %2 bis %3, LOW nicht über HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 oder %2, nicht beides</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: der Ausgang muss über der Referenz %2 liegen</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>schlimmstenfalls %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>Ausbeute %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Farbcode für Widerstände</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Ziffer</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>kein Ring</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Normwerte einer Dekade</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Versatz %1 mm, %2 mm; Maßstab %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Gelesene Werte: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Eigene Teile</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Ein Wert oder einige je Zeile, etwa 4k7 oder 4,7 k; 1% nach einem Wert gibt seine Toleranz, sonst 5 %; # beginnt einen Kommentar.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 Kiloohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 Kiloohm</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 Megaohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 Megaohm</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 Pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 Pikofarad</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 Nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 Nanofarad</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 Mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 Mikrofarad</translation>
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
        <translation>Über</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 für Widerstände und Kondensatoren</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Frei nutzbar und weitergebbar.</translation>
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
        <translation>%1 Prozent darunter</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 Prozent darüber</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>parallel zu</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Werte finden</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Eigene Teile</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Teile:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Eigene Teile &amp;ändern...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Netzwerke</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>S&amp;pannungsteiler</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>&amp;Höchstens Teile:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Darunter</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Darüber</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Nä&amp;chste Normwerte:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Toleranzbereich</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Be&amp;ste Netzwerke:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Eingangsspannung:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Ausgangsspannung:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;von:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;bis:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Ausgangsbereich</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>W&amp;iderstandspaare:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Ringe zeigen</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>zu viele Teile</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>keine Teile: eigene Teile ändern</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: darunter %2, %3; darüber %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, von %4 bis %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Eine Spannung ist eine Zahl über 0, etwa 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 ist ein Wertebereich, etwa 1k bis 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 vom Eingang zum Ausgang, R2 vom Ausgang nach Masse.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Der Ausgang muss über 0 und unter dem Eingang liegen.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 Volt, %4, von %5 bis %6 Volt</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>kein Temperaturbereich</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>kein Koeffizient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>keine Toleranz</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, Ausbeute %1 Prozent, plus minus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temperat&amp;ur:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Koeffizient:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>pp&amp;m/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>Innerha&amp;lb ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Schlimmster Fall</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Ausbeute</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Ein&amp;facher Teiler</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gler, Feedback-Pin</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regler, A&amp;djust-Pin</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Pin-Str&amp;om, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, schlimmstenfalls von %1 bis %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Toleranz der Referenz und Strom des Pins sind Zahlen ab 0, etwa 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 vom Ausgang zum Pin, R2 vom Pin nach Masse.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Der Ausgang muss über der Referenz liegen.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, schlimmstenfalls von %1 bis %2 Volt</translation>
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
        <translation>Werte</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Eingegebene Werte</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Eine Reihe</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Eigene Teile</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Werte:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Reihe:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;bis:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Bo&amp;gen:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>Ri&amp;nge:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 und 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Vor&amp;schau...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>keine Werte</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>zu viele Werte</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiketten: %1, Bögen: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Etiketten als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Erstes &amp;Etikett:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Versatz waagerecht</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Versa&amp;tz:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Versatz senkrecht</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Maßstab waagerecht</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;Maßstab:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Maßstab senkrecht</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>&amp;Kalibrierseite...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Eine Stückliste</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Stück&amp;liste...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etiketten aus einer Stückliste</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Stücklisten (*.csv *.tsv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>keine Stückliste gewählt</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Ring anklicken, um<byte value="xd"/>die Farbe zu wählen</translation>
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
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Anzahl der Farbringe<byte value="xd"/>auf 4 setzen</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Anzahl der Farbringe<byte value="xd"/>auf 5 setzen</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Zeigt den Bauteilwert</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Toleranz des Bauteils<byte value="xd"/>wählen / anzeigen</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Bauteilwert eingeben</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Eingegebenen Wert mit<byte value="xd"/>1 M (1.000.000) multiplizieren</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Eingegebenen Wert mit<byte value="xd"/>1 K (1000) multiplizieren</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Eingegebenen Wert<byte value="xd"/>mit 1 multiplizieren</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Gewählt: auf den nächsten Normwert<byte value="xd"/>runden. Nicht gewählt: immer<byte value="xd"/>aufrunden.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Klicken, um den<byte value="xd"/>Farbcode zu berechnen</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Zeigt den eingegebenen Wert<byte value="xd"/>mit dem Multiplikator</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Bauteil</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Widerstand</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondensator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Tooltips anzeigen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Farbcode</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Gezeichnetes Bauteil</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Toleranzring</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 Ringe</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 Ringe</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Wert eingeben</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Bauteilwert</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>kaufm. runden</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Eingegebener Wert mit Multiplikator</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Fehler beim Umrechnen des Bauteilwerts</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Der Bauteilwert muss eine Zahl zwischen 1 und 990M sein</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Markierungen...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>Werte &amp;finden...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Etiketten drucken...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>Farbcode-T&amp;afel...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Farbcode-Tafel</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Ringe</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Reihe:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Codes:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Umgekehrt:</translation>
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
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>Multiplikator ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>Ziffer %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>Wert außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>Toleranz außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>kein Widerstand oder Kondensator</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>Widerstandsarray</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>Trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>nicht bestücken</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>Anführungszeichen nicht geschlossen</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>weniger Felder als die Kopfzeile</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>keine Referenz</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>kein Referenzbereich</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>Wert fehlt</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>Menge passt nicht zu den Referenzen</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: enthält nichts</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: keine Stückliste, keine Zeile nennt eine Spalte Value oder Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>Temperaturkoeffizient außerhalb des Bereichs</translation>
    </message>
</context>
</TS>
