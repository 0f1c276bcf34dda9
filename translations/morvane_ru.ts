<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 больше/меньше</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 больше</translation>
    </message>
    <message>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 меньше</translation>
    </message>
</context>
<context>
    <name>DiffPhrase</name>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates, such as &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n месяц</numerusform>
            <numerusform>%n месяца</numerusform>
            <numerusform>%n месяцев</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n неделя</numerusform>
            <numerusform>%n недели</numerusform>
            <numerusform>%n недель</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot; with the other parts: the form that pattern needs.</extracomment>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n месяц</numerusform>
            <numerusform>%n месяца</numerusform>
            <numerusform>%n месяцев</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n неделю</numerusform>
            <numerusform>%n недели</numerusform>
            <numerusform>%n недель</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a distance but the last: &quot;2 years, 2 months&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last part of a distance to those before it: &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>The distance to an earlier date: &quot;2 years and 1 day ago&quot;.</extracomment>
        <translation>%1 назад</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>An error message; %1 is the text that was entered. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>«%1» не является допустимым целым числом</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>Недопустимый аргумент для кодирования даты</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>Индекс списка вне допустимого диапазона (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>Исключение %1 в модуле %2 по адресу %3.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>Ошибка приложения</translation>
    </message>
    <message>
        <source>Brelmont Date Calculator</source>
        <translation>Калькулятор дат Brelmont</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Brelmont logo</source>
        <translation>Логотип Brelmont</translation>
    </message>
    <message>
        <source>Donate via PayPal</source>
        <translation>Пожертвовать через PayPal</translation>
    </message>
    <message>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <translation>Если вы хотите внести свой вклад и поддержать дальнейшее развитие этого продукта, сделайте пожертвование через PayPal</translation>
    </message>
    <message>
        <source>Brelmont home page</source>
        <translation>Сайт Brelmont</translation>
    </message>
    <message>
        <source>Go to Brelmont home page...</source>
        <translation>Перейти на сайт Brelmont...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the product name from the program&apos;s version information.</extracomment>
        <translation>О программе %1</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <source>Start Date:</source>
        <translation>Начало:</translation>
    </message>
    <message>
        <source>Calculate:</source>
        <translation>Расчёт:</translation>
    </message>
    <message>
        <source>Difference between two dates</source>
        <translation>Разница между датами</translation>
    </message>
    <message>
        <source>New date</source>
        <translation>Новая дата</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Конец:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Дни:</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>Будни:</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <translation>Недели:</translation>
    </message>
    <message>
        <source>Fortnights:</source>
        <translation>По 2 недели:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Месяцы:</translation>
    </message>
    <message>
        <source>Years:</source>
        <translation>Годы:</translation>
    </message>
    <message>
        <source>Or:</source>
        <translation>Или:</translation>
    </message>
    <message>
        <source>Difference in words</source>
        <translation>Разница словами</translation>
    </message>
    <message>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <translation>Промежуток от даты начала до даты конца в годах, месяцах, неделях и днях; обновляется при каждом изменении любой из дат</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>New Date:</source>
        <translation>Новая дата:</translation>
    </message>
    <message>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <translation>Дата, к которой ведут значения от даты начала; обновляется при каждом изменении даты начала или любого значения</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
</context>
</TS>
