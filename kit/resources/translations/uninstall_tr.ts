<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Hemen satın al</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Programı neden kaldırmak istediğinizi bize bildirin. Programı geliştirmek için elimizden geleni yapacağız.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>İstediğiniz özelliği yazın</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Beklediğiniz fiyatı yazın</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Önerileriniz veya sorularınız (isteğe bağlı)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>En son sürüm daha hızlı ve daha kararlı</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Programınızın en son sürüm olmadığını fark ettik. Yaşadığınız sorunun nedeni bu olabilir. Şimdi yükseltmek ister misiniz?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Şimdi yükselt</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Beğenebileceğiniz diğer uygulamalar:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Kaldırılıyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>E-posta adresinizi bırakın. Sorun çözüldüğünde sizinle iletişime geçeceğiz.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-posta:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Yükleme animasyonu: kaldırma sihirbazı hazırlanıyor</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Özel indirim</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Özel indirim teklifinin resmi</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Özel indirim teklifinin afişi</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>İstediğiniz özellik</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Beklediğiniz fiyat</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Öneriler veya sorular</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Kaldırma ilerlemesi</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-posta adresi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 programını kaldır</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; kullanıcıdan fazlasına veri aktarım hizmeti sunduk&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Ayrıldığınız için üzgünüz. Size &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;özel bir indirim&lt;/span&gt; sunuyoruz: programın tüm özelliklerini düşük bir fiyatla deneyin.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Programı kullandığınız ve görüşlerinizi paylaştığınız için teşekkür ederiz. Programı geliştirmeye devam edeceğiz; ürünlerimizi yeniden tercih etmenizi dileriz!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Kaldırma işlemi başarıyla tamamlandı!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Programı kullandığınız ve görüşlerinizi paylaştığınız için teşekkür ederiz. Programı geliştirmeye devam edeceğiz; ürünlerimizi yeniden tercih etmenizi dileriz!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Daha fazla</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>%1 hakkında daha fazla bilgi</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Program hâlâ açık. Lütfen kaldırmadan önce programı kapatın. Devam ederseniz program kapatılır ve kaydedilmemiş çalışmalar kaybolur.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Önceki uygulamalar</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Sonraki uygulamalar</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>%1 kurulum klasörü yok. Hiçbir şey kaldırılmadı.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>%1 klasörü kaldırılabilecek bir kurulum değil. Hiçbir şey kaldırılmadı.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Kurulumun %n öğesi kaldırılamadı.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Kurulum klasöründen geriye kalanları kendiniz silebilirsiniz.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
