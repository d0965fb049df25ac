#include "relations/relationship_choices.h"

#include "support/loaded_register.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::Id;
using testing::LoadedRegister;
using testing::RegisterXml;

// Each choice's four columns, and its relatives row, which must show the same texts.
std::vector<std::string> Texts(const Register& reg, const std::vector<PersonChoice>& choices)
{
    std::vector<std::string> texts;
    for (const PersonChoice& c : choices) {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << PersonChoiceCell(reg, c, column);
        const RelativeRow row = RelativeOfChoice(reg, c);
        EXPECT_EQ(QStringList({row.otherId, row.name, row.middleName, row.surname}), cells);
        texts.push_back(cells.join('|').toStdString());
    }
    return texts;
}

TEST(RelationshipCandidates, OffersActiveOthersInDocumentOrder)
{
    LoadedRegister r(RegisterXml()
                         .person(Id(3), "Clara", "", "Müller")
                         .rel(Id(3), Id(1), "child", "parent")
                         .person(Id(1), "Anna", "", "Ozola")
                         .person(Id(2), "Boris", "", "Smith", "Deleted")
                         .person(Id(4), "Dora", "", "Novak", "deleted")
                         .person(Id(5), "Emil", "", "Kalniņš", "Active ")
                         .raw(" <Note><Status>Active</Status></Note>\n")
                         .person(Id(6), " Fay ", "Q", " Ray "));
    EXPECT_EQ(Texts(r.reg, RelationshipCandidates(r.reg, Id(1))),
              (std::vector<std::string>{"AB0003-9|Clara||Müller", "AB0006-7| Fay |Q| Ray "}));
    // The edited person is left out by exact comparison only.
    EXPECT_EQ(RelationshipCandidates(r.reg, Id(1).toLower()).size(), 3u);
    // A new person is not in the register yet: every active person is offered.
    EXPECT_EQ(RelationshipCandidates(r.reg, Id(7)).size(), 3u);
}

TEST(RelationshipCandidates, SkipsAPersonWithoutStatusAndOffersOneWithoutNames)
{
    LoadedRegister r(RegisterXml()
                         .person(Id(1), "Anna", "", "Ozola")
                         .raw(" <Person ID=\"" + Id(2).toUtf8() + "\"><Name>Boris</Name></Person>\n"
                              " <Person ID=\"" + Id(3).toUtf8() +
                                  "\"><Status>Active</Status><Name>Clara</Name></Person>\n",
                              2));
    EXPECT_EQ(Texts(r.reg, RelationshipCandidates(r.reg, Id(1))),
              (std::vector<std::string>{"AB0003-9|Clara||"}));
}

TEST(EditedPersonLine, JoinsTheFourTextsUntrimmed)
{
    EXPECT_EQ(EditedPersonLine("AB0001-7", "Anna", "", "Ozola"),
              QStringLiteral("AB0001-7 Anna  Ozola"));
    EXPECT_EQ(EditedPersonLine("AB0001-7", " Anna ", "M", "Ozola "),
              QStringLiteral("AB0001-7  Anna  M Ozola "));
    EXPECT_EQ(EditedPersonLine("", "", "", ""), QStringLiteral("   "));
}

}  // namespace
}  // namespace orvanel
