#include "import/vcard_reader.h"

#include "import/contact_person.h"
#include "import/contact_text.h"
#include "import/vcard_card.h"
#include "relations/relationship_kind.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <optional>

namespace orvanel {

namespace {


// How often the reading tells how far it has come, in lines.
constexpr int kProgressLines = 8192;

bool Is(const CardProperty& property, QByteArrayView name, QByteArrayView value)
{
    return property.name == name && property.value.trimmed().toUpper() == value;
}

// Links each pair of cards once, whichever card named it, and only between cards of the file.
void LinkRelatives(const std::vector<std::vector<VCardCard::Related>>& related,
                   const std::vector<QString>& uids, ImportBatch& batch)
{
    // A UID two cards share names neither of them for certain.
    QHash<QString, std::optional<std::size_t>> cardOf;
    for (std::size_t i = 0; i < uids.size(); ++i) {
        if (uids[i].isEmpty())
            continue;
        const auto found = cardOf.constFind(uids[i]);
        if (found == cardOf.constEnd())
            cardOf.insert(uids[i], i);
        else
            cardOf[uids[i]] = std::nullopt;
    }
    QSet<QString> linked;
    for (std::size_t card = 0; card < related.size(); ++card) {
        for (const VCardCard::Related& relative : related[card]) {
            const std::optional<std::size_t> other = cardOf.value(relative.target);
            if (!other) {
                ++batch.lost(ImportLoss::MissingRecord);
                continue;
            }
            if (*other == card) {
                ++batch.lost(ImportLoss::OtherData);
                continue;
            }
            // The same link as both cards name it: the lower index first, the kind turned with it.
            std::size_t person = *other;
            std::size_t of = card;
            QString kind = relative.kind;
            if (person > of) {
                std::swap(person, of);
                kind = InverseKind(kind);
            }
            const QString key = QStringLiteral("%1 %2 %3").arg(person).arg(of).arg(kind);
            if (linked.contains(key))
                continue;
            linked.insert(key);
            batch.links.push_back({person, of, kind});
        }
    }
}

}  // namespace

ImportBatch ReadVCards(const QByteArray& file, ImportProgress* progress)
{
    CheckContactFileSize(file);
    const QByteArray bytes = Utf8FileBytes(file);
    const bool unicodeFile = IsUtf16File(file);
    ImportBatch batch;
    std::vector<std::vector<VCardCard::Related>> related;
    std::vector<QString> uids;
    std::optional<VCardCard> card;
    bool keepFoldSpace = false;
    int nested = 0;  // depth of a card inside the card (a 2.1 AGENT), skipped
    int lastLine = 0;
    int lines = 0;
    VCardLineReader reader(bytes);
    VCardContentLine line;
    while (reader.next(line, keepFoldSpace)) {
        lastLine = line.line;
        if (progress && ++lines % kProgressLines == 0
            && !progress->goOn(reader.position(), bytes.size()))
            throw ImportStopped();
        if (line.text.trimmed().isEmpty())
            continue;
        if (!card) {
            const std::optional<CardProperty> property =
                line.text.contains(':') ? std::optional(ParseCardProperty(line)) : std::nullopt;
            if (!property || !Is(*property, "BEGIN", "VCARD"))
                RefuseAtLine(line.line, QCoreApplication::translate("orvanel::Import", "expected BEGIN:VCARD"));
            CheckRoomForPerson(batch, line.line);
            card.emplace(line.line, unicodeFile);
            keepFoldSpace = false;
            continue;
        }
        const CardProperty property = ParseCardProperty(line);
        if (nested > 0) {
            nested += Is(property, "BEGIN", "VCARD") ? 1 : Is(property, "END", "VCARD") ? -1 : 0;
            continue;
        }
        if (Is(property, "BEGIN", "VCARD")) {
            nested = 1;
            ++batch.lost(ImportLoss::OtherData);
        } else if (Is(property, "END", "VCARD")) {
            batch.persons.push_back(card->finish(batch));
            uids.push_back(card->uid());
            related.push_back(card->related());
            card.reset();
        } else if (property.name == "VERSION") {
            const QByteArray version = property.value.trimmed();
            if (version != "2.1" && version != "3.0" && version != "4.0")
                RefuseAtLine(line.line, QCoreApplication::translate("orvanel::Import", "expected VERSION 2.1, 3.0 or 4.0"));
            keepFoldSpace = version == "2.1";
        } else {
            card->add(property, batch);
        }
    }
    if (card)
        RefuseAtLine(lastLine, QCoreApplication::translate("orvanel::Import", "expected END:VCARD: the file is cut short"));
    if (batch.persons.empty())
        RefuseAtLine(std::max(lastLine, 1), QCoreApplication::translate("orvanel::Import", "expected BEGIN:VCARD"));
    LinkRelatives(related, uids, batch);
    return batch;
}

}  // namespace orvanel
