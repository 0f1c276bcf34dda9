<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 增减</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 增加</translation>
    </message>
    <message>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 减少</translation>
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
            <numerusform>%n个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n天</numerusform>
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
            <numerusform>%n个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n天</numerusform>
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
        <translation>%1%2</translation>
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
        <translation>“%1”不是有效的整数值。</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>日期编码参数无效。</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>列表索引越界（%1）</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>未知错误。</translation>
    </message>
</context>
<context>
    <name>MorvaneCalc</name>
    <message>
        <source>Try &apos;morvane-calc --help&apos; for more.</source>
        <extracomment>The last line after a message about a command line morvane-calc cannot read.</extracomment>
        <translation>请尝试执行“morvane-calc --help”来获取更多信息。</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <extracomment>A message on standard error; %1 is the system&apos;s reason.</extracomment>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <extracomment>A message on standard error; %1 is the system&apos;s reason.</extracomment>
        <translation>无法读取标准输入：%1</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <extracomment>A message on standard error.</extracomment>
        <translation>标准输入已关闭</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <extracomment>A message on standard error.</extracomment>
        <translation>标准输出已关闭</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <extracomment>A message about the value of an option: %1 is the option&apos;s name (days, weeks, ...; not translated), %2 what is wrong with its value.</extracomment>
        <translation>--%1：%2</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <extracomment>A message about an amount in a line of standard input: %1 is the line&apos;s number, %2 the amount&apos;s name (one of the six names below: days, weekdays, ...), %3 what is wrong with it.</extracomment>
        <translation>第 %1 行，%2：%3</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A message about the command line; %1 is the option as it was typed.</extracomment>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>--%1 takes a value</source>
        <extracomment>A message about the command line; %1 is the option&apos;s name (days, format, ...).</extracomment>
        <translation>--%1 需要一个值</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <extracomment>A message about the command line; %1 is the option&apos;s name (iso, json, ...).</extracomment>
        <translation>--%1 不接受值</translation>
    </message>
    <message>
        <source>no command given</source>
        <extracomment>A message about the command line: it holds options but none of the commands diff, add or -.</extracomment>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)</source>
        <extracomment>%1 is what was typed for a date. YYYY-MM-DD, today, yesterday and tomorrow are what the user types: keep them as they are.</extracomment>
        <translation>无效日期“%1”（应为年份 0001 到 9999 的 YYYY-MM-DD，或 today、yesterday、tomorrow）</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the word typed where diff, add or - belongs.</extracomment>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <extracomment>A message about the command line; %1 is the option&apos;s name.</extracomment>
        <translation>--%1 指定了多次</translation>
    </message>
    <message>
        <source>--iso, --json and --format exclude each other</source>
        <extracomment>A message about the command line: at most one of the three options may be given.</extracomment>
        <translation>--iso、--json 和 --format 不能同时使用</translation>
    </message>
    <message>
        <source>--units and --phrase-only exclude each other</source>
        <extracomment>A message about the command line: at most one of the two options may be given.</extracomment>
        <translation>--units 和 --phrase-only 不能同时使用</translation>
    </message>
    <message>
        <source>the amounts go with add only</source>
        <extracomment>A message about the command line. The amounts are the options --days to --years; add is the command.</extracomment>
        <translation>数量只能用于 add</translation>
    </message>
    <message>
        <source>--units and --phrase-only go with diff or - only</source>
        <extracomment>A message about the command line. diff is the command, - the batch mode (one calculation per input line).</extracomment>
        <translation>--units 和 --phrase-only 只能用于 diff 或 -</translation>
    </message>
    <message>
        <source>--format goes with add or - only</source>
        <extracomment>A message about the command line. add is the command, - the batch mode (one calculation per input line).</extracomment>
        <translation>--format 只能用于 add 或 -</translation>
    </message>
    <message>
        <source>- takes no further arguments</source>
        <extracomment>A message about the command line. - is the batch mode: one calculation per line of standard input.</extracomment>
        <translation>- 不接受其他参数</translation>
    </message>
    <message>
        <source>diff takes a start date and an end date</source>
        <extracomment>A message about the command line; diff is the command.</extracomment>
        <translation>diff 需要一个开始日期和一个结束日期</translation>
    </message>
    <message>
        <source>add takes one start date, or -; the amounts are options</source>
        <extracomment>A message about the command line. - stands for the dates of standard input; the amounts are the options --days to --years.</extracomment>
        <translation>add 需要一个开始日期或 -；数量由选项给出</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A message about a line of standard input: %1 is its number, %2 what is wrong with it.</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>longer than 1 MiB</source>
        <extracomment>Said of a line of standard input, after &quot;line %1: &quot;.</extracomment>
        <translation>超过 1 MiB</translation>
    </message>
    <message>
        <source>expected &apos;diff START END&apos; or &apos;add START N N N N N N&apos;</source>
        <extracomment>Said of a line of standard input; the quoted forms are what the user types: keep them as they are.</extracomment>
        <translation>应为“diff START END”或“add START N N N N N N”</translation>
    </message>
    <message>
        <source>expected one date</source>
        <extracomment>Said of a line of standard input that should hold one date.</extracomment>
        <translation>应为一个日期</translation>
    </message>
    <message>
        <source>unknown code &apos;%1&apos; in --format (known: %Y %m %d %e %j %A %a %B %b %u %V %G %F %%)</source>
        <extracomment>%1 is the code typed (such as %q); keep the codes listed as they are.</extracomment>
        <translation>--format 中有未知代码“%1”（可用：%Y %m %d %e %j %A %a %B %b %u %V %G %F %%）</translation>
    </message>
    <message>
        <source>unknown item &apos;%1&apos; in --units (known: days, weekdays, weeks, fortnights, months, years, phrase)</source>
        <extracomment>%1 is the name typed; keep the names listed as they are.</extracomment>
        <translation>--units 中有未知项目“%1”（可用：days, weekdays, weeks, fortnights, months, years, phrase）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; given twice in --units</source>
        <extracomment>%1 is the name given twice.</extracomment>
        <translation>--units 中“%1”出现了两次</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The heading of morvane-calc&apos;s usage summary in --help and after a message about a command line it cannot read; the command lines follow on lines of their own, indented by two.</extracomment>
        <translation>用法：</translation>
    </message>
    <message>
        <source>
