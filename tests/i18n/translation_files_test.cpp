// The translation files as translators hand them in: every message translated and finished, no
// leftovers of texts the program no longer has, every placeholder and mnemonic kept.
#include "shell/ui/translations.h"

#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

// One message of a .ts file. The program has no plural texts: a plural message would stop the
// reader with an error, and the test with it.
struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "obsolete", "vanished"; empty when finished
};

struct TranslationFile {
    QString language;
    std::vector<Message> messages;
};

TranslationFile Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    TranslationFile out;
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            out.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            out.messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return out;
}

QStringList TranslationPaths()
{
    const QDir dir(QStringLiteral(ORVANEL_TRANSLATIONS));
    QStringList paths;
    for (const QString& name : dir.entryList({QStringLiteral("orvanel_*.ts")}, QDir::Files))
        paths << dir.filePath(name);
    return paths;
}

QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// How many mnemonic markers a caption has: an "&" before a character, "&&" being a plain "&".
int Mnemonics(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&') && !text[i + 1].isSpace())
            ++count;
        ++i;
    }
    return count;
}

std::string Where(const TranslationFile& file, const Message& message)
{
    return (file.language + QStringLiteral(" ") + message.context + QStringLiteral(": ") +
            message.source)
        .toStdString();
}

TEST(TranslationFiles, EachShippedLanguageIsBuiltIntoTheProgram)
{
    QStringList languages;
    for (const QString& path : TranslationPaths())
        languages << QFileInfo(path).completeBaseName().mid(QStringLiteral("orvanel_").size());
    EXPECT_EQ(languages, QStringList({"de", "fr", "lv", "ru"}));
    QStringList built = ProgramTranslations();
    built.sort();
    EXPECT_EQ(built, languages);
}

TEST(TranslationFiles, EveryMessageIsFinishedAndKeepsPlaceholdersAndMnemonics)
{
    for (const QString& path : TranslationPaths()) {
        const TranslationFile file = Read(path);
        const QString expected = QFileInfo(path).completeBaseName().mid(8);
        EXPECT_TRUE(file.language.startsWith(expected)) << path.toStdString();
        ASSERT_FALSE(file.messages.empty()) << path.toStdString();
        for (const Message& message : file.messages) {
            // Obsolete and vanished texts are gone from the program; unfinished ones fall
            // back to English in the middle of translated windows.
            EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << ": "
                                                << Where(file, message);
            const QString& translation = message.translation;
            EXPECT_FALSE(translation.trimmed().isEmpty()) << Where(file, message);
            EXPECT_EQ(Placeholders(translation), Placeholders(message.source))
                << Where(file, message) << " -> " << translation.toStdString();
            EXPECT_EQ(Mnemonics(translation), Mnemonics(message.source))
                << Where(file, message) << " -> " << translation.toStdString();
        }
    }
}

}  // namespace
}  // namespace orvanel::testing
