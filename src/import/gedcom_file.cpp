#include "import/gedcom_file.h"

#include <algorithm>
#include <iterator>

namespace orvanel {

namespace {

// The events of a person or a family that GEDCOM 5.5, 5.5.1 and 7.0 define, birth aside, with
// the residence of a family (a person's residence carries the address and is read). Attributes
// such as an occupation are other data.
constexpr const char16_t* kEventTags[] = {
    u"ADOP", u"BAPM", u"BARM", u"BASM", u"BLES", u"BURI", u"CENS", u"CHR",  u"CHRA",
    u"CONF", u"CREM", u"DEAT", u"EMIG", u"FCOM", u"GRAD", u"IMMI", u"NATU", u"ORDN",
    u"PROB", u"RETI", u"WILL", u"EVEN", u"BAPL", u"CONL", u"ENDL", u"SLGC", u"INIL",
    u"ANUL", u"DIV",  u"DIVF", u"ENGA", u"MARB", u"MARC", u"MARL", u"MARR", u"MARS",
    u"SLGS", u"RESI", u"ORDI",
};

}  // namespace

QString GedcomInput::text(QStringView value) const
{
    // Looked for as one character first, which is much the quicker search: most values hold none.
    const qsizetype at = value.indexOf(u'@');
    if (at < 0 || !value.sliced(at).contains(u"@@"))
        return value.toString();
    if (version7)
        return value.startsWith(u"@@") ? value.sliced(1).toString() : value.toString();
    QString unescaped = value.toString();
    unescaped.replace(QStringLiteral("@@"), QStringLiteral("@"));
    return unescaped;
}

int GedcomInput::record(QStringView pointer, QStringView tag) const
{
    const auto found = records.constFind(pointer);
    if (found == records.cend() || lines[*found].tag != tag)
        return -1;
    return *found;
}

bool IsPointer(QStringView value)
{
    return value.size() >= 3 && value.front() == QLatin1Char('@') && value.back() == QLatin1Char('@')
           && value[1] != QLatin1Char('#') && !value.sliced(1, value.size() - 2).contains(u'@');
}

bool IsVoidPointer(QStringView value)
{
    return value == u"@VOID@";
}

void CountUnkept(QStringView tag, ImportBatch& batch)
{
    if (TagIs(tag, u"SOUR") || TagIs(tag, u"REPO"))
        ++batch.lost(ImportLoss::Source);
    else if (TagIs(tag, u"OBJE"))
        ++batch.lost(ImportLoss::Media);
    else if (std::any_of(std::begin(kEventTags), std::end(kEventTags),
                         [tag](const char16_t* event) { return tag == QStringView(event); }))
        ++batch.lost(ImportLoss::OtherEvent);
    else
        ++batch.lost(ImportLoss::OtherData);
}

void CountUnkeptChildren(const GedcomInput& file, int index,
                         std::initializer_list<QStringView> kept, ImportBatch& batch)
{
    file.lines.forEachChild(index, [&](int, const GedcomLine& line) {
        if (std::find(kept.begin(), kept.end(), line.tag) == kept.end())
            CountUnkept(line.tag, batch);
    });
}

}  // namespace orvanel
