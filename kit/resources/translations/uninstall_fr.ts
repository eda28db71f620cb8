<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Acheter maintenant</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Dites-nous pourquoi vous désinstallez le programme. Nous ferons tout pour l&apos;améliorer.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Quelle fonction souhaitez-vous ?</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Quel prix vous semble juste ?</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Vos suggestions ou questions (facultatif)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>La dernière version est plus rapide et plus stable</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Votre programme n&apos;est pas à jour. Cela peut être la cause du problème que vous rencontrez. Voulez-vous le mettre à jour maintenant ?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Autres applications qui pourraient vous plaire :</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Désinstallation en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Laissez-nous votre adresse e-mail. Nous vous contacterons dès que le problème sera résolu.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Animation de chargement : le programme de désinstallation se prépare</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Remise spéciale</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Image de l&apos;offre de remise spéciale</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Bannière de l&apos;offre de remise spéciale</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Fonction souhaitée</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Prix attendu</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Suggestions ou questions</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Progression de la désinstallation</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Désinstaller %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Plus de &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; utilisateurs nous confient déjà leurs transferts de données&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Nous sommes désolés de vous voir partir. Nous vous proposons une &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;remise spéciale&lt;/span&gt; : profitez de toutes les fonctions du programme à petit prix.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Merci d&apos;avoir utilisé le programme et de votre avis. Nous continuerons à l&apos;améliorer et espérons que vous choisirez de nouveau nos produits !&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Désinstallation réussie !&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Merci d&apos;avoir utilisé le programme et de votre avis. Nous continuerons à l&apos;améliorer et espérons que vous choisirez de nouveau nos produits !&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>En savoir plus sur %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Le programme est encore ouvert. Veuillez le fermer avant la désinstallation. Si vous continuez, il sera fermé et tout travail non enregistré sera perdu.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Applications précédentes</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Applications suivantes</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Le dossier d&apos;installation %1 n&apos;existe pas. Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Le dossier %1 n&apos;est pas une installation pouvant être supprimée. Rien n&apos;a été supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n élément de l&apos;installation n&apos;a pas pu être supprimé.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Vous pouvez supprimer vous-même ce qui reste du dossier d&apos;installation.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n éléments de l&apos;installation n&apos;ont pas pu être supprimés.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Vous pouvez supprimer vous-même ce qui reste du dossier d&apos;installation.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
