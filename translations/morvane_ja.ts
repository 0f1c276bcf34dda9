<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 増減</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 増やす</translation>
    </message>
    <message>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 減らす</translation>
    </message>
</context>
<context>
    <name>DiffPhrase</name>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates, such as &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>
            <numerusform>%n年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%nか月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n週間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot; with the other parts: the form that pattern needs.</extracomment>
        <translation>
            <numerusform>%n年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%nか月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n週間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a distance but the last: &quot;2 years, 2 months&quot;.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last part of a distance to those before it: &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>The distance to an earlier date: &quot;2 years and 1 day ago&quot;.</extracomment>
        <translation>%1前</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>An error message; %1 is the text that was entered. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>「%1」は有効な整数値ではありません。</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>日付のエンコードに対する無効な引数です。</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>リストのインデックスが範囲外です（%1）</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>不明なエラーです。</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>モジュール %2 のアドレス %3 で例外 %1 が発生しました。</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>アプリケーション エラー</translation>
    </message>
    <message>
        <source>Brelmont Date Calculator</source>
        <translation>Brelmont 日付計算機</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Brelmont logo</source>
        <translation>Brelmont のロゴ</translation>
    </message>
    <message>
        <source>Donate via PayPal</source>
        <translation>PayPal で寄付する</translation>
    </message>
    <message>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <translation>この製品の今後の開発を支援していただける場合は、PayPal で寄付をお願いします</translation>
    </message>
    <message>
        <source>Brelmont home page</source>
        <translation>Brelmont のホームページ</translation>
    </message>
    <message>
        <source>Go to Brelmont home page...</source>
        <translation>Brelmont のホームページへ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the product name from the program&apos;s version information.</extracomment>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>Calculate:</source>
        <translation>計算:</translation>
    </message>
    <message>
        <source>Difference between two dates</source>
        <translation>2つの日付の差</translation>
    </message>
    <message>
        <source>New date</source>
        <translation>新しい日付</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>日数:</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>平日数:</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <translation>週数:</translation>
    </message>
    <message>
        <source>Fortnights:</source>
        <translation>2週間:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>月数:</translation>
    </message>
    <message>
        <source>Years:</source>
        <translation>年数:</translation>
    </message>
    <message>
        <source>Or:</source>
        <translation>つまり:</translation>
    </message>
    <message>
        <source>Difference in words</source>
        <translation>差 (文章表記)</translation>
    </message>
    <message>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <translation>開始日から終了日までの期間を年・月・週・日で表したもの。どちらかの日付が変わるたびに更新されます</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>New Date:</source>
        <translation>新しい日付:</translation>
    </message>
    <message>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <translation>開始日に各数量を加えた日付。開始日または数量が変わるたびに更新されます</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>情報(&amp;A)</translation>
    </message>
</context>
</TS>
