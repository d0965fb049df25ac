// A field added after the twenty, which only the test build has (TestNote): registers written
// before it existed load, list, filter, export and save, and the next write of a record adds it.
#include "added_field_registers.h"

#include "persons/person_dialog_fixture.h"
#include "store/errors.h"
#include "support/register_records.h"

#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

TEST(AddedField, IsOptionalAndComesAfterTheTwenty)
{
    EXPECT_FALSE(InfoOf(kAdded).required);
    EXPECT_EQ(IndexOf(kAdded), 20);
    EXPECT_EQ(PersonChildren().last(), QStringLiteral("TestNote"));
}

TEST(AddedField, ARegisterWithoutItLoadsListsAndReadsItAsEmpty)
{
    LoadedRegister r(WithoutTheField());
    ASSERT_TRUE(Accepted(r.report));
    EXPECT_EQ(ActiveIds(r.reg), QStringList({Id(1), Id(2)}));

    const ListedPerson listed = r.reg.persons().at(0);
    EXPECT_FALSE(listed.has(kAdded));
    EXPECT_EQ(listed.text(kAdded), QString());
    EXPECT_FALSE(listed.contains(kAdded, FoldedNeedle(u"x")));
    const PersonValue read = StoredPerson(r.reg, Id(1));
    EXPECT_FALSE(read.has(kAdded));
    EXPECT_EQ(FirstMissingRequired(read), std::nullopt);
}

TEST(AddedField, EveryWriteOfARecordAddsItAtTheEnd)
{
    LoadedRegister r(WithoutTheField().person(
        PersonXml(Id(3)).without("TestNote")));
    ASSERT_TRUE(Accepted(r.report));
    const QStringList twenty = PersonChildren().mid(0, 20);

    // An update that does not name it, and one that does.
    PersonValue comment;
    comment.set(PersonField::Comment, QStringLiteral("edited"));
    r.reg.updatePerson(r.reg.findPerson(Id(1)), comment);
    EXPECT_EQ(ChildNames(r.reg, Id(1)), PersonChildren());
    EXPECT_EQ(StoredPerson(r.reg, Id(1)).text(PersonField::TestNote), QString());
    PersonValue note;
    note.set(kAdded, QStringLiteral("given"));
    r.reg.updatePerson(r.reg.findPerson(Id(2)), note);
    EXPECT_EQ(ChildNames(r.reg, Id(2)), PersonChildren());
    EXPECT_EQ(r.reg.persons().at(1).text(kAdded), QStringLiteral("given"));

    // Deleting writes the record too.
    r.reg.deletePerson(Id(3), QStringLiteral("2026/12/6"));
    EXPECT_EQ(ChildNames(r.reg, Id(3)), PersonChildren());
    EXPECT_TRUE(r.reg.persons().at(2).has(kAdded));

    // A new record has it from the start.
    r.reg.addPerson(ValueOf(Id(4)));
    EXPECT_EQ(ChildNames(r.reg, Id(4)), PersonChildren());

    // And it survives the save.
    r.saveAndReload();
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(ChildNames(r.reg, Id(n)), PersonChildren()) << n;
    EXPECT_EQ(r.reg.persons().at(1).text(kAdded), QStringLiteral("given"));
}

TEST(AddedField, AMissingRequiredChildStillStopsAWriteAfterTheFieldsBeforeIt)
{
    LoadedRegister r(RegisterXml().person(PersonXml(Id(1)).without("City").without("TestNote")));
    ASSERT_TRUE(Accepted(r.report));
    PersonValue value;
    value.set(PersonField::Name, QStringLiteral("written"));
    value.set(PersonField::City, QStringLiteral("Rīga"));
    try {
        r.reg.updatePerson(r.reg.findPerson(Id(1)), value);
        ADD_FAILURE() << "a missing City went unnoticed";
    } catch (const NodeNotFound& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Node \"City\" not found"));
    }
    EXPECT_EQ(r.reg.persons().at(0).text(PersonField::Name), QStringLiteral("written"));
    EXPECT_THROW(r.reg.persons().at(0).text(PersonField::City), NodeNotFound);
}

using AddedFieldDialog = PersonDialogTest;

TEST_F(AddedFieldDialog, EditingARecordWithoutItAddsItAndKeepsAStoredText)
{
    load(WithoutTheField().person(PersonXml(Id(3)).set("TestNote", "kept as it was")));
    const int result = open(Id(1), [](QDialog& shown) {
        Find<QLineEdit>(shown, "ed_city")->setText(QStringLiteral("Cēsis"));
        Ok(shown);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    Register again;
    storeSaveAndReload(Id(1), again);
    EXPECT_EQ(ChildNames(again, Id(1)), PersonChildren());
    const PersonValue edited = StoredPerson(again, Id(1));
    EXPECT_EQ(edited.text(PersonField::City), QStringLiteral("Cēsis"));
    EXPECT_EQ(edited.text(kAdded), QString());

    // No control shows it: the dialog writes back what the record held.
    ASSERT_EQ(open(Id(3), [](QDialog& shown) { Ok(shown); }), QDialog::Accepted);
    UpdatePerson(reg, dialog.record(), FindPerson(reg, Id(3)), clock);
    EXPECT_EQ(StoredPerson(reg, Id(3)).text(PersonField::TestNote), QStringLiteral("kept as it was"));
}

}  // namespace
}  // namespace orvanel::testing
