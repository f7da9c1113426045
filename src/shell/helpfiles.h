#pragma once

#include <QString>

#include <memory>

class QTemporaryDir;

// Where the help collection is: beside the executable in the build tree, or
// in share/zorvexa when installed.
namespace helpfiles {

constexpr const char *kDocumentationFile = "zorvexa.qch";
constexpr const char *kCollectionFile = "zorvexa.qhc";

// Why the help cannot be opened.
enum class Problem { None, Missing, Damaged, NoWritablePlace };

// The message telling the user, in Hungarian, naming the cause.
QString message(Problem problem);

// The folder holding the collection and the documentation it registers, or
// "" when there is none to read.
QString findHelpFolder();

// The help engine writes to the collection and keeps its search index
// beside it, and an installed copy is read-only: each instance works on a
// copy of its own in a private temporary folder, removed with `place`.
// Returns the copy's collection path, or "" (with `place` null) when no
// temporary folder could be written.
QString prepareCollection(const QString &folder, std::unique_ptr<QTemporaryDir> &place);

}  // namespace helpfiles
