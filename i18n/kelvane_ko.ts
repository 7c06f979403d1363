<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>비어 있음</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>색을 선택하세요</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1에서 %2까지</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>값 없음</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; 이 방향은 표준값</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; 이 방향은 표준값 아님</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3자리 코드</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4자리 코드</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>문자 기호</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96 코드, 1%</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>0옴 저항</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>pF 단위 값</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>입력 없음</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>유효한 표기 아님</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>해당 EIA-96 번호 없음</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>범위 밖</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>표준값 아님; 가까운 %1 값: %2 및 %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>표준값 아님</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>흑색</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>갈색</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>적색</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>등색</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>황색</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>녹색</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>청색</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>자색</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>White</source>
        <translation>백색</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>금색</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>은색</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>유효한 색 아님</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>%1번 띠는 %2일 수 없음</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: 알 수 없는 명령</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: 알 수 없는 옵션</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1에 값이 필요함</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1에는 값을 지정할 수 없음</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1의 값은 %2 중 하나여야 함</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1의 값은 %2에서 %3 사이의 정수여야 함</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1의 값은 0보다 크고 100보다 작은 백분율이어야 함</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 누락</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: 예상하지 못한 인수</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: 값과 계열 또는 부품 파일을 함께 지정할 수 없음</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: 범위 밖, %2에서 %3까지</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: 범위 밖, %2 이상 %3 미만</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 값이 %2보다 큼</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: 출력은 0보다 크고 입력보다 작아야 함</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: 사용할 부품 없음</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: 서로 다른 값이 %2개를 넘음</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: 파일 없음</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: 읽기 권한 없음</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: 파일이 아니라 폴더임</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1을(를) 읽을 수 없음</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: %2 MB 초과, 부품 목록으로는 너무 큼</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1의 값은 X,Y 두 수여야 하며 각각 %2에서 %3 사이여야 함</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1색띠: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>코드: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>가까운 %1 값: %2 (%3) 및 %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>회로망: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>별도 목록:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>읽지 못함:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1번째 줄: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1의 값은 %2에서 %3 사이의 수여야 함</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1의 값은 °C 단위 LOW..HIGH이며 각각 %2에서 %3 사이, LOW는 HIGH 이하여야 함</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 또는 %2, 둘 다는 안 됨</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: 출력은 기준 전압 %2보다 커야 함</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>최악의 경우 %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>수율 %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>저항기 색 코드</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>승수</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>허용 오차</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>띠 없음</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>한 디케이드의 표준값</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>오프셋 %1 mm, %2 mm; 배율 %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1에 쓸 수 없음</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>읽은 값: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>내 부품</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>한 줄에 값 하나 또는 몇 개(예: 4k7, 4,7 k). 값 뒤의 1%는 그 허용 오차이며, 없으면 5 %. #부터는 주석입니다.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>읽지 못함: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1번째 줄: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 옴</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 옴</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 킬로옴</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 킬로옴</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 메가옴</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 메가옴</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 피코패럿</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 피코패럿</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 나노패럿</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 나노패럿</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 마이크로패럿</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 마이크로패럿</translation>
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
        <translation>정보</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>저항·커패시터용 Kelvane v%1</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>자유롭게 사용하고 공유할 수 있습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>정확</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 퍼센트 낮음</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 퍼센트 높음</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>직렬</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>병렬</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>값 찾기</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>내 부품</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>부품(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>내 부품 편집(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>회로망(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>분압기(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>값(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>최대 부품 수(&amp;M):</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>계열</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>위</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>가장 가까운 표준값(&amp;R):</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>회로망</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>편차</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>허용 오차 범위</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>최적 회로망(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>입력 전압(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>출력 전압(&amp;O):</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 최소(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>최대(&amp;T):</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>출력 범위</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>저항 쌍(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>색 띠 보기(&amp;H)</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>부품이 너무 많습니다</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>부품 없음: 내 부품을 편집하십시오</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: 아래 %2, %3; 위 %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, %4에서 %5까지</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>전압은 0보다 큰 수입니다(예: 3,3).</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2는 값의 범위입니다(예: 1k에서 1M까지).</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1은 입력에서 출력으로, R2는 출력에서 접지로.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>출력은 0보다 크고 입력보다 작아야 합니다.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 볼트, %4, %5에서 %6 볼트까지</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>온도 범위가 아님</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>계수가 아님</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>허용 오차가 아님</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, 수율 %1 퍼센트, 오차 %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>온도(&amp;A):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>~</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>계수:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>범위(&amp;W) ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>최악의 경우</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>수율</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>단순 분압기(&amp;L)</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>레귤레이터, 피드백 핀(&amp;G)</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>레귤레이터, 조정 핀(&amp;J)</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>핀 전류 µA(&amp;U):</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, 최악의 경우 %1에서 %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>기준 전압의 허용 오차와 핀 전류는 0 이상의 수입니다(예: 1).</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1은 출력에서 핀으로, R2는 핀에서 접지로.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>출력은 기준 전압보다 커야 합니다.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, 최악의 경우 %1에서 %2 볼트</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>라벨</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>용지</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>원본(&amp;T):</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>입력한 값</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>계열</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>내 부품</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>값(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>계열(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>시작(&amp;F):</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>끝(&amp;O):</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>시트(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>띠(&amp;B):</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 및 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>미리 보기(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF로 저장(&amp;D)...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>값 없음</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>값이 너무 많음</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>라벨: %1, 시트: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>라벨을 PDF로 저장</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>시작 라벨(&amp;L):</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>가로 오프셋</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>오프셋(&amp;E):</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>세로 오프셋</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>가로 배율</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>배율(&amp;C):</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>세로 배율</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>보정 페이지(&amp;G)...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>부품표</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>부품표(&amp;M)...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>부품표에서 라벨 만들기</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>부품표 (*.csv *.tsv *.txt);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>부품표 파일을 선택하지 않음</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1을(를) 읽을 수 없음</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>띠를 클릭하여<byte value="xd"/>색 선택</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>1번 띠</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>2번 띠</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>3번 띠</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>4번 띠</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>허용 오차</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>색띠 개수를<byte value="xd"/>4개로 설정</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>색띠 개수를<byte value="xd"/>5개로 설정</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>부품 값 표시</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>부품 허용 오차<byte value="xd"/>선택 / 표시</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>부품 값 입력</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>입력값에 1 M<byte value="xd"/>(1,000,000)을 곱합니다</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>입력값에 1 K<byte value="xd"/>(1000)을 곱합니다</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>입력값에<byte value="xd"/>1을 곱합니다</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>선택: 가장 가까운 표준값으로<byte value="xd"/>반올림. 해제: 항상<byte value="xd"/>올림.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>클릭하여<byte value="xd"/>색 코드 계산</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>입력값을<byte value="xd"/>승수와 함께 표시</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>저항값</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>정전 용량</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>부품(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>저항(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>커패시터(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>도구 설명 표시(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>색 코드</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>부품 그림</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>허용 오차 띠</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>%1번 띠</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4색띠</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5색띠</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>값 입력</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>부품 값</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>반올림</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>승수를 곱한 입력값</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>부품 값 변환 오류</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>부품 값은 1에서 990M 사이의 숫자여야 합니다</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>표기(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>값 찾기(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>라벨 인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>색 코드 표(&amp;C)...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>색 코드 표</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>표기</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>표기</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>색띠</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>코드(&amp;C):</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>값:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>종류:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>계열:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>코드:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 또는 %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>범위:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>역방향:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>오차</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>색 선택</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>승수 ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>숫자 %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>유효한 값 아님</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>값이 범위 밖임</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>허용 오차가 범위 밖임</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>UTF-8 텍스트 아님</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>저항이나 커패시터가 아님</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>저항 어레이</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>트리머</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>실장 안 함</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>따옴표가 닫히지 않음</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>필드가 헤더보다 적음</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>참조 번호 없음</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>참조 번호 범위가 아님</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>값 없음</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>수량이 참조 번호 수와 다름</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: 내용 없음</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: 부품표가 아님, Value 또는 Comment 열을 지정한 줄이 없음</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>온도 계수가 범위 밖임</translation>
    </message>
</context>
</TS>
