#pragma once

// Data files made to hurt the loader: huge, deep, self-multiplying, or pointing elsewhere. Each
// is otherwise a valid register, so that only its hostile part decides how it loads.

#include <QByteArray>
#include <QString>

namespace orvanel::hostile {

inline QByteArray rootOpen(int persons = 0)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Register Prefix=\"AB\" "
           "DateModified=\"2025/1/2\" PersonCount=\"" +
           QByteArray::number(persons) + "\" RelCount=\"0\">\n";
}

inline const QByteArray kRootClose = "</Register>\n";

// A comment of `bytes` bytes between the root's records.
inline QByteArray bigComment(qsizetype bytes)
{
    return rootOpen() + " <!-- " + QByteArray(bytes, 'c') + " -->\n" + kRootClose;
}

// One person whose comment holds `bytes` bytes of text: what a user could paste and save.
inline QByteArray bigText(qsizetype bytes)
{
    return rootOpen(1) + " <Person ID=\"AB0001-7\"><Comment>" + QByteArray(bytes, 't') +
           "</Comment></Person>\n" + kRootClose;
}

// `count` root children of another name, which loading skips.
inline QByteArray manyOtherElements(int count)
{
    QByteArray bytes = rootOpen();
    bytes.reserve(bytes.size() + count * 9 + 16);
    for (int i = 0; i < count; ++i)
        bytes += " <Note/>\n";
    return bytes + kRootClose;
}

// Elements nested `depth` deep inside the root.
inline QByteArray deepNesting(int depth)
{
    return rootOpen() + QByteArray("<d>").repeated(depth) + "x" + QByteArray("</d>").repeated(depth) +
           "\n" + kRootClose;
}

// The classic entity bomb: each level refers ten times to the one below, `levels` deep. `where`
// is "text" (referenced from a text) or "attribute" (from an attribute value).
inline QByteArray entityBomb(int levels, const char* where)
{
    QByteArray dtd = "<!DOCTYPE Register [\n <!ENTITY e0 \"lol\">\n";
    for (int i = 1; i <= levels; ++i) {
        dtd += " <!ENTITY e" + QByteArray::number(i) + " \"" +
               QByteArray("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    }
    dtd += "]>\n";
    const QByteArray top = "&e" + QByteArray::number(levels) + ";";
    QByteArray body = rootOpen();
    body.insert(body.indexOf("<Register") , dtd);
    if (QByteArray(where) == "attribute")
        return body + " <Note x=\"" + top + "\"/>\n" + kRootClose;
    return body + " <Note>" + top + "</Note>\n" + kRootClose;
}

// One large entity referenced many times: no nesting, the growth is in the references.
inline QByteArray quadraticBlowup(int entityBytes, int references)
{
    QByteArray body = rootOpen();
    body.insert(body.indexOf("<Register"),
                "<!DOCTYPE Register [<!ENTITY big \"" + QByteArray(entityBytes, 'q') + "\">]>\n");
    return body + " <Note>" + QByteArray("&big;").repeated(references) + "</Note>\n" + kRootClose;
}

// An external entity naming `uri` (a local file or a URL), referenced from a text.
inline QByteArray externalEntity(const QString& uri)
{
    QByteArray body = rootOpen();
    body.insert(body.indexOf("<Register"),
                "<!DOCTYPE Register [<!ENTITY ext SYSTEM \"" + uri.toUtf8() + "\">]>\n");
    return body + " <Note>&ext;</Note>\n" + kRootClose;
}

// An external parameter entity naming `uri`, expanded inside the document type itself.
inline QByteArray externalParameterEntity(const QString& uri)
{
    QByteArray body = rootOpen();
    body.insert(body.indexOf("<Register"),
                "<!DOCTYPE Register [<!ENTITY % ext SYSTEM \"" + uri.toUtf8() + "\"> %ext;]>\n");
    return body + kRootClose;
}

// A document type kept in another file (`uri`), whose entities the document uses.
inline QByteArray externalDocumentType(const QString& uri)
{
    QByteArray body = rootOpen();
    body.insert(body.indexOf("<Register"), "<!DOCTYPE Register SYSTEM \"" + uri.toUtf8() + "\">\n");
    return body + " <Note>&fromOutside;</Note>\n" + kRootClose;
}

// An inclusion of another file by XInclude.
inline QByteArray xinclude(const QString& uri)
{
    QByteArray body = rootOpen();
    body.replace("<Register ", "<Register xmlns:xi=\"http://www.w3.org/2001/XInclude\" ");
    return body + " <xi:include href=\"" + uri.toUtf8() + "\" parse=\"text\"/>\n" + kRootClose;
}

// An entity bomb behind an XML declaration the parser rejects (an unknown version), referenced
// from an attribute: a parser that goes on after the error defines the entities unseen.
inline QByteArray entityBombAfterBadDeclaration(int levels)
{
    QByteArray bytes = entityBomb(levels, "attribute");
    bytes.replace("<?xml version=\"1.0\"", "<?xml version=\"2.0\"");
    return bytes;
}

// One element with `count` attributes of different names.
inline QByteArray manyAttributes(int count)
{
    QByteArray note = " <Note";
    note.reserve(count * 12 + 16);
    for (int i = 0; i < count; ++i)
        note += " a" + QByteArray::number(i) + "=\"\"";
    return rootOpen() + note + "/>\n" + kRootClose;
}

// `count` elements, each with the most attributes an element may have: the worst case of what
// loads, to show that its cost grows with the file.
inline QByteArray manyElementsWithManyAttributes(int count, int perElement)
{
    QByteArray note = " <Note";
    for (int i = 0; i < perElement; ++i)
        note += " a" + QByteArray::number(i) + "=\"\"";
    note += "/>\n";
    return rootOpen() + note.repeated(count) + kRootClose;
}

// `count` root children, each with a name of its own.
inline QByteArray manyElementNames(int count)
{
    QByteArray bytes = rootOpen();
    bytes.reserve(bytes.size() + count * 14 + 16);
    for (int i = 0; i < count; ++i)
        bytes += " <n" + QByteArray::number(i) + "/>\n";
    return bytes + kRootClose;
}

// One element whose attribute value is `bytes` long.
inline QByteArray longAttributeValue(qsizetype bytes)
{
    return rootOpen() + " <Note a=\"" + QByteArray(bytes, 'v') + "\"/>\n" + kRootClose;
}

// `count` elements, each declaring `perElement` namespaces.
inline QByteArray manyNamespaceDeclarations(int count, int perElement)
{
    QByteArray declarations;
    for (int i = 0; i < perElement; ++i)
        declarations += " xmlns:p" + QByteArray::number(i) + "=\"urn:x\"";
    QByteArray bytes = rootOpen();
    for (int i = 0; i < count; ++i)
        bytes += " <Note" + declarations + "/>\n";
    return bytes + kRootClose;
}

// A person whose identifier is over `bytes` characters long and malformed (two "-").
inline QByteArray longIdentifier(qsizetype bytes)
{
    return rootOpen(1) + " <Person ID=\"" + QByteArray(bytes, 'I') + "--3\"/>\n" + kRootClose;
}

}  // namespace orvanel::hostile
