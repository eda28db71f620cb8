<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>지금 구매</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>프로그램을 제거하시는 이유를 알려 주세요. 프로그램 개선을 위해 최선을 다하겠습니다.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>원하시는 기능을 입력해 주세요</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>적정하다고 생각하시는 가격을 입력해 주세요</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>제안이나 문의 사항을 남겨 주세요(선택 사항)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>최신 버전은 더 빠르고 안정적입니다</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;사용 중인 프로그램이 최신 버전이 아닙니다. 이로 인해 문제가 발생했을 수 있습니다. 지금 업그레이드하시겠습니까?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>지금 업그레이드</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>관심을 가질 만한 다른 앱:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>제거하는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>이메일 주소를 남겨 주세요. 문제가 해결되면 바로 연락드리겠습니다.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>이메일:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>로드 중</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>로드 애니메이션: 제거 프로그램을 준비하는 중입니다</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>특별 할인</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>특별 할인 혜택 이미지</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>특별 할인 혜택 배너</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>원하시는 기능</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>적정 가격</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>제안 또는 문의 사항</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>제거 진행률</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>이메일 주소</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 제거</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt;명 이상의 사용자에게 데이터 전송 서비스를 제공했습니다&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;떠나신다니 아쉽습니다. &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;특별 할인&lt;/span&gt;을 제공해 드리니 저렴한 가격으로 프로그램의 모든 기능을 사용해 보세요.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;프로그램을 사용해 주시고 의견을 보내 주셔서 감사합니다. 앞으로도 프로그램을 계속 개선하겠습니다. 다시 저희 제품을 선택해 주시길 기대합니다!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;제거가 완료되었습니다!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;프로그램을 사용해 주시고 의견을 보내 주셔서 감사합니다. 앞으로도 프로그램을 계속 개선하겠습니다. 다시 저희 제품을 선택해 주시길 기대합니다!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>자세히 보기</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>%1 자세히 보기</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>프로그램이 아직 실행 중입니다. 제거하기 전에 프로그램을 닫아 주세요. 계속하면 프로그램이 종료되고 저장하지 않은 작업은 사라집니다.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>이전 앱</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>다음 앱</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>설치 폴더 %1이(가) 없습니다. 아무것도 제거되지 않았습니다.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>폴더 %1은(는) 제거할 수 있는 설치 항목이 아닙니다. 아무것도 제거되지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;설치 항목 %n개를 제거하지 못했습니다.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;남아 있는 설치 폴더의 내용은 직접 삭제하실 수 있습니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
