<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Comprar agora</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Conte-nos por que você deseja desinstalar o programa. Faremos o possível para melhorá-lo.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Qual função você gostaria de ter?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Qual preço você considera justo?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Suas sugestões ou dúvidas (opcional)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>A versão mais recente é mais rápida e estável</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Seu programa não está na versão mais recente. Essa pode ser a causa do problema que você está enfrentando. Deseja atualizar agora?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Outros apps de que você pode gostar:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Desinstalando, aguarde...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Deixe seu endereço de e-mail. Entraremos em contato assim que o problema for resolvido.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Animação de carregamento: o desinstalador está se preparando</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Desconto especial</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Imagem da oferta de desconto especial</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner da oferta de desconto especial</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Função desejada</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Preço esperado</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Sugestões ou dúvidas</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Progresso da desinstalação</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Endereço de e-mail</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Desinstalar %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mais de &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; usuários já confiam em nossos serviços de transferência de dados&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Lamentamos que você esteja nos deixando. Oferecemos um &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;desconto especial&lt;/span&gt; para você usar todos os recursos do programa por um preço baixo.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Obrigado por usar o programa e pelo seu feedback. Continuaremos a melhorá-lo e esperamos que você escolha nossos produtos novamente!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Desinstalação concluída!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Obrigado por usar o programa e pelo seu feedback. Continuaremos a melhorá-lo e esperamos que você escolha nossos produtos novamente!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Saiba mais sobre %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>O programa ainda está aberto. Feche-o antes de desinstalar. Se continuar, ele será encerrado e o trabalho não salvo será perdido.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Apps anteriores</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Próximos apps</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>A pasta de instalação %1 não existe. Nada foi removido.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>A pasta %1 não é uma instalação que possa ser removida. Nada foi removido.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Não foi possível remover %n item da instalação.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Você pode excluir o que restou da pasta de instalação.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Não foi possível remover %n itens da instalação.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Você pode excluir o que restou da pasta de instalação.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
