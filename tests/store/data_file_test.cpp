// The data file is read into memory of its own that the load gives back as the parser goes:
// what is read must be the file, byte for byte, and what is given back must not touch the rest.

#include "store/data_file.h"
#include "store/document.h"
#include "store/errors.h"

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
        EXPECT_EQ(content.bytes, bytes) << size;
        EXPECT_EQ(content.identity.size, size);
        EXPECT_EQ(content.identity.digest, DataFileDigest(bytes)) << size;
        // Read a block at a time and kept nowhere, as a save's check reads it: the same file.
        const DataFileIdentity read = ReadDataFileIdentity(folder.file("zok.xml"));
        EXPECT_EQ(read.digest, content.identity.digest) << size;
        EXPECT_EQ(read.size, size);
    }
    QByteArray changed = Pattern(3 << 20);
    changed[1 << 20] = '#';
    EXPECT_NE(DataFileDigest(changed), DataFileDigest(Pattern(3 << 20)));
}

// A file larger than the register's table can hold is refused by its size, before a byte of it
// is read or any memory taken for it.
TEST(DataFile, AFileOverTheLimitIsRefusedByItsSize)
{
    TempFolder folder;
    QFile file(folder.file("zok.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxDataFileBytes + 1));  // sparse: no disk is taken
    file.close();
    try {
        ReadDataFile(folder.file("zok.xml"));
        ADD_FAILURE() << "a file over the limit was read";
    } catch (const LoadRefused& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid data file content (the file is too large)!"));
    }
}

}  // namespace
