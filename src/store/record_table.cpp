#include "store/record_table.h"

#include "store/text_hash.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace orvanel {

namespace {

std::uint64_t SlotOf(std::uint64_t hash, size_t index)
{
    return (hash & 0xFFFFFFFF00000000ull) | static_cast<std::uint64_t>(index + 1);
}

size_t IndexIn(std::uint64_t slot)
{
    return static_cast<size_t>(slot & 0xFFFFFFFFull) - 1;
}

bool SameHash(std::uint64_t slot, std::uint64_t hash)
{
    return (slot & 0xFFFFFFFF00000000ull) == (hash & 0xFFFFFFFF00000000ull);
}

size_t Wrap(std::uint64_t hash, size_t size)
{
    return static_cast<size_t>(hash ^ (hash >> 32)) & (size - 1);
}

}  // namespace

RecordTable::RecordTable() : hashSeed_(QRandomGenerator::global()->generate64()) {}
RecordTable::RecordTable(RecordTable&&) noexcept = default;
RecordTable& RecordTable::operator=(RecordTable&&) noexcept = default;
RecordTable::~RecordTable() = default;

std::uint64_t RecordTable::hashOf(QByteArrayView utf8) const
{
    return TextHash(utf8, hashSeed_) | 1u;
}

QByteArrayView RecordTable::view(Text text) const
{
    if (text.at == kAbsent || text.length == 0)
        return QByteArrayView("", 0);
    const char* block = blocks_[text.at >> kPlaceBits].get();
    return QByteArrayView(block + (text.at & (kBlock - 1)), text.length);
}

QString RecordTable::string(Text text) const
{
    return QString::fromUtf8(view(text));
}

RecordTable::Text RecordTable::hold(QByteArrayView utf8, Filling& filling)
{
    if (utf8.isEmpty())
        return Text{};
    const auto length = static_cast<size_t>(utf8.size());
    if (length > 0xFFFFFFFFu || blocks_.size() >= (size_t{1} << (32 - kPlaceBits)))
        throw std::length_error("record table full");
    if (length > kBlock - filling.used) {
        // A text longer than a block has one of its own and starts it: only its start must fit
        // the place bits.
        blocks_.push_back(std::make_unique<char[]>(std::max(length, kBlock)));
        blockSizes_.push_back(std::max(length, kBlock));
        filling = {blocks_.size() - 1, 0};
    }
    std::memcpy(blocks_[filling.block].get() + filling.used, utf8.data(), length);
    const Text text{static_cast<std::uint32_t>((filling.block << kPlaceBits) | filling.used),
                    static_cast<std::uint32_t>(length)};
    filling.used = std::min(filling.used + length, kBlock);
    return text;
}

void RecordTable::growShared()
{
    std::vector<std::uint64_t> grown(std::max<size_t>(1024, sharedSlots_.size() * 2), 0);
    for (const std::uint64_t slot : sharedSlots_) {
        if (slot == 0)
            continue;
        const std::uint64_t hash = hashOf(view(shared_[IndexIn(slot)]));
        size_t i = Wrap(hash, grown.size());
        while (grown[i] != 0)
            i = (i + 1) & (grown.size() - 1);
        grown[i] = slot;
    }
    sharedSlots_ = std::move(grown);
}

RecordTable::Text RecordTable::intern(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return Text{};
    if ((shared_.size() + 1) * 2 > sharedSlots_.size())
        growShared();
    const std::uint64_t hash = hashOf(utf8);
    size_t i = Wrap(hash, sharedSlots_.size());
    for (; sharedSlots_[i] != 0; i = (i + 1) & (sharedSlots_.size() - 1)) {
        const Text known = shared_[IndexIn(sharedSlots_[i])];
        if (SameHash(sharedSlots_[i], hash) && view(known) == utf8)
            return known;
    }
    const Text text = hold(utf8, sharedFilling_);
    sharedSlots_[i] = SlotOf(hash, shared_.size());
    shared_.push_back(text);
    return text;
}

