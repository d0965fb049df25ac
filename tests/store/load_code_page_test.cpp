// Registers whose identifiers were weighed in the code page of the system that wrote them: the
// check digits tell which one, and new identifiers follow it.
#include "store/lookup.h"
#include "store/save.h"

#include "support/loaded_register.h"
#include "support/register_records.h"

#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

QString WrongId(const QString& id)
{
    return QStringLiteral("Invalid data file content (wrong ID : %1 )!").arg(id);
}

}  // namespace

// The digits below: ŠA0001 sums 1000 over "A0001" after the first character, so its check digit
// is the last digit of Š's code: 0xD0 = 208 in 1257 (and 0x8A = 138 in 1250) give 8, the code
// point 352 gives 2. ĀB: Ā is 0xC2 = 194 in 1257 only among the Windows pages.

TEST(CodePageLoad, ARegisterFromWindows1257LoadsAndNewIdentifiersAreWeighedInIt)
{
    LoadedRegister r(AsWindows1257(RegisterFile(
        BarePerson("ŠA0001-8") + BarePerson("ŠA0002-4") + RelXml("ŠA0001-8", "ŠA0002-4"), 2, 1,
        "ŠA")));
    ASSERT_TRUE(Accepted(r.report));
    EXPECT_FALSE(r.reg.modified());
    EXPECT_EQ(r.reg.idPrefix, "ŠA");

    const QString added = NextFreeId(r.reg, r.reg.personCounter());
    EXPECT_EQ(added, "ŠA0003-0");  // 208 + 2*65 + ... = 1210; the code point would give 4
    r.reg.addPerson(ValueOf(added));
    // The file keeps its code page, and the new person loads back with the others.
    r.saveAndReload();
    EXPECT_TRUE(r.fileBytes().contains("ID=\"\xD0" "A0003-0\""));
    EXPECT_TRUE(FindPerson(r.reg, "ŠA0003-0"));
    EXPECT_EQ(NextFreeId(r.reg, r.reg.personCounter()), "ŠA0004-6");
}

TEST(CodePageLoad, OldIdentifiersAreConvertedInTheCodePageTheRegisterTurnsOutToHave)
{
    // ĀB0001 carries no check digit, so it cannot tell the pages apart; ĀB0002-2 verifies in 1257
    // only, and the old one is given the digit 1257 gives it, wherever it stands.
    LoadedRegister r(RegisterFile(BarePerson("ĀB0001") + RelXml("ĀB0001", "ĀB0002-2") +
                                      BarePerson("ĀB0002-2"),
                                  2, 1));
    ASSERT_TRUE(Accepted(r.report));
    EXPECT_TRUE(r.reg.modified());
    ASSERT_EQ(r.report.conversions.size(), 2u);
    EXPECT_EQ(r.report.conversions[0].to, "ĀB0001-6");  // the code point 256 would give 8
    EXPECT_EQ(RelRecords(r.reg), QStringList{"ĀB0001-6 ĀB0002-2 child parent"});
    r.saveAndReload();
    EXPECT_FALSE(r.reg.modified());
    EXPECT_TRUE(r.report.conversions.empty());

    // With nothing but old identifiers, the first page that has their characters.
    LoadedRegister old(RegisterFile(BarePerson("ĀB0001"), 1, 0));
    ASSERT_TRUE(Accepted(old.report));
    EXPECT_TRUE(FindPerson(old.reg, "ĀB0001-6"));
}

TEST(CodePageLoad, RegistersTheProgramWroteByCodePointsLoadAndGoOnAsBefore)
{
    // No code page gives Š a code ending in 2: only the code point rule, tried last, agrees.
    LoadedRegister r(RegisterFile(BarePerson("ŠA0001-2"), 1, 0, "ŠA"));
    ASSERT_TRUE(Accepted(r.report));
    EXPECT_EQ(NextFreeId(r.reg, 1), "ŠA0002-8");

    // ASCII identifiers weigh the same everywhere: a prefix beyond ASCII forms identifiers by
    // code points, as it always did.
    LoadedRegister ascii(RegisterFile(BarePerson(Id(1)) + RelXml(Id(1), Id(1)), 1, 1, "ŠA"));
    ASSERT_TRUE(Accepted(ascii.report));
    EXPECT_FALSE(ascii.reg.modified());
    EXPECT_EQ(NextFreeId(ascii.reg, 1), "ŠA0002-8");
}

TEST(CodePageLoad, AnIdentifierThatAgreesUnderNoCandidateIsStillRefused)
{
    // Š weighs 138, 166, 169, 170, 208 or 352 in the candidates: a check digit of 3 fits none.
    LoadedRegister r(RegisterFile(BarePerson("ŠA0001-3"), 1, 0, "ŠA"));
    EXPECT_EQ(r.refusals(), QStringList{WrongId("ŠA0001-3")});
    EXPECT_TRUE(!r.reg.loaded());
}

TEST(CodePageLoad, EveryIdentifierMustAgreeUnderTheCodePageTheFirstOneChose)
{
    // ŠA0001-8 verifies first in 1250. ĀB0002-2 verifies in 1257 only, and ŠA0002-5 in ISO
    // 8859-4 only (Š is 0xA9 there): each is refused, though each would load alone.
    for (const char* later : {"ĀB0002-2", "ŠA0002-5"}) {
        LoadedRegister r(RegisterFile(BarePerson("ŠA0001-8") + RelXml("ŠA0001-8", later), 1, 1));
        EXPECT_EQ(r.refusals(), QStringList{WrongId(QString::fromUtf8(later))}) << later;
        LoadedRegister alone(RegisterFile(BarePerson(QString::fromUtf8(later)), 1, 0));
        EXPECT_TRUE(Accepted(alone.report)) << later;
    }
    // An old identifier waiting for the page must have its characters in it: 1250 has no Ā.
    LoadedRegister r(RegisterFile(BarePerson("ĀB0001") + BarePerson("ŠA0002-4"), 2, 0));
    EXPECT_EQ(r.refusals(), QStringList{WrongId("ĀB0001")});
}
