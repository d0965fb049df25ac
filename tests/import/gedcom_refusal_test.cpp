// Files that are not what they claim, cut short, inconsistent or hostile: refused with the line
// and what was expected, or read with what they would make inconsistent left out and counted.
#include "gedcom_test_files.h"

namespace orvanel::testing {
namespace {

TEST(GedcomRefusal, RefusesAFileThatIsNotGedcomOrIsCutShort)
{
    EXPECT_EQ(RefusalOf("BEGIN:VCARD\nVERSION:3.0\nEND:VCARD\n"),
              u"line 1: expected \"0 HEAD\", the start of a GEDCOM file");
    EXPECT_EQ(RefusalOf(""), u"line 1: expected \"0 HEAD\", the start of a GEDCOM file");
    EXPECT_EQ(RefusalOf("0 HEADER\n0 TRLR\n"), u"line 1: expected \"0 HEAD\", the start of a GEDCOM file");
    QByteArray cut = Gedcom551({u"0 @I1@ INDI"_qs, u"1 NAME Eva /Lapa/"_qs});
    cut.chop(QByteArray("0 TRLR\n").size());
    EXPECT_EQ(RefusalOf(cut), u"line 7: expected \"0 TRLR\" at the end of the file, which is cut short");
}

TEST(GedcomRefusal, RefusesALineOutOfFormWithItsNumber)
{
    auto refusalOf = [](const QString& line) {
        return RefusalOf(Gedcom551({u"0 @I1@ INDI"_qs, u"1 NAME Eva /Lapa/"_qs, line}));
    };
    EXPECT_EQ(refusalOf(u"3 DATE 1 JAN 1900"_qs), u"line 7: expected a level of at most 2");
    EXPECT_EQ(refusalOf(u"1"_qs), u"line 7: expected a space and a tag after the level");
    EXPECT_EQ(refusalOf(u"1 "_qs), u"line 7: expected a tag after the level");
    EXPECT_EQ(refusalOf(u"SEX M"_qs), u"line 7: expected a level number at the start of the line");
    EXPECT_EQ(refusalOf(u"1 @I2 SEX M"_qs), u"line 7: expected an identifier between two @ signs, such as @I1@");
    EXPECT_EQ(refusalOf(u"0 @I1@ INDI"_qs), u"line 7: expected an identifier not used before, found @I1@ of line 5 again");
    EXPECT_EQ(RefusalOf("0 HEAD\n1 GEDC\n2 VERS 4.0\n0 TRLR\n"),
              u"line 3: expected GEDCOM version 5.5, 5.5.1 or 7.0, found 4.0");
}

TEST(GedcomRefusal, RefusesNestingLinesAndValuesBeyondItsLimits)
{
    QStringList deep{u"0 @I1@ INDI"_qs};
    for (int level = 1; level <= 100; ++level)
        deep << QString::number(level) + u" _DEEP"_qs;
    EXPECT_EQ(RefusalOf(Gedcom551(deep)), u"line 105: expected a level of at most 99");

    const QString huge(2 * 1024 * 1024, u'x');
    EXPECT_EQ(RefusalOf(Gedcom551({u"0 @I1@ INDI"_qs, u"1 NOTE "_qs + huge})),
              u"line 6: expected a line of at most 1048576 characters");
    QStringList continued{u"0 @I1@ INDI"_qs, u"1 NOTE start"_qs};
    for (int i = 0; i < 3; ++i)
        continued << u"2 CONC "_qs + QString(400 * 1024, u'y');
    EXPECT_EQ(RefusalOf(Gedcom551(continued)), u"line 9: expected a value of at most 1048576 characters");

    QStringList family{u"0 @F1@ FAM"_qs};
    for (int i = 0; i <= 1000; ++i)
        family << u"1 CHIL @I%1@"_qs.arg(i);
    for (int i = 0; i <= 1000; ++i)
        family << u"0 @I%1@ INDI"_qs.arg(i);
    EXPECT_EQ(RefusalOf(Gedcom551(family)), u"line 5: expected a family of at most 1000 children");
}

TEST(GedcomRefusal, LeavesOutAndCountsLinksToRecordsTheFileDoesNotHold)
{
    const ImportBatch batch = ReadGedcom(Gedcom551({
        u"0 @I1@ INDI"_qs, u"1 NAME Ada /Bite/"_qs, u"1 FAMC @F9@"_qs, u"1 ASSO @I9@"_qs, u"2 RELA twin"_qs,
        u"0 @I2@ INDI"_qs, u"1 NAME Ben /Bite/"_qs, u"0 @F1@ FAM"_qs, u"1 HUSB @I2@"_qs, u"1 CHIL @I1@"_qs,
        u"1 CHIL @I8@"_qs, u"1 CHIL @F1@"_qs}));
    EXPECT_EQ(batch.persons.size(), 2u);
    EXPECT_EQ(LinkWords(batch), QStringList{u"Ada child Ben"_qs});
    // The family, the twin, a child nobody holds, and a pointer at a family where a person belongs.
    EXPECT_EQ(batch.lost(ImportLoss::MissingRecord), 4);
}

TEST(GedcomRefusal, LeavesOutTheLinkThatWouldMakeAPersonTheirOwnAncestor)
{
    const ImportBatch batch = ReadGedcom(Gedcom551({
        u"0 @A@ INDI"_qs, u"1 NAME Ada"_qs, u"0 @B@ INDI"_qs, u"1 NAME Ben"_qs, u"0 @C@ INDI"_qs,
        u"1 NAME Cid"_qs, u"0 @F1@ FAM"_qs, u"1 HUSB @A@"_qs, u"1 CHIL @B@"_qs, u"0 @F2@ FAM"_qs,
        u"1 HUSB @B@"_qs, u"1 CHIL @C@"_qs, u"0 @F3@ FAM"_qs, u"1 WIFE @C@"_qs, u"1 CHIL @A@"_qs,
        u"0 @F4@ FAM"_qs, u"1 HUSB @C@"_qs, u"1 CHIL @C@"_qs}));
    EXPECT_EQ(LinkWords(batch), QStringList({u"Ben child Ada"_qs, u"Cid child Ben"_qs}));
    EXPECT_EQ(batch.lost(ImportLoss::AncestorCycle), 2);
}

TEST(GedcomRefusal, ReadsAHundredThousandGenerationsWithoutRecursion)
{
    constexpr int kGenerations = 100000;
    QStringList lines;
    for (int i = 0; i < kGenerations; ++i) {
        lines << u"0 @I%1@ INDI"_qs.arg(i) << u"0 @F%1@ FAM"_qs.arg(i) << u"1 HUSB @I%1@"_qs.arg(i)
              << u"1 CHIL @I%1@"_qs.arg(i + 1);
    }
    lines << u"0 @F%1@ FAM"_qs.arg(kGenerations) << u"1 HUSB @I%1@"_qs.arg(kGenerations - 1)
          << u"1 CHIL @I0@"_qs;  // closes one circle through every generation
    const ImportBatch batch = ReadGedcom(Gedcom551(lines));
    EXPECT_EQ(batch.links.size(), static_cast<std::size_t>(kGenerations - 1));
    EXPECT_EQ(batch.lost(ImportLoss::AncestorCycle), 1);
    EXPECT_EQ(batch.lost(ImportLoss::MissingRecord), 1);  // the child after the last one
}

class StopAfter final : public ImportProgress {
public:
    explicit StopAfter(int calls) : left_(calls) {}
    bool goOn(qint64 done, qint64 total) override
    {
        EXPECT_LE(done, total);
        ++calls;
        return --left_ > 0;
    }
    int calls = 0;

private:
    int left_;
};

TEST(GedcomRefusal, StopsWhenTheProgressSaysSo)
{
    QStringList lines;
    for (int i = 0; i < 20000; ++i)
        lines << u"0 @I%1@ INDI"_qs.arg(i) << u"1 NAME Ada /Bite/"_qs;
    const QByteArray file = Gedcom551(lines);
    StopAfter never(1000000);
    EXPECT_EQ(ReadGedcom(file, &never).persons.size(), 20000u);
    EXPECT_GE(never.calls, 10);
    StopAfter early(2);
    EXPECT_THROW(ReadGedcom(file, &early), ImportStopped);
    EXPECT_EQ(early.calls, 2);
}

}  // namespace
}  // namespace orvanel::testing
