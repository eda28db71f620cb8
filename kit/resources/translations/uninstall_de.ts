<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Jetzt kaufen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Bitte sagen Sie uns, warum Sie das Programm deinstallieren möchten. Wir tun alles, um es zu verbessern.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Welche Funktion wünschen Sie sich?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Welchen Preis halten Sie für angemessen?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Ihre Vorschläge oder Fragen (optional)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Die neueste Version ist schneller und stabiler</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Ihr Programm ist nicht auf dem neuesten Stand. Das kann die Ursache des Problems sein, das Sie festgestellt haben. Möchten Sie jetzt aktualisieren?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Weitere Apps, die Ihnen gefallen könnten:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Wird deinstalliert, bitte warten...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Hinterlassen Sie Ihre E-Mail-Adresse. Wir melden uns, sobald das Problem gelöst ist.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Ladeanimation: Das Deinstallationsprogramm wird vorbereitet</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Sonderrabatt</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Bild des Sonderrabatt-Angebots</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner des Sonderrabatt-Angebots</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Gewünschte Funktion</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Erwarteter Preis</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Vorschläge oder Fragen</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Deinstallationsfortschritt</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mehr als &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; Nutzer verlassen sich bereits auf unsere Datenübertragung&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Schade, dass Sie uns verlassen. Wir bieten Ihnen einen &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Sonderrabatt&lt;/span&gt; an: Nutzen Sie den vollen Funktionsumfang des Programms zu einem günstigen Preis.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vielen Dank für Ihre Nutzung und Ihr Feedback. Wir werden das Programm weiter verbessern und freuen uns, wenn Sie sich wieder für unsere Produkte entscheiden!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Erfolgreich deinstalliert!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Danke für Ihre Nutzung und Ihr Feedback. Wir werden das Programm weiter verbessern und freuen uns, wenn Sie sich wieder für unsere Produkte entscheiden!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Mehr über %1 erfahren</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Das Programm ist noch geöffnet. Bitte schließen Sie es vor der Deinstallation. Wenn Sie fortfahren, wird es beendet, und nicht gespeicherte Arbeit darin geht verloren.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Vorherige Apps</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Nächste Apps</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Der Installationsordner %1 existiert nicht. Es wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Der Ordner %1 ist keine Installation, die entfernt werden darf. Es wurde nichts entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n Element der Installation konnte nicht entfernt werden.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Sie können die Reste des Installationsordners selbst löschen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n Elemente der Installation konnten nicht entfernt werden.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Sie können die Reste des Installationsordners selbst löschen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
