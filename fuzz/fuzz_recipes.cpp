// Fuzz target: the recipes file reader, with arbitrary file contents through the one read
// path the recipes dialog uses (parseReceptsFile). Whatever a file holds, reading it must not
// touch memory it should not, and a file that reads must survive a save: the recipes it gave
// (with any value, also those the form's widgets cannot show) and what it holds beyond them,
// written the way Save writes them and read again, come back unchanged, and a second save
// with no edit writes the same bytes.
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

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The contents as a file read gives them: a byte array of exactly the file's size.
    const QByteArray contents(reinterpret_cast<const char*>(data), int(size));
    std::vector<Recept> records;
    KeptContent kept;
    ReceptsFileError error;
    if (!parseReceptsFile(contents, records, &error, &kept)) {
        if (!records.empty() || kept.count() != 0)
            fail("a refused file left records behind");
        return 0;
    }
    if (records.size() > size_t(MaxReceptsCount))
        fail("more recipes read than the program shows");

    const QByteArray saved = receptsFileBytes(records, &kept);
    std::vector<Recept> again;
    KeptContent keptAgain;
    if (!parseReceptsFile(saved, again, &error, &keptAgain))
        fail("the saved recipes do not read back");
    if (again.size() != records.size())
        fail("a save and read changed the number of recipes");
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i] != again[i])
            fail("a save and read changed a recipe");
    }
    if (keptAgain != kept)
        fail("a save and read changed what the file holds beyond the recipes");
    if (receptsFileBytes(again, &keptAgain) != saved)
        fail("a second save with no edit changed the bytes");
    return 0;
}
