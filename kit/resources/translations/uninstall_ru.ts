<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Купить</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Расскажите, почему вы удаляете программу. Мы сделаем всё, чтобы её улучшить.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Какой функции вам не хватает?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Какая цена кажется вам приемлемой?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Ваши предложения или вопросы (необязательно)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Новая версия быстрее и стабильнее</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;У вас установлена не последняя версия программы. Возможно, именно в этом причина возникшей проблемы. Обновить программу сейчас?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Другие приложения, которые могут вам понравиться:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Удаление, подождите...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Оставьте адрес электронной почты, и мы сообщим вам, когда проблема будет решена.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Анимация загрузки: программа удаления готовится к работе</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Специальная скидка</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Изображение предложения со специальной скидкой</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Баннер предложения со специальной скидкой</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Желаемая функция</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Ожидаемая цена</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Предложения или вопросы</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Ход удаления</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Адрес эл. почты</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Удаление %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Нашими услугами передачи данных уже воспользовались более &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; пользователей&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Нам жаль, что вы уходите. Мы предлагаем вам &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;специальную скидку&lt;/span&gt;: пользуйтесь всеми функциями программы по низкой цене.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Спасибо, что пользовались программой и поделились мнением. Мы продолжим её улучшать и будем рады, если вы снова выберете наши продукты!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Удаление успешно завершено!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Спасибо, что пользовались программой и поделились мнением. Мы продолжим её улучшать и будем рады, если вы снова выберете наши продукты!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Подробнее о %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Программа ещё не закрыта. Закройте её перед удалением. Если продолжить, она будет закрыта, а несохранённые данные будут потеряны.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Предыдущие приложения</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Следующие приложения</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Папка установки %1 не существует. Ничего не удалено.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Папка %1 не является установкой, которую можно удалить. Ничего не удалено.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Не удалось удалить %n элемент установки.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Оставшееся содержимое папки установки можно удалить вручную.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Не удалось удалить %n элемента установки.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Оставшееся содержимое папки установки можно удалить вручную.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Не удалось удалить %n элементов установки.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Оставшееся содержимое папки установки можно удалить вручную.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
