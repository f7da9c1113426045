#pragma once

#include <QLockFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Where the help collection and its viewer are: beside the executable in
// the build tree; in share/zorvexa and in the library folder's zorvexa when
// installed.
namespace helpfiles {

constexpr const char *kDocumentationFile = "zorvexa.qch";
constexpr const char *kCollectionFile = "zorvexa.qhc";
constexpr const char *kViewerModule = ZORVEXA_HELP_MODULE;

// Why the help cannot be opened.
enum class Problem { None, Missing, Damaged, NoWritablePlace, NoViewer };

// The message telling the user, in Hungarian, naming the cause.
QString message(Problem problem);

// The folder holding the collection and the documentation it registers, or
// "" when there is none to read.
QString findHelpFolder();

// The help viewer module's path, or "" when there is none to load.
QString findViewerModule();

// A private temporary folder "zorvexa-help-XXXXXX" and the lock file in it
// that names its owner: held while the owner runs, left behind (with a pid
// that no longer runs) when the owner was killed.
struct PrivateFolder {
    explicit PrivateFolder(const QString &templatePath) : folder(templatePath) {}
    QTemporaryDir folder;
    std::unique_ptr<QLockFile> owner;  // declared last: unlocked before the folder goes
};

// The help engine writes to the collection and keeps its search index
// beside it, and an installed copy is read-only: each instance works on a
// copy of its own in a private temporary folder, removed with `place`.
// Returns the copy's collection path, or "" (with `place` null) when no
// temporary folder could be written.
QString prepareCollection(const QString &folder, std::unique_ptr<PrivateFolder> &place);

// Removes the copies whose owner no longer runs (killed, or crashed).
void removeLeftovers();

}  // namespace helpfiles
