<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../ui/Accessibility.cpp" line="+87"/>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 增减</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 增加</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 减少</translation>
    </message>
</context>
<context>
    <name>DiffPhrase</name>
    <message numerus="yes">
        <location filename="../common/PhraseText.cpp" line="+17"/>
        <source>%n year(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates, such as &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>
            <numerusform>%n年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n month(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n week(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n year(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot; with the other parts: the form that pattern needs.</extracomment>
        <translation>
            <numerusform>%n年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n month(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n week(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n天</numerusform>
        </translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a distance but the last: &quot;2 years, 2 months&quot;.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 and %2</source>
        <extracomment>Joins the last part of a distance to those before it: &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 ago</source>
        <extracomment>The distance to an earlier date: &quot;2 years and 1 day ago&quot;.</extracomment>
        <translation>%1前</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <location filename="../date/DateRoutines.h" line="+77"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>An error message; %1 is the text that was entered. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>“%1”不是有效的整数值。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999 (a result too far in the past or the future). The English wording is fixed; a translation may say that plainly. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>计算结果超出了 1 至 9999 年的范围。</translation>
    </message>
    <message>
        <location filename="../version/StringList.h" line="+23"/>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>列表索引越界（%1）。</translation>
    </message>
    <message>
        <location filename="../ui/ErrorGuard.cpp" line="+188"/>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>未知错误。</translation>
    </message>
</context>
<context>
    <name>MorvaneCalc</name>
    <message>
        <location filename="../cli/Messages.h" line="+32"/>
        <source>Try &apos;morvane-calc --help&apos; for more.</source>
        <extracomment>The last line after a message about a command line morvane-calc cannot read.</extracomment>
        <translation>请尝试执行“morvane-calc --help”来获取更多信息。</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>days that are no working days, for the weekdays count
and step: a list of dates YYYY-MM-DD or ranges
YYYY-MM-DD..YYYY-MM-DD, or an iCalendar file; may be
given more than once</source>
        <extracomment>The description of --holidays FILE in morvane-calc --help: lines of at most 60 columns. A holiday is a day that is no working day. Keep YYYY-MM-DD and the range&apos;s form as they are: the user types them.</extracomment>
        <translation>不算工作日的日子，用于工作日计数和按工作日推算：日期
YYYY-MM-DD 或范围 YYYY-MM-DD..YYYY-MM-DD 的列表，
或 iCalendar 文件；可多次指定</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the days that are never working days, separated by
commas: names (mon, monday, ...), ISO numbers 1 to 7
(1 is Monday), locale (the weekend of the user&apos;s
locale) or none; sat,sun when not given</source>
        <extracomment>The description of --weekend DAYS in morvane-calc --help: lines of at most 60 columns. Keep mon, sat, sun, locale and none as they are (the user types them); the user may also type the day names of your language.</extracomment>
        <translation>永远不是工作日的日子，以逗号分隔：星期名称（mon、
monday 等，也可用中文）、ISO 编号 1 到 7（1 是星期一）、
locale（用户区域设置的周末）或 none；未指定时为 sat,sun</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>cannot write to standard output: %1</source>
        <extracomment>A message on standard error; %1 is the system&apos;s reason.</extracomment>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read standard input: %1</source>
        <extracomment>A message on standard error; %1 is the system&apos;s reason.</extracomment>
        <translation>无法读取标准输入：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard input is closed</source>
        <extracomment>A message on standard error.</extracomment>
        <translation>标准输入已关闭</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard output is closed</source>
        <extracomment>A message on standard error.</extracomment>
        <translation>标准输出已关闭</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--%1: %2</source>
        <extracomment>A message about the value of an option: %1 is the option&apos;s name (days, weeks, ...; not translated), %2 what is wrong with its value.</extracomment>
        <translation>--%1：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1, %2: %3</source>
        <extracomment>A message about an amount in a line of standard input: %1 is the line&apos;s number, %2 the amount&apos;s name (one of the six names below: days, weekdays, ...), %3 what is wrong with it.</extracomment>
        <translation>第 %1 行，%2：%3</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A message about the command line; %1 is the option as it was typed.</extracomment>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--%1 takes a value</source>
        <extracomment>A message about the command line; %1 is the option&apos;s name (days, format, ...).</extracomment>
        <translation>--%1 需要一个值</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--%1 takes no value</source>
        <extracomment>A message about the command line; %1 is the option&apos;s name (iso, json, ...).</extracomment>
        <translation>--%1 不接受值</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no command given</source>
        <extracomment>A message about the command line: it holds options but none of the commands diff, add or -.</extracomment>
        <translation>未指定命令</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>invalid date &apos;%1&apos; (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)</source>
        <extracomment>%1 is what was typed for a date. YYYY-MM-DD, today, yesterday and tomorrow are what the user types: keep them as they are.</extracomment>
        <translation>无效日期“%1”（应为年份 0001 到 9999 的 YYYY-MM-DD，或 today、yesterday、tomorrow）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown command &apos;%1&apos;</source>
        <extracomment>%1 is the word typed where diff, add or - belongs.</extracomment>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--%1 given more than once</source>
        <extracomment>A message about the command line; %1 is the option&apos;s name.</extracomment>
        <translation>--%1 指定了多次</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--iso, --json and --format exclude each other</source>
        <extracomment>A message about the command line: at most one of the three options may be given.</extracomment>
        <translation>--iso、--json 和 --format 不能同时使用</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--units and --phrase-only exclude each other</source>
        <extracomment>A message about the command line: at most one of the two options may be given.</extracomment>
        <translation>--units 和 --phrase-only 不能同时使用</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the amounts go with add only</source>
        <extracomment>A message about the command line. The amounts are the options --days to --years; add is the command.</extracomment>
        <translation>数量只能用于 add</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--units and --phrase-only go with diff or - only</source>
        <extracomment>A message about the command line. diff is the command, - the batch mode (one calculation per input line).</extracomment>
        <translation>--units 和 --phrase-only 只能用于 diff 或 -</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--format goes with add or - only</source>
        <extracomment>A message about the command line. add is the command, - the batch mode (one calculation per input line).</extracomment>
        <translation>--format 只能用于 add 或 -</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>- takes no further arguments</source>
        <extracomment>A message about the command line. - is the batch mode: one calculation per line of standard input.</extracomment>
        <translation>- 不接受其他参数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>diff takes a start date and an end date</source>
        <extracomment>A message about the command line; diff is the command.</extracomment>
        <translation>diff 需要一个开始日期和一个结束日期</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>add takes one start date, or -; the amounts are options</source>
        <extracomment>A message about the command line. - stands for the dates of standard input; the amounts are the options --days to --years.</extracomment>
        <translation>add 需要一个开始日期或 -；数量由选项给出</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown day &apos;%1&apos; in --weekend (a name such as mon or monday, 1 to 7, locale or none)</source>
        <extracomment>A message about the command line: %1 is what was typed in the list of --weekend. Keep --weekend, mon, monday, locale and none as they are.</extracomment>
        <translation>--weekend 中有未知的日子“%1”（应为 mon 或 monday 这样的名称、1 到 7、locale 或 none）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--weekend holds all seven days: no day is a working day</source>
        <extracomment>A message about the command line: --weekend named all seven days of the week, so that no day is a working day and no working day can be added.</extracomment>
        <translation>--weekend 包含全部七天：没有任何工作日</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the holiday file &apos;%1&apos;: %2</source>
        <extracomment>A message about a file given with --holidays: %1 is its name, %2 the system&apos;s reason.</extracomment>
        <translation>无法读取节假日文件“%1”：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, line %2: &apos;%3&apos; is no date YYYY-MM-DD or range YYYY-MM-DD..YYYY-MM-DD</source>
        <extracomment>A message about a line of a file given with --holidays: %1 is the file&apos;s name, %2 the line&apos;s number, %3 its text. Keep YYYY-MM-DD and the range&apos;s form as they are.</extracomment>
        <translation>%1，第 %2 行：“%3”既不是日期 YYYY-MM-DD，也不是范围 YYYY-MM-DD..YYYY-MM-DD</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, line %2: the range &apos;%3&apos; ends before it starts</source>
        <extracomment>A message about a line of a file given with --holidays: a range of dates (first..last) whose last date comes before its first. %1 is the file&apos;s name, %2 the line&apos;s number, %3 the range.</extracomment>
        <translation>%1，第 %2 行：范围“%3”的结束早于开始</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, line %2: malformed iCalendar data: &apos;%3&apos;</source>
        <extracomment>A message about a file given with --holidays that holds an iCalendar (.ics) calendar that cannot be read: %1 is the file&apos;s name, %2 the number of the line where the reading failed, %3 the line&apos;s text.</extracomment>
        <translation>%1，第 %2 行：iCalendar 数据格式错误：“%3”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: the iCalendar data ends before END:VCALENDAR</source>
        <extracomment>A message about a file given with --holidays that starts as an iCalendar (.ics) calendar but ends before its last line, END:VCALENDAR (keep that as it is): cut short, say. %1 is the file&apos;s name.</extracomment>
        <translation>%1：iCalendar 数据在 END:VCALENDAR 之前就结束了</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, line %2: &apos;%3&apos; lies outside the years 0001 to 9999</source>
        <extracomment>A message about a line of a file given with --holidays: a holiday on a date the program cannot count with. %1 is the file&apos;s name, %2 the line&apos;s number, %3 the line&apos;s text.</extracomment>
        <translation>%1，第 %2 行：“%3”超出了 0001 到 9999 年的范围</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: iCalendar files cannot be read without %2</source>
        <extracomment>A message about a file given with --holidays that holds an iCalendar calendar: the part of morvane-calc that reads such files, %2 (a file name), is missing from the installation. %1 is the holiday file&apos;s name.</extracomment>
        <translation>%1：缺少 %2，无法读取 iCalendar 文件</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: %2</source>
        <extracomment>A message about a line of standard input: %1 is its number, %2 what is wrong with it.</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>longer than 1 MiB</source>
        <extracomment>Said of a line of standard input, after &quot;line %1: &quot;.</extracomment>
        <translation>超过 1 MiB</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>expected &apos;diff START END&apos; or &apos;add START N N N N N N&apos;</source>
        <extracomment>Said of a line of standard input; the quoted forms are what the user types: keep them as they are.</extracomment>
        <translation>应为“diff START END”或“add START N N N N N N”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected one date</source>
        <extracomment>Said of a line of standard input that should hold one date.</extracomment>
        <translation>应为一个日期</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>unknown code &apos;%1&apos; in --format (known: %Y %m %d %e %j %A %a %B %b %u %V %G %F %%)</source>
        <extracomment>%1 is the code typed (such as %q); keep the codes listed as they are.</extracomment>
        <translation>--format 中有未知代码“%1”（可用：%Y %m %d %e %j %A %a %B %b %u %V %G %F %%）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown item &apos;%1&apos; in --units (known: days, weekdays, weeks, fortnights, months, years, phrase)</source>
        <extracomment>%1 is the name typed; keep the names listed as they are.</extracomment>
        <translation>--units 中有未知项目“%1”（可用：days, weekdays, weeks, fortnights, months, years, phrase）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&apos;%1&apos; given twice in --units</source>
        <extracomment>%1 is the name given twice.</extracomment>
        <translation>--units 中“%1”出现了两次</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Working days:</source>
        <extracomment>The label of the count of working days in the text form of a difference when --holidays or --weekend is given: the weekend given and the holidays left out. It replaces the label of the Monday-to-Friday count (&quot;Weekdays:&quot; in the window), and must read differently from your translation of that one, so that a reader sees that the holidays were taken out. End it as your translation of the window&apos;s labels ends (a colon).</extracomment>
        <translation>实际工作日：</translation>
    </message>
    <message>
        <location line="-316"/>
        <source>Usage:</source>
        <extracomment>The heading of morvane-calc&apos;s usage summary in --help and after a message about a command line it cannot read; the command lines follow on lines of their own, indented by two.</extracomment>
        <translation>用法：</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location line="+25"/>
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
        <location line="+11"/>
        <source>the amounts to add (negative to take away)</source>
        <extracomment>The description of the options --days to --years in morvane-calc --help. Each description there starts in column 21: lines of at most 60 columns, a line break between them (a wide character takes two).</extracomment>
        <translation>要加上的数量（负数表示减去）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a new date as YYYY-MM-DD, a difference as one line of
tab-separated values</source>
        <extracomment>The description of --iso in morvane-calc --help: lines of at most 60 columns. YYYY-MM-DD stays as it is.</extracomment>
        <translation>新日期写为 YYYY-MM-DD，间隔写为一行以制表符分隔的值</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>each result as one JSON object on one line</source>
        <extracomment>The description of --json in morvane-calc --help: lines of at most 60 columns.</extracomment>
        <translation>每个结果写为一行中的一个 JSON 对象</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location line="+8"/>
        <source>what a difference shows, in this order, separated by
commas: days, weekdays, weeks, fortnights, months,
years, phrase</source>
        <extracomment>The description of --units LIST in morvane-calc --help: lines of at most 60 columns. Keep the names (days ... phrase) as they are: the user types them.</extracomment>
        <translation>间隔显示的项目，按此顺序，以逗号分隔：days, weekdays,
weeks, fortnights, months, years, phrase</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a difference in words only</source>
        <extracomment>The description of --phrase-only in morvane-calc --help: lines of at most 60 columns.</extracomment>
        <translation>间隔只用文字表示</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>show this help</source>
        <extracomment>The description of -h, --help in morvane-calc --help.</extracomment>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>show the version and copyright</source>
        <extracomment>The description of -v, --version in morvane-calc --help.</extracomment>
        <translation>显示版本和版权信息</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>how far apart two dates are</source>
        <extracomment>Said of the command diff where a shell completes morvane-calc&apos;s command line.</extracomment>
        <translation>两个日期之间的间隔</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the date the amounts lead to</source>
        <extracomment>Said of the command add where a shell completes morvane-calc&apos;s command line.</extracomment>
        <translation>按各数量移动后得到的日期</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>one calculation per line of standard input</source>
        <extracomment>Said of the command - (the batch mode) where a shell completes morvane-calc&apos;s command line.</extracomment>
        <translation>标准输入每行一个计算</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>days</source>
        <extracomment>The first amount of a batch line &quot;add START N N N N N N&quot;, named in the message &quot;line %1, %2: %3&quot; as %2: the number of days to add.</extracomment>
        <translation>天数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>weekdays</source>
        <extracomment>The second amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of working days (Monday to Friday) to add.</extracomment>
        <translation>工作日数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>weeks</source>
        <extracomment>The third amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of weeks to add.</extracomment>
        <translation>周数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>fortnights</source>
        <extracomment>The fourth amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of fortnights (periods of 14 days) to add.</extracomment>
        <translation>双周数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>months</source>
        <extracomment>The fifth amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of calendar months to add.</extracomment>
        <translation>月数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>years</source>
        <extracomment>The sixth amount of a batch line, named in &quot;line %1, %2: %3&quot;: the number of years to add.</extracomment>
        <translation>年数</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>--format needs a FMT of at least one character</source>
        <extracomment>A message about the command line: --format was given an empty FMT, which would write nothing for each date. Keep --format and FMT as they are.</extracomment>
        <translation>--format 需要至少含一个字符的 FMT</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>0 days</source>
        <extracomment>The distance in words between a date and itself, where the text form of a difference shows it (the phrase&apos;s line, and --phrase-only): the number 0 and the unit of a day, as the phrase writes a count of days.</extracomment>
        <translation>0天</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <location filename="../ui/Application.cpp" line="+101"/>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>模块 %2 中地址 %3 处发生异常 %1。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>应用程序错误</translation>
    </message>
    <message>
        <location filename="../ui/Application.h" line="+38"/>
        <source>Brelmont Date Calculator</source>
        <extracomment>The program&apos;s name: the main window&apos;s title, the caption of its error boxes and, after &quot;About&quot;, the About window&apos;s title. The desktop entry gives the same translated name. Brelmont is the maker&apos;s name: keep it.</extracomment>
        <translation>Brelmont 日期计算器</translation>
    </message>
    <message>
        <location filename="../ui/NoDisplay.cpp" line="+22"/>
        <source>no X11 or Wayland display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <extracomment>The message, after &quot;morvane: &quot;, when the program is started with no display. DISPLAY and WAYLAND_DISPLAY are environment variables and stay as they are.</extracomment>
        <translation>没有可显示窗口的 X11 或 Wayland 显示（DISPLAY 和 WAYLAND_DISPLAY 均未设置）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot show the window under Wayland without Qt&apos;s Wayland support; install the package qt6-wayland.</source>
        <extracomment>The message, after &quot;morvane: &quot;, when the program is started in a Wayland session without Qt&apos;s Wayland support. qt6-wayland is the name of a package and stays as it is.</extracomment>
        <translation>缺少 Qt 的 Wayland 支持，无法在 Wayland 下显示窗口；请安装软件包 qt6-wayland。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot connect to the display (%1).</source>
        <extracomment>The message, after &quot;morvane: &quot;, when no display could be reached: %1 is the display&apos;s settings as the environment gives them (such as &quot;WAYLAND_DISPLAY=wayland-0, DISPLAY=:0&quot;), kept as they are.</extracomment>
        <translation>无法连接到显示（%1）。</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../resources/AboutForm.ui"/>
        <source>Brelmont logo</source>
        <extracomment>What a screen reader calls the maker&apos;s logo, a picture at the top of the About window. Brelmont is the maker&apos;s name: keep it.</extracomment>
        <translation>Brelmont 标志</translation>
    </message>
    <message>
        <location/>
        <source>Donate via PayPal</source>
        <extracomment>What a screen reader calls the donation button of the About window, a picture without words (so this name says what it is), which opens PayPal&apos;s donation page in the browser.</extracomment>
        <translation>通过 PayPal 捐赠</translation>
    </message>
    <message>
        <location/>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <extracomment>The tooltip of the donation button of the About window.</extracomment>
        <translation>如果您愿意为本产品的后续开发贡献一份力量，请通过 PayPal 捐赠</translation>
    </message>
    <message>
        <location/>
        <source>Brelmont home page</source>
        <extracomment>What a screen reader calls the link of the About window that opens the maker&apos;s web site.</extracomment>
        <translation>Brelmont 主页</translation>
    </message>
    <message>
        <location/>
        <source>Go to Brelmont home page...</source>
        <extracomment>A link in the About window that opens the maker&apos;s web site in the browser. It opens no dialog, so it needs no ellipsis.</extracomment>
        <translation>访问 Brelmont 主页</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <extracomment>The button that closes the About window; Enter and Esc press it too. Write it as your language&apos;s dialogs do (as Qt&apos;s own message boxes show it).</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../ui/AboutForm.cpp" line="+38"/>
        <source>Written by the Brelmont team</source>
        <extracomment>A line of the About window, under the copyright line: who wrote the program (the Comments of its version information).</extracomment>
        <translation>由 Brelmont 团队编写</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Free software under the MIT licence: see the LICENSE file</source>
        <extracomment>The last line of the About window: the program is free software under the MIT licence, whose text is the file LICENSE that comes with it. Keep LICENSE, the file&apos;s name, as it is.</extracomment>
        <translation>MIT 许可证下的自由软件：参见 LICENSE 文件</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the program&apos;s name, as the main window&apos;s title gives it.</extracomment>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <location filename="../resources/Main.ui"/>
        <source>Start Date:</source>
        <extracomment>The label before the start date&apos;s field, at the top of the main window; both calculations start from this date.</extracomment>
        <translation>开始日期：</translation>
    </message>
    <message>
        <location/>
        <source>Calculate:</source>
        <extracomment>The label before the list that chooses the calculation (the entries &quot;Difference between two dates&quot; and &quot;New date&quot;).</extracomment>
        <translation>计算：</translation>
    </message>
    <message>
        <location/>
        <source>Difference between two dates</source>
        <extracomment>An entry of the calculation list: the panel that shows the distance from the start date to an end date, as counts and in words.</extracomment>
        <translation>两个日期的间隔</translation>
    </message>
    <message>
        <location/>
        <source>New date</source>
        <extracomment>An entry of the calculation list: the panel that moves the start date by six amounts and shows the date they lead to. Not the label &quot;New Date:&quot; of that date.</extracomment>
        <translation>新日期</translation>
    </message>
    <message>
        <location/>
        <source>End Date:</source>
        <extracomment>The label before the end date&apos;s field in the difference panel.</extracomment>
        <translation>结束日期：</translation>
    </message>
    <message>
        <location/>
        <source>Days:</source>
        <extracomment>A label before a number, in both panels: the count of days from the start date to the end date, and in the other panel the number of days to add. morvane-calc writes it before its count too.</extracomment>
        <translation>天数：</translation>
    </message>
    <message>
        <location/>
        <source>Weekdays:</source>
        <extracomment>A label before a number: working days, Monday to Friday (Saturday is not one). The count of them between the two dates, and in the other panel the number to add, which skips weekends. morvane-calc writes it too.</extracomment>
        <translation>工作日：</translation>
    </message>
    <message>
        <location/>
        <source>Weeks:</source>
        <extracomment>A label before a number: whole weeks of 7 days between the two dates, or weeks to add. morvane-calc writes it too.</extracomment>
        <translation>周数：</translation>
    </message>
    <message>
        <location/>
        <source>Fortnights:</source>
        <extracomment>A label before a number: whole periods of 14 days (two weeks; not 15 days, not half a month) between the two dates, or such periods to add. A count, not a duration (&quot;Fortnights: 590&quot;). morvane-calc writes it too.</extracomment>
        <translation>双周数：</translation>
    </message>
    <message>
        <location/>
        <source>Months:</source>
        <extracomment>A label before a number: whole calendar months between the two dates, or months to add. morvane-calc writes it too.</extracomment>
        <translation>月数：</translation>
    </message>
    <message>
        <location/>
        <source>Years:</source>
        <extracomment>A label before a number: whole calendar years between the two dates, or years to add. morvane-calc writes it too.</extracomment>
        <translation>年数：</translation>
    </message>
    <message>
        <location/>
        <source>Or:</source>
        <extracomment>The label before the phrase box: introduces the same distance written as a phrase (&quot;2 years, 3 months and 1 day&quot;), not an alternative. morvane-calc writes it before the phrase too.</extracomment>
        <translation>即：</translation>
    </message>
    <message>
        <location/>
        <source>Difference in words</source>
        <extracomment>What a screen reader calls the phrase box: the distance between the two dates written as a phrase (&quot;2 years, 3 months and 1 day&quot;), in digits and words.</extracomment>
        <translation>间隔（文字表述）</translation>
    </message>
    <message>
        <location/>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <extracomment>What a screen reader says to describe the phrase box: what it shows, and that it is updated at every change of either date.</extracomment>
        <translation>从开始日期到结束日期的间隔，以年、月、周、天表示；随任一日期的每次更改而更新</translation>
    </message>
    <message>
        <location/>
        <source>&amp;Reset</source>
        <extracomment>The button of the new-date panel that sets the six amounts to 0. The &amp; marks the access key (Alt and that letter): put it on a letter of the translation that no other caption of the window uses.</extracomment>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <location/>
        <source>New Date:</source>
        <extracomment>The label before the result of the new-date panel: the date the amounts lead to. Not the list entry &quot;New date&quot;, which names the calculation.</extracomment>
        <translation>新日期：</translation>
    </message>
    <message>
        <location/>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <extracomment>What a screen reader says to describe the new date&apos;s field: the start date moved by the six amounts, updated at every change of the start date or of an amount.</extracomment>
        <translation>从开始日期按各数量推算出的日期；随开始日期或任一数量的每次更改而更新</translation>
    </message>
    <message>
        <location/>
        <source>Close</source>
        <extracomment>The button that closes the program; Enter presses it.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <location/>
        <source>&amp;About</source>
        <extracomment>The button that opens the About window. The &amp; marks the access key (Alt and that letter): put it on a letter of the translation that no other caption of the window uses.</extracomment>
        <translation>关于(&amp;A)</translation>
    </message>
</context>
</TS>
