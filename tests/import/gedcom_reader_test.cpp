// Files as genealogy programs write them, read into a batch: persons with their fields, the links
// their families and associations make, and a count of what the register cannot keep.
#include "gedcom_test_files.h"

#include "import/gedcom_reader.h"

namespace orvanel::testing {
namespace {

using F = PersonField;

const PersonValue& PersonNamed(const ImportBatch& batch, const QString& name)
{
    for (const ImportedPerson& person : batch.persons) {
        if (person.value.text(F::Name) == name)
            return person.value;
    }
    ADD_FAILURE() << "no person named " << name.toStdString();
    static const PersonValue none;
    return none;
}

TEST(GedcomReader, ReadsATypical551FileWithItsAddressNotesDatesAndFamily)
{
    const ImportBatch batch = ReadGedcom(GedcomFixture("family_551.ged"));
    ASSERT_EQ(batch.persons.size(), 5u);
    EXPECT_EQ(batch.persons[0].line, 18);
    const PersonValue& robert = batch.persons[0].value;
    EXPECT_TRUE(robert.id.isEmpty());
    EXPECT_EQ(robert.text(F::Name), u"Robert");
    EXPECT_EQ(robert.text(F::MiddleName), u"James");
    EXPECT_EQ(robert.text(F::Surname), u"Smith");
    EXPECT_EQ(robert.text(F::Sex), u"M");
    EXPECT_EQ(robert.text(F::DateOfBirth), u"1948/3/12");
    EXPECT_EQ(robert.text(F::StreetAddress), u"14 Mill Lane\nFlat 2");
    EXPECT_EQ(robert.text(F::City), u"York");
    EXPECT_EQ(robert.text(F::ZipCode), u"YO1 7HH");
    EXPECT_EQ(robert.text(F::Country), u"England");
    EXPECT_EQ(robert.text(F::Phone1), u"+44 1904 555123");
    EXPECT_EQ(robert.text(F::EMail), u"robert.smith@example.org");
    EXPECT_EQ(robert.text(F::Comment),
              u"Robert kept the family bible. He wrote the births of all his grandchildren on its "
              u"first page.\nMoved to York in 1975.");

    // An approximate date or a range is no day: the birth date stays empty and the comment says
    // what the file gave.
    EXPECT_EQ(PersonNamed(batch, u"Mary"_qs).text(F::DateOfBirth), u"");
    EXPECT_EQ(PersonNamed(batch, u"Mary"_qs).text(F::Comment), u"Born: ABT 1950");
    EXPECT_EQ(PersonNamed(batch, u"Thomas"_qs).text(F::MiddleName), u"Edward");
    EXPECT_EQ(PersonNamed(batch, u"Thomas"_qs).text(F::Comment), u"Born: BET 1978 AND 1979");
    EXPECT_EQ(PersonNamed(batch, u"Anne"_qs).text(F::DateOfBirth), u"1975/7/2");
    EXPECT_EQ(PersonNamed(batch, u"Paul"_qs).text(F::DateOfBirth), u"1975/7/2");

    EXPECT_EQ(LinkWords(batch),
              QStringList({u"Anne child Mary"_qs, u"Anne child Robert"_qs, u"Anne sibling Thomas"_qs,
                           u"Anne twin Paul"_qs, u"Paul child Mary"_qs, u"Paul child Robert"_qs,
                           u"Paul sibling Thomas"_qs, u"Thomas child Mary"_qs,
                           u"Thomas child Robert"_qs}));

    EXPECT_EQ(batch.lost(ImportLoss::OtherEvent), 2);       // the death, the marriage
    EXPECT_EQ(batch.lost(ImportLoss::Source), 3);           // two citations and the source
    EXPECT_EQ(batch.lost(ImportLoss::Media), 2);            // the link and the media record
    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 2);
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 3);        // birth place, occupation, change date
    EXPECT_EQ(batch.lost(ImportLoss::ChildlessPartnership), 0);
    EXPECT_EQ(batch.lost(ImportLoss::MissingRecord), 0);
    EXPECT_EQ(batch.lost(ImportLoss::AncestorCycle), 0);
}

