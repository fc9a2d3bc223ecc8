#ifndef GUIRESOURCES_H
#define GUIRESOURCES_H

// Registers the icons, pictures and translation catalogues (and the core's
// resources), which live in static libraries. Safe to call more than once.
void initGuiResources();

#endif // GUIRESOURCES_H
