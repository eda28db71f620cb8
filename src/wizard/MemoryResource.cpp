#include "wizard/MemoryResource.h"

#include <QAtomicInt>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QResource>
#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <map>
#include <memory>

namespace {

// The binary resource format that rcc writes, version 1: a header, then the tree of fixed-size
// nodes, the file contents and the names. Numbers are big-endian.
const quint32 formatVersion = 1;
const quint16 directoryFlag = 0x02;
const int headerSize = 20;

struct TreeNode
{
    QString name;
    QByteArray content;
    bool directory = true;
    std::map<QString, std::unique_ptr<TreeNode>> children;
    quint32 firstChild = 0;
};

void append16(QByteArray &buffer, quint16 value)
{
    const quint16 big = qToBigEndian(value);
    buffer.append(reinterpret_cast<const char *>(&big), sizeof big);
}

void append32(QByteArray &buffer, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    buffer.append(reinterpret_cast<const char *>(&big), sizeof big);
}

TreeNode *childDirectory(TreeNode *parent, const QString &name)
{
    std::unique_ptr<TreeNode> &child = parent->children[name];
    if (!child) {
        child = std::make_unique<TreeNode>();
        child->name = name;
    }
    return child.get();
}

// Breadth first, each directory's children together and ordered by the hash of their names,
// which is the order in which the resource lookup searches them.
QVector<TreeNode *> nodesInTreeOrder(TreeNode *root)
{
    QVector<TreeNode *> order{root};
    for (int i = 0; i < order.size(); ++i) {
        TreeNode *node = order.at(i);
        if (!node->directory)
            continue;
        QVector<TreeNode *> children;
        for (auto &entry : node->children)
            children << entry.second.get();
        std::stable_sort(children.begin(), children.end(), [](TreeNode *a, TreeNode *b) {
            return qt_hash(a->name) < qt_hash(b->name);
        });
        node->firstChild = quint32(order.size());
        order << children;
    }
    return order;
}

QAtomicInt lastRootNumber;

} // namespace

MemoryResource::MemoryResource()
    : m_mapRoot(QStringLiteral("/uninstall-memory-%1").arg(lastRootNumber.fetchAndAddOrdered(1) + 1))
{}

MemoryResource::~MemoryResource()
{
    if (m_registered)
        QResource::unregisterResource(reinterpret_cast<const uchar *>(m_encoded.constData()),
                                      m_mapRoot);
}

void MemoryResource::addFile(const QString &name, const QByteArray &content)
{
    m_files.insert(name, content);
}

void MemoryResource::addDirectory(const QString &prefix, const QString &directory)
{
    QDirIterator it(directory, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            addFile(prefix + QDir(directory).relativeFilePath(path), file.readAll());
    }
}

bool MemoryResource::registerResource()
{
    if (m_registered)
        return false;
    m_encoded = encode();
    m_registered = QResource::registerResource(reinterpret_cast<const uchar *>(
                                                   m_encoded.constData()),
                                               m_mapRoot);
    return m_registered;
}

QString MemoryResource::root() const
{
    return QLatin1Char(':') + m_mapRoot;
}

QByteArray MemoryResource::encode() const
{
    TreeNode root;
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        const QStringList parts = it.key().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            continue;
        TreeNode *parent = &root;
        for (int i = 0; i < parts.size() - 1; ++i)
            parent = childDirectory(parent, parts.at(i));
        TreeNode *file = childDirectory(parent, parts.last());
        file->directory = false;
        file->content = it.value();
    }

    QByteArray tree;
    QByteArray contents;
    QByteArray names;
    for (const TreeNode *node : nodesInTreeOrder(&root)) {
        const quint32 nameOffset = quint32(names.size());
        if (node != &root) {
            append16(names, quint16(node->name.size()));
            append32(names, qt_hash(node->name));
            for (const QChar character : node->name)
                append16(names, character.unicode());
        }
        append32(tree, nameOffset);
        if (node->directory) {
            append16(tree, directoryFlag);
            append32(tree, quint32(node->children.size()));
            append32(tree, node->firstChild);
        } else {
            append16(tree, 0);
            append16(tree, quint16(QLocale::AnyCountry));
            append16(tree, quint16(QLocale::C));
            append32(tree, quint32(contents.size()));
            append32(contents, quint32(node->content.size()));
            contents += node->content;
        }
    }

    QByteArray encoded("qres");
    append32(encoded, formatVersion);
    append32(encoded, headerSize);
    append32(encoded, quint32(headerSize + tree.size()));
    append32(encoded, quint32(headerSize + tree.size() + contents.size()));
    return encoded + tree + contents + names;
}
