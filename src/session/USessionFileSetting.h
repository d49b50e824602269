#pragma once
// What a convert type's session files look like: its recent list, the file
// dialog's filter ("caption|pattern"), the default extension without the dot,
// and the INI section every option object writes into.

#include <QString>

struct TSessionFileSetting {
    QString RecentListName;
    QString Filter;
    QString DefaultExt;
    QString Section;
};
