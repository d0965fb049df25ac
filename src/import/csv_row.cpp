#include "import/csv_row.h"

#include "import/contact_person.h"
#include "store/record_names.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace orvanel {

namespace {

using K = CsvColumnKind;
using F = PersonField;

// The columns of the record that hold something, those that fill the same field in their rank.
struct Cell {
    std::size_t column;
    const CsvColumn* kind;
    const QString* text;
};

class RowReader {
public:
    RowReader(const std::vector<CsvColumn>& columns, const QStringList& texts,
              std::vector<bool>& lost, ImportBatch& batch)
        : lost_(lost), batch_(batch)
    {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString text = texts[static_cast<qsizetype>(i)].trimmed();
            // "0/0/00" is how some address books write a date column that holds no date.
            if (!text.isEmpty() && text != QLatin1String("0/0/00"))
                cells_.push_back({i, &columns[i], &texts[static_cast<qsizetype>(i)]});
        }
        std::stable_sort(cells_.begin(), cells_.end(), [](const Cell& a, const Cell& b) {
            return a.kind->rank < b.kind->rank;
        });
        for (const Cell& cell : cells_) {
            if (cell.kind->kind == K::PhoneType)
                phoneTypes_[cell.kind->group] = cell.text->toLower();
        }
    }

    bool empty() const { return cells_.empty(); }

    ImportedPerson read(int line)
    {
        ImportedPerson person;
        person.line = line;
        value_ = &person.value;
        for (const Cell& cell : cells_)
            readCell(cell);
        readAddress();
        readName();
        // The three columns are read first, as they may give the exact date.
        const QString written = birthdayText_.isEmpty() ? partsText() : birthdayText_;
        SetBirth(person.value, birthday_, written, batch_);
        return person;
    }

private:
    void lose(const Cell& cell) { lost_[cell.column] = true; }

    // The text into the field; a field already filled with another text keeps it.
    void fill(const Cell& cell, F field)
    {
        const QString& text = *cell.text;
        if (!value_->has(field))
            value_->set(field, text);
        else if (InfoOf(field).form == TextForm::MultiLine)
            value_->set(field, value_->text(field) + QLatin1Char('\n') + text);
        else if (value_->text(field) != text)
            lose(cell);
    }

    // The first of the fields that is free.
    void fillFirstFree(const Cell& cell, std::initializer_list<F> fields)
    {
        for (const F field : fields) {
            if (!value_->has(field)) {
                value_->set(field, *cell.text);
                return;
            }
        }
        lose(cell);
    }

    void readCell(const Cell& cell)
    {
        const QString& text = *cell.text;
        switch (cell.kind->kind) {
        case K::Unknown:
            lose(cell);
            break;
        case K::Ignored:
        case K::PhoneType:
            break;
        case K::Field:
            fill(cell, cell.kind->field);
            break;
        case K::Phone:
            fillFirstFree(cell, {F::Phone1, F::Phone2});
            break;
        case K::Mobile:
            fillFirstFree(cell, {F::Mobile});
            break;
        case K::Fax:
            fillFirstFree(cell, {F::Fax});
            break;
        case K::NumberedPhone: {
            const QString type = phoneTypes_[cell.kind->group];
            if (type.contains(QLatin1String("fax")))
                fillFirstFree(cell, {F::Fax});
            else if (type.contains(QLatin1String("mobile")) || type.contains(QLatin1String("cell")))
                fillFirstFree(cell, {F::Mobile});
            else
                fillFirstFree(cell, {F::Phone1, F::Phone2});
            break;
        }
        case K::EMail:
            fillFirstFree(cell, {F::EMail});
            break;
        case K::AddressPart:
        case K::AddressWhole:
            addresses_[cell.kind->group].push_back(cell);
            break;
        case K::FullName:
            if (fullName_.isEmpty())
                fullName_ = text.trimmed();
            break;
        case K::Birthday:
            if (birthdayText_.isEmpty()) {
                birthdayText_ = text.trimmed();
                birthday_ = CsvBirthDate(birthdayText_);
            } else if (text.trimmed() != birthdayText_) {
                lose(cell);
            }
            break;
        case K::BirthYear:
            year_ = text.trimmed();
            break;
        case K::BirthMonth:
            month_ = text.trimmed();
            break;
        case K::BirthDay:
            day_ = text.trimmed();
            break;
        case K::Sex:
            readSex(cell);
            break;
        }
    }

