<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 up/down</source>
        <extracomment>What a screen reader calls a spin button; %1 is its field&apos;s name (&quot;Days up/down&quot;).</extracomment>
        <translation>%1 plus/moins</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>What a screen reader calls a spin button&apos;s upper half (&quot;Days up&quot;).</extracomment>
        <translation>%1 plus</translation>
    </message>
    <message>
        <source>%1 down</source>
        <extracomment>What a screen reader calls a spin button&apos;s lower half (&quot;Days down&quot;).</extracomment>
        <translation>%1 moins</translation>
    </message>
</context>
<context>
    <name>DiffPhrase</name>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates, such as &quot;2 years, 2 months and 1 day&quot;.</extracomment>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n semaine</numerusform>
            <numerusform>%n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance</comment>
        <extracomment>A part of the distance between two dates.</extracomment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot; with the other parts: the form that pattern needs.</extracomment>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n semaine</numerusform>
            <numerusform>%n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>distance ago</comment>
        <extracomment>A part of the distance to an earlier date, put into &quot;%1 ago&quot;.</extracomment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
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
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>The distance to an earlier date: &quot;2 years and 1 day ago&quot;.</extracomment>
        <translation>il y a %1</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>An error message; %1 is the text that was entered. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <extracomment>An error message: a calculated date lies outside the years 1 to 9999. When it is shown, a full stop follows unless the message ends in punctuation of its own (such as &quot;。&quot;).</extracomment>
        <translation>Argument incorrect pour le codage de la date</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <extracomment>An error message at start-up: the program&apos;s version information is incomplete; %1 is the position of the entry that is missing.</extracomment>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <extracomment>An error message for an error that carries no text of its own.</extracomment>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <extracomment>The last-resort message when the program cannot start: %1 is the error&apos;s type, %2 the program&apos;s file name, %3 an address.</extracomment>
        <translation>Exception %1 dans le module %2 à l’adresse %3.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The caption of the last-resort message box.</extracomment>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>Brelmont Date Calculator</source>
        <translation>Calculatrice de dates Brelmont</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Brelmont logo</source>
        <translation>Logo de Brelmont</translation>
    </message>
    <message>
        <source>Donate via PayPal</source>
        <translation>Faire un don via PayPal</translation>
    </message>
    <message>
        <source>If you would like to contribute and help ensure further development of this product, please make a donation via PayPal</source>
        <translation>Si vous souhaitez contribuer et aider à assurer la poursuite du développement de ce produit, faites un don via PayPal</translation>
    </message>
    <message>
        <source>Brelmont home page</source>
        <translation>Site web de Brelmont</translation>
    </message>
    <message>
        <source>Go to Brelmont home page...</source>
        <translation>Visiter le site de Brelmont...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the product name from the program&apos;s version information.</extracomment>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>TfrmMainForm</name>
    <message>
        <source>Start Date:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>Calculate:</source>
        <translation>Calculer&#xa0;:</translation>
    </message>
    <message>
        <source>Difference between two dates</source>
        <translation>Écart entre deux dates</translation>
    </message>
    <message>
        <source>New date</source>
        <translation>Nouvelle date</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Jours&#xa0;:</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>Jours ouvrés&#xa0;:</translation>
    </message>
    <message>
        <source>Weeks:</source>
        <translation>Semaines&#xa0;:</translation>
    </message>
    <message>
        <source>Fortnights:</source>
        <translation>Quinzaines&#xa0;:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Years:</source>
        <translation>Années&#xa0;:</translation>
    </message>
    <message>
        <source>Or:</source>
        <translation>Soit&#xa0;:</translation>
    </message>
    <message>
        <source>Difference in words</source>
        <translation>Écart en toutes lettres</translation>
    </message>
    <message>
        <source>The distance from the start date to the end date in years, months, weeks and days; follows every change of either date</source>
        <translation>L’écart de la date de début à la date de fin en années, mois, semaines et jours ; suit chaque modification de l’une ou l’autre date</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>New Date:</source>
        <translation>Résultat&#xa0;:</translation>
    </message>
    <message>
        <source>The date the amounts lead to from the start date; follows every change of the start date or an amount</source>
        <translation>La date à laquelle mènent les quantités depuis la date de début ; suit chaque modification de la date de début ou d’une quantité</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
</TS>
