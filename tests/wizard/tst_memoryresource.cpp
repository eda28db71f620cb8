// In-memory resources built at run time, and the snapshot of the window's pictures made of them.
#include "TestEnvironment.h"
#include "wizard/MemoryResource.h"
#include "wizard/PictureSnapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestMemoryResource : public QObject
{
    Q_OBJECT

private slots:
    void filesReadBackFromMemory();
    void resourcesLiveSideBySide();
    void snapshotOutlivesTheFiles();

private:
    TestEnvironment env;
};

void TestMemoryResource::filesReadBackFromMemory()
{
    QMap<QString, QByteArray> files;
    // Enough names in one directory for the lookup to search among many.
    for (int i = 0; i < 60; ++i)
        files.insert(QStringLiteral("images/picture_%1.png").arg(i), QByteArray::number(i * 7919));
    files.insert(QStringLiteral("a/b/c/deep.txt"), QByteArray("deep"));
    files.insert(QStringLiteral("Grüße/ümlaut.txt"), QByteArray("non-ASCII"));
    files.insert(QStringLiteral("empty.bin"), QByteArray());
    files.insert(QStringLiteral("top.txt"), QByteArray(100000, 'x'));

    auto resource = std::make_unique<MemoryResource>();
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        resource->addFile(it.key(), it.value());
    QVERIFY(resource->registerResource());
    const QString root = resource->root();
    QVERIFY(root.startsWith(QLatin1String(":/")));

    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = root + QLatin1Char('/') + it.key();
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        QCOMPARE(readAll(path), it.value());
    }
    QCOMPARE(QDir(root).entryList(QDir::AllEntries, QDir::Name),
             (QStringList{"Grüße", "a", "empty.bin", "images", "top.txt"}));
    QCOMPARE(QDir(root + QStringLiteral("/images")).entryList().size(), 60);
    QVERIFY(QFileInfo(root + QStringLiteral("/a/b")).isDir());
    QVERIFY(!QFileInfo::exists(root + QStringLiteral("/images/picture_60.png")));
    QVERIFY(!QFileInfo::exists(root + QStringLiteral("/a/deep.txt")));

    const QString kept = root + QStringLiteral("/top.txt");
    resource.reset();
    QVERIFY(!QFileInfo::exists(kept));
}

void TestMemoryResource::resourcesLiveSideBySide()
{
    MemoryResource first;
    MemoryResource second;
    first.addFile(QStringLiteral("same.txt"), "first");
    second.addFile(QStringLiteral("same.txt"), "second");
    QVERIFY(first.registerResource());
    QVERIFY(second.registerResource());
    QVERIFY(first.root() != second.root());
    QCOMPARE(readAll(first.root() + QStringLiteral("/same.txt")), QByteArray("first"));
    QCOMPARE(readAll(second.root() + QStringLiteral("/same.txt")), QByteArray("second"));
    QVERIFY(!first.registerResource()); // once only
}

void TestMemoryResource::snapshotOutlivesTheFiles()
{
    auto skin = std::make_unique<QTemporaryDir>();
    auto offers = std::make_unique<QTemporaryDir>();
    writeFile(skin->filePath(QStringLiteral("images/close.png")), "close");
    writeFile(skin->filePath(QStringLiteral(".hidden")), "hidden");
    const QString banner = offers->filePath(QStringLiteral("banner_pic/de.png"));
    const QString promotion = offers->filePath(QStringLiteral("promotion_pic/de.png"));
    writeFile(banner, "banner");
    writeFile(promotion, "promotion");
    const QString missing = offers->filePath(QStringLiteral("missing.png"));
    QDir::setSearchPaths(QStringLiteral("skin"), {skin->path()});

    auto snapshot = std::make_unique<PictureSnapshot>(QStringList{banner, promotion, missing});
    QVERIFY(snapshot->isTaken());
    skin.reset();
    offers.reset();
    QVERIFY(!QFileInfo::exists(banner));

    QCOMPARE(readAll(QStringLiteral("skin:images/close.png")), QByteArray("close"));
    QCOMPARE(readAll(QStringLiteral("skin:.hidden")), QByteArray("hidden"));
    QCOMPARE(readAll(snapshot->inMemory(banner)), QByteArray("banner"));
    QCOMPARE(readAll(snapshot->inMemory(promotion)), QByteArray("promotion"));
    QCOMPARE(snapshot->inMemory(missing), missing);

    const QStringList memoryPaths = QDir::searchPaths(QStringLiteral("skin"));
    snapshot.reset();
    QVERIFY(QDir::searchPaths(QStringLiteral("skin")) != memoryPaths);
    QVERIFY(!QFile::exists(QStringLiteral("skin:images/close.png")));
}

QTEST_MAIN(TestMemoryResource)
#include "tst_memoryresource.moc"
