#include "import/gedcom_individual.h"

#include "import/birth_comment.h"
#include "import/import_date.h"
#include "store/errors.h"
#include "store/file_date.h"

#include <QCoreApplication>
#include <array>

namespace orvanel {

namespace {

using F = PersonField;

// The stored date text our own export put in a date phrase: "(12/25)" in 5.5.1, an empty DATE
// with PHRASE "12/25" in 7.0. Empty when the phrase is not a date text the register reads, as
// the data file's date rules read it on any day (the year 2000 lets a 29 February pass).
QString StoredDatePhrase(const QString& written, const QString& phrase)
{
    QString text = phrase;
    if (written.startsWith(QLatin1Char('(')) && written.endsWith(QLatin1Char(')')))
        text = written.mid(1, written.size() - 2);
    else if (!written.isEmpty())
        return {};
    try {
        ParseFileDate(text, QDate(2000, 1, 1));
    } catch (const InvalidDate&) {
        return {};
    }
    return text;
}

class IndividualReader {
public:
    IndividualReader(const GedcomInput& file, ImportBatch& batch, std::vector<int>& notesUsed)
        : file_(file), lines_(file.lines), batch_(batch), notesUsed_(notesUsed) {}

    GedcomIndividual read(int index)
    {
        person_.line = lines_[index].line;
        lines_.forEachChild(index, [&](int child, const GedcomLine& line) { readLine(child, line); });
        QStringList comment = notes_;
        if (!birthText_.isEmpty())
            comment << BirthCommentLine(birthText_);
        if (!comment.isEmpty())
            value().set(F::Comment, comment.join(QLatin1Char('\n')));
        batch_.persons.push_back(std::move(person_));
        return std::move(result_);
    }

private:
    PersonValue& value() { return person_.value; }

    // Sets a field the file gives a second time only if it is still free; counts it otherwise.
    void setOnce(F field, const QString& text)
    {
        if (value().has(field))
            ++batch_.lost(ImportLoss::OtherData);
        else
            value().set(field, text);
    }

    void readLine(int index, const GedcomLine& line)
    {
        const QStringView tag = line.tag;
        if (TagIs(tag, u"NAME"))
            readName(index, line);
        else if (TagIs(tag, u"SEX"))
            readSex(line);
        else if (TagIs(tag, u"BIRT"))
            readBirth(index);
        else if (TagIs(tag, u"RESI"))
            readResidence(index);
        else if (IsContact(tag))
            readContact(index, line);
        else if (TagIs(tag, u"NOTE") || TagIs(tag, u"SNOTE"))
            readNote(index, line);
        else if (TagIs(tag, u"REFN"))
            readReference(index, line);
        else if (TagIs(tag, u"FAMC") || TagIs(tag, u"FAMS"))
            readFamily(index, line);
        else if (TagIs(tag, u"ASSO"))
            readAssociation(index, line);
        else
            CountUnkept(tag, batch_);
    }

    // "Given Names /Surname/ Suffix", with GIVN and SURN where the file gives them. The first
    // given name is the Name and the rest the MiddleName, unless _MIDN names the MiddleName (this
    // program's files: without it, there is none).
    void readName(int index, const GedcomLine& line)
    {
        if (value().has(F::Name)) {
            ++batch_.lost(ImportLoss::OtherData);  // a second name of the same person
            return;
        }
        const QString written = file_.text(line.value);
        QString given = written;
        QString surname;
        const qsizetype open = written.indexOf(QLatin1Char('/'));
        if (open >= 0) {
            given = written.left(open);
            qsizetype close = written.indexOf(QLatin1Char('/'), open + 1);
            if (close < 0)
                close = written.size();
            surname = written.mid(open + 1, close - open - 1).trimmed();
            if (!written.mid(close + 1).trimmed().isEmpty() && lines_.child(index, u"NSFX") < 0)
                ++batch_.lost(ImportLoss::OtherData);  // a suffix such as "Jr."
        }
        given = given.trimmed();
        std::optional<QString> middle;
        lines_.forEachChild(index, [&](int, const GedcomLine& part) {
            if (TagIs(part.tag, u"GIVN"))
                given = file_.text(part.value);
            else if (TagIs(part.tag, u"SURN"))
                surname = file_.text(part.value);
            else if (TagIs(part.tag, u"_MIDN"))
                middle = file_.text(part.value);
            else
                CountUnkept(part.tag, batch_);
        });
        QString name = given;
        if (middle) {
            if (given == *middle)
                name.clear();
            else if (given.endsWith(QLatin1Char(' ') + *middle))
                name = given.left(given.size() - middle->size() - 1);
        } else if (!file_.ours) {
            const qsizetype space = given.indexOf(QLatin1Char(' '));
            if (space >= 0) {
                name = given.left(space);
                middle = given.mid(space + 1).trimmed();
            }
        }
        value().set(F::Name, name);
        if (middle)
            value().set(F::MiddleName, *middle);
        value().set(F::Surname, surname);
    }

