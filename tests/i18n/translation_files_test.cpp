// The translation files as translators hand them in: every message translated and finished, no
// leftovers of texts the program no longer has, every placeholder and mnemonic kept.
#include "mnemonic_letters.h"
#include "shell/ui/translations.h"

#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace orvanel::testing {
namespace {

// One message of a .ts file. A plural message's translation is its forms one after the other,
// so that each check sees every form.
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
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
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

// The language a translation file is for, from its name: "orvanel_de.ts" is "de".
QString LanguageOf(const QString& path)
{
    return QFileInfo(path).completeBaseName().mid(QStringLiteral("orvanel_").size());
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
        languages << LanguageOf(path);
    EXPECT_EQ(languages, QStringList({"de", "fr", "lv", "ru"}));
    QStringList built = ProgramTranslations();
    built.sort();
    EXPECT_EQ(built, languages);
}

TEST(TranslationFiles, EveryMessageIsFinishedAndKeepsPlaceholdersAndMnemonics)
{
    for (const QString& path : TranslationPaths()) {
        const TranslationFile file = Read(path);
        const QString expected = LanguageOf(path);
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
            EXPECT_EQ(MnemonicLetters(translation).size(), MnemonicLetters(message.source).size())
                << Where(file, message) << " -> " << translation.toStdString();
        }
    }
}

TEST(TranslationFiles, EveryMnemonicIsOnAKeyTheLanguagesKeyboardTypesWithAlt)
{
    for (const QString& path : TranslationPaths()) {
        const TranslationFile file = Read(path);
        for (const Message& message : file.messages) {
            for (const QChar letter : MnemonicLetters(message.translation))
                EXPECT_TRUE(TypedWithoutAltGr(LanguageOf(path), letter))
                    << Where(file, message) << " -> " << message.translation.toStdString();
        }
    }
}

// How each language quotes a name or a value: its opening and closing marks, and the space that
// French puts inside them (a no-break one, so that a mark never starts a line).
struct QuoteStyle {
    QChar open;
    QChar close;
    QString inside;
};

const std::map<QString, QuoteStyle> kQuoteStyles = {
    {QStringLiteral("de"), {u'„', u'“', {}}},
    {QStringLiteral("fr"), {u'«', u'»', QStringLiteral("\u00A0")}},
    {QStringLiteral("lv"), {u'„', u'“', {}}},
    {QStringLiteral("ru"), {u'«', u'»', {}}},
};

// What is wrong with the quotation marks of `text` in `style`; empty when nothing is.
QString QuotingFault(const QString& text, const QuoteStyle& style)
{
    static const QString marks = QStringLiteral("\"'«»„“”‘’‚‹›");
    qsizetype open = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool betweenLetters =
            i > 0 && i + 1 < text.size() && text[i - 1].isLetter() && text[i + 1].isLetter();
        if (!marks.contains(c) || ((c == u'’' || c == u'\'') && betweenLetters))
            continue;  // an apostrophe, as in "d’un"
        if (c == style.open) {
            ++open;
            const QString after = text.mid(i + 1, 1);
            if (style.inside.isEmpty() ? after.trimmed() != after : after != style.inside)
                return QStringLiteral("wrong space after the opening mark");
        } else if (c == style.close) {
            if (--open < 0)
                return QStringLiteral("a closing mark without an opening one");
            const QString before = text.mid(i - 1, 1);
            if (style.inside.isEmpty() ? before.trimmed() != before : before != style.inside)
                return QStringLiteral("wrong space before the closing mark");
        } else {
            return QStringLiteral("the mark ") + c + QStringLiteral(" of another style");
        }
    }
    return open == 0 ? QString() : QStringLiteral("an opening mark without a closing one");
}

TEST(TranslationFiles, EachLanguageQuotesInOneStyle)
{
    for (const QString& path : TranslationPaths()) {
        const TranslationFile file = Read(path);
        ASSERT_TRUE(kQuoteStyles.count(LanguageOf(path))) << path.toStdString();
        const QuoteStyle& style = kQuoteStyles.at(LanguageOf(path));
        for (const Message& message : file.messages)
            EXPECT_EQ(QuotingFault(message.translation, style), QString())
                << Where(file, message) << " -> " << message.translation.toStdString();
    }
}

// A text the program shows in several places, with or without a mnemonic, spaced or not, is
// translated alike everywhere: a reader takes two names for two things. Case is kept apart, as
// the kind "error" is not the message box title "Error".
TEST(TranslationFiles, OneTextHasOneTranslationInEveryPlace)
{
    const auto plain = [](QString text) { return text.remove(QLatin1Char('&')); };
    for (const QString& path : TranslationPaths()) {
        const TranslationFile file = Read(path);
        std::map<QString, const Message*> first;
        for (const Message& message : file.messages) {
            const QString key = plain(message.source).remove(QLatin1Char(' '));
            const auto [seen, isFirst] = first.emplace(key, &message);
            if (!isFirst) {
                EXPECT_EQ(plain(message.translation), plain(seen->second->translation))
                    << Where(file, message) << " / " << Where(file, *seen->second);
            }
        }
    }
}

// Wordings that readers of each language found to say something else than the English does.
struct Misreading {
    const char* language;
    const char* pattern;
    const char* why;
};

const Misreading kMisreadings[] = {
    {"ru", "Обратная связь", "reads as \"feedback\""},
    {"ru", "Новый человек", "reads as \"a newcomer\""},
    {"fr", "\\bparent\\b", "also means \"relative\", so the direction is lost"},
    {"fr", "(?<!frère )\\bjumeau\\b(?! ou jumelle)", "masculine only"},
    {"fr", "\\bsûr\\b(?!\\(e\\))", "masculine only"},
    {"fr", "encodage[^)]* ne peut pas être réécrit", "the file is what cannot be written back"},
    {"lv", "\\bvecāk", "first reads as \"older\""},
    {"lv", "\\bdvīnis\\b(?! vai dvīne)", "masculine only"},
    {"lv", "\\bpārliecināts\\b", "masculine only"},
    {"de", "\\bIhre Zugriffsrechte", "reads as the user's access rights, not the file's"},
    {"de", "\\bGeschwister\\b", "plural, where one person is meant"},
    {"de", "\\bein %1 ", "the wrong gender for Person"},
};

TEST(TranslationFiles, NoneSaysWhatReadersFoundMisleading)
{
    for (const QString& path : TranslationPaths()) {
        const TranslationFile file = Read(path);
        for (const Misreading& misreading : kMisreadings) {
            if (LanguageOf(path) != QLatin1String(misreading.language))
                continue;
            const QRegularExpression pattern(QString::fromUtf8(misreading.pattern),
                                             QRegularExpression::UseUnicodePropertiesOption);
            for (const Message& message : file.messages)
                EXPECT_FALSE(pattern.match(message.translation).hasMatch())
                    << misreading.why << ": " << Where(file, message) << " -> "
                    << message.translation.toStdString();
        }
    }
}

}  // namespace
}  // namespace orvanel::testing
