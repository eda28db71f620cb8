<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Nu kopen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Laat ons weten waarom u het programma verwijdert. We doen er alles aan om het te verbeteren.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Welke functie wilt u graag?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Welke prijs vindt u redelijk?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Uw suggesties of vragen (optioneel)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>De nieuwste versie is sneller en stabieler</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Uw programma is niet de nieuwste versie. Dat kan de oorzaak zijn van het probleem dat u ondervindt. Wilt u nu upgraden?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Nu upgraden</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Andere apps die u misschien leuk vindt:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Bezig met verwijderen, even geduld...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Laat uw e-mailadres achter. We nemen contact met u op zodra het probleem is opgelost.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Laadanimatie: het verwijderprogramma wordt voorbereid</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Speciale korting</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Afbeelding van de aanbieding met speciale korting</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner van de aanbieding met speciale korting</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Gewenste functie</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Verwachte prijs</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Suggesties of vragen</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Voortgang van het verwijderen</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Meer dan &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; gebruikers maken al gebruik van onze diensten voor gegevensoverdracht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Jammer dat u ons verlaat. We bieden u een &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;speciale korting&lt;/span&gt;: probeer alle functies van het programma voor een lage prijs.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bedankt voor het gebruik en uw feedback. We blijven het programma verbeteren en hopen dat u opnieuw voor onze producten kiest!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Verwijderen voltooid!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Bedankt voor het gebruik en uw feedback. We blijven het programma verbeteren en hopen dat u opnieuw voor onze producten kiest!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Meer info</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Meer informatie over %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Het programma is nog geopend. Sluit het voordat u het verwijdert. Als u doorgaat, wordt het afgesloten en gaat niet-opgeslagen werk verloren.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Vorige apps</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Volgende apps</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>De installatiemap %1 bestaat niet. Er is niets verwijderd.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>De map %1 is geen installatie die verwijderd mag worden. Er is niets verwijderd.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n onderdeel van de installatie kon niet worden verwijderd.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;U kunt wat er over is van de installatiemap zelf verwijderen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n onderdelen van de installatie konden niet worden verwijderd.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;U kunt wat er over is van de installatiemap zelf verwijderen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
