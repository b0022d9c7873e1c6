// The keys in memory: Store and Key, and the rules for names.
#include "support/RegStore.h"

namespace regstore {

namespace {
QString fold(const QString& s) { return s.toCaseFolded(); }
} // namespace

bool isControlByte(uchar c) { return c < 0x20 || c == 0x7F; }

// ---------------------------------------------------------------- Key and Store

const Value* Key::find(const QString& name) const
{
    const auto it = index_.constFind(fold(name));
    return it == index_.constEnd() ? nullptr : &values_[size_t(*it)];
}

void Key::closeHoles() const
{
    if (holes_ == 0)
        return;
    // A value is live when its name still leads to its own place.
    std::vector<Value> live;
    live.reserve(values_.size() - size_t(holes_));
    for (qsizetype i = 0; i < qsizetype(values_.size()); ++i)
        if (index_.value(fold(values_[size_t(i)].name), -1) == i)
            live.push_back(std::move(values_[size_t(i)]));
    values_ = std::move(live);
    holes_ = 0;
    index_.clear();
    for (qsizetype i = 0; i < qsizetype(values_.size()); ++i)
        index_.insert(fold(values_[size_t(i)].name), i);
}

const Key* Store::findKey(const QString& path) const
{
    const auto it = index_.constFind(fold(path));
    if (it != index_.constEnd())
        return &keys_[size_t(*it)];
    if (path.isEmpty()) {
        static const Key root;
        return &root;
    }
    return nullptr;
}

Key* Store::find(const QString& path)
{
    const auto it = index_.constFind(fold(path));
    return it == index_.constEnd() ? nullptr : &keys_[size_t(*it)];
}

Key& Store::obtain(const QString& path)
{
    if (Key* k = find(path))
        return *k;
    if (!path.isEmpty()) {
        const qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
        if (cut > 0)
            obtain(path.left(cut));
    }
    Key k;
    k.path_ = path;
    keys_.push_back(std::move(k));
    index_.insert(fold(path), qsizetype(keys_.size()) - 1);
    modified_ = true;
    return keys_.back();
}

void Store::createKey(const QString& path) { obtain(path); }

void Store::setValue(const QString& path, const QString& name, std::uint32_t type, QByteArray data)
{
    Key& k = obtain(path);
    const QString f = fold(name);
    const auto it = k.index_.constFind(f);
    if (it != k.index_.constEnd()) {
        Value& v = k.values_[size_t(*it)];
        if (v.type != type || v.data != data) {
            v.type = type;
            v.data = std::move(data);
            modified_ = true;
        }
        return;
    }
    k.values_.push_back(Value{name, type, std::move(data)});
    k.index_.insert(f, qsizetype(k.values_.size()) - 1);
    modified_ = true;
}

bool Store::removeValue(const QString& path, const QString& name)
{
    Key* k = find(path);
    if (!k)
        return false;
    if (!k->index_.remove(fold(name)))
        return false;
    ++k->holes_;
    modified_ = true;
    return true;
}

bool Store::removeKey(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString f = fold(path);
    const QString prefix = f + QLatin1Char('\\');
    const auto before = keys_.size();
    std::erase_if(keys_, [&](const Key& k) {
        const QString kf = fold(k.path_);
        return kf == f || kf.startsWith(prefix);
    });
    if (keys_.size() == before)
        return false;
    reindex();
    modified_ = true;
    return true;
}

void Store::reindex()
{
    index_.clear();
    for (qsizetype i = 0; i < qsizetype(keys_.size()); ++i)
        index_.insert(fold(keys_[size_t(i)].path_), i);
}

// ---------------------------------------------------------------- names

namespace {
bool validName(const QString& s, qsizetype maxLength)
{
    if (s.size() > maxLength)
        return false;
    for (QChar c : s)
        if (c.unicode() > 0xFF || isControlByte(uchar(c.unicode())))
            return false;
    return true;
}
} // namespace

std::optional<QString> keyPath(const QString& key)
{
    QString p = key;
    if (p.startsWith(QLatin1Char('\\')))
        p.remove(0, 1);
    if (p.endsWith(QLatin1Char('\\')))
        p.chop(1);
    if (p.isEmpty())
        return p;
    const QStringList parts = p.split(QLatin1Char('\\'));
    if (parts.size() > kMaxKeyDepth)
        return std::nullopt;
    for (const QString& part : parts)
        if (part.isEmpty() || !validName(part, kMaxKeyNameLength))
            return std::nullopt;
    return p;
}

bool isValidValueName(const QString& name) { return validName(name, kMaxValueNameLength); }

} // namespace regstore
