<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Valitse värit</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ja %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>ei arvoa</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; tähän suuntaan standardiarvo</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; tähän suuntaan ei standardiarvo</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-numeroinen koodi</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-numeroinen koodi</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>kirjainkoodi</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96-koodi, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nollaohmivastus</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>arvo pF:inä</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>ei ole merkintä</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>tuntematon EIA-96-numero</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>alueen ulkopuolella</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>ei standardiarvo; lähimmät %1: %2 ja %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>ei standardiarvo</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Musta</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Ruskea</translation>
    </message>
    <message>
        <source>Red</source>
        <translation variants="yes">
            <lengthvariant>Punainen</lengthvariant>
            <lengthvariant>Puna</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranssi</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Keltainen</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vihreä</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Sininen</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violetti</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Harmaa</translation>
    </message>
    <message>
        <source>White</source>
        <translation variants="yes">
            <lengthvariant>Valkoinen</lengthvariant>
            <lengthvariant>Valkea</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Kulta</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Hopea</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>ei ole väri</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>raita %1 ei voi olla %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: tuntematon komento</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: tuntematon valitsin</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 vaatii arvon</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ei hyväksy arvoa</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1: sallitut arvot: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1: arvon on oltava kokonaisluku väliltä %2–%3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1: arvon on oltava prosenttiluku yli 0 ja alle 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 puuttuu</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: odottamaton argumentti</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: joko arvot tai sarja tai osatiedosto, ei molempia</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: alueen ulkopuolella, sallittu %2 – %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: alueen ulkopuolella, sallittu vähintään %2 ja alle %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 on suurempi kuin %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: lähdön on oltava yli 0 ja alle tulon</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: ei käytettäviä osia</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: yli %2 eri arvoa</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: tiedostoa ei ole</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: ei lukuoikeutta</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: kansio, ei tiedosto</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>kohdetta %1 ei voi lukea</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: yli %2 MB, liian suuri osaluetteloksi</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1: arvon on oltava kaksi lukua X,Y, kumpikin väliltä %2–%3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 raitaa: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>koodit: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>lähimmät %1: %2 (%3) ja %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>verkko: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Erikseen luetellut:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Lukematta:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1: arvon on oltava luku väliltä %2–%3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1: arvon on oltava LOW..HIGH °C-asteina, kumpikin väliltä %2–%3, LOW enintään HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 tai %2, ei molempia</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: lähdön on oltava referenssin %2 yläpuolella</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>pahimmillaan %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>saanto %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Vastusten värikoodi</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Väri</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Kerroin</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranssi</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>ei raitaa</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Yhden dekadin normiarvot</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Siirtymä %1 mm, %2 mm; skaalaus %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>kohteeseen %1 ei voi kirjoittaa</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Luettuja arvoja: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Omat osat</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Yksi tai muutama arvo riville, esim. 4k7 tai 4,7 k; 1% arvon perässä antaa sen toleranssin, muuten 5 %; # aloittaa kommentin.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Lukematta: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ohmi</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ohmia</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kilo-ohmi</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kilo-ohmia</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaohmi</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaohmia</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofaradi</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofaradia</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofaradi</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofaradia</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofaradi</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofaradia</translation>
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
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 vastuksille ja kondensaattoreille</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Vapaasti käytettävissä ja jaettavissa.</translation>
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
        <translation>tarkka</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 prosenttia alle</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 prosenttia yli</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>rinnan kanssa</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Etsi arvoja</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Omat osat</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Osat:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;Muokkaa omia osia...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Verkot</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Jakaja</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Arvo:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>Osia &amp;enintään:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Sarja</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Yli</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Lä&amp;himmät standardiarvot:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Arvo</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Poikkeama</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Toleranssialue</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Pa&amp;rhaat verkot:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>T&amp;ulojännite:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>L&amp;ähtöjännite:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 a&amp;lkaen:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>a&amp;sti:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Lähtö</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Lähtöalue</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Vas&amp;tusparit:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Kop&amp;ioi</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Nä&amp;ytä raidat</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>liikaa osia</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>ei osia: muokkaa omia osia</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: alle %2, %3; yli %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, %4 – %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Jännite on nollaa suurempi luku, esim. 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 on arvoalue, esim. 1k – 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 tulosta lähtöön, R2 lähdöstä maahan.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Lähdön on oltava yli 0 ja alle tulon.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volttia, %4, %5 – %6 volttia</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>ei lämpötila-alue</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>ei kerroin</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>ei toleranssi</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, saanto %1 prosenttia, plus miinus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Lämp&amp;ötila:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Kerroin:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>E&amp;nintään ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Pahin tapaus</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Saanto</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>&amp;Pelkkä jakaja</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Säädin, F&amp;B-nasta</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Säädin, A&amp;DJ-nasta</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>&amp;FB/ADJ-virta, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, pahimmillaan %1 – %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Referenssin toleranssi ja nastan virta ovat lukuja nollasta ylöspäin, esim. 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 lähdöstä nastaan, R2 nastasta maahan.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Lähdön on oltava referenssin yläpuolella.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, pahimmillaan %1 – %2 volttia</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Tarrat</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Arvot</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Paperi</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Lähde:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Kirjoitetut arvot</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Sarja</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Omat osat</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Arvot:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Sarja:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Mistä:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>M&amp;ihin:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Ar&amp;kki:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Raidat:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 ja 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Esikatselu...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tulosta...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Tallenna P&amp;DF:nä...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>ei arvoja</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>liian monta arvoa</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Tarroja: %1, arkkeja: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Tallenna tarrat PDF:nä</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-tiedostot (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Al&amp;oita tarrasta:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Vaakasiirtymä</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Siirt&amp;ymä:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Pystysiirtymä</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vaakaskaalaus</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Skaala&amp;us:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Pystyskaalaus</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Kali&amp;brointisivu...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Materiaaliluettelo</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Valitse luettelo...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Tarrat materiaaliluettelosta</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Materiaaliluettelot (*.csv *.tsv *.txt);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>ei valittua materiaaliluetteloa</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>kohdetta %1 ei voi lukea</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Valitse väri<byte value="xd"/>napsauttamalla raitaa</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Raita 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Raita 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Raita 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Raita 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranssi</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Aseta väriraitojen<byte value="xd"/>määräksi 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Aseta väriraitojen<byte value="xd"/>määräksi 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Näyttää komponentin arvon</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Valitse / näytä<byte value="xd"/>komponentin toleranssi</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Syötä komponentin arvo</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Kerro syötetty arvo<byte value="xd"/>luvulla 1 M (1&#xa0;000&#xa0;000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Kerro syötetty arvo<byte value="xd"/>luvulla 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Kerro syötetty arvo<byte value="xd"/>luvulla 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Valittuna: pyöristä lähimpään<byte value="xd"/>normiarvoon. Ei valittuna:<byte value="xd"/>pyöristä aina ylöspäin.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Laske värikoodi<byte value="xd"/>napsauttamalla</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Näyttää syötetyn arvon<byte value="xd"/>kertoimineen</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistanssi</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapasitanssi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponentti</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Vastus</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondensaattori</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Näytä työkaluvihjeet</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tietoja...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Värikoodi</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Piirretty komponentti</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Toleranssiraita</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Raita %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 raitaa</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 raitaa</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Syötä arvo</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Komponentin arvo</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>lähin normiarvo</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Laske</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Syötetty arvo kertoimineen</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Virhe komponentin arvon muunnossa</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Komponentin arvon on oltava luku väliltä 1–990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Merkinnät...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Kop&amp;ioi</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Etsi arvoja...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Tulosta tarrat...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Värikooditaulukko...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Värikooditaulukko</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Merkinnät</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Merkintä</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Raidat</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Koodi:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Arvo:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tyyppi:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Sarja:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Koodit:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 tai %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Väli:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Toisinpäin:</translation>
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
        <translation>Ei mitään</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Valitse väri</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>kerroin ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>numero %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>ei ole arvo</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>arvo alueen ulkopuolella</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>toleranssi alueen ulkopuolella</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>ei ole UTF-8-tekstiä</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>ei vastus eikä kondensaattori</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>vastusverkko</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmeri</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>ei asenneta</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>lainausmerkki sulkematta</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>vähemmän kenttiä kuin otsikkorivillä</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>ei osatunnusta</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>ei osatunnusväli</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>ei arvoa</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>määrä ei vastaa osatunnuksia</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: tyhjä</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: ei materiaaliluettelo, millään rivillä ei ole saraketta Value tai Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>lämpötilakerroin alueen ulkopuolella</translation>
    </message>
</context>
</TS>