void RecordTable::growIds()
{
    std::vector<std::uint64_t> grown(std::max<size_t>(1024, idSlots_.size() * 2), 0);
    for (const std::uint64_t slot : idSlots_) {
        if (slot == 0)
            continue;
        const std::uint64_t hash = hashOf(view(ids_[IndexIn(slot)].text));
        size_t i = Wrap(hash, grown.size());
        while (grown[i] != 0)
            i = (i + 1) & (grown.size() - 1);
        grown[i] = slot;
    }
    idSlots_ = std::move(grown);
}

std::optional<std::uint32_t> RecordTable::findId(QByteArrayView utf8) const
{
    return findId(utf8, hashOf(utf8));
}

std::optional<std::uint32_t> RecordTable::findId(QByteArrayView utf8, std::uint64_t hash) const
{
    if (idSlots_.empty())
        return std::nullopt;
    for (size_t i = Wrap(hash, idSlots_.size()); idSlots_[i] != 0;
         i = (i + 1) & (idSlots_.size() - 1)) {
        const size_t index = IndexIn(idSlots_[i]);
        if (SameHash(idSlots_[i], hash) && view(ids_[index].text) == utf8)
            return static_cast<std::uint32_t>(index);
    }
    return std::nullopt;
}

std::uint32_t RecordTable::idNumber(QByteArrayView utf8)
{
    const std::uint64_t hash = hashOf(utf8);
    if (const std::optional<std::uint32_t> known = findId(utf8, hash))
        return *known;
    if ((ids_.size() + 1) * 2 > idSlots_.size())
        growIds();
    size_t i = Wrap(hash, idSlots_.size());
    while (idSlots_[i] != 0)
        i = (i + 1) & (idSlots_.size() - 1);
    idSlots_[i] = SlotOf(hash, ids_.size());
    IdRow row;
    row.text = hold(utf8, idFilling_);
    ids_.push_back(row);
    return static_cast<std::uint32_t>(ids_.size() - 1);
}

void RecordTable::reserve(int persons, int rels)
{
    const auto p = static_cast<size_t>(std::max(persons, 0));
    const auto r = static_cast<size_t>(std::max(rels, 0));
    persons_.reserve(p);
    personIds_.reserve(p);
    rels_.reserve(r);
    records_.reserve(p + r);
    ids_.reserve(p);
    while ((p + 1) * 2 > idSlots_.size())
        growIds();
}

int RecordTable::appendRecord(RecordKind kind)
{
    records_.push_back({kind, kNone});
    return recordCount() - 1;
}

int RecordTable::appendPerson(int record)
{
    PersonRow row;
    row.record = record;
    row.texts.fill(Text{kAbsent, 0});
    persons_.push_back(row);
    personIds_.push_back(kNoId);
    records_[static_cast<size_t>(record)].row = personCount() - 1;
    return personCount() - 1;
}

void RecordTable::setPersonId(int person, QByteArrayView utf8)
{
    const std::uint32_t id = idNumber(utf8);
    personIds_[static_cast<size_t>(person)] = id;
    if (ids_[id].firstPerson == kNone)
        ids_[id].firstPerson = person;
}

void RecordTable::renamePersonId(int person, QByteArrayView utf8)
{
    std::uint32_t& held = personIds_[static_cast<size_t>(person)];
    if (held != kNoId && ids_[held].firstPerson == person) {
        // The next person of the old ID, if any, becomes its first.
        ids_[held].firstPerson = kNone;
        for (int p = person + 1; p < personCount(); ++p) {
            if (personIds_[static_cast<size_t>(p)] == held) {
                ids_[held].firstPerson = p;
                break;
            }
        }
    }
    const std::uint32_t id = idNumber(utf8);
    held = id;
    if (ids_[id].firstPerson == kNone || ids_[id].firstPerson > person)
        ids_[id].firstPerson = person;
}

void RecordTable::setPersonText(int person, PersonField field, QByteArrayView utf8)
{
    const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
    if (slot < 0)
        throw std::logic_error("the record table holds only the listed fields");
    const PersonFieldInfo& info = InfoOf(field);
    persons_[static_cast<size_t>(person)].texts[static_cast<size_t>(slot)] =
        info.keeping == CacheKeeping::Shared ? intern(utf8) : hold(utf8, ownFilling_);
}

