<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 arriba/abajo</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 arriba</translation>
    </message>
    <message>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 abajo</translation>
    </message>
</context>
<context>
    <name>DiffPhrase</name>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates, such as &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n mes</numerusform>
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
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot; with the other parts: the form that pattern needs.</extracomment>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n mes</numerusform>
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
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>The distance to an earlier date: &quot;2 years and 1 day ago&quot;.</extracomment>
        <translation>hace %1</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>An error message; %1 is the text that was entered. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>«%1» no es un valor entero válido</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>Argumento no válido para codificar la fecha</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>Índice de lista fuera de los límites (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>Excepción %1 en el módulo %2 en %3.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Brelmont Date Calculator</source>
        <translation>Calculadora de fechas Brelmont</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Brelmont logo</source>
        <translation>Logotipo de Brelmont</translation>
    </message>
    <message>
        <source>Donate via PayPal</source>
        <translation>Donar mediante PayPal</translation>
    </message>
    <message>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <translation>Si desea contribuir y ayudar a asegurar el desarrollo futuro de este producto, haga una donación mediante PayPal</translation>
    </message>
    <message>
        <source>Brelmont home page</source>
        <translation>Página web de Brelmont</translation>
    </message>
    <message>
        <source>Go to Brelmont home page...</source>
        <translation>Ir a la web de Brelmont...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the product name from the program&apos;s version information.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <source>Start Date:</source>
        <translation>Fecha inicial:</translation>
    </message>
    <message>
        <source>Calculate:</source>
        <translation>Calcular:</translation>
    </message>
    <message>
        <source>Difference between two dates</source>
        <translation>Diferencia entre dos fechas</translation>
    </message>
    <message>
        <source>New date</source>
        <translation>Nueva fecha</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha final:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Días:</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>Días hábiles:</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <translation>Semanas:</translation>
    </message>
    <message>
        <source>Fortnights:</source>
        <translation>Quincenas:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Meses:</translation>
    </message>
    <message>
        <source>Years:</source>
        <translation>Años:</translation>
    </message>
    <message>
        <source>Or:</source>
        <translation>O bien:</translation>
    </message>
    <message>
        <source>Difference in words</source>
        <translation>Diferencia en palabras</translation>
    </message>
    <message>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <translation>La distancia de la fecha inicial a la final en años, meses, semanas y días; sigue cada cambio de cualquiera de las dos fechas</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>New Date:</source>
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <translation>La fecha a la que llevan las cantidades desde la fecha inicial; sigue cada cambio de la fecha inicial o de una cantidad</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
</TS>
