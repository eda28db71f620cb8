<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>立即購買</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>請告訴我們您解除安裝本程式的原因，我們將盡全力改善程式。</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>請輸入您需要的功能</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>請輸入您期望的價格</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>請留下您的建議或問題（選填）</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>最新版本更快、更穩定</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;我們發現您的程式不是最新版本，這可能是您遇到問題的原因。是否立即升級？&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即升級</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>您可能也會喜歡這些應用程式：</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>正在解除安裝，請稍候...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>請留下您的電子郵件地址，問題解決後我們會第一時間與您聯絡。</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>電子郵件：</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在載入</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>載入動畫：解除安裝程式正在準備</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>特別折扣</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>特別折扣優惠圖片</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>特別折扣優惠橫幅</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>您需要的功能</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>您期望的價格</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>建議或問題</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>解除安裝進度</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>電子郵件地址</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>解除安裝 %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;我們已為超過 &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; 位使用者提供資料傳輸服務&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;很遺憾您要離開。我們為您準備了&lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;特別折扣&lt;/span&gt;，讓您以優惠的價格體驗程式的完整功能。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;感謝您的使用與回饋，我們將持續改善程式，期待您再次選擇我們的產品！&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;解除安裝成功！&lt;/span&gt;&lt;/p&gt;&lt;p&gt;感謝您的使用與回饋，我們將持續改善程式，期待您再次選擇我們的產品！&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>瞭解更多</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>瞭解 %1 的更多資訊</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>偵測到程式尚未關閉，請在解除安裝前關閉程式。如果繼續，程式將被結束，未儲存的工作將會遺失。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>上一組應用程式</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>下一組應用程式</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>安裝資料夾 %1 不存在，未移除任何內容。</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>資料夾 %1 不是可移除的安裝目錄，未移除任何內容。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;有 %n 個安裝項目無法移除。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;您可以自行刪除安裝資料夾中剩餘的內容。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
