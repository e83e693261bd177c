// Fuzz target: the recipes file reader, with arbitrary file contents (in layouts the last byte
// picks) through the one read path the recipes dialog uses (parseReceptsFile). Whatever a file
// holds, reading it must not touch memory it should not; a file that reads saves with no edit
// as the very bytes read, and with edits reads back as edited.
#include "fuzz/fuzz_target.h"

#include "recipes/receptsfile.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "recipes file: %s\n", what);
    std::abort();
}

// The contents in another layout, chosen by the last byte: line ends, indentation, quotes,
// comments around the root. Whatever it gives, a file that reads must save as itself.
QByteArray varied(const QByteArray& contents)
{
    if (contents.isEmpty())
        return contents;
    const char choice = contents.back();
    QByteArray layout = contents.chopped(1);
    if (choice & 1)
        layout.replace("\n", "\r\n");
    if (choice & 2)
        layout.replace("\n ", "\n\t");
    if (choice & 4)
        layout.replace('"', '\'');
    if (choice & 8)
        layout.replace("<Recepts", "<!-- before -->\n<Recepts");
    if (choice & 16)
        layout.append("<!-- after -->");
    if (choice & 32)
        layout.replace("/>", " />");
    return layout;
}

// Every recipe edited: a number, a name with markup and quotes, a slot amount. Read again,
// the file gives the edited recipes.
void checkEdits(std::vector<Recept> records, const ReceptsDocument& document)
{
    for (Recept& recept : records) {
        recept.sugarRashod += 1;
        recept.storedTexts.remove(QStringLiteral("Sugar"));
        recept.fullName += QStringLiteral("<&\"'\u0416");
        recept.ingridientWater[2] = 42;
        recept.storedTexts.remove(QStringLiteral("IngridientWater 2"));
    }
    std::vector<Recept> again;
    if (!parseReceptsFile(document.bytesWith(records), again, nullptr))
        fail("an edited file does not read back");
    if (again.size() != records.size())
        fail("an edit changed the number of recipes");
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i] != again[i])
            fail("an edit did not read back as made");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The contents as a file read gives them: a byte array of exactly the file's size.
    const QByteArray contents = varied(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    std::vector<Recept> records;
    ReceptsDocument document;
    ReceptsFileError error;
    if (!parseReceptsFile(contents, records, &error, &document)) {
        if (!records.empty() || document.keptCount() != 0)
            fail("a refused file left records behind");
        return 0;
    }
    if (records.size() > size_t(MaxReceptsCount))
        fail("more recipes read than the program shows");
    if (document.bytesWith(records) != contents)
        fail("a save with no edit changed the bytes");
    checkEdits(records, document);
    return 0;
}
