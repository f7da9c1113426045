#include "shell/commandline.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace commandline {
namespace {

struct Texts {
    const char *usage;
    const char *copyright;
    const char *unknownOption;  // %s: the option as given
    const char *extraArgument;
    const char *missingValue;
    const char *noDisplay;
    const char *platformFailed;
};

const Texts kHungarian{
    "Használat: zorvexa [KAPCSOLÓ]...\n"
    "Magyar nyelvű asztali számológép egyszerű, bővített és informatikai nézettel.\n"
    "\n"
    "  -h, --help     kiírja ezt a súgót, és kilép\n"
    "  -v, --version  kiírja a program változatát, és kilép\n"
    "\n"
    "A Qt szokásos kapcsolói (például -platform név, -style név) is használhatók.\n"
    "A számológép ablakához grafikus felület kell (X11 vagy Wayland).\n",
    "Szerzői jog © 2026 Zorvexa fejlesztői\n"
    "Licenc: GNU GPL 3. vagy későbbi változat <https://www.gnu.org/licenses/gpl.html>\n",
    "zorvexa: ismeretlen kapcsoló: %s (a kapcsolók listája: zorvexa --help)\n",
    "zorvexa: fölösleges argumentum: %s (a kapcsolók listája: zorvexa --help)\n",
    "zorvexa: érték nélküli kapcsoló: %s\n",
    "zorvexa: nincs grafikus kijelző, amelyen ablakot nyithatna (sem a DISPLAY, sem a WAYLAND_DISPLAY nincs "
    "beállítva)\n",
    "zorvexa: a grafikus kijelző nem érhető el, a számológép nem indul el\n",
};

const Texts kEnglish{
    "Usage: zorvexa [OPTION]...\n"
    "Hungarian desktop calculator with standard, scientific and informatics views.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Qt's standard options (such as -platform name, -style name) are accepted too.\n"
    "The calculator's window needs a graphical display (X11 or Wayland).\n",
    "Copyright © 2026 Zorvexa fejlesztői\n"
    "Licence: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>\n",
    "zorvexa: unknown option: %s (for the list of options: zorvexa --help)\n",
    "zorvexa: unexpected argument: %s (for the list of options: zorvexa --help)\n",
    "zorvexa: option needs a value: %s\n",
    "zorvexa: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
    "zorvexa: the graphical display cannot be reached, the calculator does not start\n",
};

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// The messages' language follows the locale the way gettext's does; C and
// every other language get the Hungarian texts.
const Texts &texts()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string value = environment(name);
        if (value.empty())
            continue;
        const bool english = value.compare(0, 2, "en") == 0 && (value.size() == 2 || std::strchr("_.@", value[2]));
        return english ? kEnglish : kHungarian;
    }
    return kHungarian;
}

// Qt's own options, which QApplication takes out of argv.
bool isQtOption(const std::string &name, bool &takesValue)
{
    static const std::string withValue =
        " platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon qwindowtitle session"
        " display name style stylesheet ";
    static const std::string flags = " reverse widgetcount nograb dograb ";
    const std::string word = ' ' + name + ' ';
    takesValue = withValue.find(word) != std::string::npos;
    return takesValue || flags.find(word) != std::string::npos;
}

// xcb (the default) and Wayland need a display server; offscreen, minimal,
// vnc, eglfs and the like do not. A list ("wayland;xcb") is tried in turn.
bool needsDisplayServer(const std::string &platforms)
{
    size_t start = 0;
    do {
        const size_t end = platforms.find(';', start);
        const std::string entry = platforms.substr(start, end == std::string::npos ? end : end - start);
        const std::string name = entry.substr(0, entry.find(':'));
        if (!name.empty() && name != "xcb" && name.compare(0, 7, "wayland") != 0)
            return false;
        start = end == std::string::npos ? end : end + 1;
    } while (start != std::string::npos);
    return true;
}

QtMessageHandler previousHandler = nullptr;

// Qt's warnings before it (could not connect to display :1) say why; its
// fatal text would only advise reinstalling.
void endOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(texts().platformFailed, stderr);
        std::_Exit(1);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

}  // namespace

int handle(int argc, char *argv[], const char *version)
{
    const Texts &say = texts();
    std::string platform = environment("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::fputs(say.usage, stdout);
            return 0;
        }
        if (argument == "-v" || argument == "--version") {
            std::printf("Zorvexa %s\n%s", version, say.copyright);
            return 0;
        }
        // "--" ends the options; what follows would be an argument, and the
        // calculator takes none.
        if (argument == "--") {
            if (i + 1 < argc) {
                std::fprintf(stderr, say.extraArgument, argv[i + 1]);
                return 2;
            }
            break;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            std::fprintf(stderr, say.extraArgument, argv[i]);
            return 2;
        }
        // Qt reads its options with one dash or two, the value in the next
        // argument; -style and -stylesheet also take it after "=".
        const std::string option = argument.substr(argument[1] == '-' ? 2 : 1);
        const size_t equals = option.find('=');
        const std::string name = option.substr(0, equals);
        bool takesValue = false;
        if (!isQtOption(name, takesValue) || (equals != std::string::npos && name != "style" && name != "stylesheet")) {
            std::fprintf(stderr, say.unknownOption, argv[i]);
            return 2;
        }
        if (takesValue && equals == std::string::npos && i + 1 >= argc) {
            std::fprintf(stderr, say.missingValue, argv[i]);
            return 2;
        }
        if (takesValue && equals == std::string::npos)
            ++i;
        if (name == "platform")
            platform = argv[i];
    }
    if (environment("DISPLAY").empty() && environment("WAYLAND_DISPLAY").empty() && needsDisplayServer(platform)) {
        std::fputs(say.noDisplay, stderr);
        return 1;
    }
    return -1;
}

void watchPlatformStart() { previousHandler = qInstallMessageHandler(endOnFatal); }

void platformStarted() { qInstallMessageHandler(previousHandler); }

}  // namespace commandline
