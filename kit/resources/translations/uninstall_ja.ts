<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>今すぐ購入</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>アンインストールの理由をお聞かせください。プログラムの改善に全力で取り組みます。</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>ご希望の機能を入力してください</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>ご希望の価格を入力してください</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>ご意見・ご質問（任意）</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>最新バージョンはより速く、より安定しています</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;お使いのプログラムは最新バージョンではありません。これが発生している問題の原因である可能性があります。今すぐアップグレードしますか？&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>今すぐアップグレード</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>こちらのアプリもおすすめです：</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>アンインストールしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>メールアドレスをご入力ください。問題が解決しましたらご連絡いたします。</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>メール：</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>読み込みアニメーション：アンインストーラーを準備しています</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>特別割引</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>特別割引オファーの画像</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>特別割引オファーのバナー</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>ご希望の機能</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>ご希望の価格</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>ご意見・ご質問</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>アンインストールの進行状況</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 のアンインストール</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; 人を超えるユーザーにデータ転送サービスをご利用いただいています&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;お別れするのは残念です。&lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;特別割引&lt;/span&gt;をご用意しました。プログラムの全機能をお手頃な価格でお使いいただけます。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ご利用とご意見をありがとうございました。今後もプログラムの改善に努めてまいります。またのご利用を心よりお待ちしております。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;アンインストールが完了しました！&lt;/span&gt;&lt;/p&gt;&lt;p&gt;ご利用とご意見をありがとうございました。今後もプログラムの改善に努めてまいります。またのご利用を心よりお待ちしております。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>詳細を見る</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>%1 の詳細を見る</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>プログラムがまだ実行中です。アンインストールの前にプログラムを閉じてください。続行するとプログラムは終了され、保存されていない作業は失われます。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>前のアプリ</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>次のアプリ</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>インストールフォルダー %1 が見つかりません。何も削除されていません。</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>フォルダー %1 は削除できるインストールではありません。何も削除されていません。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;インストールの %n 個の項目を削除できませんでした。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;インストールフォルダーに残った項目は手動で削除してください。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