TEST(GedcomReader, ReadsA70FileWithSharedNotesPhrasesTwinRolesAndEscapes)
{
    const ImportBatch batch = ReadGedcom(GedcomFixture("family_70.ged"));
    ASSERT_EQ(batch.persons.size(), 4u);
    EXPECT_EQ(PersonNamed(batch, u"Ilze"_qs).text(F::Comment),
              u"Grandmother's recipes are in the green box.\nAsk Ilze.");
    EXPECT_EQ(PersonNamed(batch, u"Pēteris"_qs).text(F::Surname), u"Kalniņš");
    EXPECT_EQ(PersonNamed(batch, u"Pēteris"_qs).text(F::Comment), u"Born: the winter after the war");
    // _MIDN splits the given names back exactly.
    EXPECT_EQ(PersonNamed(batch, u"Anna"_qs).text(F::MiddleName), u"Marija");
    // GEDCOM 7 escapes only a leading "@".
    EXPECT_EQ(PersonNamed(batch, u"Anna"_qs).text(F::EMail), u"@anna");
    EXPECT_EQ(PersonNamed(batch, u"Jānis"_qs).text(F::DateOfBirth), u"1960/2/1");

    EXPECT_EQ(LinkWords(batch),
              QStringList({u"Anna child Ilze"_qs, u"Anna child Pēteris"_qs, u"Anna twin Jānis"_qs,
                           u"Jānis child Ilze"_qs, u"Jānis child Pēteris"_qs}));
    // A couple without children has no kind in the register; a family of one partner and
    // "nobody" is no couple.
    EXPECT_EQ(batch.lost(ImportLoss::ChildlessPartnership), 1);
    EXPECT_EQ(batch.lost(ImportLoss::OtherEvent), 1);
    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 1);
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 0);
    EXPECT_EQ(batch.lost(ImportLoss::MissingRecord), 0);
}

// A pointer finds a record of its own kind only; a 5.5.1 value unescapes every doubled "@",
// also after a single one.
TEST(GedcomReader, FindsPointersByTheKindOfTheirRecordAndUnescapesEveryDoubledAt)
{
    const ImportBatch batch = ReadGedcom(Gedcom551(
        {u"0 @I1@ INDI"_qs, u"1 NAME Ann /Koks/"_qs, u"1 EMAIL ann@home me@@work"_qs,
         u"1 FAMS @F1@"_qs, u"0 @I2@ INDI"_qs, u"1 NAME Ivo /Koks/"_qs, u"1 FAMC @F1@"_qs,
         u"1 FAMC @I1@"_qs, u"0 @F1@ FAM"_qs, u"1 HUSB @F1@"_qs, u"1 WIFE @I1@"_qs,
         u"1 CHIL @I2@"_qs}));
    EXPECT_EQ(PersonNamed(batch, u"Ann"_qs).text(F::EMail), u"ann@home me@work");
    EXPECT_EQ(LinkWords(batch), QStringList({u"Ivo child Ann"_qs}));
    // A husband that is a family, and a family that is a person.
    EXPECT_EQ(batch.lost(ImportLoss::MissingRecord), 2);
}

TEST(GedcomReader, ReadsAnAnselFileWithItsDiacriticsComposedAfterTheirLetters)
{
    const ImportBatch batch = ReadGedcom(GedcomFixture("ansel_55.ged"));
    ASSERT_EQ(batch.persons.size(), 2u);
    const PersonValue& janis = batch.persons[0].value;
    // Composed: "ā" is one character, as every other program stores it.
    EXPECT_EQ(janis.text(F::Name), QString::fromUtf8("J\u0101nis"));
    EXPECT_EQ(janis.text(F::Surname), QString::fromUtf8("B\u0113rzi\u0146a"));
    EXPECT_EQ(janis.text(F::DateOfBirth), u"1921/6/24");
    // Two marks on one letter, the spacing letters Ł and ø.
    EXPECT_EQ(janis.text(F::Comment), QString::fromUtf8("Born in \u0141\u00f3d\u017a; see Nguy\u1ec7n."));
    EXPECT_EQ(batch.persons[1].value.text(F::Name), QString::fromUtf8("Zo\u00eb"));
    EXPECT_EQ(batch.persons[1].value.text(F::Surname), QString::fromUtf8("M\u00fcller-Bj\u00f8rnsen"));
}

TEST(GedcomReader, ReadsAUtf16FileWithItsByteOrderMark)
{
    const ImportBatch batch = ReadGedcom(GedcomFixture("utf16.ged"));
    ASSERT_EQ(batch.persons.size(), 1u);
    EXPECT_EQ(batch.persons[0].value.text(F::Name), QString::fromUtf8("\u017deljko"));
    EXPECT_EQ(batch.persons[0].value.text(F::Surname), QString::fromUtf8("\u0160imi\u0107"));
    EXPECT_EQ(batch.persons[0].value.text(F::Comment), QString::fromUtf8("日本語の手紙"));
    EXPECT_EQ(batch.persons[0].value.text(F::DateOfBirth), u"1969/8/7");

    // The same without the mark, big-endian.
    QByteArray bigEndian = GedcomFixture("utf16.ged").mid(2);
    for (qsizetype i = 0; i + 1 < bigEndian.size(); i += 2)
        std::swap(bigEndian[i], bigEndian[i + 1]);
    EXPECT_EQ(ReadGedcom(bigEndian).persons[0].value.text(F::Surname), QString::fromUtf8("\u0160imi\u0107"));
}

