<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 w górę/w dół</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 w górę</translation>
    </message>
    <message>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 w dół</translation>
    </message>
</context>
<context>
    <name>DiffPhrase</name>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates, such as &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>
            <numerusform>%n rok</numerusform>
            <numerusform>%n lata</numerusform>
            <numerusform>%n lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n miesiąc</numerusform>
            <numerusform>%n miesiące</numerusform>
            <numerusform>%n miesięcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n tydzień</numerusform>
            <numerusform>%n tygodnie</numerusform>
            <numerusform>%n tygodni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot; with the other parts: the form that pattern needs.</extracomment>
        <translation>
            <numerusform>%n rok</numerusform>
            <numerusform>%n lata</numerusform>
            <numerusform>%n lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n miesiąc</numerusform>
            <numerusform>%n miesiące</numerusform>
            <numerusform>%n miesięcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n tydzień</numerusform>
            <numerusform>%n tygodnie</numerusform>
            <numerusform>%n tygodni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
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
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>The distance to an earlier date: &quot;2 years and 1 day ago&quot;.</extracomment>
        <translation>%1 temu</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>An error message; %1 is the text that was entered. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>Nieprawidłowy argument kodowania daty</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>Indeks listy poza zakresem (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>Wyjątek %1 w module %2 pod adresem %3.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>Błąd aplikacji</translation>
    </message>
    <message>
        <source>Brelmont Date Calculator</source>
        <translation>Kalkulator dat Brelmont</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Brelmont logo</source>
        <translation>Logo firmy Brelmont</translation>
    </message>
    <message>
        <source>Donate via PayPal</source>
        <translation>Przekaż darowiznę przez PayPal</translation>
    </message>
    <message>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <translation>Jeśli chcesz pomóc i wesprzeć dalszy rozwój tego produktu, przekaż darowiznę przez PayPal</translation>
    </message>
    <message>
        <source>Brelmont home page</source>
        <translation>Strona firmy Brelmont</translation>
    </message>
    <message>
        <source>Go to Brelmont home page...</source>
        <translation>Przejdź na stronę Brelmont...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the product name from the program&apos;s version information.</extracomment>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <source>Start Date:</source>
        <translation>Od dnia:</translation>
    </message>
    <message>
        <source>Calculate:</source>
        <translation>Oblicz:</translation>
    </message>
    <message>
        <source>Difference between two dates</source>
        <translation>Różnica między datami</translation>
    </message>
    <message>
        <source>New date</source>
        <translation>Nowa data</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Do dnia:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Dni:</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>Dni robocze:</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <translation>Tygodnie:</translation>
    </message>
    <message>
        <source>Fortnights:</source>
        <translation>Dwutygodnie:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Miesiące:</translation>
    </message>
    <message>
        <source>Years:</source>
        <translation>Lata:</translation>
    </message>
    <message>
        <source>Or:</source>
        <translation>Czyli:</translation>
    </message>
    <message>
        <source>Difference in words</source>
        <translation>Różnica słownie</translation>
    </message>
    <message>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <translation>Odstęp od daty początkowej do końcowej w latach, miesiącach, tygodniach i dniach; zmienia się z każdą zmianą którejkolwiek daty</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <source>New Date:</source>
        <translation>Nowa data:</translation>
    </message>
    <message>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <translation>Data, do której prowadzą wartości od daty początkowej; zmienia się z każdą zmianą daty początkowej lub wartości</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
</context>
</TS>
