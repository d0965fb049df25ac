// A listed person's comparisons made where the register holds its texts: fields the table holds
// and fields read from the record must answer alike, and a record lacking a required field must
// fail the same way through either.

#include "store/errors.h"
#include "store/person_list.h"
#include "store/register.h"
#include "support/register_xml.h"

#include <gtest/gtest.h>

#include <array>

namespace orvanel {
namespace {

using testing::ParseRecordsInto;
using testing::PersonXml;

TEST(ListedPerson, ComparesInPlaceAsItsTextsCompare)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7")
                              .set("City", "R\u012Bga")
                              .set("Comment", "Moved to R\u012Bga")
                              .set("EMail", "")
                              .xml());
    const ListedPerson person = reg.persons().at(0);
    // City and Status are in the table, Comment only in the record.
    for (const PersonField field : {PersonField::City, PersonField::Status, PersonField::Comment,
                                    PersonField::EMail}) {
        const QByteArray text = person.text(field).toUtf8();
        EXPECT_TRUE(person.textIs(field, text)) << ElementOf(field);
        EXPECT_FALSE(person.textIs(field, text + "x")) << ElementOf(field);
    }
    EXPECT_TRUE(person.idIs("AB0001-7"));
    EXPECT_FALSE(person.idIs("AB0001"));

    const FoldedNeedle needle(u"r\u012Bga");
    EXPECT_TRUE(person.anyContains(std::array{PersonField::EMail, PersonField::City}, needle));
    EXPECT_TRUE(person.anyContains(std::array{PersonField::Name, PersonField::Comment}, needle));
    EXPECT_FALSE(person.anyContains(std::array{PersonField::Name, PersonField::EMail}, needle));
}

TEST(ListedPerson, SearchFailsOnAMissingRequiredFieldEvenAfterAHit)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7").set("City", "Riga").without("EMail").xml());
    const ListedPerson person = reg.persons().at(0);
    const FoldedNeedle needle(u"riga");
    for (const auto& fields :
         {std::array{PersonField::City, PersonField::EMail, PersonField::Name},
          std::array{PersonField::City, PersonField::EMail, PersonField::Comment}}) {
        try {
            person.anyContains(fields, needle);
            FAIL() << "a missing required field must fail the search";
        } catch (const NodeNotFound& e) {
            EXPECT_EQ(e.message(), "Node \"EMail\" not found");
        }
    }
    EXPECT_THROW(person.textIs(PersonField::EMail, ""), NodeNotFound);
}

}  // namespace
}  // namespace orvanel
