<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>اشترِ الآن</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>يرجى إخبارنا بسبب رغبتك في إلغاء تثبيت البرنامج. سنبذل قصارى جهدنا لتحسينه.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>يرجى إدخال الميزة التي تريدها</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>يرجى إدخال السعر الذي تتوقعه</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>اقتراحاتك أو أسئلتك (اختياري)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>أحدث إصدار أسرع وأكثر استقرارًا</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;وجدنا أن برنامجك ليس أحدث إصدار، وقد يكون هذا سبب المشكلة التي تواجهها. هل تريد الترقية الآن؟&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>الترقية الآن</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>تطبيقات أخرى قد تعجبك:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>جارٍ إلغاء التثبيت، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>يرجى ترك عنوان بريدك الإلكتروني، وسنتواصل معك فور حل المشكلة.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>البريد الإلكتروني:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>رسوم متحركة للتحميل: يجري تجهيز برنامج إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>خصم خاص</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>صورة عرض الخصم الخاص</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>لافتة عرض الخصم الخاص</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>الميزة التي تريدها</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>السعر الذي تتوقعه</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>اقتراحات أو أسئلة</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>تقدّم إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>عنوان البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>إلغاء تثبيت %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;قدّمنا خدمات نقل البيانات لأكثر من &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; مستخدم&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;يؤسفنا أنك ستغادرنا. نقدّم لك &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;خصمًا خاصًا&lt;/span&gt; لتجرّب جميع ميزات البرنامج بسعر منخفض.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;شكرًا لاستخدامك البرنامج وملاحظاتك. سنواصل تحسين البرنامج، ونتطلع إلى اختيارك منتجاتنا مرة أخرى!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;تم إلغاء التثبيت بنجاح!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;شكرًا لاستخدامك البرنامج وملاحظاتك. سنواصل تحسين البرنامج، ونتطلع إلى اختيارك منتجاتنا مرة أخرى!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>اعرف المزيد</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>معرفة المزيد عن %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>البرنامج ما زال مفتوحًا. يرجى إغلاقه قبل إلغاء التثبيت. إذا تابعت، فسيتم إنهاؤه وستفقد الأعمال غير المحفوظة فيه.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>التطبيقات السابقة</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>التطبيقات التالية</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>مجلد التثبيت %1 غير موجود. لم تتم إزالة أي شيء.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>المجلد %1 ليس تثبيتًا يمكن إزالته. لم تتم إزالة أي شيء.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;تعذّرت إزالة %n عنصر من التثبيت.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يمكنك حذف ما تبقّى من مجلد التثبيت بنفسك.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;تعذّرت إزالة عنصر واحد من التثبيت.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يمكنك حذف ما تبقّى من مجلد التثبيت بنفسك.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;تعذّرت إزالة عنصرين من التثبيت.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يمكنك حذف ما تبقّى من مجلد التثبيت بنفسك.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;تعذّرت إزالة %n عناصر من التثبيت.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يمكنك حذف ما تبقّى من مجلد التثبيت بنفسك.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;تعذّرت إزالة %n عنصرًا من التثبيت.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يمكنك حذف ما تبقّى من مجلد التثبيت بنفسك.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;تعذّرت إزالة %n عنصر من التثبيت.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يمكنك حذف ما تبقّى من مجلد التثبيت بنفسك.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
