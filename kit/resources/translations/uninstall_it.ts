<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Acquista ora</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Dicci perché vuoi disinstallare il programma. Faremo di tutto per migliorarlo.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Quale funzione desideri?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Quale prezzo ritieni giusto?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>I tuoi suggerimenti o domande (facoltativo)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>L&apos;ultima versione è più veloce e più stabile</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Il tuo programma non è aggiornato all&apos;ultima versione. Potrebbe essere questa la causa del problema riscontrato. Vuoi aggiornarlo ora?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Altre app che potrebbero piacerti:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Disinstallazione in corso, attendere...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Lasciaci il tuo indirizzo email. Ti contatteremo non appena il problema sarà risolto.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Animazione di caricamento: il programma di disinstallazione si sta preparando</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Sconto speciale</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Immagine dell&apos;offerta con sconto speciale</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner dell&apos;offerta con sconto speciale</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Funzione desiderata</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Prezzo atteso</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Suggerimenti o domande</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Avanzamento della disinstallazione</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Indirizzo email</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Disinstalla %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Oltre &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; utenti si affidano già ai nostri servizi di trasferimento dati&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Ci dispiace che tu voglia lasciarci. Ti offriamo uno &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;sconto speciale&lt;/span&gt;: prova tutte le funzioni del programma a un prezzo ridotto.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Grazie per aver usato il programma e per il tuo feedback. Continueremo a migliorarlo e speriamo che sceglierai di nuovo i nostri prodotti!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Disinstallazione completata!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Grazie per aver usato il programma e per il tuo feedback. Continueremo a migliorarlo e speriamo che sceglierai di nuovo i nostri prodotti!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Scopri di più</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Scopri di più su %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Il programma è ancora aperto. Chiudilo prima di procedere con la disinstallazione. Se continui, verrà chiuso e il lavoro non salvato andrà perso.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>App precedenti</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>App successive</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>La cartella di installazione %1 non esiste. Non è stato rimosso nulla.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>La cartella %1 non è un&apos;installazione che può essere rimossa. Non è stato rimosso nulla.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Non è stato possibile rimuovere %n elemento dell&apos;installazione.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Puoi eliminare tu stesso ciò che resta della cartella di installazione.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Non è stato possibile rimuovere %n elementi dell&apos;installazione.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Puoi eliminare tu stesso ciò che resta della cartella di installazione.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
