#pragma once

class QString;

// Installs Qt's own Hungarian texts of one catalogue ("qtbase_hu", the
// "OK" and editing menus; "qt_help_hu", the help viewer's search), when the
// system has them; once per catalogue.
void loadTranslation(const QString &catalogue);
