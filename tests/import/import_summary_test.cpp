#include "import/import_summary.h"
#include "import/import_batch_support.h"

#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

TEST(ImportSummary, CountsPersonsLinksAndEveryLossInItsOwnWordsAndNumber)
{
    ImportBatch batch;
    batch.persons.assign(12, Imported("A", "B"));
    batch.links.assign(15, ImportedLink{0, 1, QStringLiteral("child")});
    batch.lost(ImportLoss::ChildlessPartnership) = 2;
    batch.lost(ImportLoss::OtherEvent) = 5;
    batch.lost(ImportLoss::Source) = 3;
    batch.lost(ImportLoss::Media) = 1;
    batch.lost(ImportLoss::ApproximateDate) = 4;
    EXPECT_EQ(ImportSummary(batch),
              QStringLiteral("12 persons, 15 relationships. Not kept: 2 partnerships without "
                             "children, 5 events other than birth, 3 sources, 1 picture or other "
                             "media, 4 approximate birth dates (kept in the comment)"));

    ImportBatch one;
    one.persons = {Imported("A", "B")};
    one.lost(ImportLoss::OtherData) = 1;
    EXPECT_EQ(ImportSummary(one),
              QStringLiteral("1 person, 0 relationships. Not kept: 1 other detail"));
    EXPECT_EQ(ImportSummary(ImportBatch{}), QStringLiteral("0 persons, 0 relationships."));
    EXPECT_EQ(AddedText(1, 1), QStringLiteral("Added: 1 person, 1 relationship."));
}

TEST(ImportSummary, EveryLossHasACaptionOfItsOwn)
{
    QStringList captions;
    for (std::size_t i = 0; i < kImportLossCount; ++i)
        captions << LossText(static_cast<ImportLoss>(i), 2);
    captions.removeDuplicates();
    EXPECT_EQ(captions.size(), static_cast<qsizetype>(kImportLossCount));
    for (const QString& caption : captions)
        EXPECT_TRUE(caption.startsWith(QStringLiteral("2 "))) << caption.toStdString();
}

}  // namespace
}  // namespace orvanel::testing
