<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>未設定</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>色を選択してください</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 および %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>値なし</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1。この向きでは標準値</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1。この向きでは標準値外</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3桁コード</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4桁コード</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>文字記号</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96コード、1%</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>ゼロオーム抵抗</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>pF 単位の値</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>未入力</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>マーキングではない</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>該当するEIA-96番号なし</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>標準値外。近い%1値: %2 と %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>標準値外</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>色ではない</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>第%1帯に%2は使えない</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: 不明なコマンド</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: 不明なオプション</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 には値が必要</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 に値は指定できない</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 の値は %2 のいずれか</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 の値は %2 から %3 までの整数</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 の値は 0 より大きく 100 より小さいパーセント値</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 が指定されていない</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: 予期しない引数</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: 値と、系列または部品ファイルは同時に指定できない</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: 範囲外 (%2 から %3 まで)</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: 範囲外 (%2 以上 %3 未満)</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 が %2 より大きい</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: 出力は 0 より大きく入力より小さくなければならない</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: 使える部品がない</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: 異なる値が %2 個を超える</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: ファイルが見つからない</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: 読み取り権限がない</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: ファイルではなくフォルダ</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み取れない</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: %2 MB 超、部品リストには大きすぎる</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 の値は X,Y の 2 つの数で、それぞれ %2 から %3 まで</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1本帯: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>コード: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>近い%1値: %2 (%3) と %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>回路網: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>別掲:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>読み取り不可:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 の値は %2 から %3 までの数</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 の値は °C 単位の LOW..HIGH、それぞれ %2 から %3 まで、LOW は HIGH 以下</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 と %2 は同時に指定できない</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: 出力は基準電圧 %2 より大きくする必要がある</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>最悪時 %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>歩留まり %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>抵抗器のカラーコード</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>乗数</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>許容差</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>帯なし</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>1ディケードの標準値</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>オフセット %1 mm、%2 mm、倍率 %3 %、%4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>読み取った値: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>手持ちの部品</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>1 行に 1 つまたは数個の値 (例: 4k7、4,7 k)。値の後の 1% はその許容差、なければ 5 %。# から後はコメント。</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>読み取り不可: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1オーム</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1オーム</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1キロオーム</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1キロオーム</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1メガオーム</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1メガオーム</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1ピコファラド</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1ピコファラド</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1ナノファラド</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1ナノファラド</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1マイクロファラド</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1マイクロファラド</translation>
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
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>抵抗器・コンデンサ用 Kelvane v%1</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>自由に使用・配布できます。</translation>
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
        <translation>一致</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 パーセント下</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 パーセント上</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>直列</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>並列</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>値の検索</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>手持ちの部品</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>部品(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>手持ちの部品を編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>回路網(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>分圧器(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>値(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>最大部品数(&amp;M):</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>最も近い標準値(&amp;R):</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>回路網</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>偏差</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>許容差の範囲</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>最良の回路網(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>入力電圧(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>出力電圧(&amp;O):</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 の下限(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>上限(&amp;T):</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>出力の範囲</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>抵抗の組(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>カラーコードを表示(&amp;H)</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>部品が多すぎます</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>部品がありません: 手持ちの部品を編集してください</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: 下 %2、%3; 上 %4、%5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2、%3、%4 から %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>電圧は 0 より大きい数です (例: 3,3)。</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 は値の範囲です (例: 1k から 1M)。</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 は入力から出力へ、R2 は出力からグランドへ。</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>出力は 0 より大きく入力より小さくしてください。</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1、R2 %2: %3 ボルト、%4、%5 から %6 ボルト</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>温度範囲ではありません</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>係数ではありません</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>許容差ではありません</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>、歩留まり %1 パーセント、誤差 %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>温度(&amp;A):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>係数:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>範囲(&amp;W) ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>最悪時</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>歩留まり</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>単純な分圧器(&amp;L)</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>レギュレータ、帰還ピン(&amp;G)</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>レギュレータ、調整ピン(&amp;J)</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>ピン電流 µA(&amp;U):</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>、最悪時 %1 から %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>基準電圧の許容差とピン電流は 0 以上の数です (例: 1)。</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 は出力からピンへ、R2 はピンからグランドへ。</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>出力は基準電圧より大きくしてください。</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>、最悪時 %1 から %2 ボルト</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>取得元(&amp;T):</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>入力した値</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>シリーズ</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>手持ちの部品</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>値(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>シリーズ(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>開始(&amp;F):</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>終了(&amp;O):</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>シート(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>帯(&amp;B):</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 と 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>プレビュー(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF で保存(&amp;D)...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>値なし</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>値が多すぎます</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>ラベル: %1、シート: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>ラベルを PDF で保存</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>開始ラベル(&amp;L):</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>横方向のオフセット</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>オフセット(&amp;E):</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>縦方向のオフセット</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>横方向の倍率</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>倍率(&amp;C):</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>縦方向の倍率</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>校正ページ(&amp;G)...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>部品表</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>部品表(&amp;M)...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>部品表からラベルを作成</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>部品表 (*.csv *.tsv *.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>部品表ファイルが選択されていない</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み取れない</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>色帯をクリックして<byte value="xd"/>色を選択</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>第1帯</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>第2帯</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>第3帯</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>第4帯</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>許容差</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>色帯の本数を<byte value="xd"/>4本にする</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>色帯の本数を<byte value="xd"/>5本にする</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>部品の値を表示</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>部品の許容差を<byte value="xd"/>選択 / 表示</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>部品の値を入力</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>入力値に<byte value="xd"/>1 M (1,000,000) を掛ける</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>入力値に<byte value="xd"/>1 K (1000) を掛ける</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>入力値に<byte value="xd"/>1 を掛ける</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>オン: 最も近い標準値に丸める。<byte value="xd"/>オフ: 常に切り上げる。</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>クリックして<byte value="xd"/>カラーコードを計算</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>入力値を<byte value="xd"/>乗数付きで表示</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>抵抗値</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>静電容量</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>部品(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>抵抗器(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>コンデンサ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>ツールチップを表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>カラーコード</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>部品の図</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>許容差帯</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>第%1帯</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4本帯</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5本帯</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>値を入力</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>部品の値</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>四捨五入</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>乗数を掛けた入力値</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>部品の値の変換エラー</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>部品の値には 1 から 990M までの数値を入力してください</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>マーキング(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>値の検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>ラベルを印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>カラーコード表(&amp;C)...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>カラーコード表</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>マーキング</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>マーキング</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>色帯</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>コード(&amp;C):</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>値:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>系列:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>コード:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>範囲:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>逆向き:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>許容差</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>乗数 ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>数字 %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>値ではない</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>値が範囲外</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>許容差が範囲外</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>UTF-8 テキストではない</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>抵抗器でもコンデンサでもない</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>集合抵抗</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>トリマ</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>実装しない</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>引用符が閉じていない</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>フィールドがヘッダーより少ない</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>リファレンスがない</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>リファレンスの範囲ではない</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>値なし</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>数量がリファレンスの数と合わない</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: 中身がない</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: 部品表ではない。Value 列または Comment 列を示す行がない</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>温度係数が範囲外</translation>
    </message>
</context>
</TS>
