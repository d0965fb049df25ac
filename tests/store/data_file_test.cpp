// The data file is read into memory of its own that the load gives back as the parser goes:
// what is read must be the file, byte for byte, and what is given back must not touch the rest.

#include "store/data_file.h"
#include "store/document.h"

#include "support/qt_printers.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

QByteArray Pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
    return bytes;
}

TEST(DataFile, ReadsEveryByteWhateverTheSizeAndTellsFilesApartByTheirBytes)
{
    TempFolder folder;
    for (const qsizetype size : {0, 1, 4095, 4096, 4097, 3 << 20}) {
        const QByteArray bytes = Pattern(size);
        folder.write("zok.xml", bytes);
        const DataFileContent content = ReadDataFile(folder.file("zok.xml"));
        EXPECT_EQ(content.memory.bytes().toByteArray(), bytes) << size;
        EXPECT_EQ(content.identity.size, size);
        EXPECT_EQ(content.identity.digest, DataFileDigest(bytes)) << size;
    }
    QByteArray changed = Pattern(3 << 20);
    changed[1 << 20] = '#';
    EXPECT_NE(DataFileDigest(changed), DataFileDigest(Pattern(3 << 20)));
}

TEST(DataFile, GivingBackWhatWasParsedLeavesTheRestAsRead)
{
    TempFolder folder;
    const QByteArray bytes = Pattern(9 << 20);
    folder.write("zok.xml", bytes);
    DataFileContent content = ReadDataFile(folder.file("zok.xml"));
    content.memory.releaseUpTo(5 << 20);
    content.memory.releaseUpTo((5 << 20) + (1 << 19));  // too little more to give back yet
    const qsizetype kept = 5 << 20;
    EXPECT_EQ(content.memory.bytes().sliced(kept).toByteArray(), bytes.mid(kept));
}

// A parse gives the file's pages back as it goes; whatever quoted or hashed the content after it
// would read zeros where the file was, and a digest of zeros would make every save ask about
// another program. So the parse takes the memory over, and the content holds no bytes after it.
TEST(DataFile, AParseTakesTheBytesOverAndLeavesNothingOfThemToRead)
{
    TempFolder folder;
    QByteArray xml = "<R>\n";
    while (xml.size() < (9 << 20))
        xml += " <Person ID=\"AB0001-7\"><Name>Anna</Name></Person>\n";
    xml += "</R>\n";
    folder.write("zok.xml", xml);
    DataFileContent content = ReadDataFile(folder.file("zok.xml"));
    const QByteArray digest = content.identity.digest;
    const Document doc = Document::parse(std::move(content.memory));
    EXPECT_FALSE(doc.isNull());
    EXPECT_EQ(content.memory.data(), nullptr);
    EXPECT_TRUE(content.memory.bytes().isEmpty());
    EXPECT_EQ(digest, DataFileDigest(xml));
}

}  // namespace
