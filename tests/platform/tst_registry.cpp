// The registry of systems without one: a file in the registry's export format. Every read goes
// through a fresh registry on the same file, so what is read back is what was stored.
#include "platform/UserRegistry.h"

#include <QtTest>

using platform::UserRegistry;

class TestRegistry : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    const std::string m_store = m_dir.filePath("store/registry.reg").toStdString();

    // The string value as a fresh registry on the store reads it; null when absent or too long.
    QByteArray read(const QByteArray &path, const QByteArray &name, std::size_t size = 256)
    {
        const auto key = UserRegistry::currentUser(m_store)->openKey(path.toStdString());
        if (!key)
            return QByteArray();
        QByteArray buffer(int(size), '\0');
        const platform::RegistryQuery query = key->query(name.toStdString(), buffer.data(), size);
        if (!query.ok || query.type != platform::RegistryType::String)
            return QByteArray();
        return buffer.left(int(query.length));
    }
    bool write(const QByteArray &path, const QByteArray &name, const QByteArray &data)
    {
        const auto key = UserRegistry::currentUser(m_store)->createKey(path.toStdString());
        return key && key->setString(name.toStdString(), data.data(), std::size_t(data.size()));
    }

private slots:
    void writtenValueIsReadBack_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("data");
        const QByteArray clsid = "Software\\Classes\\CLSID\\{1}";
        QTest::newRow("text") << clsid << QByteArray("CEIPIdentifier") << QByteArray("{2}", 4);
        QTest::newRow("overwritten") << clsid << QByteArray("CEIPIdentifier") << QByteArray("x", 2);
        QTest::newRow("spaces and non-ASCII")
            << QByteArray("Software\\D\xc3\xa9mo Suite \xe2\x84\xa2") << QByteArray("N\xc3\xa4me 1")
            << QByteArray("Gr\xc3\xbc\xc3\x9f", 7);
        QTest::newRow("quotes, brackets and separators")
            << QByteArray("..\\../x]/[y") << QByteArray("\"a\\\"=b/../") << QByteArray("\"\\\"", 4);
        QTest::newRow("line break") << clsid << QByteArray("lines") << QByteArray("a\r\nb", 5);
        QTest::newRow("no terminating zero") << clsid << QByteArray("raw") << QByteArray("raw");
    }
    void writtenValueIsReadBack()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, data);
        QVERIFY(write(path, name, data));
        QCOMPARE(read(path, name), data);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"store"});
        QCOMPARE(QDir(m_dir.filePath("store")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"registry.reg"});
    }

    void missingReadsAsAbsent()
    {
        QVERIFY(write("Software\\Here", "value", QByteArray("four", 5)));
        QVERIFY(!UserRegistry::currentUser(m_store)->openKey("Software\\Elsewhere"));
        QVERIFY(read("Software\\Here", "other").isNull());
        QVERIFY(read("Software\\Here", "value", 4).isNull());
        QCOMPARE(read("Software\\Here", "value", 5), QByteArray("four", 5));
    }

    // A store its owner may not write is read, never changed.
    void readOnlyStore()
    {
        QVERIFY(write("Software\\Kept", "value", QByteArray("old", 4)));
        QFile(QString::fromStdString(m_store)).setPermissions(QFile::ReadOwner);
        QVERIFY(!UserRegistry::currentUser(m_store)->createKey("Software\\Kept"));
        const auto key = UserRegistry::currentUser(m_store)->openKey("Software\\Kept");
        QVERIFY(key);
        QVERIFY(!key->setString("value", "new", 4));
        QCOMPARE(read("Software\\Kept", "value"), QByteArray("old", 4));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
