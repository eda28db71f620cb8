<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Comprar ahora</translation>
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
        <translation>Cuéntenos por qué desea desinstalar el programa. Haremos todo lo posible por mejorarlo.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>¿Qué función le gustaría tener?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>¿Qué precio le parece adecuado?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Sus sugerencias o preguntas (opcional)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>La versión más reciente es más rápida y estable</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Su programa no está en la versión más reciente. Esa puede ser la causa del problema que tiene. ¿Desea actualizarlo ahora?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Otras aplicaciones que le pueden gustar:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Desinstalando, espere un momento...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Déjenos su dirección de correo electrónico. Le avisaremos cuando el problema esté resuelto.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Animación de carga: el desinstalador se está preparando</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Descuento especial</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Imagen de la oferta de descuento especial</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Banner de la oferta de descuento especial</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Función deseada</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Precio esperado</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Sugerencias o preguntas</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Progreso de la desinstalación</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Dirección de correo electrónico</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Más de &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; usuarios ya confían en nuestros servicios de transferencia de datos&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Lamentamos que nos deje. Le ofrecemos un &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;descuento especial&lt;/span&gt; para que pruebe todas las funciones del programa a un precio reducido.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gracias por usar el programa y por sus comentarios. Seguiremos mejorándolo. ¡Esperamos que vuelva a elegir nuestros productos!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;¡Desinstalación completada!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Gracias por usar el programa y por sus comentarios. Seguiremos mejorándolo. ¡Esperamos que vuelva a elegir nuestros productos!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Ver más</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Más información sobre %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>El programa sigue abierto. Ciérrelo antes de desinstalar. Si continúa, se cerrará y se perderá el trabajo no guardado.</translation>
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
        <translation>Aplicaciones anteriores</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Aplicaciones siguientes</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>La carpeta de instalación %1 no existe. No se ha eliminado nada.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>La carpeta %1 no es una instalación que se pueda eliminar. No se ha eliminado nada.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;No se pudo eliminar %n elemento de la instalación.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Puede borrar usted mismo lo que queda de la carpeta de instalación.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;No se pudieron eliminar %n elementos de la instalación.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Puede borrar usted mismo lo que queda de la carpeta de instalación.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
