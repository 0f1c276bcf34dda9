<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 acima/abaixo</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 acima</translation>
    </message>
    <message>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 abaixo</translation>
    </message>
</context>
<context>
    <name>DiffPhrase</name>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates, such as &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>
            <numerusform>%n ano</numerusform>
            <numerusform>%n anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n mês</numerusform>
            <numerusform>%n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot; with the other parts: the form that pattern needs.</extracomment>
        <translation>
            <numerusform>%n ano</numerusform>
            <numerusform>%n anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n mês</numerusform>
            <numerusform>%n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>The distance to an earlier date: &quot;2 years and 1 day ago&quot;.</extracomment>
        <translation>há %1</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>An error message; %1 is the text that was entered. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>“%1” não é um valor inteiro válido</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>Argumento inválido para codificar a data</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>Índice da lista fora dos limites (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>Exceção %1 no módulo %2 em %3.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>Brelmont Date Calculator</source>
        <translation>Calculadora de Datas Brelmont</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Brelmont logo</source>
        <translation>Logotipo da Brelmont</translation>
    </message>
    <message>
        <source>Donate via PayPal</source>
        <translation>Doar via PayPal</translation>
    </message>
    <message>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <translation>Se você quiser contribuir e ajudar a garantir o desenvolvimento futuro deste produto, faça uma doação via PayPal</translation>
    </message>
    <message>
        <source>Brelmont home page</source>
        <translation>Site da Brelmont</translation>
    </message>
    <message>
        <source>Go to Brelmont home page...</source>
        <translation>Ir para o site da Brelmont...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the product name from the program&apos;s version information.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <source>Start Date:</source>
        <translation>Data inicial:</translation>
    </message>
    <message>
        <source>Calculate:</source>
        <translation>Calcular:</translation>
    </message>
    <message>
        <source>Difference between two dates</source>
        <translation>Diferença entre duas datas</translation>
    </message>
    <message>
        <source>New date</source>
        <translation>Nova data</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Data final:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Dias:</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>Dias úteis:</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <translation>Semanas:</translation>
    </message>
    <message>
        <source>Fortnights:</source>
        <translation>Quinzenas:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Meses:</translation>
    </message>
    <message>
        <source>Years:</source>
        <translation>Anos:</translation>
    </message>
    <message>
        <source>Or:</source>
        <translation>Ou seja:</translation>
    </message>
    <message>
        <source>Difference in words</source>
        <translation>Diferença por extenso</translation>
    </message>
    <message>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <translation>A distância da data inicial à data final em anos, meses, semanas e dias; acompanha cada mudança de qualquer uma das datas</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>New Date:</source>
        <translation>Nova data:</translation>
    </message>
    <message>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <translation>A data a que as quantidades levam a partir da data inicial; acompanha cada mudança da data inicial ou de uma quantidade</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
</TS>
