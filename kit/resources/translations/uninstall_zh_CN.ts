<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>立即购买</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>请告诉我们您卸载本程序的原因，我们将尽全力改进程序。</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>请输入您需要的功能</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>请输入您期望的价格</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>请留下您的建议或问题（选填）</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>最新版本更快、更稳定</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;我们发现您的程序不是最新版本，这可能是您遇到问题的原因。是否立即升级？&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即升级</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>您可能还喜欢这些应用：</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>正在卸载，请稍候...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>请留下您的电子邮箱地址，问题解决后我们会第一时间联系您。</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>加载动画：卸载程序正在准备</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>特别折扣</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>特别折扣优惠图片</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>特别折扣优惠横幅</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>您需要的功能</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>您期望的价格</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>建议或问题</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>卸载进度</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>邮箱地址</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>卸载 %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;我们已为超过 &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; 位用户提供数据传输服务&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;很遗憾您要离开。我们为您准备了&lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;特别折扣&lt;/span&gt;，让您以优惠的价格体验程序的全部功能。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;感谢您的使用和反馈，我们将继续优化程序，期待您再次选择我们的产品！&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;卸载成功！&lt;/span&gt;&lt;/p&gt;&lt;p&gt;感谢您的使用和反馈，我们将继续优化程序，期待您再次选择我们的产品！&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>了解更多</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>了解 %1 的更多信息</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>检测到程序尚未关闭，请在卸载前关闭程序。如果继续，程序将被结束，未保存的工作将会丢失。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
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
        <translation>上一组应用</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>下一组应用</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>安装文件夹 %1 不存在，未删除任何内容。</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>文件夹 %1 不是可删除的安装目录，未删除任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;有 %n 个安装项目未能删除。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;您可以手动删除安装文件夹中的剩余内容。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