int RecordTable::appendRel(int record, std::optional<QByteArrayView> id1,
                           std::optional<QByteArrayView> id2, std::optional<QByteArrayView> dir,
                           std::optional<QByteArrayView> inv)
{
    RelRow row;
    row.record = record;
    row.word[0] = dir ? intern(*dir) : Text{kAbsent, 0};
    row.word[1] = inv ? intern(*inv) : Text{kAbsent, 0};
    if (id1)
        row.id[0] = idNumber(*id1);
    if (id2)
        row.id[1] = idNumber(*id2);
    rels_.push_back(row);
    const int rel = relCount() - 1;
    records_[static_cast<size_t>(record)].row = rel;
    chainRel(rel, 0);
    chainRel(rel, 1);
    return rel;
}

void RecordTable::appendRels(std::span<const RelTexts> rels)
{
    // Each pass asks the processor for what the next one reads (the slots, the ID rows, the
    // IDs' texts and their chains' last relationships) and reads what the one before asked for.
    // The asking changes nothing: the last pass appends exactly as appendRel does.
    const auto prefetch = [](const void* at) { __builtin_prefetch(at); };
    std::vector<std::uint64_t> hashes(rels.size() * 2, 0);
    for (size_t r = 0; r < rels.size(); ++r) {
        for (int side = 0; side < 2; ++side) {
            const std::optional<QByteArrayView>& id = side == 0 ? rels[r].id1 : rels[r].id2;
            if (!id || idSlots_.empty())
                continue;
            const std::uint64_t hash = hashOf(*id);
            hashes[r * 2 + side] = hash;
            prefetch(&idSlots_[Wrap(hash, idSlots_.size())]);
        }
    }
    std::vector<std::int32_t> known(rels.size() * 2, kNone);
    for (size_t i = 0; i < hashes.size(); ++i) {
        if (hashes[i] == 0)
            continue;
        const std::uint64_t slot = idSlots_[Wrap(hashes[i], idSlots_.size())];
        if (slot != 0 && SameHash(slot, hashes[i])) {
            known[i] = static_cast<std::int32_t>(IndexIn(slot));
            prefetch(&ids_[IndexIn(slot)]);
        }
    }
    for (const std::int32_t id : known) {
        if (id == kNone)
            continue;
        const IdRow& row = ids_[static_cast<size_t>(id)];
        prefetch(view(row.text).data());
        if (row.lastRel != kNone)
            prefetch(&rels_[static_cast<size_t>(row.lastRel)]);
    }
    for (const RelTexts& rel : rels)
        appendRel(rel.record, rel.id1, rel.id2, rel.dir, rel.inv);
}

// Chains are kept in file order: a relationship joins at its ID's end, and the one renamed
// during a load is put back in its place.
void RecordTable::chainRel(int rel, int side)
{
    RelRow& row = rels_[static_cast<size_t>(rel)];
    const std::uint32_t id = row.id[static_cast<size_t>(side)];
    if (id == kNoId || (side == 1 && row.id[0] == id))
        return;  // names nobody, or the same person as its other side: chained once
    IdRow& ids = ids_[id];
    // Find the last relationship of the chain before this one; most joins are at the end.
    std::int32_t before = kNone;
    std::int32_t at = ids.firstRel;
    if (ids.lastRel != kNone && ids.lastRel < rel) {
        before = ids.lastRel;
        at = kNone;
    } else {
        while (at != kNone && at < rel) {
            before = at;
            const RelRow& r = rels_[static_cast<size_t>(at)];
            at = r.next[r.id[0] == id ? 0 : 1];
        }
    }
    row.next[static_cast<size_t>(side)] = at;
    if (before == kNone) {
        ids.firstRel = rel;
    } else {
        RelRow& b = rels_[static_cast<size_t>(before)];
        b.next[b.id[0] == id ? 0 : 1] = rel;
    }
    if (at == kNone)
        ids.lastRel = rel;
}