The two calculators of the Brelmont Date Calculator window, for terminals
and scripts.

  diff START END  the days, weekdays, weeks, fortnights, months and years
                  from START to END, and the distance in words
  add START       START moved by the amounts, applied days first and years
                  last, shown in the long date format of the user&apos;s locale
  add -           the same amounts applied to each date of standard input,
                  one date per line
  -               one calculation per line of standard input,
                  &quot;diff START END&quot; or &quot;add START N N N N N N&quot;, one result
                  per line (a difference as tab-separated values)

A date is YYYY-MM-DD (years 0001 to 9999), today, yesterday or tomorrow;
an amount is a whole number as the window takes it (&quot; 12&quot;, &quot;-3&quot;, &quot;$1F&quot;).
In batch mode every input line gives one output line: a line that fails
gives an empty one (in JSON {&quot;line&quot;:N,&quot;error&quot;:&quot;...&quot;}) and its message on
standard error, a blank line an empty one (in JSON an &quot;error&quot; too).

Options:
</source>
        <extracomment>morvane-calc --help, between the usage lines and the list of options, ending in the heading of that list. Keep what the user types as it is: the commands (diff, add, -), START, END, N, YYYY-MM-DD, today, yesterday, tomorrow, and the JSON example. Keep the two columns aligned as they are (descriptions from column 19) in lines of at most 80 columns; a wide character (Chinese, Japanese) takes two.</extracomment>
        <translation>
