<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Køb nu</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Fortæl os, hvorfor du vil afinstallere programmet. Vi gør alt for at forbedre det.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Hvilken funktion ønsker du?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Hvilken pris synes du er rimelig?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Dine forslag eller spørgsmål (valgfrit)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Den nyeste version er hurtigere og mere stabil</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Dit program er ikke den nyeste version. Det kan være årsagen til det problem, du oplever. Vil du opgradere nu?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Opgrader nu</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Andre apps, du måske vil synes om:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Afinstallerer, vent venligst...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Skriv din e-mailadresse. Vi kontakter dig, så snart problemet er løst.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Udført</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Indlæser</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Indlæsningsanimation: afinstallationsprogrammet gør klar</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Særlig rabat</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Billede af tilbuddet med særlig rabat</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner for tilbuddet med særlig rabat</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Ønsket funktion</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Forventet pris</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Forslag eller spørgsmål</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Status for afinstallation</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mailadresse</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Afinstaller %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; brugere har allerede brugt vores dataoverførselstjenester&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Vi er kede af, at du forlader os. Vi tilbyder dig en &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;særlig rabat&lt;/span&gt;, så du kan prøve alle programmets funktioner til en lav pris.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Tak, fordi du brugte programmet og gav os din feedback. Vi arbejder videre med at forbedre det og håber, at du vælger vores produkter igen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Afinstallationen er fuldført!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Tak, fordi du brugte programmet og gav os din feedback. Vi arbejder videre med at forbedre det og håber, at du vælger vores produkter igen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Læs mere</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Læs mere om %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Programmet er stadig åbent. Luk det, før du afinstallerer. Hvis du fortsætter, bliver det afsluttet, og ikke-gemt arbejde i det går tabt.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Forrige apps</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Næste apps</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Installationsmappen %1 findes ikke. Intet blev fjernet.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Mappen %1 er ikke en installation, der må fjernes. Intet blev fjernet.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n element i installationen kunne ikke fjernes.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Du kan selv slette det, der er tilbage af installationsmappen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n elementer i installationen kunne ikke fjernes.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Du kan selv slette det, der er tilbage af installationsmappen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
