#include "support/register_generator.h"

#include "store/person_id.h"

#include <QString>
#include <sys/resource.h>

namespace orvanel::bench {

namespace {

const char* const kKinds[] = {"child", "parent", "sibling", "twin"};
const char* const kInverse[] = {"parent", "child", "sibling", "twin"};
const char* const kNames[] = {"Anna", "Jānis", "Émile", "Olga", "Peter", "Zoë", "Ivan", "Maria"};
const char* const kSurnames[] = {"Bērziņš", "Smith", "Ozola", "Müller", "Kalniņa", "Novak"};

}  // namespace

QByteArray generateRegister(int persons, double relsPerPerson)
{
    const QString prefix = QStringLiteral("AB");
    const int rels = static_cast<int>(persons * relsPerPerson);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(persons) * 700 + rels * 90);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Register Prefix=\"AB\" "
           "DateModified=\"2026/12/1\" PersonCount=\"";
    out += QByteArray::number(persons) + "\" RelCount=\"" + QByteArray::number(rels) + "\">\n";
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    int relsWritten = 0;
    for (int i = 1; i <= persons; ++i) {
        const QByteArray id = FormatId(prefix, i).toUtf8();
        out += " <Person ID=\"" + id + "\">\n";
        auto field = [&out](const char* name, const QByteArray& value) {
            out += QByteArray("  <") + name + ">" + value + "</" + name + ">\n";
        };
        field("OptionalID", "");
        field("Name", kNames[next() % 8]);
        field("MiddleName", "");
        field("Surname", kSurnames[next() % 6]);
        field("Sex", next() % 2 ? "M" : "F");
        field("DateOfBirth", "19" + QByteArray::number(20 + next() % 80) + "/" +
                                 QByteArray::number(1 + next() % 12) + "/" +
                                 QByteArray::number(1 + next() % 28));
        field("StreetAddress", "Street " + QByteArray::number(i) + "\nFlat 2");
        field("City", i % 3 ? "Rīga" : "London");
        field("State", "");
        field("ZipCode", "LV-" + QByteArray::number(1000 + i % 9000));
        field("Country", i % 3 ? "Latvia" : "United Kingdom");
        field("Phone1", "+371 " + QByteArray::number(20000000 + i));
        field("Phone2", "");
        field("Fax", "");
        field("Mobile", "");
        field("EMail", "person" + QByteArray::number(i) + "@example.org");
        field("Comment", "");
        field("Status", i % 50 == 0 ? "Deleted" : "Active");
        field("DateCreated", "2020/1/1");
        field("DateModified", "2026/12/1");
        out += " </Person>\n";
        // Relationships follow the persons they name, at the pace the average asks for.
        while (relsWritten < rels && relsWritten < static_cast<long long>(i) * rels / persons) {
            const int other = i > 1 ? 1 + static_cast<int>(next() % static_cast<unsigned>(i - 1))
                                    : 1;
            const int k = static_cast<int>(next() % 4);
            out += " <Rel ID1=\"" + id + "\" ID2=\"" + FormatId(prefix, other).toUtf8() +
                   "\" Dir=\"" + kKinds[k] + "\" Inv=\"" + kInverse[k] + "\"/>\n";
            ++relsWritten;
        }
    }
    out += "</Register>\n";
    return out;
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

}  // namespace orvanel::bench