    void readSex(const Cell& cell)
    {
        const QString word = cell.text->trimmed();
        const auto is = [&](const char* name) {
            return word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
        };
        const char* letter = is(kMaleSex) || is("male")     ? kMaleSex
                             : is(kFemaleSex) || is("female") ? kFemaleSex
                                                              : nullptr;
        if (letter == nullptr) {
            // Words for an unknown sex say nothing the register loses.
            if (!is("U") && !is("unspecified") && !is("unknown"))
                lose(cell);
        } else if (!value_->has(F::Sex)) {
            value_->set(F::Sex, QLatin1String(letter));
        } else if (value_->text(F::Sex) != QLatin1String(letter)) {
            lose(cell);
        }
    }

    // The register keeps one address: this program's own columns, else the first group (home,
    // work, other, then the numbered ones) that holds anything. The others are lost.
    void readAddress()
    {
        bool own = false;
        for (const F field : {F::StreetAddress, F::City, F::State, F::ZipCode, F::Country})
            own = own || value_->has(field);
        bool taken = own;
        for (auto& [group, cells] : addresses_) {
            if (taken) {
                for (const Cell& cell : cells)
                    lose(cell);
                continue;
            }
            taken = true;
            bool parts = false;
            for (const Cell& cell : cells)
                parts = parts || cell.kind->kind == K::AddressPart;
            for (const Cell& cell : cells) {
                // An address written whole beside its parts says nothing more.
                if (cell.kind->kind == K::AddressPart || !parts)
                    fill(cell, cell.kind->field);
            }
        }
    }

    void readName()
    {
        if (fullName_.isEmpty() || value_->has(F::Name) || value_->has(F::MiddleName)
            || value_->has(F::Surname))
            return;
        SetFullName(*value_, fullName_);
    }

    // A birth date in three columns: whole, or written as far as it is known in the standard's
    // short forms ("1948", "--03-12").
    QString partsText()
    {
        if (year_.isEmpty() && month_.isEmpty() && day_.isEmpty())
            return {};
        bool yearOk = false;
        bool monthOk = false;
        bool dayOk = false;
        const int year = year_.toInt(&yearOk);
        const int month = month_.toInt(&monthOk);
        const int day = day_.toInt(&dayOk);
        if (yearOk && monthOk && dayOk && year >= 1) {
            const QDate date(year, month, day);
            if (date.isValid()) {
                birthday_ = date;
                return {};
            }
        }
        const auto two = [](const QString& part) {
            return part.size() == 1 ? QLatin1Char('0') + part : part;
        };
        if (year_.isEmpty())
            return QStringLiteral("--%1-%2").arg(two(month_), two(day_));
        QString text = year_;
        if (!month_.isEmpty() || !day_.isEmpty())
            text += QLatin1Char('-') + two(month_);
        if (!day_.isEmpty())
            text += QLatin1Char('-') + two(day_);
        return text;
    }

    std::vector<bool>& lost_;
    ImportBatch& batch_;
    std::vector<Cell> cells_;
    std::map<int, QString> phoneTypes_;
    std::map<int, std::vector<Cell>> addresses_;
    PersonValue* value_ = nullptr;
    QString fullName_;
    QDate birthday_;
    QString birthdayText_;
    QString year_;
    QString month_;
    QString day_;
};

}  // namespace

QDate CsvBirthDate(const QString& text)
{
    const QDate iso = IsoCalendarDate(text);
    if (iso.isValid())
        return iso;
    static const QRegularExpression kNumbers(
        QStringLiteral("^(\\d{1,4})([./-])(\\d{1,2})\\2(\\d{1,4})$"));
    const QRegularExpressionMatch match = kNumbers.match(text);
    if (!match.hasMatch())
        return {};
    const QString first = match.captured(1);
    const QChar mark = match.captured(2).front();
    const int a = first.toInt();
    const int b = match.captured(3).toInt();
    const QString last = match.captured(4);
    if (first.size() == 4 && mark == QLatin1Char('/'))
        return QDate(a, b, last.toInt());  // the data file's own form, yyyy/m/d
    if (last.size() != 4 || first.size() > 2)
        return {};  // a year of two digits names no century
    const int year = last.toInt();
    if (mark == QLatin1Char('.'))
        return QDate(year, b, a);  // dd.mm.yyyy is day first wherever it is written
    if (a > 12 && b <= 12)
        return QDate(year, b, a);
    if (b > 12 && a <= 12)
        return QDate(year, a, b);
    if (a == b)
        return QDate(year, a, b);
    return {};  // 3/4/1950: the third of April or the fourth of March
}

std::optional<ImportedPerson> CsvRowPerson(const std::vector<CsvColumn>& columns,
                                           const QStringList& texts, int line,
                                           std::vector<bool>& lostColumns, ImportBatch& batch)
{
    RowReader row(columns, texts, lostColumns, batch);
    if (row.empty())
        return std::nullopt;
    return row.read(line);
}

}  // namespace orvanel
