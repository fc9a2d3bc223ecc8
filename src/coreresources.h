#ifndef CORERESOURCES_H
#define CORERESOURCES_H

// Registers the schema set and the new-file template, which live in the core
// library. Safe to call more than once.
void initCoreResources();

#endif // CORERESOURCES_H