    void readSex(const GedcomLine& line)
    {
        const QString sex = line.value.trimmed().toString().toUpper();
        if (sex == u"M" || sex == u"F")
            setOnce(F::Sex, sex);
        else if (!sex.isEmpty() && sex != u"U")
            ++batch_.lost(ImportLoss::OtherData);  // "X" and others the register has no word for
    }

    void readBirth(int index)
    {
        if (birthRead_) {
            ++batch_.lost(ImportLoss::OtherEvent);  // a second birth: the register holds one
            return;
        }
        birthRead_ = true;
        lines_.forEachChild(index, [&](int child, const GedcomLine& part) {
            if (!TagIs(part.tag, u"DATE")) {
                CountUnkept(part.tag, batch_);
                return;
            }
            const QString written = part.value.trimmed().toString();
            QString phrase;
            lines_.forEachChild(child, [&](int, const GedcomLine& detail) {
                if (TagIs(detail.tag, u"PHRASE"))
                    phrase = file_.text(detail.value);
                else
                    CountUnkept(detail.tag, batch_);
            });
            if (const std::optional<QDate> day = ExactGedcomDate(written)) {
                value().set(F::DateOfBirth, FormatFileDate(*day));
                if (!phrase.isEmpty())
                    ++batch_.lost(ImportLoss::OtherData);
                return;
            }
            // Our own export writes a birth date stored without its year or century as a phrase
            // of the stored text ("(12/25)", or PHRASE 12/25 in 7.0): that text is what the
            // register held, so it goes back as it was, no day being made up.
            if (file_.ours) {
                const QString stored = StoredDatePhrase(written, phrase);
                if (!stored.isEmpty()) {
                    value().set(F::DateOfBirth, stored);
                    return;
                }
            }
            birthText_ = written;
            if (!phrase.isEmpty())
                birthText_ = written.isEmpty() ? phrase : written + QStringLiteral(" (") + phrase + QLatin1Char(')');
            if (!birthText_.isEmpty())
                ++batch_.lost(ImportLoss::ApproximateDate);
        });
    }

    // The residence holds the address, phones, fax and e-mail; its date, place and the rest have
    // no field.
    void readResidence(int index)
    {
        lines_.forEachChild(index, [&](int child, const GedcomLine& part) {
            if (IsContact(part.tag))
                readContact(child, part);
            else
                CountUnkept(part.tag, batch_);
        });
    }

    static bool IsContact(QStringView tag)
    {
        return TagIs(tag, u"ADDR") || TagIs(tag, u"PHON") || TagIs(tag, u"FAX") || TagIs(tag, u"EMAIL")
               || TagIs(tag, u"EMAI") || TagIs(tag, u"_EMAIL");
    }

    void readContact(int index, const GedcomLine& line)
    {
        const QString text = file_.text(line.value);
        if (TagIs(line.tag, u"ADDR"))
            readAddress(index, text);
        else if (TagIs(line.tag, u"PHON"))
            readPhone(index, text);
        else if (TagIs(line.tag, u"FAX"))
            setOnce(F::Fax, text);
        else
            setOnce(F::EMail, text);
        if (!TagIs(line.tag, u"ADDR") && !TagIs(line.tag, u"PHON"))
            CountUnkeptChildren(file_, index, {}, batch_);
    }

    // The first address fills the address fields; ADR1 to ADR3 are the street's lines where the
    // file gives them, the address line itself otherwise.
    void readAddress(int index, const QString& text)
    {
        if (addressRead_) {
            ++batch_.lost(ImportLoss::OtherData);
            return;
        }
        addressRead_ = true;
        QStringList street;
        lines_.forEachChild(index, [&](int, const GedcomLine& part) {
            static constexpr std::array<std::pair<const char16_t*, F>, 4> kParts = {{
                {u"CITY", F::City}, {u"STAE", F::State}, {u"POST", F::ZipCode}, {u"CTRY", F::Country}}};
            if (TagIs(part.tag, u"ADR1") || TagIs(part.tag, u"ADR2") || TagIs(part.tag, u"ADR3")) {
                street << file_.text(part.value);
                return;
            }
            for (const auto& [tag, field] : kParts) {
                if (part.tag == QStringView(tag)) {
                    setOnce(field, file_.text(part.value));
                    return;
                }
            }
            CountUnkept(part.tag, batch_);
        });
        setOnce(F::StreetAddress, street.isEmpty() ? text : street.join(QLatin1Char('\n')));
    }

