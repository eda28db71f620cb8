<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Koupit</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Řekněte nám prosím, proč program odinstalováváte. Uděláme vše pro to, abychom ho zlepšili.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Jakou funkci byste si přáli?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Jakou cenu považujete za přiměřenou?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Vaše návrhy nebo dotazy (nepovinné)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Nejnovější verze je rychlejší a stabilnější</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Váš program není v nejnovější verzi. To může být příčinou potíží, na které jste narazili. Chcete ho nyní aktualizovat?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Další aplikace, které by se vám mohly líbit:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Probíhá odinstalace, čekejte prosím...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Zanechte nám svou e-mailovou adresu. Ozveme se vám, jakmile bude problém vyřešen.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Načítání</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Animace načítání: odinstalační program se připravuje</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Zvláštní sleva</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Obrázek nabídky se zvláštní slevou</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner nabídky se zvláštní slevou</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Požadovaná funkce</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Očekávaná cena</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Návrhy nebo dotazy</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Průběh odinstalace</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mailová adresa</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Odinstalovat %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Naše služby přenosu dat využívá již více než &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; uživatelů&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Mrzí nás, že odcházíte. Nabízíme vám &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;zvláštní slevu&lt;/span&gt;: vyzkoušejte všechny funkce programu za nízkou cenu.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Děkujeme za používání programu a za vaši zpětnou vazbu. Budeme program dále zlepšovat a těšíme se, že si naše produkty znovu vyberete!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Odinstalace proběhla úspěšně!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Děkujeme za používání programu a za vaši zpětnou vazbu. Budeme program dále zlepšovat a těšíme se, že si naše produkty znovu vyberete!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Více informací</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Více informací: %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Program je stále spuštěný. Před odinstalací ho prosím zavřete. Pokud budete pokračovat, bude ukončen a neuložená práce v něm bude ztracena.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Předchozí aplikace</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Další aplikace</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Instalační složka %1 neexistuje. Nic nebylo odebráno.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Složka %1 není instalace, kterou lze odebrat. Nic nebylo odebráno.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n položku instalace nebylo možné odebrat.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Zbytek instalační složky můžete smazat sami.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n položky instalace nebylo možné odebrat.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Zbytek instalační složky můžete smazat sami.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n položek instalace nebylo možné odebrat.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Zbytek instalační složky můžete smazat sami.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
