<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>prazan</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Odaberite boje</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nema vrijednosti</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; ovim smjerom iz niza</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; ovim smjerom nije iz niza</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>troznamenkasti kod</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>četveroznamenkasti kod</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>slovni kod</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>kod EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nulti otpornik</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>vrijednost u pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prazno</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>nije oznaka</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>nema takvog broja EIA-96</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>izvan opsega</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>nije iz niza; najbliže u %1: %2 i %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>nije iz niza</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Crna</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Smeđa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Crvena</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation variants="yes">
            <lengthvariant>Narančasta</lengthvariant>
            <lengthvariant>Naranč.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žuta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelena</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Plava</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation variants="yes">
            <lengthvariant>Ljubičasta</lengthvariant>
            <lengthvariant>Ljubič.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Siva</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bijela</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Zlatna</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrna</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>nije boja</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>prsten %1 ne može biti %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: nepoznata naredba</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: nepoznata opcija</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 zahtijeva vrijednost</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prima vrijednost</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 prima jednu od vrijednosti: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 zahtijeva cijeli broj od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 zahtijeva postotak veći od 0 i manji od 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>nedostaje %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: neočekivani argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: vrijednosti, ili niz ili datoteka dijelova, ne oboje</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: izvan opsega, od %2 do %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: izvan opsega, od %2 do ispod %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 je iznad %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: izlaz mora biti iznad 0 i ispod ulaza</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: nema upotrebljivih dijelova</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: više od %2 različitih vrijednosti</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: nema takve datoteke</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: čitanje nije dopušteno</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: mapa, a ne datoteka</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nije moguće pročitati</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: više od %2 MB, prevelika za popis dijelova</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 zahtijeva dva broja X,Y, svaki od %2 do %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 prst.: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kodovi: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>najbliže u %1: %2 (%3) i %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>mreža: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Navedeno zasebno:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nepročitano:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>redak %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 zahtijeva broj od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 zahtijeva LOW..HIGH u °C, svaki od %2 do %3, LOW ne iznad HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 ili %2, ne oboje</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: izlaz mora biti iznad reference %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>najgori slučaj %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>iskorištenje %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Kod boja otpornika</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Boja</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Znamenka</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Množitelj</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancija</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>bez prstena</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Standardne vrijednosti jedne dekade</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Pomak %1 mm, %2 mm; mjerilo %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nije moguće zapisati</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Pročitane vrijednosti: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moji dijelovi</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Jedna ili nekoliko vrijednosti po retku, npr. 4k7 ili 4,7 k; 1% iza vrijednosti daje njezinu toleranciju, inače 5 %; # započinje komentar.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Nepročitano: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>redak %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 om</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 oma</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloom</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kilooma</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaom</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaoma</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofarada</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofarada</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofarada</translation>
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
        <translation>O programu</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 za otpornike i kondenzatore</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Slobodno za korištenje i dijeljenje.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>točno</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 posto ispod</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 posto iznad</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>paralelno s</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Traženje vrijednosti</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moji dijelovi</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>D&amp;ijelovi:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>U&amp;redi moje dijelove...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>Mr&amp;eže</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>D&amp;jelitelj</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Vrijednost:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>N&amp;ajviše dijelova:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Niz</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Ispod</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Iznad</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Najbliže &amp;standardne vrijednosti:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Mreža</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Vrijednost</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Odstupanje</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Raspon tolerancije</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Naj&amp;bolje mreže:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Ulazni napon:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>Izlazni &amp;napon:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;od:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;do:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Raspon izlaza</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>&amp;Parovi otpornika:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Prika&amp;ži prstene</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>previše dijelova</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>nema dijelova: uredite moje dijelove</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: ispod %2, %3; iznad %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, od %4 do %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Napon je broj veći od 0, npr. 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 je raspon vrijednosti, npr. od 1k do 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 od ulaza do izlaza, R2 od izlaza do mase.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Izlaz mora biti iznad 0 i ispod ulaza.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 V, %4, od %5 do %6 V</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>nije raspon temperatura</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>nije koeficijent</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>nije tolerancija</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, iskorištenje %1 posto, plus minus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;Temperatura:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Koeficijent:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>pp&amp;m/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>Toleran&amp;cija ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Najgori slučaj</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Iskorištenje</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Običan dje&amp;litelj</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulator, pin povratne veze</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulator, pin za pode&amp;šavanje</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Struja kro&amp;z pin, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, u najgorem slučaju od %1 do %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Tolerancija reference i struja pina su brojevi od 0, npr. 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 od izlaza do pina, R2 od pina do mase.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Izlaz mora biti iznad reference.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, u najgorem slučaju od %1 do %2 V</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Naljepnice</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Vrijednosti</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Izvor:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Upisane vrijednosti</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Niz</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moji dijelovi</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Vrijednosti:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Niz:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Arak:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>P&amp;rsteni:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 i 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Pregled...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>I&amp;spis...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Spremi kao PD&amp;F...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>nema vrijednosti</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>previše vrijednosti</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Naljepnice: %1, arci: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Spremi naljepnice kao PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF datoteke (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Od na&amp;ljepnice:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Vodoravni pomak</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Po&amp;mak:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Okomiti pomak</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vodoravno mjerilo</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Mj&amp;erilo:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Okomito mjerilo</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Stranica za &amp;kalibraciju...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Sastavnica</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Sas&amp;tavnica...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Naljepnice iz sastavnice</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Sastavnice (*.csv *.tsv *.txt);;Sve datoteke (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>nije odabrana sastavnica</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nije moguće pročitati</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Kliknite prsten<byte value="xd"/>za odabir boje</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Prsten 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Prsten 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Prsten 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Prsten 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancija</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Postavlja broj prstenova<byte value="xd"/>u boji na 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Postavlja broj prstenova<byte value="xd"/>u boji na 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Prikazuje vrijednost komponente</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Odabir / prikaz<byte value="xd"/>tolerancije komponente</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Unesite vrijednost komponente</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Množi unesenu vrijednost<byte value="xd"/>s 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Množi unesenu vrijednost<byte value="xd"/>s 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Množi unesenu<byte value="xd"/>vrijednost s 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Označeno: zaokružuje na najbližu<byte value="xd"/>vrijednost iz niza. Neoznačeno:<byte value="xd"/>uvijek zaokružuje naviše.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Kliknite za izračun<byte value="xd"/>koda boja</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Prikazuje unesenu vrijednost<byte value="xd"/>s odgovarajućim množiteljem</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Otpor</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponenta</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Otpornik</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondenzator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Prikaži savjete</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Kod boja</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Nacrtana komponenta</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Prsten tolerancije</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Prsten %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 prst.</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 prst.</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Unos vrijednosti</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Vrijednost komponente</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>zaokr. na najbližu</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Unesena vrijednost s množiteljem</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Pogreška pri pretvorbi vrijednosti komponente</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Vrijednost komponente mora biti broj od 1 do 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>O&amp;znake...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Traženje vrijednosti...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Is&amp;pis naljepnica...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tablica koda boja...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tablica koda boja</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Oznake</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Oznaka</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Prstenovi</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kod:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Vrijednost:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Vrsta:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Niz:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kodovi:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ili %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Raspon:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Obrnuto:</translation>
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
        <translation>Nema</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Odaberite boju</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>množitelj ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>znamenka %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>nije vrijednost</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>vrijednost izvan opsega</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerancija izvan opsega</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>nije UTF-8 tekst</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>nije otpornik ni kondenzator</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>otpornička mreža</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>ne ugrađivati</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>nezatvoreni navodnik</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>manje polja od zaglavlja</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>nema oznake</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>nije raspon oznaka</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nema vrijednosti</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>količina ne odgovara broju oznaka</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: datoteka je prazna</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: nije sastavnica, nijedan redak ne imenuje stupac Value ili Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>temperaturni koeficijent izvan opsega</translation>
    </message>
</context>
</TS>