    // A phone marked with the field it came from goes back there; others take the first free of
    // Phone1, Phone2 and Mobile.
    void readPhone(int index, const QString& text)
    {
        static constexpr std::array<std::pair<const char16_t*, F>, 3> kPhones = {
            {{u"Phone1", F::Phone1}, {u"Phone2", F::Phone2}, {u"Mobile", F::Mobile}}};
        QStringView marked;
        lines_.forEachChild(index, [&](int, const GedcomLine& part) {
            if (TagIs(part.tag, u"_FIELD"))
                marked = part.value;
            else
                CountUnkept(part.tag, batch_);
        });
        for (const auto& [name, field] : kPhones) {
            if (marked == QStringView(name) && !value().has(field)) {
                value().set(field, text);
                return;
            }
        }
        for (const auto& [name, field] : kPhones) {
            if (!value().has(field)) {
                value().set(field, text);
                return;
            }
        }
        ++batch_.lost(ImportLoss::OtherData);
    }

    void readNote(int index, const GedcomLine& line)
    {
        if (IsPointer(line.value)) {
            int note = file_.record(line.value, u"NOTE");
            if (note < 0)
                note = file_.record(line.value, u"SNOTE");
            if (note < 0) {
                ++batch_.lost(ImportLoss::MissingRecord);
            } else {
                notes_ << file_.text(lines_[note].value);
                notesUsed_.push_back(note);
            }
        } else {
            notes_ << file_.text(line.value);
        }
        CountUnkeptChildren(file_, index, {}, batch_);
    }

    // The register's own ID of this program's files is not kept: the register gives new ones.
    // Another program's reference number has no field.
    void readReference(int index, const GedcomLine& line)
    {
        const int type = lines_.child(index, u"TYPE");
        if (type >= 0 && lines_[type].value == u"OptionalID")
            setOnce(F::OptionalID, file_.text(line.value));
        else if (!file_.ours || type >= 0)
            ++batch_.lost(ImportLoss::OtherData);
        CountUnkeptChildren(file_, index, {u"TYPE"}, batch_);
    }

    void readFamily(int index, const GedcomLine& line)
    {
        (TagIs(line.tag, u"FAMC") ? result_.childOf : result_.partnerIn).push_back(line.value);
        lines_.forEachChild(index, [&](int, const GedcomLine& part) {
            // A child by birth is what the register's parent and child mean; adoption and
            // fostering are kept as parent and child, and counted.
            if (!TagIs(part.tag, u"PEDI") || part.value.compare(u"birth", Qt::CaseInsensitive) != 0)
                CountUnkept(part.tag, batch_);
        });
    }

    // Twins: "2 RELA twin" in 5.5.1, "2 ROLE OTHER" with "3 PHRASE twin" in 7.0.
    void readAssociation(int index, const GedcomLine& line)
    {
        bool twin = false;
        lines_.forEachChild(index, [&](int child, const GedcomLine& part) {
            if (TagIs(part.tag, u"RELA")) {
                twin = part.value.trimmed().compare(u"twin", Qt::CaseInsensitive) == 0;
            } else if (TagIs(part.tag, u"ROLE")) {
                const int phrase = lines_.child(child, u"PHRASE");
                twin = phrase >= 0
                       && lines_[phrase].value.trimmed().compare(u"twin", Qt::CaseInsensitive) == 0;
            } else if (!TagIs(part.tag, u"TYPE")) {
                CountUnkept(part.tag, batch_);
            }
        });
        if (twin)
            result_.twinOf.push_back(line.value);
        else
            ++batch_.lost(ImportLoss::OtherData);
    }

    const GedcomInput& file_;
    const GedcomLineList& lines_;
    ImportBatch& batch_;
    std::vector<int>& notesUsed_;
    ImportedPerson person_;
    GedcomIndividual result_;
    QStringList notes_;
    QString birthText_;
    bool birthRead_ = false;
    bool addressRead_ = false;
};

}  // namespace

GedcomIndividual ReadIndividual(const GedcomInput& file, int index, ImportBatch& batch,
                                std::vector<int>& notesUsed)
{
    return IndividualReader(file, batch, notesUsed).read(index);
}

}  // namespace orvanel
