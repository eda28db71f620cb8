<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Megveszem</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Kérjük, ossza meg velünk, miért távolítja el a programot. Mindent megteszünk, hogy jobbá tegyük.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Milyen funkciót szeretne?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Milyen árat tartana megfelelőnek?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Javaslatai vagy kérdései (nem kötelező)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>A legújabb verzió gyorsabb és stabilabb</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;A programja nem a legújabb verzió. Lehet, hogy ez okozza a tapasztalt problémát. Szeretné most frissíteni?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Frissítés most</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>További alkalmazások, amelyek tetszhetnek:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Eltávolítás folyamatban, kérjük, várjon...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Adja meg e-mail-címét. Amint a probléma megoldódik, értesítjük.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Betöltés</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Betöltési animáció: az eltávolító előkészül</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Különleges kedvezmény</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>A különleges kedvezményes ajánlat képe</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>A különleges kedvezményes ajánlat szalaghirdetése</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Kívánt funkció</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Elvárt ár</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Javaslatok vagy kérdések</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Az eltávolítás folyamata</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mail-cím</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 eltávolítása</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Már több mint &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; felhasználó veszi igénybe adatátviteli szolgáltatásainkat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Sajnáljuk, hogy távozik. &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Különleges kedvezményt&lt;/span&gt; kínálunk: próbálja ki a program összes funkcióját kedvező áron.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Köszönjük, hogy használta a programot, és megosztotta velünk véleményét. Továbbra is fejlesztjük a programot, és reméljük, hogy ismét termékeinket választja!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Az eltávolítás sikeres!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Köszönjük, hogy használta a programot, és megosztotta velünk véleményét. Továbbra is fejlesztjük a programot, és reméljük, hogy ismét termékeinket választja!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Részletek</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>További információ: %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>A program még fut. Kérjük, zárja be az eltávolítás előtt. Ha folytatja, a program bezárul, és a nem mentett munka elvész.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Előző alkalmazások</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Következő alkalmazások</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>A(z) %1 telepítési mappa nem létezik. Semmi sem lett eltávolítva.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>A(z) %1 mappa nem eltávolítható telepítés. Semmi sem lett eltávolítva.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;A telepítés %n elemét nem sikerült eltávolítani.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;A telepítési mappa maradékát saját maga is törölheti.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
