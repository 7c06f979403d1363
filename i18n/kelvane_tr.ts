<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Renkleri seçin</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ile %2 arası</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>değer yok</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; bu yönde standart</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; bu yönde standart değil</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3 haneli kod</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4 haneli kod</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>harfli kod</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96 kodu, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>sıfır ohm köprü</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>pF cinsinden değer</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>işaret değil</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>böyle bir EIA-96 numarası yok</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>aralık dışı</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>standart değil; en yakın %1: %2 ve %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>standart değil</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation variants="yes">
            <lengthvariant>Kahverengi</lengthvariant>
            <lengthvariant>Kahve</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Turuncu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Altın</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gümüş</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>renk değil</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>bant %1 %2 olamaz</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: böyle bir komut yok</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: böyle bir seçenek yok</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 için bir değer gerekir</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 değer almaz</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 için şunlardan biri gerekir: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 için %2 ile %3 arasında bir tam sayı gerekir</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 için 0&apos;dan büyük ve 100&apos;den küçük bir yüzde gerekir</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 eksik</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: beklenmeyen argüman</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: ya değerler ya da bir seri veya parça dosyası, ikisi birden değil</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: aralık dışı, %2 ile %3 arası</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: aralık dışı, en az %2 ve %3 altında</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 değeri %2 değerinden büyük</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: çıkış 0&apos;ın üstünde ve girişin altında olmalıdır</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: kullanılacak parça yok</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: farklı değer sayısı %2 üzerinde</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: böyle bir dosya yok</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: okuma izni yok</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: dosya değil, klasör</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 okunamıyor</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: %2 MB üzerinde, parça listesi için çok büyük</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 için her biri %2 ile %3 arasında iki sayı X,Y gerekir</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 bant: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kodlar: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>en yakın %1: %2 (%3) ve %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>devre: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Ayrı listelenenler:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Okunamadı:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 için %2 ile %3 arası bir sayı gerekir</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 için °C cinsinden LOW..HIGH gerekir, her biri %2 ile %3 arası, LOW HIGH&apos;tan büyük değil</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 veya %2, ikisi birden değil</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: çıkış %2 referansının üstünde olmalıdır</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>en kötü durumda %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>verim %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Direnç renk kodu</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Rakam</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Çarpan</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerans</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>bant yok</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Bir dekadın standart değerleri</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Kaydırma %1 mm, %2 mm; ölçek %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 yazılamıyor</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Okunan değerler: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Parçalarım</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Satır başına bir ya da birkaç değer, örneğin 4k7 veya 4,7 k; bir değerden sonra 1% toleransını verir, yoksa 5 %; # yorum başlatır.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Okunamadı: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
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
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Dirençler ve kondansatörler için Kelvane v%1</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Kullanımı ve paylaşımı serbesttir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>tam</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>yüzde %1 altında</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>yüzde %1 üstünde</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>artı</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>paralel</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Değer bul</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Parçalarım</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Parçalar:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Parça&amp;larımı düzenle...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>D&amp;evreler</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Bölücü</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Değer:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>E&amp;n çok parça:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Seri</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Altında</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Üstünde</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>En &amp;yakın standart değerler:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Devre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Sapma</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Tolerans aralığı</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>En &amp;iyi devreler:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Giriş gerilimi:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>Ç&amp;ıkış gerilimi:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 en &amp;az:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>en &amp;çok:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Çıkış aralığı</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Di&amp;renç çiftleri:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Ban&amp;tları göster</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>çok fazla parça</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>parça yok: parçalarımı düzenleyin</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: altında %2, %3; üstünde %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, %4 ile %5 arası</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Gerilim 0&apos;dan büyük bir sayıdır, örneğin 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 bir değer aralığıdır, örneğin 1k ile 1M arası.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 girişten çıkışa, R2 çıkıştan toprağa.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Çıkış 0&apos;ın üstünde ve girişin altında olmalıdır.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 volt, %4, %5 ile %6 volt arası</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>sıcaklık aralığı değil</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>katsayı değil</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>tolerans değil</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, verim yüzde %1, artı eksi %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;Sıcaklık:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Katsayı:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>pp&amp;m/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>A&amp;zami sapma ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>En kötü durum</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Verim</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Yalın b&amp;ölücü</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Reg&amp;ülatör, geri besleme bacağı</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regülatör, ayar ba&amp;cağı</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>&amp;Uç akımı, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, en kötü durumda %1 ile %2 arası</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Referansın toleransı ve pinin akımı 0&apos;dan başlayan sayılardır, örneğin 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 çıkıştan pine, R2 pinden toprağa.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Çıkış referansın üstünde olmalıdır.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, en kötü durumda %1 ile %2 volt arası</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etiketler</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Değerler</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Kâğıt</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Kaynak:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Yazılan değerler</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Bir seri</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Parçalarım</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>De&amp;ğerler:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Seri:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Başlangıç:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>Bi&amp;tiş:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>S&amp;ayfa:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>Ba&amp;ntlar:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 ve 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Ön&amp;izleme...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Yazdır...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>P&amp;DF olarak kaydet...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>değer yok</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>çok fazla değer</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etiket: %1, sayfa: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Etiketleri PDF olarak kaydet</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF dosyaları (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Başlangıç &amp;etiketi:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Yatay kaydırma</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Kaydı&amp;rma:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Dikey kaydırma</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Yatay ölçek</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;Ölçek:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Dikey ölçek</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Ka&amp;librasyon sayfası...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Bir malzeme listesi</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Malzeme listesi...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Malzeme listesinden etiketler</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Malzeme listeleri (*.csv *.tsv *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>malzeme listesi seçilmedi</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 okunamıyor</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Rengini seçmek için<byte value="xd"/>bir banda tıklayın</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Bant 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Bant 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Bant 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Bant 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerans</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Renk bandı sayısını<byte value="xd"/>4 yap</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Renk bandı sayısını<byte value="xd"/>5 yap</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Bileşen değerini gösterir</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Bileşenin toleransını<byte value="xd"/>seç / göster</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Bileşen değerini girin</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Girilen değeri<byte value="xd"/>1 M (1.000.000) ile çarp</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Girilen değeri<byte value="xd"/>1 K (1000) ile çarp</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Girilen değeri<byte value="xd"/>1 ile çarp</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Seçili: en yakın standart değere<byte value="xd"/>yuvarla. Seçili değil: her zaman<byte value="xd"/>yukarı yuvarla.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Renk kodunu hesaplamak<byte value="xd"/>için tıklayın</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Girilen değeri<byte value="xd"/>çarpanıyla gösterir</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Direnç</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapasite</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Bileşen</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Direnç</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondansatör</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>İpuçlarını &amp;göster</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Renk kodu</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Çizilen bileşen</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Tolerans bandı</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Bant %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 bant</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 bant</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Değer girin</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Bileşen değeri</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>en yakına yuvarla</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Çarpanıyla girilen değer</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Bileşen değeri dönüştürülemedi</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Bileşen değeri 1 ile 990M arasında bir sayı olmalıdır</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>İşaret&amp;ler...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>Değer &amp;bul...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Etiketleri yazdır...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Renk kodu tablosu...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Renk kodu tablosu</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>İşaretler</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>İşaret</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bantlar</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kod:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Değer:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Seri:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kodlar:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 veya %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Aralık:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Ters:</translation>
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
        <translation>Yok</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Renk seç</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>çarpan ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>rakam %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>değer değil</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>değer aralık dışı</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerans aralık dışı</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>UTF-8 metin değil</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>direnç veya kondansatör değil</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>direnç dizisi</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>takılmayacak</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>kapatılmamış tırnak</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>başlıktan az alan</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>referans yok</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>referans aralığı değil</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>değer yok</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>miktar referanslarla uyuşmuyor</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: boş</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: malzeme listesi değil, hiçbir satır Value veya Comment sütunu adlandırmıyor</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>sıcaklık katsayısı aralık dışı</translation>
    </message>
</context>
</TS>
