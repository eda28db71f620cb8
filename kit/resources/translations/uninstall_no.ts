<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Kjøp nå</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Fortell oss hvorfor du vil avinstallere programmet. Vi gjør alt vi kan for å forbedre det.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Hvilken funksjon ønsker du deg?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Hvilken pris synes du er rimelig?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Forslag eller spørsmål (valgfritt)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Den nyeste versjonen er raskere og mer stabil</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Programmet ditt er ikke den nyeste versjonen. Det kan være årsaken til problemet du opplever. Vil du oppgradere nå?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Oppgrader nå</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Andre apper du kanskje vil like:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Avinstallerer, vent litt...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Legg igjen e-postadressen din. Vi kontakter deg så snart problemet er løst.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-post:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Laster inn</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Lasteanimasjon: avinstallasjonsprogrammet gjør seg klart</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Spesialrabatt</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Bilde av tilbudet med spesialrabatt</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner for tilbudet med spesialrabatt</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Ønsket funksjon</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Forventet pris</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Forslag eller spørsmål</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Fremdrift for avinstallering</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-postadresse</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Avinstaller %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; brukere har allerede brukt våre tjenester for dataoverføring&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Vi beklager at du forlater oss. Vi tilbyr deg en &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;spesialrabatt&lt;/span&gt;, så du kan prøve alle funksjonene i programmet til en lav pris.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Takk for at du brukte programmet og ga oss tilbakemelding. Vi fortsetter å forbedre det og håper du velger produktene våre igjen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Avinstallasjonen er fullført!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Takk for at du brukte programmet og ga oss tilbakemelding. Vi fortsetter å forbedre det og håper du velger produktene våre igjen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Les mer</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Les mer om %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Programmet er fortsatt åpent. Lukk det før du avinstallerer. Hvis du fortsetter, blir det avsluttet, og ulagret arbeid i det går tapt.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Forrige apper</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Neste apper</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Installasjonsmappen %1 finnes ikke. Ingenting ble fjernet.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Mappen %1 er ikke en installasjon som kan fjernes. Ingenting ble fjernet.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n element i installasjonen kunne ikke fjernes.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Du kan selv slette det som er igjen av installasjonsmappen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n elementer i installasjonen kunne ikke fjernes.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Du kan selv slette det som er igjen av installasjonsmappen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
