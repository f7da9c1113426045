#pragma once

class QIcon;
class QString;

// Registers the pictures and icons compiled into the shell library; a static
// library's resources are not registered by themselves.
void loadResources();

// The application's icon, sharp at every size and scale: the rendered size
// nearest to what is asked for.
QIcon appIcon();
