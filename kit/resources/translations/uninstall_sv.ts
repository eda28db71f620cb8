<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Köp nu</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Berätta varför du vill avinstallera programmet. Vi gör allt vi kan för att förbättra det.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Vilken funktion önskar du?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Vilket pris tycker du är rimligt?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Dina förslag eller frågor (valfritt)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Den senaste versionen är snabbare och stabilare</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Ditt program är inte den senaste versionen. Det kan vara orsaken till problemet du upplever. Vill du uppgradera nu?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Uppgradera nu</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Andra appar du kanske gillar:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Avinstallerar, vänta...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Lämna din e-postadress. Vi kontaktar dig så snart problemet är löst.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-post:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Läser in</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Inläsningsanimering: avinstallationsprogrammet förbereds</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Specialrabatt</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Bild av erbjudandet med specialrabatt</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banderoll för erbjudandet med specialrabatt</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Önskad funktion</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Förväntat pris</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Förslag eller frågor</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Förlopp för avinstallationen</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-postadress</translation>
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
        <translation>Avinstallera %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Över &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; användare har redan använt våra tjänster för dataöverföring&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Vi är ledsna att du lämnar oss. Vi erbjuder dig en &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;specialrabatt&lt;/span&gt; så att du kan prova programmets alla funktioner till ett lågt pris.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Tack för att du använde programmet och gav oss feedback. Vi fortsätter att förbättra det och hoppas att du väljer våra produkter igen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Avinstallationen är klar!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Tack för att du använde programmet och gav oss feedback. Vi fortsätter att förbättra det och hoppas att du väljer våra produkter igen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Läs mer</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Läs mer om %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Programmet är fortfarande öppet. Stäng det innan du avinstallerar. Om du fortsätter avslutas det och osparat arbete i det går förlorat.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
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
        <translation>Föregående appar</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Nästa appar</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Installationsmappen %1 finns inte. Inget togs bort.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Mappen %1 är inte en installation som får tas bort. Inget togs bort.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n objekt i installationen kunde inte tas bort.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Du kan själv ta bort det som finns kvar av installationsmappen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n objekt i installationen kunde inte tas bort.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Du kan själv ta bort det som finns kvar av installationsmappen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
