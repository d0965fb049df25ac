// Data files that point elsewhere or multiply themselves: loading them opens no file but the data
// file and touches no network, as the fault library, watching every call, sees.
#include "fault_run.h"
#include "hostile_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel::faults;
using namespace orvanel::hostile;

namespace {

struct Watched {
    QString load;       // "ok ..." or "refused <message>"
    QStringList opened; // every path the load opened
    QStringList network;
};

Watched loadWatched(const QByteArray& bytes)
{
    QTemporaryDir folder;
    EXPECT_TRUE(writeFile(folder.filePath(QStringLiteral("zok.xml")), bytes));
    const ChildResult run = runFaultChild(folder.path(), {QStringLiteral("load")});
    EXPECT_FALSE(run.killed || run.hung);
    Watched watched;
    watched.load = run.value(QStringLiteral("load"));
    for (const QString& call : run.calls) {
        const QString op = call.section(QLatin1Char(' '), 1, 1);
        if (op == QStringLiteral("open"))
            watched.opened << call.section(QLatin1Char(' '), 3, 3);
        else if (op == QStringLiteral("net"))
            watched.network << call;
    }
    return watched;
}

void expectOnlyTheDataFile(const Watched& watched)
{
    ASSERT_FALSE(watched.opened.isEmpty()) << "the fault library saw nothing: is it preloaded?";
    // Besides the data file only the system's memory figures, read before any byte of the file.
    for (const QString& path : watched.opened)
        EXPECT_TRUE(path.endsWith(QStringLiteral("/zok.xml")) || path == QStringLiteral("/proc/meminfo"))
            << "opened " << path.toStdString();
    EXPECT_TRUE(watched.network.isEmpty()) << watched.network.join(QLatin1Char('|')).toStdString();
}

class ElsewhereFiles : public ::testing::Test {
protected:
    QTemporaryDir outside;
    QString secret() const { return outside.filePath(QStringLiteral("secret.txt")); }
    QString dtd() const { return outside.filePath(QStringLiteral("outside.dtd")); }
    void SetUp() override
    {
        ASSERT_TRUE(writeFile(secret(), "secret"));
        ASSERT_TRUE(writeFile(dtd(), "<!ENTITY fromOutside \"secret\">"));
    }
};

TEST_F(ElsewhereFiles, EntitiesNamingFilesOrUrlsAreRefusedUnread)
{
    for (const QByteArray& bytes :
         {externalEntity("file://" + secret()), externalEntity(secret()),
          externalEntity(QStringLiteral("http://127.0.0.1:9/x")),
          externalParameterEntity("file://" + secret()),
          externalParameterEntity(QStringLiteral("http://127.0.0.1:9/x"))}) {
        SCOPED_TRACE(bytes.left(200).toStdString());
        const Watched watched = loadWatched(bytes);
        EXPECT_TRUE(watched.load.startsWith(QStringLiteral("refused "))) << watched.load.toStdString();
        expectOnlyTheDataFile(watched);
    }
}

TEST_F(ElsewhereFiles, DocumentTypesAndInclusionsElsewhereAreNeverFetched)
{
    // These declare nothing themselves: the file may load, but only from its own bytes.
    for (const QByteArray& bytes :
         {externalDocumentType(dtd()), externalDocumentType(QStringLiteral("http://127.0.0.1:9/x.dtd")),
          xinclude(secret()), xinclude(QStringLiteral("http://127.0.0.1:9/x"))}) {
        SCOPED_TRACE(bytes.left(200).toStdString());
        const Watched watched = loadWatched(bytes);
        EXPECT_FALSE(watched.load.isEmpty());
        expectOnlyTheDataFile(watched);
    }
}

TEST(HostileLoad, EntityBombsAreRefusedWithoutExpanding)
{
    for (const QByteArray& bytes : {entityBomb(10, "text"), entityBomb(10, "attribute"),
                                    quadraticBlowup(10000, 10000)}) {
        SCOPED_TRACE(bytes.left(120).toStdString());
        const Watched watched = loadWatched(bytes);
        EXPECT_TRUE(watched.load.startsWith(QStringLiteral("refused "))) << watched.load.toStdString();
        expectOnlyTheDataFile(watched);
    }
}

}  // namespace
