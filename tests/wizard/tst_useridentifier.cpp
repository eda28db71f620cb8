// The installation's user identifier: the per-user registry store on this system, and the rules
// that only a registry that misbehaves on purpose can show.
#include "TestEnvironment.h"
#include "wizard/UserIdentifier.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <cstring>
#include <map>
#include <sys/stat.h>

namespace {

const QString productGuid = QStringLiteral("{6F1B2C3D-0000-4000-8000-00000000DE30}");
const QByteArray section = "[Software\\Classes\\CLSID\\{6F1B2C3D-0000-4000-8000-00000000DE30}]\n";
const QRegularExpression braced(
    QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"));

QByteArray storeContent()
{
    QFile file(UserIdentifier::registryStorePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeStore(const QByteArray &content)
{
    QDir().mkpath(QFileInfo(UserIdentifier::registryStorePath()).absolutePath());
    QFile file(UserIdentifier::registryStorePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Every store write renames a new file over the old one.
ino_t storeInode()
{
    struct stat info;
    return ::stat(QFile::encodeName(UserIdentifier::registryStorePath()).constData(), &info) == 0
               ? info.st_ino
               : 0;
}

QByteArray identifierLine(const QString &identifier)
{
    return "\"CEIPIdentifier\"=\"" + identifier.toLatin1() + "\"\n";
}

/// One key in memory, seen through a writable 64-bit view and a separate read-only view.
class FakeRegistry : public platform::UserRegistry
{
public:
    using View = std::map<std::string, std::pair<platform::RegistryType, std::string>>;

    View wideView;
    View ownView;
    bool storeFails = false;

    std::unique_ptr<platform::RegistryKey> createKey(const std::string &) override
    {
        return std::make_unique<Key>(wideView, !storeFails);
    }
    std::unique_ptr<platform::RegistryKey> openKey(const std::string &) override
    {
        return std::make_unique<Key>(ownView, false);
    }

private:
    struct Key : platform::RegistryKey
    {
        Key(View &view, bool writable)
            : view(view)
            , writable(writable)
        {}
        platform::RegistryQuery query(const std::string &name, char *buffer, size_t size) override
        {
            platform::RegistryQuery result;
            const auto it = view.find(name);
            if (it == view.end())
                return result;
            result = {it->second.second.size() <= size, it->second.first, it->second.second.size()};
            if (result.ok)
                std::memcpy(buffer, it->second.second.data(), result.length);
            return result;
        }
        bool setString(const std::string &name, const char *data, size_t size) override
        {
            if (writable)
                view[name] = {platform::RegistryType::String, std::string(data, size)};
            return writable;
        }

        View &view;
        bool writable;
    };
};

// Hands out 00000001-..., 00000002-..., or the null UUID when asked for zero.
UserIdentifier::UuidSource counting(int start)
{
    return [next = start]() mutable {
        platform::Uuid uuid;
        uuid.data1 = std::uint32_t(next ? next++ : 0);
        return uuid;
    };
}

} // namespace

class TestUserIdentifier : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void firstRunStoresSecondRunReads();
    void storedValues_data();
    void storedValues();
    void readOnlyStore();
    void formatAndNullIdentifier();
    void failedStoreServesThisRunOnly();
    void readOnlyViewIsTheFallback();

private:
    TestEnvironment env;
};

void TestUserIdentifier::init()
{
    const QString store = UserIdentifier::registryStorePath();
    QFile::setPermissions(store, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(store);
}

void TestUserIdentifier::firstRunStoresSecondRunReads()
{
    const QString first = UserIdentifier::forCurrentUser(productGuid);
    QVERIFY2(braced.match(first).hasMatch(), qPrintable(first));
    QCOMPARE(storeContent(), section + identifierLine(first));

    const ino_t written = storeInode();
    QCOMPARE(UserIdentifier::forCurrentUser(productGuid), first);
    QCOMPARE(storeInode(), written);

    const QString other = UserIdentifier::forCurrentUser(QStringLiteral("{OTHER}"));
    QVERIFY(other != first);
    QCOMPARE(storeContent(),
             section + identifierLine(first) + "\n[Software\\Classes\\CLSID\\{OTHER}]\n"
                 + identifierLine(other));
}

void TestUserIdentifier::storedValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("kept"); // null: replaced by a new identifier

    const QByteArray fifty(50, 'x');
    QTest::newRow("a number") << QByteArray("\"CEIPIdentifier\"=dword:0000002a") << QString();
    QTest::newRow("50 characters") << "\"CEIPIdentifier\"=\"" + fifty + '"' << QString();
    QTest::newRow("39 characters") << "\"CEIPIdentifier\"=\"" + fifty.left(39) + '"' << QString();
    QTest::newRow("a string of no bytes") << QByteArray("\"CEIPIdentifier\"=hex(1):") << QString();
    QTest::newRow("38 characters, any form")
        << "\"CEIPIdentifier\"=\"" + fifty.left(38) + '"' << QString::fromLatin1(fifty.left(38));
    QTest::newRow("an empty string") << QByteArray("\"CEIPIdentifier\"=\"\"") << QString("");
    QTest::newRow("name in other case")
        << QByteArray("\"ceipidentifier\"=\"{kept}\"") << QStringLiteral("{kept}");
}

void TestUserIdentifier::storedValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, kept);
    writeStore(section + stored + '\n');
    const QString identifier = UserIdentifier::forCurrentUser(productGuid);
    if (!kept.isNull()) {
        QCOMPARE(identifier, kept);
        QCOMPARE(storeContent(), section + stored + '\n');
        return;
    }
    QVERIFY2(braced.match(identifier).hasMatch(), qPrintable(identifier));
    QCOMPARE(storeContent(), section + identifierLine(identifier));
}

void TestUserIdentifier::readOnlyStore()
{
    const QByteArray stored = section + identifierLine(QStringLiteral("{stored}"));
    writeStore(stored);
    QVERIFY(QFile::setPermissions(UserIdentifier::registryStorePath(), QFile::ReadOwner));
    // The key cannot be opened for writing, so nothing is read either: one identifier per run.
    const QString first = UserIdentifier::forCurrentUser(productGuid);
    const QString second = UserIdentifier::forCurrentUser(productGuid);
    QVERIFY2(braced.match(first).hasMatch(), qPrintable(first));
    QVERIFY(braced.match(second).hasMatch());
    QVERIFY(first != second);
    QCOMPARE(storeContent(), stored);

    // A store that cannot even be created: a file has taken its folder's place.
    const QString folder = QFileInfo(UserIdentifier::registryStorePath()).absolutePath();
    QVERIFY(QDir(folder).removeRecursively());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(braced.match(UserIdentifier::forCurrentUser(productGuid)).hasMatch());
    QVERIFY(QFile::remove(folder));
}

void TestUserIdentifier::formatAndNullIdentifier()
{
    FakeRegistry registry;
    platform::Uuid uuid{0x0f8fad5b,
                        0xd9cb,
                        0x469f,
                        {0xa1, 0x65, 0x70, 0x86, 0x77, 0x28, 0x95, 0x0e}};
    QCOMPARE(UserIdentifier::obtain(registry, productGuid, [uuid] { return uuid; }),
             QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}"));
    QCOMPARE(registry.wideView.at("CEIPIdentifier").second,
             std::string("{0f8fad5b-d9cb-469f-a165-70867728950e}", 39));

    FakeRegistry empty;
    QCOMPARE(UserIdentifier::obtain(empty, productGuid, counting(0)),
             QStringLiteral("{00000000-0000-0000-0000-000000000000}"));
    QVERIFY(empty.wideView.empty());
}

void TestUserIdentifier::failedStoreServesThisRunOnly()
{
    FakeRegistry registry;
    registry.storeFails = true;
    QCOMPARE(UserIdentifier::obtain(registry, productGuid, counting(1)),
             QStringLiteral("{00000001-0000-0000-0000-000000000000}"));
    QCOMPARE(UserIdentifier::obtain(registry, productGuid, counting(2)),
             QStringLiteral("{00000002-0000-0000-0000-000000000000}"));
}

void TestUserIdentifier::readOnlyViewIsTheFallback()
{
    FakeRegistry registry;
    registry.wideView["CEIPIdentifier"] = {platform::RegistryType::Dword, std::string(4, '\1')};
    registry.ownView["CEIPIdentifier"] = {platform::RegistryType::String,
                                          std::string("{from the 32-bit view}", 23)};
    QCOMPARE(UserIdentifier::obtain(registry, productGuid, counting(1)),
             QStringLiteral("{from the 32-bit view}"));
    QCOMPARE(registry.wideView.at("CEIPIdentifier").first, platform::RegistryType::Dword);

    registry.ownView["CEIPIdentifier"].first = platform::RegistryType::Other;
    QCOMPARE(UserIdentifier::obtain(registry, productGuid, counting(1)),
             QStringLiteral("{00000001-0000-0000-0000-000000000000}"));
    QCOMPARE(registry.wideView.at("CEIPIdentifier").first, platform::RegistryType::String);
}

QTEST_GUILESS_MAIN(TestUserIdentifier)
#include "tst_useridentifier.moc"
