#pragma once

#include "import/import_batch.h"
#include "import/vcard_lines.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace orvanel {

// One card, read property by property into the person it describes. The field table's vCard
// forms say where a property goes; what has no place is counted in the batch.
class VCardCard {
public:
    // A relative the card names: the card whose UID is `target` is `kind` of this card's person.
    struct Related {
        QString target;
        QString kind;
    };

    VCardCard(int line, bool unicodeFile) : unicodeFile_(unicodeFile) { person_.line = line; }

    // Throws ImportRefused for a value that cannot be read, or a card of too many properties.
    void add(const CardProperty& property, ImportBatch& batch);
    // The person, once the card has ended: the address chosen, the birth date read, and the name
    // taken from FN when the card has no N.
    ImportedPerson finish(ImportBatch& batch);

    const QString& uid() const { return uid_; }
    const std::vector<Related>& related() const { return related_; }

private:
    struct Address {
        QStringList components;
        int rank = 0;  // 2 preferred, 1 home, 0 other
    };

    QString text(const CardProperty& property) const;
    bool addTableText(const CardProperty& property, ImportBatch& batch);
    void addName(const CardProperty& property, ImportBatch& batch);
    void addSex(const QString& letter, bool known, ImportBatch& batch);
    void addRelated(const CardProperty& property, ImportBatch& batch);

    bool unicodeFile_;
    ImportedPerson person_;
    int properties_ = 0;
    bool hasName_ = false;
    QString fullName_;
    std::vector<Address> addresses_;
    bool hasBirthday_ = false;
    QDate birthday_;
    QString birthdayText_;
    QString uid_;
    std::vector<Related> related_;
};

}  // namespace orvanel
