// GEDCOM from the search window: the chooser's formats, and what the user hears of the
// relationships a GEDCOM file could not keep.

#include "search/ui_search_fixture.h"

#include "search/ui/export_file_dialog.h"
#include "search/ui/search_window.h"

#include <QFileDialog>
#include <QLineEdit>

namespace orvanel::testing {
namespace {

class SearchGedcomExportTest : public SearchWindowTest {
protected:
    void SetUp() override
    {
        startWith(People());
        form->searchWindow().useFileChooser(chooser);
    }
    ChosenFile chooser;
};

TEST_F(SearchGedcomExportTest, SaysHowManyRelationshipsLedOutsideTheExport)
{
    chooser.answer = ExportChoice{folder.file(QStringLiteral("all")), ExportFormat::Gedcom70};
    inSearch([&](QDialog& shown) {
        // Everyone listed: every relationship stays inside the file, and nothing is said.
        Find<QPushButton>(shown, "btn_Export")->click();
        EXPECT_EQ(messages.informations, QStringList());

        // Anna and Peteris alone: her sibling and his child are not in the file.
        answering(shown, "btn_Filter", [](QDialog& filter) {
            QTest::keyClicks(Find<QLineEdit>(filter, "ed_surname"), QStringLiteral("oz"));
            Find<QPushButton>(filter, "btn_OK")->click();
        });
        chooser.answer = ExportChoice{folder.file(QStringLiteral("two.ged")), ExportFormat::Csv};
        Find<QPushButton>(shown, "btn_Export")->click();
    });
    EXPECT_EQ(messages.informations,
              QStringList{"2 relationship(s) lead to persons outside the export and were left "
                          "out."});
    EXPECT_EQ(messages.errors, QStringList());
    EXPECT_TRUE(
        folder.read(QStringLiteral("all.ged")).startsWith("0 HEAD\r\n1 GEDC\r\n2 VERS 7.0"));
    const QByteArray two = folder.read(QStringLiteral("two.ged"));
    EXPECT_TRUE(two.contains("2 VERS 5.5.1"));
    EXPECT_EQ(two.count(" INDI\r\n"), 2);
    EXPECT_FALSE(form->reg().modified());
}

TEST_F(SearchGedcomExportTest, TheChooserOffersBothGedcomVersionsBesideVCardAndCsv)
{
    ExportFileDialog dialog(form.get());
    ModalAnswer answer([&](QDialog& shown) {
        auto& files = dynamic_cast<QFileDialog&>(shown);
        EXPECT_EQ(files.nameFilters(),
                  (QStringList{"vCard 4.0 (*.vcf *.vcard)", "Comma-separated values (*.csv)",
                               "GEDCOM 5.5.1 (*.ged)", "GEDCOM 7.0 (*.ged)"}));
        files.selectNameFilter(QStringLiteral("GEDCOM 7.0 (*.ged)"));
        files.selectFile(folder.file(QStringLiteral("tree")));
        QMetaObject::invokeMethod(&files, "accept", Qt::DirectConnection);
    });
    const std::optional<ExportChoice> choice =
        dialog.chooseExportFile(folder.file(QStringLiteral("persons.vcf")));
    EXPECT_TRUE(answer.answered());
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->filter, ExportFormat::Gedcom70);
}

}  // namespace
}  // namespace orvanel::testing
