#pragma once

#include <QString>

// Where the help collection is: beside the executable in the build tree, or
// in share/zorvexa when installed.
namespace helpfiles {

constexpr const char *kDocumentationFile = "zorvexa.qch";
constexpr const char *kNamespace = "hu.zorvexa.help";

// The documentation file, or "" when there is none to read.
QString findDocumentation();

// A help collection in the user's cache folder with the documentation
// registered: the engine writes to both, so neither can stay where it is
// installed. Returns the collection's path, or "" when that failed.
QString prepareCollection(const QString &documentation);

}  // namespace helpfiles