Brelmont 日期计算器窗口中的两种计算，供终端和脚本使用。

  diff START END  从 START 到 END 的天数、工作日数、周数、双周数、月数和
                  年数，以及用文字表示的间隔
  add START       将 START 按各数量移动后的日期（从天到年依次应用，以用户
                  区域设置的长日期格式显示）
  add -           对标准输入中的每个日期（每行一个）应用相同的数量
  -               标准输入每行一个计算（&quot;diff START END&quot; 或
                  &quot;add START N N N N N N&quot;），每行一个结果（间隔为以制表符
                  分隔的值）

日期为 YYYY-MM-DD（年份 0001 到 9999）、today、yesterday 或 tomorrow；数量为窗口
所接受的整数（&quot; 12&quot;、&quot;-3&quot;、&quot;$1F&quot;）。批处理模式下，每个输入行输出一行：失败的行输
出空行（JSON 中为 {&quot;line&quot;:N,&quot;error&quot;:&quot;...&quot;}），其消息写到标准错误；空白行也输出空
行（JSON 中同样为 &quot;error&quot;）。

选项：
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 a calculation failed, 2 a bad command line,
3 standard input or output failed.
</source>
        <extracomment>The end of morvane-calc --help, after the list of options. Lines of at most 80 columns; a wide character (Chinese, Japanese) takes two.</extracomment>
        <translation>
退出状态：0 完成，1 计算失败，2 命令行有误，3 标准输入或输出失败。
</translation>
    </message>
    <message>
        <source>the amounts to add (negative to take away)</source>
        <extracomment>The description of the options --days to --years in morvane-calc --help. Each description there starts in column 21: lines of at most 60 columns, a line break between them (a wide character takes two).</extracomment>
        <translation>要加上的数量（负数表示减去）</translation>
    </message>
    <message>
        <source>a new date as YYYY-MM-DD, a difference as one line of
tab-separated values</source>
        <extracomment>The description of --iso in morvane-calc --help: lines of at most 60 columns. YYYY-MM-DD stays as it is.</extracomment>
        <translation>新日期写为 YYYY-MM-DD，间隔写为一行以制表符分隔的值</translation>
    </message>
    <message>
        <source>each result as one JSON object on one line</source>
        <extracomment>The description of --json in morvane-calc --help: lines of at most 60 columns.</extracomment>
        <translation>每个结果写为一行中的一个 JSON 对象</translation>
    </message>
    <message>
        <source>a new date written with FMT: %Y year, %m month, %d day,
%e day padded with a space, %j day of the year, %A %a
weekday name, %B %b month name, %u ISO weekday (1 is
Monday), %V ISO week, %G its year, %F %Y-%m-%d, %% %</source>
        <extracomment>The description of --format FMT in morvane-calc --help: lines of at most 60 columns. Keep the %-codes and FMT as they are.</extracomment>
        <translation>按 FMT 写新日期：%Y 年、%m 月、%d 日、%e 用空格补齐的日、
%j 一年中的第几天；%A %a 星期名称；%B %b 月份名称；
%u ISO 星期几（1 为星期一）、%V ISO 周、%G 其年份；
%F %Y-%m-%d；%% %</translation>
    </message>
    <message>
        <source>what a difference shows, in this order, separated by
commas: days, weekdays, weeks, fortnights, months,
years, phrase</source>
        <extracomment>The description of --units LIST in morvane-calc --help: lines of at most 60 columns. Keep the names (days ... phrase) as they are: the user types them.</extracomment>
        <translation>间隔显示的项目，按此顺序，以逗号分隔：days, weekdays,