void RecordTable::unchainRel(int rel, int side)
{
    RelRow& row = rels_[static_cast<size_t>(rel)];
    const std::uint32_t id = row.id[static_cast<size_t>(side)];
    if (id == kNoId || (side == 1 && row.id[0] == id))
        return;
    IdRow& ids = ids_[id];
    std::int32_t before = kNone;
    for (std::int32_t at = ids.firstRel; at != kNone && at != rel;) {
        before = at;
        const RelRow& r = rels_[static_cast<size_t>(at)];
        at = r.next[r.id[0] == id ? 0 : 1];
    }
    const std::int32_t after = row.next[static_cast<size_t>(side)];
    if (before == kNone) {
        ids.firstRel = after;
    } else {
        RelRow& b = rels_[static_cast<size_t>(before)];
        b.next[b.id[0] == id ? 0 : 1] = after;
    }
    if (ids.lastRel == rel)
        ids.lastRel = before;
    row.next[static_cast<size_t>(side)] = kNone;
}

void RecordTable::renameRelId(int rel, int side, QByteArrayView utf8)
{
    unchainRel(rel, 1);
    unchainRel(rel, 0);
    rels_[static_cast<size_t>(rel)].id[static_cast<size_t>(side)] = idNumber(utf8);
    chainRel(rel, 0);
    chainRel(rel, 1);
}

void RecordTable::removeRel(int rel)
{
    unchainRel(rel, 1);
    unchainRel(rel, 0);
    RelRow& row = rels_[static_cast<size_t>(rel)];
    row.id = {kNoId, kNoId};
    records_[static_cast<size_t>(row.record)].kind = RecordKind::Removed;
}

void RecordTable::setSpans(std::vector<RecordSpan> spans)
{
    if (spans.size() != records_.size())
        throw std::logic_error("one span per record");
    spans_ = std::move(spans);
}

std::optional<QString> RecordTable::personId(int person) const
{
    const std::uint32_t id = personIds_[static_cast<size_t>(person)];
    if (id == kNoId)
        return std::nullopt;
    return string(ids_[id].text);
}

bool RecordTable::personHas(int person, PersonField field) const
{
    const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
    if (slot < 0)
        throw std::logic_error("the record table holds only the listed fields");
    return persons_[static_cast<size_t>(person)].texts[static_cast<size_t>(slot)].at != kAbsent;
}

QString RecordTable::personText(int person, PersonField field) const
{
    const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
    if (slot < 0)
        throw std::logic_error("the record table holds only the listed fields");
    return string(persons_[static_cast<size_t>(person)].texts[static_cast<size_t>(slot)]);
}

bool RecordTable::personTextContains(int person, PersonField field,
                                     const FoldedNeedle& needle) const
{
    const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
    if (slot < 0)
        throw std::logic_error("the record table holds only the listed fields");
    return needle.foundIn(view(persons_[static_cast<size_t>(person)].texts[static_cast<size_t>(slot)]));
}

RecordTable::TextsSearch RecordTable::personTextsContain(int person,
                                                         std::span<const PersonField> fields,
                                                         const FoldedNeedle& needle) const
{
    const PersonRow& row = persons_[static_cast<size_t>(person)];
    TextsSearch search;
    for (const PersonField field : fields) {
        const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
        if (slot < 0)
            throw std::logic_error("the record table holds only the listed fields");
        const Text text = row.texts[static_cast<size_t>(slot)];
        if (text.at == kAbsent) {
            if (InfoOf(field).required) {
                search.missing = field;
                return search;
            }
        } else if (!search.found) {
            search.found = needle.foundIn(view(text));
        }
    }
    return search;
}

bool RecordTable::personIdContains(int person, const FoldedNeedle& needle) const
{
    const std::uint32_t id = personIds_[static_cast<size_t>(person)];
    return id != kNoId && needle.foundIn(view(ids_[id].text));
}

