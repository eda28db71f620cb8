#include "platform/UserRegistry.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// The store is a text file in the registry's export format:
//   [Software\Classes\CLSID\{...}]
//   "CEIPIdentifier"="{...}"
//   "Count"=dword:0000002a
//   "Raw"=hex(1):7b,00
// A store file without its owner's write permission is a registry the user may only read.

namespace platform {

namespace {

// Value types as the Windows registry numbers them.
constexpr std::uint32_t stringType = 1;
constexpr std::uint32_t dwordType = 4;
const char hexDigits[] = "0123456789abcdefABCDEF";

struct StoredValue
{
    std::string name;
    std::uint32_t type = stringType;
    std::string bytes;
};

struct StoredKey
{
    std::string path;
    std::vector<StoredValue> values;
};

using Store = std::vector<StoredKey>;

// Paths and names ignore ASCII case, as in the Windows registry.
bool sameName(const std::string &a, const std::string &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
               == std::tolower(static_cast<unsigned char>(y));
    });
}

StoredKey *findKey(Store &store, const std::string &path)
{
    const auto it = std::find_if(store.begin(), store.end(), [&](const StoredKey &key) {
        return sameName(key.path, path);
    });
    return it == store.end() ? nullptr : &*it;
}

StoredValue *findValue(StoredKey &key, const std::string &name)
{
    const auto it = std::find_if(key.values.begin(), key.values.end(), [&](const StoredValue &v) {
        return sameName(v.name, name);
    });
    return it == key.values.end() ? nullptr : &*it;
}

bool isHex(const std::string &digits)
{
    return !digits.empty() && digits.find_first_not_of(hexDigits) == std::string::npos;
}

// pos is on the opening quote and ends after the closing one.
bool readQuoted(const std::string &line, std::size_t &pos, std::string &text)
{
    if (pos >= line.size() || line[pos] != '"')
        return false;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && pos + 1 < line.size())
            c = line[++pos];
        text += c;
    }
    return false;
}

bool parseHexList(const std::string &list, std::string &bytes)
{
    for (std::size_t pos = 0; pos < list.size(); pos += 3) {
        const std::string byte = list.substr(pos, 2);
        if (byte.size() != 2 || !isHex(byte) || (pos + 2 < list.size() && list[pos + 2] != ','))
            return false;
        bytes += char(std::stoul(byte, nullptr, 16));
    }
    return true;
}

bool parseData(const std::string &data, StoredValue &value)
{
    if (!data.empty() && data.front() == '"') {
        std::size_t pos = 0;
        std::string text;
        if (!readQuoted(data, pos, text) || pos != data.size())
            return false;
        value.type = stringType;
        value.bytes = text + '\0';
        return true;
    }
    if (data.rfind("dword:", 0) == 0) {
        const std::string digits = data.substr(6);
        if (digits.size() != 8 || !isHex(digits))
            return false;
        const unsigned long number = std::stoul(digits, nullptr, 16);
        value.type = dwordType;
        for (int i = 0; i < 4; ++i)
            value.bytes += char((number >> (8 * i)) & 0xff);
        return true;
    }
    const std::size_t close = data.find("):");
    if (data.rfind("hex(", 0) != 0 || close == std::string::npos)
        return false;
    const std::string type = data.substr(4, close - 4);
    if (type.size() > 8 || !isHex(type))
        return false;
    value.type = std::uint32_t(std::stoul(type, nullptr, 16));
    return parseHexList(data.substr(close + 2), value.bytes);
}

Store parse(std::istream &in)
{
    Store store;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            store.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        std::size_t pos = 0;
        StoredValue value;
        if (store.empty() || !readQuoted(line, pos, value.name) || pos >= line.size()
            || line[pos] != '=')
            continue;
        if (parseData(line.substr(pos + 1), value))
            store.back().values.push_back(std::move(value));
    }
    return store;
}

std::string quoted(const std::string &text)
{
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            result += '\\';
        result += c;
    }
    return result + '"';
}

// One zero byte at the end and no line break: the text form keeps it exactly.
bool isText(const std::string &bytes)
{
    return !bytes.empty() && bytes.back() == '\0'
           && bytes.find_first_of(std::string("\0\n\r", 3)) == bytes.size() - 1;
}

std::string encode(const StoredValue &value)
{
    if (value.type == stringType && isText(value.bytes))
        return quoted(value.bytes.substr(0, value.bytes.size() - 1));
    char number[32];
    if (value.type == dwordType && value.bytes.size() == 4) {
        std::uint32_t dword = 0;
        for (int i = 3; i >= 0; --i)
            dword = (dword << 8) | static_cast<unsigned char>(value.bytes[std::size_t(i)]);
        std::snprintf(number, sizeof number, "dword:%08x", unsigned(dword));
        return number;
    }
    std::snprintf(number, sizeof number, "hex(%x):", unsigned(value.type));
    std::string result = number;
    for (std::size_t i = 0; i < value.bytes.size(); ++i) {
        std::snprintf(number,
                      sizeof number,
                      i ? ",%02x" : "%02x",
                      unsigned(static_cast<unsigned char>(value.bytes[i])));
        result += number;
    }
    return result;
}

