<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en_US">
<context>
    <name>UnInstallWindow</name>
    <message>
        <source>Buy Now</source>
        <translation>Αγορά τώρα</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Please leave your reason about why you want to uninstall it. We will make every effort to optimize the program.</source>
        <translation>Πείτε μας γιατί θέλετε να απεγκαταστήσετε το πρόγραμμα. Θα κάνουμε ό,τι μπορούμε για να το βελτιώσουμε.</translation>
    </message>
    <message>
        <source>Please enter the function you want</source>
        <translation>Ποια λειτουργία θα θέλατε;</translation>
    </message>
    <message>
        <source>Please enter the price you expect</source>
        <translation>Ποια τιμή θεωρείτε λογική;</translation>
    </message>
    <message>
        <source>Please leave your suggestions or questions (optional)</source>
        <translation>Οι προτάσεις ή οι ερωτήσεις σας (προαιρετικά)</translation>
    </message>
    <message>
        <source>The latest version is faster and more stable</source>
        <translation>Η νεότερη έκδοση είναι πιο γρήγορη και πιο σταθερή</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We found that your program is not the latest version. That may be the cause of the issue you are experiencing. Do you want to upgrade now?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Το πρόγραμμά σας δεν είναι η νεότερη έκδοση. Αυτό μπορεί να είναι η αιτία του προβλήματος που αντιμετωπίζετε. Θέλετε να κάνετε αναβάθμιση τώρα;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Αναβάθμιση</translation>
    </message>
    <message>
        <source>More apps you may like:</source>
        <translation>Άλλες εφαρμογές που μπορεί να σας αρέσουν:</translation>
    </message>
    <message>
        <source>Uninstalling, please wait...</source>
        <translation>Απεγκατάσταση, περιμένετε...</translation>
    </message>
    <message>
        <source>Please leave your email address. We will contact you once the problem is solved.</source>
        <translation>Αφήστε μας το email σας. Θα επικοινωνήσουμε μαζί σας μόλις λυθεί το πρόβλημα.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Φόρτωση</translation>
    </message>
    <message>
        <source>Loading animation: the wizard is getting ready</source>
        <translation>Κινούμενη εικόνα φόρτωσης: το πρόγραμμα απεγκατάστασης προετοιμάζεται</translation>
    </message>
    <message>
        <source>Special Discount</source>
        <translation>Ειδική έκπτωση</translation>
    </message>
    <message>
        <source>Picture of the special discount offer</source>
        <translation>Εικόνα της προσφοράς ειδικής έκπτωσης</translation>
    </message>
    <message>
        <source>Banner of the special discount offer</source>
        <translation>Διαφημιστικό της προσφοράς ειδικής έκπτωσης</translation>
    </message>
    <message>
        <source>Function you want</source>
        <translation>Επιθυμητή λειτουργία</translation>
    </message>
    <message>
        <source>Price you expect</source>
        <translation>Αναμενόμενη τιμή</translation>
    </message>
    <message>
        <source>Suggestions or questions</source>
        <translation>Προτάσεις ή ερωτήσεις</translation>
    </message>
    <message>
        <source>Uninstall progress</source>
        <translation>Πρόοδος απεγκατάστασης</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Διεύθυνση email</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Απεγκατάσταση του %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;We have provided data transfer services to over &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; users&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Πάνω από &lt;span style=&apos;font-weight:%1; color:%2;&apos;&gt;%3&lt;/span&gt; χρήστες εμπιστεύονται ήδη τις υπηρεσίες μεταφοράς δεδομένων μας&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;We&apos;re sorry that you are leaving us. Here we offer you a &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;Special Discount&lt;/span&gt;, you can try our program&apos;s full function at a low price.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&apos;line-height: %1&apos;&gt;Λυπούμαστε που φεύγετε. Σας προσφέρουμε μια &lt;span style=&apos;font-weight: %2; color:%3;&apos;&gt;ειδική έκπτωση&lt;/span&gt;: δοκιμάστε όλες τις λειτουργίες του προγράμματος σε χαμηλή τιμή.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thank you for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Σας ευχαριστούμε για τη χρήση και τα σχόλιά σας. Θα συνεχίσουμε να βελτιώνουμε το πρόγραμμα και ελπίζουμε να επιλέξετε ξανά τα προϊόντα μας!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Uninstalled Successfully!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Thanks for your use and feedback. We will continue to optimize the program. Look forward to having you choose our products again!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Η απεγκατάσταση ολοκληρώθηκε!&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Σας ευχαριστούμε για τη χρήση και τα σχόλιά σας. Θα συνεχίσουμε να βελτιώνουμε το πρόγραμμα και ελπίζουμε να επιλέξετε ξανά τα προϊόντα μας!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Περισσότερα</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Μάθετε περισσότερα για το %1</translation>
    </message>
</context>
<context>
    <name>CheckCloseDlg</name>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>We found that the program has not been closed. Please close it before uninstalling. If you continue, it will be ended and any unsaved work in it will be lost.</source>
        <translation>Το πρόγραμμα είναι ακόμη ανοιχτό. Κλείστε το πριν από την απεγκατάσταση. Αν συνεχίσετε, θα τερματιστεί και η μη αποθηκευμένη εργασία σε αυτό θα χαθεί.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>ClickedStackedWidget</name>
    <message>
        <source>Previous apps</source>
        <translation>Προηγούμενες εφαρμογές</translation>
    </message>
    <message>
        <source>Next apps</source>
        <translation>Επόμενες εφαρμογές</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The installation folder %1 does not exist. Nothing was removed.</source>
        <translation>Ο φάκελος εγκατάστασης %1 δεν υπάρχει. Δεν αφαιρέθηκε τίποτα.</translation>
    </message>
    <message>
        <source>The folder %1 is not an installation that may be removed. Nothing was removed.</source>
        <translation>Ο φάκελος %1 δεν είναι εγκατάσταση που επιτρέπεται να αφαιρεθεί. Δεν αφαιρέθηκε τίποτα.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;%n item(s) of the installation could not be removed.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You may delete what is left of the installation folder yourself.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Δεν ήταν δυνατή η αφαίρεση %n στοιχείου της εγκατάστασης.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Μπορείτε να διαγράψετε μόνοι σας ό,τι απέμεινε στον φάκελο εγκατάστασης.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
            <numerusform>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&apos;font-weight:%1;&apos;&gt;Δεν ήταν δυνατή η αφαίρεση %n στοιχείων της εγκατάστασης.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Μπορείτε να διαγράψετε μόνοι σας ό,τι απέμεινε στον φάκελο εγκατάστασης.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
