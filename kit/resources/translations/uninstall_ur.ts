<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>ابھی خریدیں</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>جاری رکھیں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>براہ کرم بتائیں کہ آپ یہ پروگرام کیوں ان انسٹال کرنا چاہتے ہیں۔ ہم اسے بہتر بنانے کی پوری کوشش کریں گے۔</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>براہ کرم وہ فیچر درج کریں جو آپ چاہتے ہیں</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>براہ کرم وہ قیمت درج کریں جس کی آپ توقع کرتے ہیں</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>آپ کی تجاویز یا سوالات (اختیاری)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>تازہ ترین ورژن زیادہ تیز اور مستحکم ہے</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;آپ کا پروگرام تازہ ترین ورژن نہیں ہے۔ یہی آپ کو پیش آنے والے مسئلے کی وجہ ہو سکتی ہے۔ کیا آپ ابھی اپ گریڈ کرنا چاہتے ہیں؟&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>ابھی اپ گریڈ کریں</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>دیگر ایپس جو آپ کو پسند آ سکتی ہیں:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>ان انسٹال ہو رہا ہے، براہ کرم انتظار کریں...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>براہ کرم اپنا ای میل پتہ درج کریں۔ مسئلہ حل ہوتے ہی ہم آپ سے رابطہ کریں گے۔</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>ای میل:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>مکمل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>لوڈ ہو رہا ہے</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>لوڈنگ اینیمیشن: ان انسٹالر تیار ہو رہا ہے</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>خصوصی رعایت</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>خصوصی رعایت کی پیشکش کی تصویر</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>خصوصی رعایت کی پیشکش کا بینر</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>مطلوبہ فیچر</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>متوقع قیمت</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>تجاویز یا سوالات</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>ان انسٹال کی پیش رفت</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>ای میل ایڈریس</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 ان انسٹال کریں</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ہم &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; سے زیادہ صارفین کو ڈیٹا منتقلی کی خدمات فراہم کر چکے ہیں&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;ہمیں افسوس ہے کہ آپ ہمیں چھوڑ رہے ہیں۔ ہم آپ کو &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;خصوصی رعایت&lt;/span&gt; پیش کرتے ہیں، تاکہ آپ کم قیمت پر پروگرام کی تمام خصوصیات آزما سکیں۔&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;پروگرام استعمال کرنے اور اپنی رائے دینے کا شکریہ۔ ہم پروگرام کو بہتر بناتے رہیں گے اور امید کرتے ہیں کہ آپ دوبارہ ہماری مصنوعات منتخب کریں گے!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;کامیابی سے ان انسٹال ہو گیا!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;پروگرام استعمال کرنے اور اپنی رائے دینے کا شکریہ۔ ہم پروگرام کو بہتر بناتے رہیں گے اور امید کرتے ہیں کہ آپ دوبارہ ہماری مصنوعات منتخب کریں گے!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>مزید جانیں</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>%1 کے بارے میں مزید جانیں</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>پروگرام ابھی تک بند نہیں ہوا۔ براہ کرم ان انسٹال کرنے سے پہلے اسے بند کریں۔ اگر آپ جاری رکھیں تو اسے بند کر دیا جائے گا اور اس میں غیر محفوظ شدہ کام ضائع ہو جائے گا۔</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>جاری رکھیں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
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
        <translation>پچھلی ایپس</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>اگلی ایپس</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>انسٹالیشن فولڈر %1 موجود نہیں ہے۔ کچھ بھی نہیں ہٹایا گیا۔</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>فولڈر %1 ایسی انسٹالیشن نہیں ہے جسے ہٹایا جا سکے۔ کچھ بھی نہیں ہٹایا گیا۔</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;انسٹالیشن کا %n آئٹم ہٹایا نہیں جا سکا۔&lt;/span&gt;&lt;/p&gt;&lt;p&gt;انسٹالیشن فولڈر میں باقی رہ جانے والی چیزیں آپ خود حذف کر سکتے ہیں۔&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;انسٹالیشن کے %n آئٹمز ہٹائے نہیں جا سکے۔&lt;/span&gt;&lt;/p&gt;&lt;p&gt;انسٹالیشن فولڈر میں باقی رہ جانے والی چیزیں آپ خود حذف کر سکتے ہیں۔&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
