<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Kup teraz</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Powiedz nam, dlaczego odinstalowujesz program. Zrobimy wszystko, aby go ulepszyć.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Jakiej funkcji potrzebujesz?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Jaka cena byłaby dla Ciebie odpowiednia?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Twoje sugestie lub pytania (opcjonalnie)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Najnowsza wersja jest szybsza i stabilniejsza</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Twój program nie jest w najnowszej wersji. To może być przyczyną napotkanego problemu. Czy chcesz go teraz zaktualizować?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Aktualizuj teraz</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Inne aplikacje, które mogą Ci się spodobać:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Trwa odinstalowywanie, proszę czekać...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Zostaw swój adres e-mail. Skontaktujemy się z Tobą, gdy tylko problem zostanie rozwiązany.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Animacja wczytywania: deinstalator się przygotowuje</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Specjalny rabat</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Obraz oferty ze specjalnym rabatem</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Baner oferty ze specjalnym rabatem</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Oczekiwana funkcja</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Oczekiwana cena</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Sugestie lub pytania</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Postęp odinstalowywania</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Odinstaluj %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Z naszych usług przesyłania danych skorzystało już ponad &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; użytkowników&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Przykro nam, że nas opuszczasz. Oferujemy Ci &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;specjalny rabat&lt;/span&gt;: wypróbuj wszystkie funkcje programu w niskiej cenie.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Dziękujemy za korzystanie z programu i Twoją opinię. Będziemy nadal go ulepszać i mamy nadzieję, że znów wybierzesz nasze produkty!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Odinstalowano pomyślnie!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Dziękujemy za korzystanie z programu i Twoją opinię. Będziemy nadal go ulepszać i mamy nadzieję, że znów wybierzesz nasze produkty!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Więcej informacji: %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Program jest nadal otwarty. Zamknij go przed odinstalowaniem. Jeśli będziesz kontynuować, zostanie on zamknięty, a niezapisane dane zostaną utracone.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Poprzednie aplikacje</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Następne aplikacje</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Folder instalacji %1 nie istnieje. Nic nie zostało usunięte.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Folder %1 nie jest instalacją, którą można usunąć. Nic nie zostało usunięte.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n element instalacji nie został usunięty.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Pozostałości folderu instalacji możesz usunąć samodzielnie.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n elementy instalacji nie zostały usunięte.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Pozostałości folderu instalacji możesz usunąć samodzielnie.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n elementów instalacji nie zostało usuniętych.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Pozostałości folderu instalacji możesz usunąć samodzielnie.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