namespace {

void AppendUtf16(QByteArrayView utf8, std::u16string& out)
{
    // An ASCII text, as IDs and dates are, widened unit by unit without a decoder: see the
    // figures beside the sort's reserve of its keys (SortRowOrder).
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        out.append(utf8.begin(), utf8.end());
        return;
    }
    // A text of n bytes never needs more than n units.
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(utf8.size()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    auto* const begin = reinterpret_cast<QChar*>(out.data() + at);
    const QChar* const end = decoder.appendToBuffer(begin, utf8);
    out.resize(at + static_cast<size_t>(end - begin));
}

}  // namespace

void RecordTable::appendPersonText(int person, PersonField field, std::u16string& out) const
{
    const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
    if (slot < 0)
        throw std::logic_error("the record table holds only the listed fields");
    AppendUtf16(view(persons_[static_cast<size_t>(person)].texts[static_cast<size_t>(slot)]), out);
}

void RecordTable::appendPersonId(int person, std::u16string& out) const
{
    const std::uint32_t id = personIds_[static_cast<size_t>(person)];
    if (id != kNoId)
        AppendUtf16(view(ids_[id].text), out);
}

std::optional<std::uint64_t> RecordTable::personTextNumber(int person, PersonField field) const
{
    const PersonFieldInfo& info = InfoOf(field);
    if (info.keeping != CacheKeeping::Shared)
        return std::nullopt;
    const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
    const Text text = persons_[static_cast<size_t>(person)].texts[static_cast<size_t>(slot)];
    // Every shared text of one or more bytes has a place of its own.
    return text.at == kAbsent || text.length == 0 ? 0 : std::uint64_t{text.at} + 1;
}

std::uint64_t RecordTable::personIdNumber(int person) const
{
    const std::uint32_t id = personIds_[static_cast<size_t>(person)];
    return id == kNoId ? 0 : std::uint64_t{id} + 1;
}

bool RecordTable::personTextIs(int person, PersonField field, QByteArrayView utf8) const
{
    const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
    if (slot < 0)
        throw std::logic_error("the record table holds only the listed fields");
    return view(persons_[static_cast<size_t>(person)].texts[static_cast<size_t>(slot)]) == utf8;
}

bool RecordTable::personIdIs(int person, QByteArrayView utf8) const
{
    const std::uint32_t id = personIds_[static_cast<size_t>(person)];
    return id != kNoId && view(ids_[id].text) == utf8;
}

int RecordTable::findPerson(const QString& id) const
{
    const std::optional<std::uint32_t> found = findId(id.toUtf8());
    return found ? ids_[*found].firstPerson : -1;
}

std::optional<QString> RecordTable::relId(int rel, int side) const
{
    const std::uint32_t id = rels_[static_cast<size_t>(rel)].id[static_cast<size_t>(side)];
    if (id == kNoId)
        return std::nullopt;
    return string(ids_[id].text);
}

std::optional<QString> RecordTable::relWord(int rel, int side) const
{
    const Text word = rels_[static_cast<size_t>(rel)].word[static_cast<size_t>(side)];
    if (word.at == kAbsent)
        return std::nullopt;
    return string(word);
}

std::vector<int> RecordTable::relationsOf(const QString& id) const
{
    std::vector<int> found;
    const std::optional<std::uint32_t> number = findId(id.toUtf8());
    if (!number)
        return found;
    for (std::int32_t at = ids_[*number].firstRel; at != kNone;) {
        found.push_back(at);
        const RelRow& r = rels_[static_cast<size_t>(at)];
        at = r.next[r.id[0] == *number ? 0 : 1];
    }
    return found;
}

size_t RecordTable::bytesHeld() const
{
    size_t blocks = 0;
    for (const size_t size : blockSizes_)
        blocks += size;
    return blocks + records_.capacity() * sizeof(Record) + spans_.capacity() * sizeof(RecordSpan) +
           persons_.capacity() * sizeof(PersonRow) + personIds_.capacity() * 4 +
           rels_.capacity() * sizeof(RelRow) +
           ids_.capacity() * sizeof(IdRow) + idSlots_.capacity() * 8 + sharedSlots_.capacity() * 8 +
           shared_.capacity() * sizeof(Text);
}

}  // namespace orvanel
