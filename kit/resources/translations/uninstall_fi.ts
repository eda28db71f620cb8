<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Osta nyt</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Kerro meille, miksi haluat poistaa ohjelman. Teemme parhaamme parantaaksemme sitä.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Mitä toimintoa toivoisit?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Mikä hinta olisi mielestäsi sopiva?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Ehdotuksesi tai kysymyksesi (valinnainen)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Uusin versio on nopeampi ja vakaampi</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Ohjelmasi ei ole uusin versio. Se voi olla syy kohtaamaasi ongelmaan. Haluatko päivittää nyt?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Päivitä nyt</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Muita sovelluksia, joista saatat pitää:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Poistetaan asennusta, odota...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Jätä sähköpostiosoitteesi. Otamme yhteyttä heti, kun ongelma on ratkaistu.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Sähköposti:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Latausanimaatio: asennuksen poisto-ohjelma valmistautuu</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Erikoisalennus</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Kuva erikoisalennustarjouksesta</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Erikoisalennustarjouksen banneri</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Toivottu toiminto</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Odotettu hinta</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Ehdotukset tai kysymykset</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Asennuksen poiston edistyminen</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Sähköpostiosoite</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Poista %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Yli &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; käyttäjää luottaa jo tiedonsiirtopalveluihimme&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Harmi, että lähdet. Tarjoamme sinulle &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;erikoisalennuksen&lt;/span&gt;: kokeile ohjelman kaikkia toimintoja edulliseen hintaan.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiitos, että käytit ohjelmaa ja annoit palautetta. Jatkamme ohjelman kehittämistä ja toivomme, että valitset tuotteemme jälleen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Asennus poistettu onnistuneesti!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Kiitos, että käytit ohjelmaa ja annoit palautetta. Jatkamme ohjelman kehittämistä ja toivomme, että valitset tuotteemme jälleen!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Lue lisää</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Lisätietoja: %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Ohjelma on vielä käynnissä. Sulje se ennen asennuksen poistamista. Jos jatkat, se suljetaan ja tallentamattomat työt menetetään.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Edelliset sovellukset</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Seuraavat sovellukset</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Asennuskansiota %1 ei ole olemassa. Mitään ei poistettu.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Kansio %1 ei ole asennus, jonka voi poistaa. Mitään ei poistettu.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Asennuksesta jäi poistamatta %n kohde.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Voit poistaa asennuskansion jäljellä olevan sisällön itse.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Asennuksesta jäi poistamatta %n kohdetta.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Voit poistaa asennuskansion jäljellä olevan sisällön itse.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
