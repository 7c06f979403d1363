<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd_GB">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>falamh</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Tagh na dathan</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 gu %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>gun luach</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; stannardach an taobh seo</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; neo-stannardach an taobh seo</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>còd le 3 àireamhan</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>còd le 4 àireamhan</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>còd litreach</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>còd EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>ceangal neoni-ohm</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>luach ann am pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>falamh</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>chan e comharradh a th’ ann</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>chan eil an àireamh EIA-96 seo ann</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>taobh a-muigh na rainse</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>neo-stannardach; as fhaisge ann an %1: %2 is %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>neo-stannardach</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Dubh</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Donn</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Dearg</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orains</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Buidhe</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Uaine</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Gorm</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Purpaidh</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Liath</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Geal</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Òr</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Airgead</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>chan e dath a th’ ann</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>chan fhaod stiall %1 a bhith %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: chan eil an àithne seo ann</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: chan eil an roghainn seo ann</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>feumaidh %1 luach</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>chan fhaod luach a bhith aig %1</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>feumaidh %1 aon dhiubh seo: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>feumaidh %1 àireamh shlàn o %2 gu %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>feumaidh %1 ceudad os cionn 0 is fo 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 a dhìth</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: argamaid ris nach robh dùil</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: luachan no sreath no faidhle phàirtean, chan e an dà chuid</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: taobh a-muigh na rainse, o %2 gu %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: taobh a-muigh na rainse, co-dhiù %2 is fo %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>tha %1 os cionn %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: feumaidh an t-a-mach a bhith os cionn 0 is fon a-steach</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: gun phàirt ri chleachdadh</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: barrachd air %2 de luachan eadar-dhealaichte</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: chan eil am faidhle seo ann</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: chan fhaodar a leughadh</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: pasgan, chan e faidhle</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>cha ghabh %1 leughadh</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: còrr is %2 MB, ro mhòr airson liosta phàirtean</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>feumaidh %1 dà àireamh X,Y, gach tè o %2 gu %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 stiallan: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>còdan: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>as fhaisge ann an %1: %2 (%3) is %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>lìonra: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Air an liostadh fa leth:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Gun leughadh:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>loidhne %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>feumaidh %1 àireamh o %2 gu %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>feumaidh %1 LOW..HIGH ann an °C, gach tè o %2 gu %3, LOW gun a bhith os cionn HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 no %2, chan e an dà chuid</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: feumaidh an t-a-mach a bhith os cionn an iomraidh %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>aig a&apos; char as miosa %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>toradh %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Còd dhathan nan resistearan</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Dath</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Àireamh</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Iomadaiche</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Lamhas</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>gun bhann</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Luachan àbhaisteach deichead</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Gluasad %1 mm, %2 mm; sgèile %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>cha ghabh %1 sgrìobhadh</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Luachan air an leughadh: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mo phàirtean</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Luach no dhà air gach loidhne, mar 4k7 no 4,7 k; bheir 1% an dèidh luach am fulangas aige, air neo 5 %; tòisichidh # beachd.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Gun leughadh: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>loidhne %1: %2</translation>
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
        <translation>%1 cile-ohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 cile-ohm</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 meaga-ohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 meaga-ohm</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 piceo-farad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 piceo-farad</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nano-farad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nano-farad</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 micreo-farad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 micreo-farad</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <comment>decimal point</comment>
        <translation>%1.%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Mu dhèidhinn</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 airson resistor is capacitor</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Saor ri chleachdadh is ri cho-roinneadh.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ceart ma-thà</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>pongail</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 sa cheud fodha</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 sa cheud os cionn</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>agus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>co-shìnte ri</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Lorg luachan</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mo phàirtean</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Pàirtean:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Deasaich &amp;mo phàirtean...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>L&amp;ìonraidhean</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Roinneadair</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Luach:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>Pàirtean aig a&apos; &amp;char as motha:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Sreath</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Fodha</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Os cionn</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Na luachan stannardach as &amp;fhaisge:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Lìonra</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Luach</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Claonadh</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Raon fulangais</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Na lìonraidhean as fheàrr:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>Bholtachd &amp;a-steach:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Bholtachd a-mach:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;o:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;gu:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>A-mach</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Raon a-mach</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Pa&amp;idhrichean resistor:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Dèan lethbhreac</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Seall na bannan</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>cus phàirtean</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>gun phàirtean: deasaich mo phàirtean</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: fodha %2, %3; os cionn %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, o %4 gu %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>&apos;S e àireamh os cionn 0 a th&apos; ann am bholtachd, mar 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>&apos;S e raon luachan a th&apos; ann an R1 + R2, mar 1k gu 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 on a-steach chun a-mach, R2 on a-mach chun na talmhainn.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Feumaidh an t-a-mach a bhith os cionn 0 is fon a-steach.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 bholt, %4, o %5 gu %6 bholt</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>chan e raon teothachd a th&apos; ann</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>chan e co-èifeachd a th&apos; ann</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>chan e lamhas a th&apos; ann</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, toradh %1 sa cheud, %2 a-null no a-nall</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;Teothachd:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>gu</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Co-èifeachd:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>As m&amp;ò ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>A&apos; chùis as miosa</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Toradh</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Roinneadair &amp;àbhaisteach</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Riag&amp;hladair, prìne fios-air-ais</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Riaghladair, prìn&amp;e gleusaidh</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Sr&amp;uth a&apos; phrìne, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, aig a&apos; char as miosa o %1 gu %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>&apos;S e àireamhan o 0 a th&apos; ann an lamhas an iomraidh is sruth a&apos; phrìne, mar 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 on a-mach chun a&apos; phrìne, R2 on phrìne chun na talmhainn.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Feumaidh an t-a-mach a bhith os cionn an iomraidh.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, aig a&apos; char as miosa o %1 gu %2 bholt</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Leubailean</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Luachan</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Pàipear</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Tùs:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Luachan sgrìobhte</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Sreath</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mo phàirtean</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Luachan:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Sreath:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Bho:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Gu:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>D&amp;uilleag:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>Ba&amp;nnan:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 is 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Ro-shealladh...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Clò-bhuail...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Sàbhail mar P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>gun luachan</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>cus luachan</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Leubailean: %1, duilleagan: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Sàbhail na leubailean mar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Faidhlichean PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Tòisich aig l&amp;eubail:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Gluasad còmhnard</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Glu&amp;asad:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Gluasad inghearach</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Sgèile chòmhnard</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Sgè&amp;ile:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Sgèile inghearach</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Duilleag cailb&amp;hreachaidh...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Bile stuthan</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Fosgail bile stuthan...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Leubailean à bile stuthan</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Bilean stuthan (*.csv *.tsv *.txt);;A h-uile faidhle (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>cha deach bile stuthan a thaghadh</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>cha ghabh %1 leughadh</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Briog air stiall gus<byte value="xd"/>dath a thaghadh</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Stiall 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Stiall 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Stiall 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Stiall 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Lamhas</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Cleachd 4 stiallan<byte value="xd"/>dhathan</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Cleachd 5 stiallan<byte value="xd"/>dhathan</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Seallaidh seo luach na co-phàirte</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Tagh / seall lamhas<byte value="xd"/>na co-phàirte</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Cuir a-steach luach na co-phàirte</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Iomadaich an luach a chuir thu a-steach<byte value="xd"/>le 1 M (1,000,000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Iomadaich an luach a chuir thu a-steach<byte value="xd"/>le 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Iomadaich an luach a chuir<byte value="xd"/>thu a-steach le 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Le cromag: cuairtich chun an luach<byte value="xd"/>stannardach as fhaisge. Gun chromag:<byte value="xd"/>cuairtich suas an-còmhnaidh.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Briog gus còd nan<byte value="xd"/>dathan obrachadh a-mach</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Seallaidh seo an luach a chuir thu a-steach<byte value="xd"/>leis an iomadaiche cheart</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Strì</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Toillteas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Faidhle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fàg an-seo</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Co-phàirt</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistor</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Capacitor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Cob&amp;hair</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Seall gliocasan-sgrìn</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Mu dhèidhinn...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Còd nan dathan</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Co-phàirt air a tarraing</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Stiall an lamhais</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Stiall %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 stiallan</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 stiallan</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Cuir a-steach luach</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Luach na co-phàirte</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>luach as fhaisge</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Àireamhaich</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>An luach a chaidh a chur a-steach leis an iomadaiche</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Mearachd le iompachadh luach na co-phàirte</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Feumaidh luach na co-phàirte a bhith ’na àireamh eadar 1 is 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>Co&amp;mharraidhean...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Dèan lethbhrea&amp;c</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Lorg luachan...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Clò-bhuail &amp;leubailean...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>Clàr a&apos; chòd &amp;dhathan...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Clàr a&apos; chòd dhathan</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Comharraidhean</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Comharradh</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Stiallan</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Còd:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Luach:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Seòrsa:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Sreath:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Còdan:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 no %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Raon:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Air ais:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Lamhas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Gun stiall</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Tagh dath</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>iomadaiche ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>figear %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>chan e luach a th’ ann</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>luach taobh a-muigh na rainse</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>lamhas taobh a-muigh na rainse</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>chan e teacsa UTF-8 a th’ ann</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>chan e resistor no capacitor a th’ ann</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>arraigh resistor</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>na cuir a-steach</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>comharra-labhairt gun dùnadh</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>nas lugha de raointean na am bann-cinn</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>gun reifreans</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>chan e rainse reifreansan a th’ ann</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>gun luach</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>chan eil an àireamh a’ freagairt ris na reifreansan</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: chan eil dad ann</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: chan e bile stuthan a th’ ann, chan eil loidhne sam bith ag ainmeachadh colbh Value no Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>co-èifeachd teothachd taobh a-muigh na rainse</translation>
    </message>
</context>
</TS>
