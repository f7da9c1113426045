#pragma once

#include <QString>

// Where the help collection is: beside the executable in the build tree, or
// in share/zorvexa when installed.
namespace helpfiles {

constexpr const char *kDocumentationFile = "zorvexa.qch";
constexpr const char *kCollectionFile = "zorvexa.qhc";

// The folder holding the collection and the documentation it registers, or
// "" when there is none to read.
QString findHelpFolder();

// Copies both files to the user's cache folder, since the help engine writes
// to them and an installed copy is read-only. Returns the collection's path
// there, or "" when that failed.
QString prepareCollection(const QString &folder);

}  // namespace helpfiles