TEST(GedcomReader, JoinsConcAndContAndKeepsTheSpacesOfAContinuedValue)
{
    const ImportBatch batch = ReadGedcom(Gedcom551({
        u"0 @I1@ INDI"_qs, u"1 NAME Eva /Lapa/"_qs, u"1 NOTE First line, cut in the mid"_qs,
        u"2 CONC dle of a word;"_qs, u"2 CONC  a space kept"_qs, u"2 CONT"_qs, u"2 CONT after an empty line"_qs,
        u"1 RESI"_qs, u"2 ADDR"_qs, u"3 ADR1 Liela iela 1"_qs, u"3 ADR2 dz. 4"_qs, u"3 CITY Rīga"_qs,
        u"2 PHON 111"_qs, u"2 PHON 333"_qs, u"3 _FIELD Mobile"_qs, u"2 PHON 222"_qs, u"2 PHON 444"_qs,
        u"2 FAX 555"_qs}));
    const PersonValue& eva = batch.persons.at(0).value;
    EXPECT_EQ(eva.text(F::Comment),
              u"First line, cut in the middle of a word; a space kept\n\nafter an empty line");
    EXPECT_EQ(eva.text(F::StreetAddress), u"Liela iela 1\ndz. 4");
    EXPECT_EQ(eva.text(F::City), u"Rīga");
    // A phone marked with its field goes back there; the others fill Phone1, Phone2, Mobile,
    // and one more has no place.
    EXPECT_EQ(eva.text(F::Phone1), u"111");
    EXPECT_EQ(eva.text(F::Phone2), u"222");
    EXPECT_EQ(eva.text(F::Mobile), u"333");
    EXPECT_EQ(eva.text(F::Fax), u"555");
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 1);
}

TEST(GedcomReader, ReadsThisProgramsOwnFormWithoutSplittingAGivenNameItDidNotSplit)
{
    const QByteArray file = QStringList({
        u"0 HEAD"_qs, u"1 SOUR ORVANEL"_qs, u"2 NAME Orvanel"_qs, u"1 GEDC"_qs, u"2 VERS 5.5.1"_qs,
        u"1 CHAR UTF-8"_qs, u"0 @I1@ INDI"_qs, u"1 NAME Anna Līze /Ozola/"_qs, u"2 GIVN Anna Līze"_qs,
        u"2 SURN Ozola"_qs, u"1 SEX U"_qs, u"1 REFN AB0001-7"_qs, u"1 REFN K-17"_qs,
        u"2 TYPE OptionalID"_qs, u"0 TRLR"_qs}).join(u'\n').toUtf8();
    const ImportBatch batch = ReadGedcom(file);
    const PersonValue& anna = batch.persons.at(0).value;
    // Without _MIDN the person had no middle name: "Līze" is part of the name.
    EXPECT_EQ(anna.text(F::Name), u"Anna Līze");
    EXPECT_EQ(anna.text(F::MiddleName), u"");
    EXPECT_EQ(anna.text(F::Sex), u"");
    EXPECT_EQ(anna.text(F::OptionalID), u"K-17");
    EXPECT_TRUE(anna.id.isEmpty());
    // The register's own old ID is not a loss: the import gives new ones.
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 0);
}

TEST(GedcomReader, CountsWhatHasNoPlaceOncePerStructure)
{
    const ImportBatch batch = ReadGedcom(Gedcom551({
        u"0 @I1@ INDI"_qs, u"1 NAME Eva /Lapa/"_qs, u"1 DEAT Y"_qs, u"2 DATE 1 JAN 2000"_qs,
        u"2 PLAC Rīga"_qs, u"2 SOUR @S1@"_qs, u"1 BURI"_qs, u"1 _CUSTOM x"_qs, u"2 _MORE y"_qs,
        u"1 NOTE @N9@"_qs, u"0 @N2@ NOTE never pointed at"_qs, u"0 @S1@ SOUR"_qs, u"1 TITL Book"_qs,
        u"0 @R1@ REPO"_qs, u"0 @O1@ OBJE"_qs, u"0 @F1@ FAM"_qs, u"1 HUSB @I1@"_qs, u"1 WIFE @I7@"_qs}));
    EXPECT_EQ(batch.lost(ImportLoss::OtherEvent), 2);
    EXPECT_EQ(batch.lost(ImportLoss::Source), 2);
    EXPECT_EQ(batch.lost(ImportLoss::Media), 1);
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 2);     // the custom line, the unused note
    EXPECT_EQ(batch.lost(ImportLoss::MissingRecord), 2);  // the note, the wife
    // The couple is counted even though the record of one partner is missing.
    EXPECT_EQ(batch.lost(ImportLoss::ChildlessPartnership), 1);
}

}  // namespace
}  // namespace orvanel::testing
