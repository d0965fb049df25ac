#include "import/import_summary.h"

#include <QCoreApplication>
#include <QStringList>

namespace orvanel {

namespace {

// A count's caption: the source text in its English plural form, which the translations give
// in every plural form of their language, and the English singular for a count of one, used
// only while no translation of the text is installed (English has no translation file).
struct CountCaption {
    const char* plural;
    const char* singular;
};

constexpr CountCaption kPersons{QT_TRANSLATE_N_NOOP("orvanel::Import", "%n persons"), "%n person"};
constexpr CountCaption kRelationships{
    QT_TRANSLATE_N_NOOP("orvanel::Import", "%n relationships"), "%n relationship"};

// What the register cannot keep, one row per ImportLoss in its order.
constexpr CountCaption kLossCaptions[kImportLossCount] = {
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n partnerships without children"),
     "%n partnership without children"},
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n events other than birth"),
     "%n event other than birth"},
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n sources"), "%n source"},
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n pictures or other media"),
     "%n picture or other media"},
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n approximate birth dates (kept in the comment)"),
     "%n approximate birth date (kept in the comment)"},
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n links to records the file does not hold"),
     "%n link to a record the file does not hold"},
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n links that would make a person their own ancestor"),
     "%n link that would make a person their own ancestor"},
    {QT_TRANSLATE_N_NOOP("orvanel::Import", "%n other details"), "%n other detail"},
};

QString CountText(const CountCaption& caption, int n)
{
    const QString translated = QCoreApplication::translate("orvanel::Import", caption.plural,
                                                           nullptr, n);
    const QString untranslated = QString::fromUtf8(caption.plural)
                                     .replace(QLatin1String("%n"), QString::number(n));
    if (n == 1 && translated == untranslated)
        return QString::fromUtf8(caption.singular).replace(QLatin1String("%n"), QString::number(n));
    return translated;
}

QString ListSeparator()
{
    //: Stands between the counted items of the import's summary.
    return QCoreApplication::translate("orvanel::Import", ", ");
}

}  // namespace

QString PersonsText(int n)
{
    return CountText(kPersons, n);
}

QString RelationshipsText(int n)
{
    return CountText(kRelationships, n);
}

QString LossText(ImportLoss loss, int n)
{
    return CountText(kLossCaptions[static_cast<std::size_t>(loss)], n);
}

QString ImportSummary(const ImportBatch& batch)
{
    //: %1 is a count of persons ("12 persons"), %2 of relationships ("15 relationships").
    QString text = QCoreApplication::translate("orvanel::Import", "%1, %2.")
                       .arg(PersonsText(static_cast<int>(batch.persons.size())),
                            RelationshipsText(static_cast<int>(batch.links.size())));
    QStringList lost;
    for (std::size_t i = 0; i < kImportLossCount; ++i) {
        if (batch.losses[i] > 0)
            lost << LossText(static_cast<ImportLoss>(i), batch.losses[i]);
    }
    if (!lost.isEmpty())
        //: %1 is the list of what the register cannot keep, each counted.
        text += QLatin1Char(' ') + QCoreApplication::translate("orvanel::Import", "Not kept: %1")
                                       .arg(lost.join(ListSeparator()));
    return text;
}

QString AddedText(int persons, int relationships)
{
    //: %1 is a count of persons ("12 persons"), %2 of relationships ("15 relationships").
    return QCoreApplication::translate("orvanel::Import", "Added: %1, %2.")
        .arg(PersonsText(persons), RelationshipsText(relationships));
}

}  // namespace orvanel
