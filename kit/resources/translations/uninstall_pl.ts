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
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling.</source>
        <translation>Program jest nadal otwarty. Zamknij go przed odinstalowaniem.</translation>
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
</TS>