weeks, fortnights, months, years, phrase</translation>
    </message>
    <message>
        <source>a difference in words only</source>
        <extracomment>The description of --phrase-only in morvane-calc --help: lines of at most 60 columns.</extracomment>
        <translation>间隔只用文字表示</translation>
    </message>
    <message>
        <source>show this help</source>
        <extracomment>The description of -h, --help in morvane-calc --help.</extracomment>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <source>show the version and copyright</source>
        <extracomment>The description of -v, --version in morvane-calc --help.</extracomment>
        <translation>显示版本和版权信息</translation>
    </message>
    <message>
        <source>how far apart two dates are</source>
        <extracomment>Said of the command diff where a shell completes morvane-calc&apos;s command line.</extracomment>
        <translation>两个日期之间的间隔</translation>
    </message>
    <message>
        <source>the date the amounts lead to</source>
        <extracomment>Said of the command add where a shell completes morvane-calc&apos;s command line.</extracomment>
        <translation>按各数量移动后得到的日期</translation>
    </message>
    <message>
        <source>one calculation per line of standard input</source>
        <extracomment>Said of the command - (the batch mode) where a shell completes morvane-calc&apos;s command line.</extracomment>
        <translation>标准输入每行一个计算</translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>The first amount of a batch line &quot;add START N N N N N N&quot;, named in the message &quot;line %1, %2: %3&quot; as %2: the number of days to add.</extracomment>
        <translation>天数</translation>
    </message>
    <message>
        <source>weekdays</source>
        <extracomment>The second amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of working days (Monday to Friday) to add.</extracomment>
        <translation>工作日数</translation>
    </message>
    <message>
        <source>weeks</source>
        <extracomment>The third amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of weeks to add.</extracomment>
        <translation>周数</translation>
    </message>
    <message>
        <source>fortnights</source>
        <extracomment>The fourth amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of fortnights (periods of 14 days) to add.</extracomment>
        <translation>双周数</translation>
    </message>
    <message>
        <source>months</source>
        <extracomment>The fifth amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of calendar months to add.</extracomment>
        <translation>月数</translation>
    </message>
    <message>
        <source>years</source>
        <extracomment>The sixth amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of years to add.</extracomment>
        <translation>年数</translation>
    </message>
    <message>
        <source>--format needs a FMT of at least one character</source>
        <extracomment>A message about the command line: --format was given an empty FMT, which would write nothing for each date. Keep --format and FMT as they are.</extracomment>
        <translation>--format 需要至少含一个字符的 FMT</translation>
    </message>
    <message>
        <source>0 days</source>
        <extracomment>The distance in words between a date and itself, where the text form of a difference shows it (the phrase&apos;s line, and --phrase-only): the number 0 and the unit of a day, as the phrase writes a count of days.</extracomment>
        <translation>0天</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>模块 %2 中地址 %3 处发生异常 %1。</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>应用程序错误</translation>
    </message>
    <message>
        <source>Brelmont Date Calculator</source>
        <translation>Brelmont 日期计算器</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Brelmont logo</source>
        <translation>Brelmont 标志</translation>
    </message>
    <message>
        <source>Donate via PayPal</source>
        <translation>通过 PayPal 捐赠</translation>
    </message>
    <message>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <translation>如果您愿意为本产品的后续开发贡献一份力量，请通过 PayPal 捐赠</translation>
    </message>
    <message>
        <source>Brelmont home page</source>
        <translation>Brelmont 主页</translation>
    </message>
    <message>
        <source>Go to Brelmont home page...</source>
        <translation>访问 Brelmont 主页...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the product name from the program&apos;s version information.</extracomment>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <source>Start Date:</source>
        <translation>开始日期：</translation>
    </message>
    <message>
        <source>Calculate:</source>
        <translation>计算：</translation>
    </message>
    <message>
        <source>Difference between two dates</source>
        <translation>两个日期之差</translation>
    </message>
    <message>
        <source>New date</source>
        <translation>新日期</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>结束日期：</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>天数：</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>工作日：</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <translation>周数：</translation>
    </message>
    <message>
        <source>Fortnights:</source>
        <translation>双周数：</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>月数：</translation>
    </message>
    <message>
        <source>Years:</source>
        <translation>年数：</translation>
    </message>
    <message>
        <source>Or:</source>
        <translation>即：</translation>
    </message>
    <message>
        <source>Difference in words</source>
        <translation>文字表述的差</translation>
    </message>
    <message>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <translation>从开始日期到结束日期的间隔，以年、月、周、天表示；随任一日期的每次更改而更新</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>New Date:</source>
        <translation>新日期：</translation>
    </message>
    <message>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <translation>从开始日期按各数量推算出的日期；随开始日期或任一数量的每次更改而更新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
</context>
</TS>
