// The person field table keeps the file's order of the twenty children, and a person read from a
// record tells which children the record holds.
#include "store/person_value.h"

#include "support/loaded_register.h"

#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

TEST(PersonFields, TheTwentyRequiredFieldsComeFirstInTheFilesOrder)
{
    // The file's own names and order: every register ever written depends on them.
    const QStringList twenty = {"OptionalID", "Name",     "MiddleName",  "Surname",
                                "Sex",        "DateOfBirth", "StreetAddress", "City",
                                "State",      "ZipCode",  "Country",     "Phone1",
                                "Phone2",     "Fax",      "Mobile",      "EMail",
                                "Comment",    "Status",   "DateCreated", "DateModified"};
    ASSERT_GE(kPersonFieldCount, 20);
    for (int i = 0; i < kPersonFieldCount; ++i) {
        const PersonFieldInfo& info = kPersonFields[static_cast<size_t>(i)];
        EXPECT_EQ(info.required, i < 20) << info.element;
        if (i < 20) {
            EXPECT_EQ(QString::fromLatin1(info.element), twenty[i]);
        }
        EXPECT_EQ(FieldOfElement(info.element), info.field) << info.element;
    }
    EXPECT_EQ(FieldOfElement("Nickname"), std::nullopt);
    EXPECT_EQ(FieldOfElement("fax"), std::nullopt);  // names are case-sensitive
}

TEST(PersonValue, ReadsTheFirstChildOfEachNameAndMarksTheMissingOnes)
{
    Document doc = Document::parse(RegisterXml().person(
        PersonXml(Id(1)).set("Fax", "555").without("City").without("Comment")).bytes());
    Element person = doc.rootChild(0);
    person.appendChild("Fax").setText(QStringLiteral("second"));

    const PersonValue value = ReadPersonValue(person);
    EXPECT_EQ(value.id, Id(1));
    EXPECT_TRUE(value.has(PersonField::Fax));
    EXPECT_EQ(value.text(PersonField::Fax), "555");
    EXPECT_TRUE(value.has(PersonField::Phone1));  // present with empty text
    EXPECT_EQ(value.text(PersonField::Phone1), "");
    EXPECT_FALSE(value.has(PersonField::City));
    EXPECT_EQ(value.text(PersonField::City), "");
    EXPECT_EQ(FirstMissingRequired(value), PersonField::City);

    PersonValue edited = value;
    edited.set(PersonField::City, QStringLiteral("Rīga"));
    edited.remove(PersonField::Fax);
    EXPECT_FALSE(edited.has(PersonField::Fax));
    EXPECT_EQ(edited.text(PersonField::Fax), "");
    EXPECT_EQ(FirstMissingRequired(edited), PersonField::Fax);
}

}  // namespace
}  // namespace orvanel::testing
