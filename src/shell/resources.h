#pragma once

// Registers the pictures and icons compiled into the shell library; a static
// library's resources are not registered by themselves.
void loadResources();
