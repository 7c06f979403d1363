<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka_GE">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>ცარიელი</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>აირჩიეთ ფერები</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1-დან %2-მდე</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 და %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>სიდიდე არ არის</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; ამ მიმართულებით სტანდარტულია</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; ამ მიმართულებით არასტანდარტულია</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-ნიშნა კოდი</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-ნიშნა კოდი</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>ასოითი კოდი</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96 კოდი, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>ნულოვანი რეზისტორი</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>სიდიდე pF-ში</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ცარიელი</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>არ არის მარკირება</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>ასეთი EIA-96 ნომერი არ არის</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>დიაპაზონს გარეთ</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>არასტანდარტული; უახლოესი %1: %2 და %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>არასტანდარტული</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>შავი</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation variants="yes">
            <lengthvariant>ყავისფერი</lengthvariant>
            <lengthvariant>ყავის.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Red</source>
        <translation variants="yes">
            <lengthvariant>წითელი</lengthvariant>
            <lengthvariant>წით.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Orange</source>
        <translation variants="yes">
            <lengthvariant>ნარინჯისფერი</lengthvariant>
            <lengthvariant>ნარინ.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation variants="yes">
            <lengthvariant>ყვითელი</lengthvariant>
            <lengthvariant>ყვით.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Green</source>
        <translation>მწვანე</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation variants="yes">
            <lengthvariant>ლურჯი</lengthvariant>
            <lengthvariant>ლურჯ.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Violet</source>
        <translation variants="yes">
            <lengthvariant>იისფერი</lengthvariant>
            <lengthvariant>იისფ.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>რუხი</translation>
    </message>
    <message>
        <source>White</source>
        <translation variants="yes">
            <lengthvariant>თეთრი</lengthvariant>
            <lengthvariant>თეთრ.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>ოქრო</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation variants="yes">
            <lengthvariant>ვერცხლისფერი</lengthvariant>
            <lengthvariant>ვერცხ.</lengthvariant>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>არ არის ფერი</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>ზოლი %1 ვერ იქნება %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: ასეთი ბრძანება არ არსებობს</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: ასეთი პარამეტრი არ არსებობს</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 მოითხოვს მნიშვნელობას</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 არ იღებს მნიშვნელობას</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 იღებს ერთ-ერთს: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 მოითხოვს მთელ რიცხვს %2-დან %3-მდე</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 მოითხოვს 0-ზე მეტ და 100-ზე ნაკლებ პროცენტს</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>აკლია %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: მოულოდნელი არგუმენტი</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: ან მნიშვნელობები, ან რიგი ან დეტალების ფაილი, ორივე ერთად არა</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: დიაპაზონს გარეთ, %2-დან %3-მდე</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: დიაპაზონს გარეთ, არანაკლებ %2 და %3-ზე ნაკლები</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 მეტია, ვიდრე %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: გამოსავალი უნდა იყოს 0-ზე მეტი და შესავალზე ნაკლები</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: გამოსაყენებელი დეტალი არ არის</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: %2-ზე მეტი განსხვავებული მნიშვნელობა</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: ასეთი ფაილი არ არსებობს</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: წაკითხვის ნებართვა არ არის</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: საქაღალდეა და არა ფაილი</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ვერ იკითხება</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: %2 MB-ზე მეტია, დეტალების სიისთვის ზედმეტად დიდია</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 მოითხოვს ორ რიცხვს X,Y, თითოეულს %2-დან %3-მდე</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 ზოლი: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>კოდები: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>უახლოესი %1: %2 (%3) და %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>წრედი: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>ცალკე ჩამოთვლილი:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>წაუკითხავი:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>სტრიქონი %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 მოითხოვს რიცხვს %2-დან %3-მდე</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 მოითხოვს LOW..HIGH-ს °C-ში, თითოეული %2-დან %3-მდე, LOW არა HIGH-ზე მეტი</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 ან %2, ორივე ერთად არა</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: გამოსავალი უნდა იყოს საყრდენ %2-ზე მეტი</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>უარეს შემთხვევაში %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>გამოსავლიანობა %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>რეზისტორების ფერადი კოდი</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>ფერი</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>ციფრი</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>მამრავლი</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>დაშვება</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>ზოლის გარეშე</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>ერთი დეკადის სტანდარტული მნიშვნელობები</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>წანაცვლება %1 mm, %2 mm; მასშტაბი %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 ვერ ჩაიწერა</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>წაკითხული მნიშვნელობები: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>ჩემი დეტალები</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>ერთი ან რამდენიმე მნიშვნელობა სტრიქონზე, მაგალითად 4k7 ან 4,7 k; 1% მნიშვნელობის შემდეგ მის დაშვებას აძლევს, სხვაგვარად 5 %; # იწყებს კომენტარს.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>წაუკითხავი: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>სტრიქონი %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ომი</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ომი</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 კილოომი</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 კილოომი</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 მეგაომი</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 მეგაომი</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 პიკოფარადი</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 პიკოფარადი</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 ნანოფარადი</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 ნანოფარადი</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 მიკროფარადი</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 მიკროფარადი</translation>
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
        <translation>პროგრამის შესახებ</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 რეზისტორებისა და კონდენსატორებისთვის</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>თავისუფალი გამოყენება და გაზიარება.</translation>
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
        <translation>ზუსტად</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 პროცენტით ნაკლები</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 პროცენტით მეტი</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>პლუს</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>პარალელურად</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>მნიშვნელობების ძებნა</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>ჩემი დეტალები</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>დ&amp;ეტალები:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;ჩემი დეტალების შეცვლა...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;წრედები</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;გამყოფი</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>მ&amp;ნიშვნელობა:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>მ&amp;აქსიმუმ დეტალი:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>რიგი</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>ნაკლები</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>მეტი</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>&amp;უახლოესი სტანდარტული მნიშვნელობები:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>წრედი</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>მნიშვნელობა</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>გადახრა</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>დაშვების დიაპაზონი</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;საუკეთესო წრედები:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;შემავალი ძაბვა:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>გამომავალი &amp;ძაბვა:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;დან:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;მდე:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>გამოსავალი</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>გამოსავლის დიაპაზონი</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>&amp;რეზისტორების წყვილები:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;კოპირება</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;ზოლების ჩვენება</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>ზედმეტად ბევრი დეტალი</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>დეტალები არ არის: შეცვალეთ ჩემი დეტალები</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: ნაკლები %2, %3; მეტი %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, %4-დან %5-მდე</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>ძაბვა არის 0-ზე მეტი რიცხვი, მაგალითად 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 არის მნიშვნელობების დიაპაზონი, მაგალითად 1k-დან 1M-მდე.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 შესასვლელიდან გამოსასვლელამდე, R2 გამოსასვლელიდან მიწამდე.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>გამოსავალი უნდა იყოს 0-ზე მეტი და შესავალზე ნაკლები.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 ვოლტი, %4, %5-დან %6 ვოლტამდე</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>არ არის ტემპერატურის დიაპაზონი</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>არ არის კოეფიციენტი</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>არ არის დაშვება</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, გამოსავლიანობა %1 პროცენტი, პლუს-მინუს %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;ტემპ.:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>კოეფიციენტი:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>მა&amp;ქს. ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>უარესი შემთხვევა</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>გამოსავლიანობა</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>მარტ&amp;ივი გამყოფი</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>რეგუ&amp;ლატორი, უკუკავშირი</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>რეგულატ&amp;ორი, მორგება</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>გამომ&amp;ყვანის დენი, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, უარეს შემთხვევაში %1-დან %2-მდე</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>საყრდენის დაშვება და გამომყვანის დენი 0-დან დაწყებული რიცხვებია, მაგალითად 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 გამოსასვლელიდან გამომყვანამდე, R2 გამომყვანიდან მიწამდე.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>გამოსავალი უნდა იყოს საყრდენზე მეტი.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, უარეს შემთხვევაში %1-დან %2 ვოლტამდე</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>ეტიკეტები</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>მნიშვნელობები</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>ქაღალდი</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>წ&amp;ყარო:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>შეყვანილი მნიშვნელობები</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>მწკრივი</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>ჩემი დეტალები</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>სი&amp;დიდეები:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>მ&amp;წკრივი:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;საწყისი:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;ბოლო:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;ფურცელი:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;ზოლები:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 და 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;გადახედვა...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>ბე&amp;ჭდვა...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF-ად შ&amp;ენახვა...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>მნიშვნელობები არ არის</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>ზედმეტად ბევრი მნიშვნელობა</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>ეტიკეტები: %1, ფურცლები: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>ეტიკეტების შენახვა PDF-ად</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ფაილები (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>ე&amp;ტიკეტიდან:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>ჰორიზონტალური წანაცვლება</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>წა&amp;ნაცვლება:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>ვერტიკალური წანაცვლება</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>ჰორიზონტალური მასშტაბი</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;მასშტაბი:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>ვერტიკალური მასშტაბი</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>სა&amp;კალიბრო გვერდი...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>მასალების სია</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>მ&amp;ასალების სია...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>ეტიკეტები მასალების სიიდან</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>მასალების სიები (*.csv *.tsv *.txt);;ყველა ფაილი (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>მასალების სია არ არის არჩეული</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ვერ იკითხება</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>დააწკაპუნეთ ზოლზე<byte value="xd"/>ფერის ასარჩევად</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>ზოლი 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>ზოლი 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>ზოლი 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>ზოლი 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>დაშვება</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>4 ფერადი ზოლის<byte value="xd"/>არჩევა</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>5 ფერადი ზოლის<byte value="xd"/>არჩევა</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>კომპონენტის ნომინალის ჩვენება</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>კომპონენტის დაშვების<byte value="xd"/>არჩევა / ჩვენება</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>შეიყვანეთ კომპონენტის ნომინალი</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>შეყვანილი მნიშვნელობის<byte value="xd"/>გამრავლება 1 M-ზე (1 000 000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>შეყვანილი მნიშვნელობის<byte value="xd"/>გამრავლება 1 K-ზე (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>შეყვანილი მნიშვნელობის<byte value="xd"/>გამრავლება 1-ზე</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>მონიშნული: დამრგვალება უახლოეს<byte value="xd"/>სტანდარტულ ნომინალამდე. მოუნიშნავი:<byte value="xd"/>ყოველთვის ზემოთ დამრგვალება.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>დააწკაპუნეთ ფერადი<byte value="xd"/>კოდის გამოსათვლელად</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>შეყვანილი მნიშვნელობის<byte value="xd"/>ჩვენება მამრავლით</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>წინაღობა</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>ტევადობა</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ფაილი</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;გასვლა</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;კომპონენტი</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;რეზისტორი</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;კონდენსატორი</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;დახმარება</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;მინიშნებების ჩვენება</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>პროგრამის &amp;შესახებ...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>ფერადი კოდი</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>დახატული კომპონენტი</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>დაშვების ზოლი</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>ზოლი %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4&#x2009;ზოლი</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5&#x2009;ზოლი</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>ნომინალის შეყვანა</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>კომპონენტის ნომინალი</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>უახლოესზე</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>გამოთვლა</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>შეყვანილი მნიშვნელობა მამრავლით</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>ნომინალის გარდაქმნის შეცდომა</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>ნომინალი უნდა იყოს რიცხვი 1-დან 990M-მდე</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;მარკირება...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;კოპირება</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>მნიშვნელობების &amp;ძებნა...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>ეტიკეტების &amp;ბეჭდვა...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>ფერადი კოდის &amp;ცხრილი...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>ფერადი კოდის ცხრილი</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>მარკირება</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>მარკირება</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>ზოლები</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;კოდი:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>სიდიდე:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>ტიპი:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>რიგი:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>კოდები:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ან %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>ზღვრები:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>უკუღმა:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>დაშვ.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>არა</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>ფერის არჩევა</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>მამრავლი ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>ციფრი %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>არ არის მნიშვნელობა</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>მნიშვნელობა დიაპაზონს გარეთაა</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>დაშვება დიაპაზონს გარეთაა</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>არ არის UTF-8 ტექსტი</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>არც რეზისტორია და არც კონდენსატორი</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>რეზისტორების მატრიცა</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>ტრიმერი</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>არ დამონტაჟდეს</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>ბრჭყალი არ არის დახურული</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>ველები სათაურზე ნაკლებია</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>აღნიშვნა არ არის</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>არ არის აღნიშვნების დიაპაზონი</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>მნიშვნელობა მითითებული არ არის</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>რაოდენობა არ ემთხვევა აღნიშვნებს</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: ცარიელია</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: არ არის მასალების სია, არცერთი სტრიქონი არ ასახელებს სვეტს Value ან Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>ტემპერატურული კოეფიციენტი დიაპაზონს გარეთაა</translation>
    </message>
</context>
</TS>