std::string serialise(const Store &store)
{
    std::string text;
    for (const StoredKey &key : store) {
        text += (text.empty() ? "[" : "\n[") + key.path + "]\n";
        for (const StoredValue &value : key.values)
            text += quoted(value.name) + '=' + encode(value) + '\n';
    }
    return text;
}

// An absent file is an empty store; one that exists but cannot be read is no store at all.
std::optional<Store> load(const std::string &file)
{
    struct stat info;
    if (::stat(file.c_str(), &info) != 0)
        return errno == ENOENT ? std::optional<Store>(Store()) : std::nullopt;
    if (!S_ISREG(info.st_mode))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return parse(in);
}

bool mayWrite(const std::string &file)
{
    struct stat info;
    if (::stat(file.c_str(), &info) != 0)
        return errno == ENOENT;
    return (info.st_mode & S_IWUSR) != 0;
}

bool makeDirectories(const std::string &directory)
{
    for (std::size_t slash = directory.find('/', 1);; slash = directory.find('/', slash + 1)) {
        const std::string prefix = directory.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info;
    return ::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool writeAll(int fd, const std::string &text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno != EINTR)
            return false;
        done += written > 0 ? std::size_t(written) : 0;
    }
    return true;
}

// Written beside the store and renamed over it, so a reader never sees half a file. Like the
// Windows registry, a write is not flushed to disk at once: waiting for the disk cost the
// wizard's first start several milliseconds per value.
bool save(const std::string &file, const Store &store)
{
    const std::size_t slash = file.rfind('/');
    if (slash != std::string::npos && slash > 0 && !makeDirectories(file.substr(0, slash)))
        return false;
    std::string temporary = file + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool written = writeAll(fd, serialise(store));
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temporary.c_str(), file.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

class StoreKey : public RegistryKey
{
public:
    StoreKey(std::string file, std::string path, bool writable)
        : m_file(std::move(file))
        , m_path(std::move(path))
        , m_writable(writable)
    {}

    RegistryQuery query(const std::string &name, char *buffer, std::size_t size) override
    {
        RegistryQuery result;
        std::optional<Store> store = load(m_file);
        StoredKey *key = store ? findKey(*store, m_path) : nullptr;
        const StoredValue *value = key ? findValue(*key, name) : nullptr;
        if (!value)
            return result;
        result.type = value->type == stringType  ? RegistryType::String
                      : value->type == dwordType ? RegistryType::Dword
                                                 : RegistryType::Other;
        result.length = value->bytes.size();
        result.ok = result.length <= size;
        if (result.ok)
            std::memcpy(buffer, value->bytes.data(), result.length);
        return result;
    }

    bool setString(const std::string &name, const char *data, std::size_t size) override
    {
        std::optional<Store> store = m_writable ? load(m_file) : std::nullopt;
        if (!store)
            return false;
        StoredKey *key = findKey(*store, m_path);
        if (!key)
            key = &store->emplace_back(StoredKey{m_path, {}});
        StoredValue *value = findValue(*key, name);
        if (!value)
            value = &key->values.emplace_back(StoredValue{name, stringType, {}});
        value->type = stringType;
        value->bytes.assign(data, size);
        return save(m_file, *store);
    }

private:
    std::string m_file;
    std::string m_path;
    bool m_writable;
};

class StoreRegistry : public UserRegistry
{
public:
    explicit StoreRegistry(std::string file)
        : m_file(std::move(file))
    {}

    std::unique_ptr<RegistryKey> createKey(const std::string &path) override
    {
        std::optional<Store> store = load(m_file);
        if (!store || !mayWrite(m_file))
            return nullptr;
        if (!findKey(*store, path)) {
            store->push_back({path, {}});
            if (!save(m_file, *store))
                return nullptr;
        }
        return std::make_unique<StoreKey>(m_file, path, true);
    }

    std::unique_ptr<RegistryKey> openKey(const std::string &path) override
    {
        std::optional<Store> store = load(m_file);
        if (!store || !findKey(*store, path))
            return nullptr;
        return std::make_unique<StoreKey>(m_file, path, false);
    }

private:
    std::string m_file;
};

} // namespace

std::unique_ptr<UserRegistry> UserRegistry::currentUser(const std::string &storePath)
{
    return std::make_unique<StoreRegistry>(storePath);
}

} // namespace platform
